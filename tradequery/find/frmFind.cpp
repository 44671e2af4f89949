#include "tradequery/find/frmFind.h"

#include "platform/win/ControlName.h"
#include "platform/com/ObjectFactory.h"
#include "platform/controls/SpreadGrid.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"
#include "platform/win/ModalDialog.h"
#include "tradequery/find/ConditionCells.h"
#include "tradequery/find/ConditionTexts.h"
#include "tradequery/history/CurrencyScale.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/InfoBox.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Steps.h"
#include "platform/win/Twips.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tq {

namespace {

using controls::SpreadCellType;

// The window's layout as designed, in pixels; ArrangeControls takes over from there.
constexpr int kDesignWidth = 520;
constexpr int kDesignHeight = 440;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

struct ModeTexts {
    const char* caption;
    const char* tabCaption;
    QStringList headers;
};

ModeTexts modeTexts(int32_t mode)
{
    switch (mode) {
    case frmFind::SortMode: return {"排序", "排序(&S)", {"排序目标", "排序方式"}};
    case frmFind::FilterMode: return {"过滤", "过滤(&F)", {"过滤目标", "过滤条件", "过滤内容"}};
    default: return {"搜索", "搜索(&S)", {"搜索目标", "搜索内容"}};
    }
}

const QStringList& sortChoices()
{
    static const QStringList choices{QStringLiteral("(无)"), QStringLiteral("升序"), QStringLiteral("降序")};
    return choices;
}

const QStringList& filterChoices()
{
    static const QStringList choices{QStringLiteral("(无)"), QStringLiteral("等于"), QStringLiteral("不等"),
                                     QStringLiteral("小于"), QStringLiteral("大于"), QStringLiteral("包含")};
    return choices;
}

const char* const kPositionKeys[] = {"FindForm_X", "FindForm_Y", "FindForm_Width", "FindForm_Height"};

// Decimals of the discount rate as the host's system profile sets them; 0 when it sets none or
// cannot be asked.
int32_t discountDecimalsOfHost()
{
    try {
        return DiscountPrecision();
    } catch (const com::ComError&) {
        return 0;
    }
}

} // namespace

