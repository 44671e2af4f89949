#pragma once
// A person at the find dialogs: every dialog shown modally is handed to the test's hands while
// it is up; cells are typed into with keys (ASCII) or the input method (Chinese). FindDialogTest
// opens the condition dialog alone over a fake host and records what it raised; WindowOnDemoCopy
// a browse window on a copy of the small demo database (SQL may change it first), real services.
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/SpreadGrid.h"
#include "platform/controls/TreeView.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tradequery/find/frmFind.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Security.h"
#include "tradequery/window/BrowseBase.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace findtest {
// Runs command; while the dialog it shows is up, hands act on it, and a dialog they leave open
// is cancelled. Answers whether one came up.
inline bool withDialog(const std::function<void()>& command, const std::function<void(QDialog&)>& hands)
{
    bool shown = false;
    auto previous = win::setModalResponder([&](QDialog& dialog) {
        shown = true;
        dialog.show();
        hands(dialog);
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result();
    });
    command();
    win::setModalResponder(std::move(previous));
    return shown;
}

inline controls::SpreadGrid& grid(QWidget& dialog) { return *dialog.findChild<controls::SpreadGrid*>("vspSearch"); }

// Types into the cell's editor and leaves it open, as a person who goes on to OK.
inline QLineEdit* type(QWidget& dialog, long col, long row, const QString& text)
{
    auto* editor = qobject_cast<QLineEdit*>(grid(dialog).EditCell(col, row));
    EXPECT_NE(editor, nullptr) << "cell " << col << "," << row;
    for (const QChar ch : editor ? text : QString()) {
        QInputMethodEvent composed;
        composed.setCommitString(ch);
        if (ch.unicode() < 0x80)
            QTest::keyClick(editor, ch.toLatin1());
        else
            QApplication::sendEvent(editor, &composed);
    }
    return editor;
}

inline void press(QWidget& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}
} // namespace findtest

class FindDialogTest : public ::testing::Test {
protected:
    FindDialogTest()
    {
        tq::InitFieldTable(1);
        QObject::connect(&dialog, &tq::frmFind::FindNow, [this](int32_t search, int32_t match, const QString& text) {
            raised.append({"FindNow", text, QString::number(search), QString::number(match)});
        });
        QObject::connect(&dialog, &tq::frmFind::SortNow, [this](QString t) { raised.append({"SortNow", t}); });
        QObject::connect(&dialog, &tq::frmFind::FilterNow, [this](QString t) { raised.append({"FilterNow", t}); });
    }
    void open(int32_t mode, const std::function<void()>& person)
    {
        dialog.setActionMode(mode);
        findtest::withDialog([&] { dialog.ShowModal(); }, [&](QDialog&) { person(); });
    }
    QRadioButton* option(const char* name) { return dialog.findChild<QRadioButton*>(name); }
    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    tq::frmFind dialog;
    QList<QStringList> raised;  // each: the signal's name, then its arguments
};

class WindowOnDemoCopy : public ::testing::Test {
protected:
    WindowOnDemoCopy() { tq::testing::resetGLDataObject(); }
    ~WindowOnDemoCopy() override { window.reset(), tq::testing::resetGLDataObject(); }
    // Runs sql on the copy (changes before open()); its first row's first column, 0 when none.
    int sql(const QByteArray& statements)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        int first = 0;
        char* error = nullptr;
        auto keepFirst = [](void* out, int, char** values, char**) {  // then stops: one row is enough
            return *static_cast<int*>(out) = values[0] ? std::atoi(values[0]) : 0, 1;
        };
        const int rc = sqlite3_exec(db, statements.constData(), keepFirst, &first, &error);
        EXPECT_TRUE(rc == SQLITE_OK || rc == SQLITE_ABORT) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
        return first;
    }
    // With the services on the copy, the sales window in the item or partner view, on a start node.
    void open(bool itemView, int32_t itemId, int32_t companyId)
    {
        if (!services)  // a test may start them first to watch the database
            services = std::make_unique<hostsvc::testing::InstalledServices>(hostdb::demo::kAdminUserId, path);
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
    }
    void trigger(const char* toolbarKey) { window->toolbarButton(QLatin1String(toolbarKey))->trigger(); }
    QStringList column(long col) const
    {
        QStringList cells;
        for (long row = 2; row <= window->ldgBase().Rows(); ++row)
            cells << window->ldgBase().LedgerCell(row, col).Text();
        return cells;
    }
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
};
