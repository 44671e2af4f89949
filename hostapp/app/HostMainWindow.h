#pragma once
// The host's main window: menus that open the price-history queries, the session in the
// status bar. While it is open, a database server dropping the connection is told in a message
// box, once per drop, whichever window's work found it. Its window class is "ThunderRT6Main", by which the component recognises the host's
// main window when it decides how to show its own.
#include "hostapp/app/HostCommandLine.h"
#include "hostapp/database/ConnectionLoss.h"
#include "hostapp/services/HostServices.h"

#include <QMainWindow>

class QAction;
class QLabel;

namespace zelhost {

class HostMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostMainWindow(const hostsvc::LoginSession& session, QWidget* parent = nullptr);
    ~HostMainWindow() override;

    const hostsvc::LoginSession& session() const { return m_session; }

    // Publishes this window as "MainFormWnd" in the shared dictionary (again after a new login).
    void publishAsMainForm();

    // Asks for the start material and partner, then opens the query; nothing when cancelled.
    void chooseAndOpenQuery(QueryKind kind);
    // Lets the person log in as another user of the same database.
    void chooseUser();
    // Replaces the session (title, status bar, host services).
    void switchSession(const hostsvc::LoginSession& session);

    QAction* salesQueryAction() const { return m_salesQuery; }
    QAction* purchaseQueryAction() const { return m_purchaseQuery; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void showSession();

    hostsvc::LoginSession m_session;
    QAction* m_salesQuery = nullptr;
    QAction* m_purchaseQuery = nullptr;
    QLabel* m_databaseLabel = nullptr;
    QLabel* m_userLabel = nullptr;
    hostdb::ConnectionLossListener m_previousLossListener;
};

// "ZEL 进销存 — <user name>"
QString mainWindowTitle(const hostsvc::LoginSession& session);

} // namespace zelhost
