#pragma once
// The condition dialog through which the user finds, sorts or filters the ledger: one grid row
// per history column (FieldTable), with the conditions of the previous opening shown again.
// The browse window keeps one instance, sets ActionMode and shows it modally:
//
//     frmF->setActionMode(tq::frmFind::SortMode);
//     frmF->ShowModal();              // SortNow("FDate DESC,FQty ASC") when OK is pressed
//
// Each showing loads the dialog afresh (position, decimals, grid); each close saves its position
// in the settings store. OK in find mode raises FindNow and stays open, so pressing it again
// asks for the next hit; OK in sort or filter mode raises SortNow or FilterNow and closes.
// Cancel closes without raising anything. Controls carry their names as objectName.
#include <QDialog>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace controls {
class SpreadGrid;
}

namespace tq {

class frmFind : public QDialog {
    Q_OBJECT
    Q_PROPERTY(int ActionMode READ actionMode WRITE setActionMode)

public:
    static constexpr int32_t FindMode = 0;
    static constexpr int32_t SortMode = 1;
    static constexpr int32_t FilterMode = 2;

    explicit frmFind(QWidget* parent = nullptr);

    void setActionMode(int32_t sAction) { m_actionMode = sAction; }
    // Taken at OK: 0 exact (匹配搜索), 1 fuzzy; 0 ignore case, 1 distinguish case.
    int32_t SearchMode() const { return m_searchMode; }
    int32_t MatchMode() const { return m_matchMode; }
    int32_t AmountDecimals() const { return m_amountDecimals; }
    int32_t DiscountDecimals() const { return m_discountDecimals; }

    // Loads the dialog for the current ActionMode and shows it through win::runModal.
    int ShowModal();
    // Restores the position, reads the decimals and sets up the grid; ShowModal runs it.
    void Load();
    // Gives the grid its rows, columns, captions, cells and the values of FieldTable for the
    // current ActionMode. A failing grid call is skipped and the setup goes on.
    void SetupConditionGrid();
    // Decimals of the currency's amounts; 2 when the host cannot tell.
    static int32_t GetCurrencyScale(int32_t currencyId);
    // Places the tab, the grid and the buttons for the current size (run on every resize).
    void ArrangeControls();

    void done(int result) override;

signals:
    void FindNow(int32_t SearchMode, int32_t MatchMode, const QString& strFind);
    void SortNow(const QString& strSort);
    void FilterNow(const QString& strFilter);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int actionMode() const { return m_actionMode; }
    void restorePosition();
    void savePosition();
    void cmdOK_Click();
    void cmdCancel_Click();
    void findOK();
    void sortOK();
    void filterOK();
    bool takeTypedValues();  // false (after a message) when a cell refused its typed text
    void setupRow(int row);

    int32_t m_actionMode = FindMode;
    int32_t m_searchMode = 0;
    int32_t m_matchMode = 0;
    int32_t m_amountDecimals = 2;
    int32_t m_discountDecimals = 0;

    QTabWidget* SSTab;
    QWidget* picBack;
    controls::SpreadGrid* vspSearch;
    QGroupBox* fraMatch;
    QRadioButton* optMatch;
    QRadioButton* optBlur;
    QGroupBox* fraUL;
    QRadioButton* optUL_Yes;
    QRadioButton* optUL_No;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace tq
