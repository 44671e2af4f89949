#pragma once
// Opens the condition dialog as the browse window does, over a fake host, and acts on it as a
// person: typing into cells (Chinese through the input method), choosing list items, pressing
// the buttons. Records what the dialog raised and which message boxes it showed.
#include "platform/controls/SpreadGrid.h"
#include "platform/controls/SpreadGridModel.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tradequery/find/frmFind.h"
#include "tradequery/history/FieldTable.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

class FindDialogTest : public ::testing::Test {
protected:
    struct Raised {
        QString signal;  // "FindNow", "SortNow" or "FilterNow"
        QString text;
        int32_t searchMode = -1;
        int32_t matchMode = -1;
    };

    FindDialogTest()
    {
        tq::InitFieldTable(1);
        QObject::connect(&dialog, &tq::frmFind::FindNow, [this](int32_t search, int32_t match, const QString& text) {
            raised.push_back({QStringLiteral("FindNow"), text, search, match});
        });
        QObject::connect(&dialog, &tq::frmFind::SortNow,
                         [this](const QString& text) { raised.push_back({QStringLiteral("SortNow"), text}); });
        QObject::connect(&dialog, &tq::frmFind::FilterNow,
                         [this](const QString& text) { raised.push_back({QStringLiteral("FilterNow"), text}); });
    }

    // Shows the dialog in the mode and lets `person` act while it is up.
    void open(int32_t mode, const std::function<void()>& person)
    {
        dialog.setActionMode(mode);
        auto previous = win::setModalResponder([&](QDialog& shown) {
            shown.show();
            person();
            return shown.result();
        });
        dialog.ShowModal();
        win::setModalResponder(std::move(previous));
    }

    controls::SpreadGrid& grid() { return *dialog.findChild<controls::SpreadGrid*>(QStringLiteral("vspSearch")); }

    template <class W>
    W* control(const char* name)
    {
        auto* widget = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Types into the cell's editor and leaves it open, as a person who goes on to OK.
    QLineEdit* type(long col, long row, const QString& text)
    {
        auto* editor = qobject_cast<QLineEdit*>(grid().EditCell(col, row));
        EXPECT_NE(editor, nullptr) << "cell " << col << "," << row;
        if (!editor)
            return nullptr;
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(editor, ch.toLatin1());
            } else {
                QInputMethodEvent composed;
                composed.setCommitString(QString(ch));
                QApplication::sendEvent(editor, &composed);
            }
        }
        return editor;
    }

    // Walks a list cell to item `index` with the arrow keys; each step picks an item and so
    // ends the edit.
    void choose(long col, long row, int index)
    {
        for (int steps = 0; grid().ListIndex(col, row) != index && steps < 10; ++steps) {
            auto* list = qobject_cast<QComboBox*>(grid().EditCell(col, row));
            ASSERT_NE(list, nullptr) << "cell " << col << "," << row;
            QTest::keyClick(list, grid().ListIndex(col, row) < index ? Qt::Key_Down : Qt::Key_Up);
        }
        ASSERT_EQ(grid().ListIndex(col, row), index);
    }

    void pressOK() { QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton); }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    tq::frmFind dialog;
    std::vector<Raised> raised;
};
