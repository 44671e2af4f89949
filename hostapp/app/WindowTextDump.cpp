#include "hostapp/app/WindowTextDump.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QRegularExpression>
#include <QStatusBar>

namespace zelhost {

namespace {

bool offersDescription(const QWidget& window)
{
    const QByteArray signature = QByteArray(kDescribeMethod) + "()";
    return window.metaObject()->indexOfMethod(signature.constData()) >= 0;
}

QString menuLines(const QMainWindow& window)
{
    QString text;
    for (QAction* top : window.menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu || !top->isVisible())
            continue;
        QStringList items;
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator() && item->isVisible())
                items << readableCaption(item->text());
        }
        text += QStringLiteral("菜单 %1: %2\n").arg(readableCaption(top->text()), items.join(QStringLiteral(" | ")));
    }
    return text;
}

QString statusLine(const QMainWindow& window)
{
    QStatusBar* bar = window.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        return {};
    QStringList panels;
    if (!bar->currentMessage().isEmpty())
        panels << bar->currentMessage();
    for (QLabel* label : bar->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            panels << label->text();
    }
    return panels.isEmpty() ? QString() : QStringLiteral("状态栏: %1\n").arg(panels.join(QStringLiteral(" | ")));
}

} // namespace

QString readableCaption(const QString& caption)
{
    static const QRegularExpression shortcutSuffix(QStringLiteral("\\(&.\\)"));
    QString text = caption;
    text.remove(shortcutSuffix);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

QString describeWindow(QWidget& window)
{
    QString text = QStringLiteral("窗口标题: %1\n").arg(window.windowTitle());
    if (offersDescription(window)) {
        QString described;
        QMetaObject::invokeMethod(&window, kDescribeMethod, Qt::DirectConnection, Q_RETURN_ARG(QString, described));
        text += described;
        if (!text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
        return text;
    }
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        text += menuLines(*main) + statusLine(*main);
    return text;
}

} // namespace zelhost
