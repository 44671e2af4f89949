// The quick-search dialog as a person uses it: what Search carries, the Enter key, and the
// texts it remembers while it lives.
#include "platform/win/ModalDialog.h"
#include "tradequery/find/frmSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class QuickSearchDialog : public ::testing::Test {
protected:
    QuickSearchDialog()
    {
        QObject::connect(&dialog, &tq::frmSearch::Search,
                         [this](const QString& key, const QString& text, bool withCase, const QString& area) {
                             searches.append(QStringList{key, text, withCase ? "case" : "nocase", area});
                         });
    }

    void open(const QString& caption, const std::function<void()>& person)
    {
        auto previous = win::setModalResponder([&](QDialog& shown) {
            shown.show();
            person();
            return shown.result();
        });
        dialog.SearchItem(QStringLiteral("SearchItem"), QStringLiteral("代码,名称,规格型号"), QString(), caption);
        win::setModalResponder(std::move(previous));
    }

    QComboBox* box() { return dialog.findChild<QComboBox*>(QStringLiteral("cmbFilter")); }

    void searchFor(const QString& text)
    {
        box()->setEditText(text);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdSearch")), Qt::LeftButton);
    }

    QStringList history()
    {
        QStringList texts;
        for (int i = 0; i < box()->count(); ++i)
            texts.append(box()->itemText(i));
        return texts;
    }

    tq::frmSearch dialog;
    QList<QStringList> searches;
};

TEST_F(QuickSearchDialog, SearchCarriesTheTrimmedTextCaseAndArea)
{
    open(QStringLiteral("    物料"), [&] {
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblCaption"))->text(), QStringLiteral("    物料:"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblSearArea"))->text(),
                  QStringLiteral("搜索范围：代码 名称 规格型号"));
        searchFor(QStringLiteral("  12 "));
        EXPECT_EQ(box()->currentText(), QStringLiteral("12"));
        searchFor(QStringLiteral("   "));  // nothing to search: nothing raised
        dialog.findChild<QCheckBox*>(QStringLiteral("chkCase"))->setChecked(true);
        box()->setEditText(QStringLiteral("abc"));
        QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
        box()->setEditText(QString());
        QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());  // the dialog stays for the next press
        dialog.reject();
    });
    ASSERT_EQ(searches.size(), 2);
    EXPECT_EQ(searches[0], (QStringList{"SearchItem", "12", "nocase", "代码,名称,规格型号"}));
    EXPECT_EQ(searches[1], (QStringList{"SearchItem", "abc", "case", "代码,名称,规格型号"}));
}

TEST_F(QuickSearchDialog, RemembersSixteenTextsNewestFirstWhileItLives)
{
    open(QString(), [&] {
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblCaption"))->text(), QStringLiteral("查找内容:"));
        searchFor("a");
        searchFor("a");
        searchFor("b");
        searchFor("a");  // further down already: it goes on top again, the old one stays
        EXPECT_EQ(history(), (QStringList{"a", "b", "a"}));
        for (int i = 1; i <= 17; ++i)
            searchFor(QString::number(i));
        dialog.reject();
    });
    QStringList expected;
    for (int i = 17; i >= 2; --i)
        expected.append(QString::number(i));
    open(QString(), [&] {
        EXPECT_EQ(history(), expected);  // closed and opened again: still there
        dialog.reject();
    });
    dialog.Unload();
    open(QString(), [&] {
        EXPECT_TRUE(history().isEmpty());
        dialog.reject();
    });
}

} // namespace
