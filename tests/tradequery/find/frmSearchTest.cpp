// The quick-search dialog as a person uses it: what Search carries, the Enter key, and the
// texts it remembers while it lives.
#include "tests/tradequery/find/FindFixtures.h"
#include "tradequery/find/frmSearch.h"

#include <QCheckBox>
#include <QLabel>

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
        findtest::withDialog(
            [&] { dialog.SearchItem("SearchItem", QStringLiteral("代码,名称,规格型号"), QString(), caption); },
            [&](QDialog&) { person(); });
    }
    QComboBox* box() { return dialog.findChild<QComboBox*>(QStringLiteral("cmbFilter")); }
    QString label(const char* name) { return dialog.findChild<QLabel*>(QLatin1String(name))->text(); }
    void searchFor(const QString& text) { box()->setEditText(text), findtest::press(dialog, "cmdSearch"); }
    void enter(const QString& text) { box()->setEditText(text), QTest::keyClick(box()->lineEdit(), Qt::Key_Return); }
    QStringList history()
    {
        QStringList texts;
        for (int i = 0; i < box()->count(); ++i)
            texts << box()->itemText(i);
        return texts;
    }
    tq::frmSearch dialog;
    QList<QStringList> searches;
};

TEST_F(QuickSearchDialog, SearchCarriesTheTrimmedTextCaseAndAreaAndSixteenTextsAreKept)
{
    open(QStringLiteral("    物料"), [&] {
        EXPECT_EQ(label("lblCaption"), QStringLiteral("    物料:"));
        EXPECT_EQ(label("lblSearArea"), QStringLiteral("搜索范围：代码 名称 规格型号"));
        searchFor(QStringLiteral("  12 "));
        EXPECT_EQ(box()->currentText(), QStringLiteral("12"));
        searchFor(QStringLiteral("   "));  // nothing to search: nothing raised
        dialog.findChild<QCheckBox*>(QStringLiteral("chkCase"))->setChecked(true);
        enter(QStringLiteral("abc"));
        enter(QString());
        EXPECT_TRUE(dialog.isVisible());  // the dialog stays for the next press
    });
    const QString at = QStringLiteral("代码,名称,规格型号");
    EXPECT_EQ(searches, (QList<QStringList>{{"SearchItem", "12", "nocase", at}, {"SearchItem", "abc", "case", at}}));
    // It remembers sixteen texts, the newest first, while it lives.
    open(QString(), [&] {
        EXPECT_EQ(label("lblCaption"), QStringLiteral("查找内容:"));
        for (const char* text : {"a", "a", "b", "a"})  // further down already: on top again, the old one stays
            searchFor(text);
        EXPECT_EQ(history().mid(0, 4), (QStringList{"a", "b", "a", "abc"}));
        for (int i = 1; i <= 17; ++i)
            searchFor(QString::number(i));
    });
    QStringList expected;  // the sixteen newest
    for (int i = 17; i >= 2; --i)
        expected << QString::number(i);
    open(QString(), [&] { EXPECT_EQ(history(), expected); });  // closed and opened again: still there
    dialog.Unload();
    open(QString(), [&] { EXPECT_TRUE(history().isEmpty()); });
}

} // namespace