frmFind::frmFind(QWidget* parent)
    : QDialog(parent),
      SSTab(win::named(new QTabWidget(this), "SSTab")),
      picBack(win::named(new QWidget, "picBack")),
      vspSearch(win::named(new controls::SpreadGrid(picBack), "vspSearch")),
      fraMatch(win::named(new QGroupBox, "fraMatch")),
      optMatch(win::named(new QRadioButton(fraMatch), "optMatch")),
      optBlur(win::named(new QRadioButton(fraMatch), "optBlur")),
      fraUL(win::named(new QGroupBox, "fraUL")),
      optUL_Yes(win::named(new QRadioButton(fraUL), "optUL_Yes")),
      optUL_No(win::named(new QRadioButton(fraUL), "optUL_No")),
      cmdOK(win::named(new QPushButton(this), "cmdOK")),
      cmdCancel(win::named(new QPushButton(this), "cmdCancel"))
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QFont designFont = font();
    designFont.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    setFont(designFont);
    setWindowTitle(LangText(QStringLiteral("搜索/排序/过滤...")));

    // Tab 0: the grid on its panel, placed by ArrangeControls.
    auto* searchPage = new QWidget;
    picBack->setParent(searchPage);
    picBack->setGeometry(4, 4, 200, 200);
    SSTab->addTab(searchPage, LangText(QStringLiteral("搜索(&S)")));

    // Tab 1: the two option groups.
    auto* optionsPage = new QWidget;
    auto* matchLayout = new QVBoxLayout(fraMatch);
    matchLayout->addWidget(optMatch);
    matchLayout->addWidget(optBlur);
    auto* caseLayout = new QVBoxLayout(fraUL);
    caseLayout->addWidget(optUL_Yes);
    caseLayout->addWidget(optUL_No);
    auto* optionsLayout = new QVBoxLayout(optionsPage);
    optionsLayout->addWidget(fraMatch);
    optionsLayout->addWidget(fraUL);
    optionsLayout->addStretch();
    SSTab->addTab(optionsPage, LangText(QStringLiteral("选项(&O)")));
    fraMatch->setTitle(LangText(QStringLiteral("匹配选项(&M):")));
    optMatch->setText(LangText(QStringLiteral("匹配搜索(&A)")));
    optBlur->setText(LangText(QStringLiteral("模糊搜索(&B)")));
    fraUL->setTitle(LangText(QStringLiteral("是否区分大小写(&D):")));
    optUL_Yes->setText(LangText(QStringLiteral("是(&Y)")));
    optUL_No->setText(LangText(QStringLiteral("否(&N)")));
    cmdOK->setText(LangText(QStringLiteral("确定(&Y)")));
    cmdCancel->setText(LangText(QStringLiteral("取消(&C)")));
    for (QPushButton* button : {cmdOK, cmdCancel}) {
        button->setAutoDefault(false);  // Enter belongs to the grid's cells
        button->resize(kButtonWidth, kButtonHeight);
    }

    SSTab->move(kMargin, kMargin);
    resize(kDesignWidth, kDesignHeight);

    connect(SSTab, &QTabWidget::currentChanged, this, [this](int index) { vspSearch->setVisible(index == 0); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

int frmFind::ShowModal()
{
    Load();
    return win::runModal(*this);
}

void frmFind::Load()
{
    optMatch->setChecked(true);
    optUL_No->setChecked(true);
    SSTab->setCurrentIndex(0);
    restorePosition();
    m_amountDecimals = GetCurrencyScale(1);
    m_discountDecimals = discountDecimalsOfHost();
    SetupConditionGrid();
}

int32_t frmFind::GetCurrencyScale(int32_t currencyId)
{
    return CurrencyScale(currencyId);
}

void frmFind::restorePosition()
{
    using Reader = long (*)(const QWidget*);
    using Writer = void (*)(QWidget*, long);
    const Reader readers[] = {win::twips::Left, win::twips::Top, win::twips::Width, win::twips::Height};
    const Writer writers[] = {win::twips::setLeft, win::twips::setTop, win::twips::setWidth, win::twips::setHeight};
    for (int i = 0; i < 4; ++i) {
        step([&] {
            const QVariant stored = GetLayoutSetting(QString::fromLatin1(kPositionKeys[i]), qlonglong(readers[i](this)));
            writers[i](this, vb::CLng(stored));
        });
    }
}

void frmFind::savePosition()
{
    const long values[] = {win::twips::Left(this), win::twips::Top(this), win::twips::Width(this), win::twips::Height(this)};
    for (int i = 0; i < 4; ++i)
        step([&] { SaveLayoutSetting(QString::fromLatin1(kPositionKeys[i]), qlonglong(values[i])); });
}

void frmFind::done(int result)
{
    savePosition();
    QDialog::done(result);
}

void frmFind::SetupConditionGrid()
{
    const int rows = FieldCount;
    const ModeTexts texts = modeTexts(m_actionMode);
    const int cols = m_actionMode == FilterMode ? 3 : 2;

    // Starting from an empty grid drops the cells of the previous mode.
    step([&] { vspSearch->SetMaxRows(0); });
    step([&] { vspSearch->SetMaxRows(rows); });
    step([&] { vspSearch->SetMaxCols(cols); });
    SSTab->setTabText(0, LangText(QString::fromUtf8(texts.tabCaption)));
    SSTab->setTabEnabled(1, m_actionMode == FindMode);
    for (int col = 1; col <= cols; ++col)
        step([&] { vspSearch->SetText(col, 0, LangText(texts.headers[col - 1])); });
    if (m_actionMode == FilterMode) {
        const double widths[] = {10, 7, 10};
        for (int col = 1; col <= cols; ++col)
            step([&] { vspSearch->SetColWidth(col, widths[col - 1]); });
    } else {
        step([&] { vspSearch->SetColWidth(1, 12); });
    }

    for (int row = 1; row <= rows; ++row)
        setupRow(row);

    setWindowTitle(LangText(QString::fromUtf8(texts.caption)) + LangText(QStringLiteral("-当前显示数据")));

    const int fontSize = static_cast<int>(GetUserSettingValue(GetUserID(), QStringLiteral("RptFontSize"), 9));
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col)
            step([&] { vspSearch->SetFontSize(col, row, fontSize); });
}

void frmFind::setupRow(int row)
{
    const FieldDef& entry = FieldTable(row);
    const int inputCol = m_actionMode == FilterMode ? 3 : 2;
    if (entry.Title.isEmpty()) {
        for (int col = 2; col <= inputCol; ++col)
            step([&] { vspSearch->SetLocked(col, row, true); });
        return;
    }
    step([&] { vspSearch->SetText(1, row, entry.Title); });

    // A list choice of 0, "(无)", shows as an empty cell, as nothing chosen does.
    if (m_actionMode == SortMode) {
        step([&] { vspSearch->SetListCell(2, row, sortChoices()); });
        step([&] { vspSearch->SetListIndex(2, row, entry.SortChoice); });
        return;
    }
    if (m_actionMode == FilterMode) {
        step([&] { vspSearch->SetListCell(2, row, filterChoices()); });
        step([&] { vspSearch->SetListIndex(2, row, entry.FilterCondition); });
    }

    const ConditionUse use = m_actionMode == FilterMode ? ConditionUse::Filter : ConditionUse::Find;
    if (const auto cell = ConditionCellFor(entry, use, m_amountDecimals, m_discountDecimals)) {
        step([&] {
            if (cell->type == SpreadCellType::Decimal)
                vspSearch->SetDecimalCell(inputCol, row, cell->decimals);
            else
                vspSearch->SetCellType(inputCol, row, cell->type);
        });
    }
    // A stored value the cell cannot take (quotes are dropped on the way) leaves it empty.
    step([&] { vspSearch->SetText(inputCol, row, use == ConditionUse::Filter ? entry.FilterValue : entry.FindText); });
}

void frmFind::cmdOK_Click()
{
    m_searchMode = optMatch->isChecked() ? 0 : 1;
    m_matchMode = optUL_No->isChecked() ? 0 : 1;
    if (!takeTypedValues())
        return;
    switch (m_actionMode) {
    case FindMode: findOK(); break;
    case SortMode: sortOK(); break;
    case FilterMode: filterOK(); break;
    default: break;
    }
}

bool frmFind::takeTypedValues()
{
    const auto refusal = vspSearch->FinishEditing();
    if (!refusal)
        return true;
    const QString title = FieldTable(static_cast<int>(refusal->row)).Title;
    const bool isDate = vspSearch->CellType(refusal->col, refusal->row) == SpreadCellType::Date;
    InfoBox(FormatMsg(LangText(isDate ? QStringLiteral("%1 的日期“%2”不完整或不存在，请按 yyyy-mm-dd 输入，例如 2008-01-05。")
                                      : QStringLiteral("%1 的内容“%2”不是一个完整的数字，请重新输入。")),
                      title, refusal->text));
    return false;
}

void frmFind::findOK()
{
    QString strFind;
    for (int row = 1; row <= FieldCount; ++row) {
        FieldDef& entry = FieldTable(row);
        entry.FindText = vb::Trim(vspSearch->Text(2, row));
        strFind += entry.FindText;
    }
    if (strFind.isEmpty()) {
        InfoBox(LangText(QStringLiteral("请输入要搜索的字符!")));
        return;
    }
    emit FindNow(m_searchMode, m_matchMode, strFind);
}

void frmFind::sortOK()
{
    QString strSort;
    bool anyChosen = false;
    for (int row = 1; row <= FieldCount; ++row) {
        FieldDef& entry = FieldTable(row);
        entry.SortChoice = vspSearch->ListIndex(2, row);
        anyChosen = anyChosen || entry.SortChoice > 0;
        strSort += SortKeyOf(entry);
    }
    strSort.chop(1);  // the "," after the last key
    emit SortNow(anyChosen ? strSort : QString());
    accept();
}

void frmFind::filterOK()
{
    QStringList terms;
    for (int row = 1; row <= FieldCount; ++row) {
        FieldDef& entry = FieldTable(row);
        entry.FilterCondition = vspSearch->ListIndex(2, row);
        entry.FilterValue = vb::Trim(vspSearch->Text(3, row));
        if (entry.FilterValue.isEmpty())
            continue;
        // Content without a condition is dropped, so the next opening shows it gone.
        if (entry.FilterCondition <= choice::None) {
            entry.FilterValue.clear();
            continue;
        }
        const QString term = FilterTermOf(entry);
        if (!term.isEmpty())
            terms.append(term);
    }
    if (terms.isEmpty()) {
        InfoBox(LangText(QStringLiteral("请输入要过滤的条件!")));
        return;
    }
    emit FilterNow(terms.join(QStringLiteral(" AND ")));
    accept();
}

void frmFind::cmdCancel_Click()
{
    reject();
}

void frmFind::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    ArrangeControls();
}

