#include "hostapp/app/HostMainWindow.h"

#include "hostapp/app/HostMessages.h"
#include "hostapp/app/QueryStartDialog.h"
#include "hostapp/app/TradeQueryLauncher.h"
#include "hostapp/app/UserChoice.h"
#include "hostapp/database/ConnectionTarget.h"
#include "platform/com/ComError.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/Screen.h"
#include "platform/win/Shell.h"
#include "platform/win/WindowHandles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QVBoxLayout>

namespace zelhost {

namespace {

QWidget* makeWelcome(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* text = new QLabel(QStringLiteral("<h2>ZEL 进销存</h2>"
                                           "<p>从“销售”菜单打开<b>客户历史价格查询</b>，"
                                           "从“采购”菜单打开<b>供应商历史价格查询</b>。</p>"
                                           "<p>在查询窗口中按 F1 可以查看帮助。</p>"),
                            page);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    layout->addWidget(text);
    return page;
}

// The help viewer's command line, as the component builds it for F1.
void showHelpTopic(const QString& topic)
{
    try {
        win::Shell(QStringLiteral("hh.exe ") + QDir::toNativeSeparators(QCoreApplication::applicationDirPath())
                       + QStringLiteral("\\ZELV12.chm::/") + topic,
                   win::vbNormalFocus);
    } catch (const com::ComError& e) {
        reportProblem(e.description());
    }
}

} // namespace

QString mainWindowTitle(const hostsvc::LoginSession& session)
{
    return hostTitle() + QStringLiteral(" — ") + session.userName;
}

HostMainWindow::HostMainWindow(const hostsvc::LoginSession& session, QWidget* parent)
    : QMainWindow(parent), m_session(session)
{
    setObjectName(QStringLiteral("HostMainWindow"));
    // The component tells the host's main window by this class name.
    setProperty("windowClass", QStringLiteral("ThunderRT6Main"));
    buildMenus();
    setCentralWidget(makeWelcome(this));
    m_databaseLabel = new QLabel(this);
    m_userLabel = new QLabel(this);
    // A file path and a user name are shown as they are, never as markup.
    m_databaseLabel->setTextFormat(Qt::PlainText);
    m_userLabel->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_databaseLabel, 1);
    statusBar()->addPermanentWidget(m_userLabel);
    showSession();
    resize(760, 480);
    m_previousLossListener = hostdb::setConnectionLossListener(reportProblem);
}

HostMainWindow::~HostMainWindow()
{
    hostdb::setConnectionLossListener(std::move(m_previousLossListener));
}

void HostMainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addAction(QStringLiteral("切换用户(&U)…"), this, &HostMainWindow::chooseUser);
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("退出(&X)"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* sales = menuBar()->addMenu(QStringLiteral("销售(&S)"));
    m_salesQuery = sales->addAction(QStringLiteral("客户历史价格查询(&C)…"), this,
                                    [this] { chooseAndOpenQuery(QueryKind::Sales); });

    QMenu* purchase = menuBar()->addMenu(QStringLiteral("采购(&P)"));
    m_purchaseQuery = purchase->addAction(QStringLiteral("供应商历史价格查询(&V)…"), this,
                                          [this] { chooseAndOpenQuery(QueryKind::Purchase); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    help->addAction(QStringLiteral("客户历史价格查询(&C)"), this, [] { showHelpTopic(QStringLiteral("销售管理.htm")); });
    help->addAction(QStringLiteral("供应商历史价格查询(&V)"), this, [] { showHelpTopic(QStringLiteral("采购管理.htm")); });
}

void HostMainWindow::showSession()
{
    setWindowTitle(mainWindowTitle(m_session));
    m_databaseLabel->setText(
        QStringLiteral("数据库: %1").arg(hostdb::ConnectionTarget::withoutPassword(m_session.connectString)));
    m_userLabel->setText(QStringLiteral("用户: %1 (%2)").arg(m_session.userName).arg(m_session.userId));
}

void HostMainWindow::publishAsMainForm()
{
    hostsvc::setSharedValue(QStringLiteral("MainFormWnd"), win::handleOf(this));
}

void HostMainWindow::chooseAndOpenQuery(QueryKind kind)
{
    QList<ChoiceEntry> materials;
    QList<ChoiceEntry> partners;
    try {
        win::Screen::setMousePointer(win::vbHourglass);
        const SqlRunner run = serviceConnection();
        materials = listMaterials(run);
        partners = listPartners(run, kind);
        win::Screen::setMousePointer(win::vbDefault);
    } catch (const com::ComError& e) {
        win::Screen::setMousePointer(win::vbDefault);
        reportProblem(QStringLiteral("读取物料和%1时出错：%2").arg(partnerWord(kind), e.description()));
        return;
    }
    QueryStartDialog dialog(kind, std::move(materials), std::move(partners), this);
    if (win::runModal(dialog) != QDialog::Accepted)
        return;
    openTradeQuery(dialog.request());
}

void HostMainWindow::chooseUser()
{
    const std::optional<int32_t> userId = askForUser(m_session.userId, this);
    if (!userId || *userId == m_session.userId)
        return;
    hostsvc::LoginSession next = m_session;
    next.userId = *userId;
    next.userName.clear();
    try {
        hostsvc::validateLogin(next);
    } catch (const com::ComError& e) {
        reportProblem(e.description());
        return;
    }
    switchSession(next);
}

void HostMainWindow::switchSession(const hostsvc::LoginSession& session)
{
    m_session = session;
    hostsvc::installHostServices(m_session);
    publishAsMainForm();
    showSession();
}

void HostMainWindow::closeEvent(QCloseEvent* event)
{
    // Ending the host ends the windows it opened; each saves its layout as it closes. Closing
    // one may delete others (a query window takes its dialogs along), so each is looked at
    // again before it is closed.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows) {
        if (window && window != this && window->isVisible())
            window->close();
    }
    event->accept();
}

} // namespace zelhost
