#include "platform/win/SendKeys.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/win/Foreground.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QList>
#include <QWidget>

namespace win {

namespace {

struct Keystroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

com::ComError badKeys(const QString& keys, const QString& why)
{
    return com::ComError(com::VB_INVALID_PROC_CALL, QStringLiteral("SendKeys"),
                         QStringLiteral("无效的过程调用或参数: %1 (%2)").arg(keys, why));
}

const QHash<QString, Keystroke>& namedKeys()
{
    static const QHash<QString, Keystroke> names = [] {
        QHash<QString, Keystroke> n;
        for (int i = 1; i <= 16; ++i)
            n.insert(QStringLiteral("F%1").arg(i), {Qt::Key_F1 + i - 1, {}, {}});
        n.insert(QStringLiteral("ENTER"), {Qt::Key_Return, {}, QStringLiteral("\r")});
        n.insert(QStringLiteral("ESC"), {Qt::Key_Escape, {}, QString(QChar(0x1b))});
        n.insert(QStringLiteral("ESCAPE"), n.value(QStringLiteral("ESC")));
        n.insert(QStringLiteral("TAB"), {Qt::Key_Tab, {}, QStringLiteral("\t")});
        n.insert(QStringLiteral("BACKSPACE"), {Qt::Key_Backspace, {}, QString(QChar(0x08))});
        n.insert(QStringLiteral("BS"), n.value(QStringLiteral("BACKSPACE")));
        n.insert(QStringLiteral("BKSP"), n.value(QStringLiteral("BACKSPACE")));
        n.insert(QStringLiteral("DELETE"), {Qt::Key_Delete, {}, {}});
        n.insert(QStringLiteral("DEL"), n.value(QStringLiteral("DELETE")));
        n.insert(QStringLiteral("INSERT"), {Qt::Key_Insert, {}, {}});
        n.insert(QStringLiteral("INS"), n.value(QStringLiteral("INSERT")));
        n.insert(QStringLiteral("HOME"), {Qt::Key_Home, {}, {}});
        n.insert(QStringLiteral("END"), {Qt::Key_End, {}, {}});
        n.insert(QStringLiteral("UP"), {Qt::Key_Up, {}, {}});
        n.insert(QStringLiteral("DOWN"), {Qt::Key_Down, {}, {}});
        n.insert(QStringLiteral("LEFT"), {Qt::Key_Left, {}, {}});
        n.insert(QStringLiteral("RIGHT"), {Qt::Key_Right, {}, {}});
        n.insert(QStringLiteral("PGUP"), {Qt::Key_PageUp, {}, {}});
        n.insert(QStringLiteral("PGDN"), {Qt::Key_PageDown, {}, {}});
        return n;
    }();
    return names;
}

Keystroke characterKey(QChar c)
{
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return namedKeys().value(QStringLiteral("ENTER"));
    if (c == QLatin1Char('\t'))
        return namedKeys().value(QStringLiteral("TAB"));
    // Qt's key codes for printable ASCII are the upper-case character codes.
    const int key = c.unicode() >= 0x20 && c.unicode() < 0x7f ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
    return {key, {}, QString(c)};
}

QList<Keystroke> parse(const QString& keys)
{
    QList<Keystroke> strokes;
    Qt::KeyboardModifiers held;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        Keystroke stroke;
        if (c == QLatin1Char('+')) { held |= Qt::ShiftModifier; continue; }
        if (c == QLatin1Char('^')) { held |= Qt::ControlModifier; continue; }
        if (c == QLatin1Char('%')) { held |= Qt::AltModifier; continue; }
        if (c == QLatin1Char('(') || c == QLatin1Char(')'))
            throw badKeys(keys, QStringLiteral("不支持括号分组"));
        if (c == QLatin1Char('~')) {
            stroke = namedKeys().value(QStringLiteral("ENTER"));
        } else if (c == QLatin1Char('{')) {
            // "{}}" names the closing brace, so the name ends at the first "}" after one character.
            const qsizetype close = keys.indexOf(QLatin1Char('}'), i + 2);
            if (close < 0)
                throw badKeys(keys, QStringLiteral("缺少 }"));
            const QString name = keys.mid(i + 1, close - i - 1);
            if (name.size() == 1)
                stroke = characterKey(name[0]);
            else if (namedKeys().contains(name.toUpper()))
                stroke = namedKeys().value(name.toUpper());
            else
                throw badKeys(keys, QStringLiteral("不认识的键名 {%1}").arg(name));
            i = close;
        } else if (c == QLatin1Char('}') || c == QLatin1Char('[') || c == QLatin1Char(']')) {
            throw badKeys(keys, QStringLiteral("字符 %1 须写在大括号中").arg(c));
        } else {
            stroke = characterKey(c);
        }
        stroke.modifiers |= held;
        held = {};
        strokes.append(stroke);
    }
    if (held)
        throw badKeys(keys, QStringLiteral("修饰键后缺少按键"));
    return strokes;
}

QWidget* keyboardTarget()
{
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    QWidget* front = fromHandle(GetForegroundWindow());
    if (!front)
        return nullptr;
    QWidget* focus = front->focusWidget();
    return focus ? focus : front;
}

} // namespace

void SendKeys(const QString& keys, bool wait)
{
    const QList<Keystroke> strokes = parse(keys);
    QWidget* target = keyboardTarget();
    if (!target)
        return;
    for (const Keystroke& stroke : strokes) {
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, stroke.key,
                                                          stroke.modifiers, stroke.text));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, stroke.key,
                                                          stroke.modifiers, stroke.text));
    }
    if (wait)
        QCoreApplication::sendPostedEvents(target, 0);
}

} // namespace win