void frmFind::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The tab control places its pages only once shown; the panel's place depends on them.
    ArrangeControls();
}

void frmFind::ArrangeControls()
{
    using namespace win::twips;
    const long innerWidth = Width(this);
    const long innerHeight = Height(this);
    if (innerWidth <= 450 || innerHeight <= 1500)
        return;
    // Each step stands alone: a length that comes out negative is refused and the rest go on.
    step([&] { setWidth(SSTab, innerWidth - 2 * Left(SSTab)); });
    step([&] { setHeight(SSTab, innerHeight - Top(SSTab) - 500); });
    // The panel's place counts from the tab control's corner, over the tab strip.
    const QPoint panelInTab = picBack->parentWidget()->mapTo(SSTab, picBack->pos());
    step([&] { setWidth(picBack, Width(SSTab) - 2 * toTwips(panelInTab.x())); });
    step([&] { setHeight(picBack, Height(SSTab) - toTwips(panelInTab.y()) - 60); });
    step([&] { vspSearch->setGeometry(picBack->contentsRect()); });
    step([&] { setLeft(cmdCancel, Left(SSTab) + Width(SSTab) - Width(cmdCancel)); });
    step([&] { setTop(cmdCancel, Top(SSTab) + Height(SSTab) + 80); });
    step([&] { setTop(cmdOK, Top(cmdCancel)); });
    step([&] { setLeft(cmdOK, Left(cmdCancel) - Width(cmdOK) - 150); });
}

} // namespace tq
