#pragma once
// A browse window on a copy of the small demo database with the host's real services, and a
// person at it: every dialog it shows modally (the condition dialog, the quick-search dialog)
// is handed to the test's hands while it is up, every message box is answered and remembered.
// The copy can be changed with SQL before the window opens, for data the demo does not hold.
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/SpreadGrid.h"
#include "platform/controls/TreeView.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Security.h"
#include "tradequery/window/BrowseBase.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

class WindowOnDemoCopy : public ::testing::Test {
protected:
    using Hands = std::function<void(QDialog&)>;

    WindowOnDemoCopy() { tq::testing::resetGLDataObject(); }
    ~WindowOnDemoCopy() override
    {
        window.reset();
        tq::testing::resetGLDataObject();
    }

    // Runs sql on the copy; call before open().
    void changeData(const char* sql)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        char* error = nullptr;
        const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
        EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
    }

    // The first column of the first row sql answers on the copy; 0 when none.
    int number(const QByteArray& sql)
    {
        sqlite3* db = nullptr;
        sqlite3_stmt* statement = nullptr;
        int value = 0;
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        if (sqlite3_step(statement) == SQLITE_ROW)
            value = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return value;
    }

    // The sales window in the item view (itemView) or the partner view, on a start node.
    tq::BrowseBase& open(bool itemView, int32_t itemId, int32_t companyId)
    {
        tq::SaveLayoutSetting(QStringLiteral("ByCompany"), itemView ? 2 : 1);
        window = std::make_unique<tq::BrowseBase>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setQueryType(1);
        window->setItemID(itemId);
        window->setCompanyID(companyId);
        window->resize(1280, 720);
        window->Load();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    // Runs a window command; while the dialog it shows is up, `hands` act on it. Answers
    // whether a dialog came up.
    bool withDialog(const std::function<void()>& command, const Hands& hands)
    {
        bool shown = false;
        auto previous = win::setModalResponder([&](QDialog& dialog) {
            shown = true;
            dialog.show();
            hands(dialog);
            return dialog.result();
        });
        command();
        win::setModalResponder(std::move(previous));
        return shown;
    }

    void trigger(const char* toolbarKey) { window->toolbarButton(QLatin1String(toolbarKey))->trigger(); }

    // --- the condition dialog ---
    static controls::SpreadGrid& grid(QDialog& dialog)
    {
        return *dialog.findChild<controls::SpreadGrid*>(QStringLiteral("vspSearch"));
    }

    // Types into a cell as a person does: keys for ASCII, the input method for Chinese.
    static void type(QDialog& dialog, long col, long row, const QString& text)
    {
        auto* editor = qobject_cast<QLineEdit*>(grid(dialog).EditCell(col, row));
        ASSERT_NE(editor, nullptr) << "cell " << col << "," << row;
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(editor, ch.toLatin1());
            } else {
                QInputMethodEvent composed;
                composed.setCommitString(QString(ch));
                QApplication::sendEvent(editor, &composed);
            }
        }
    }

    static void press(QDialog& dialog, const char* button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    // --- the ledger ---
    QStringList column(long col) const
    {
        QStringList cells;
        for (long row = 2; row <= window->ldgBase().Rows(); ++row)
            cells << window->ldgBase().LedgerCell(row, col).Text();
        return cells;
    }
    long currentRow() const { return window->ldgBase().LedgerSelection().CurrentRow(); }
    QString title() const { return window->browseControls().SSPTitleItem->text(); }
    QString selectedKey() const
    {
        const controls::Node node = window->tvwBase().SelectedItem();
        return node.isNull() ? QString() : node.Key();
    }

    // The texts of the message boxes shown so far, then forgotten.
    QStringList takeMessages()
    {
        QStringList texts;
        for (const win::MsgBoxRequest& box : boxes.boxes())
            texts << box.text;
        boxes.clear();
        return texts;
    }

    QTemporaryDir folder;
    QString path = testsupport::copySmallDemoDatabase(folder.path());
    fakehost::MsgBoxRecorder boxes{win::vbYes};
    std::unique_ptr<hostsvc::testing::InstalledServices> services;
    std::unique_ptr<tq::BrowseBase> window;

    // Installs the services on the copy; after changeData, before open.
    void login() { services = std::make_unique<hostsvc::testing::InstalledServices>(hostdb::demo::kAdminUserId, path); }
};
