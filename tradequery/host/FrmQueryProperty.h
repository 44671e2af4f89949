#pragma once
// The query options dialog "查询属性设置": whether a user sees only the bills he made himself,
// and how many of the most recent lines the history lists. Opened modally by the browse window
// with a copy of its options:
//
//     tq::FrmQueryProperty dialog(window);
//     dialog.setQueryType(queryType);
//     dialog.SetOptions(options);
//     dialog.ShowModal();
//
// Loading reads the stored options of the flavour over that copy. "应用" saves and closes;
// "关闭" closes without saving. Controls carry their names as objectName.
#include "tradequery/host/QueryOptions.h"

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tq {

class FrmQueryProperty : public QDialog {
    Q_OBJECT
    // Write-only for callers; the private reader only makes the property valid for Qt.
    Q_PROPERTY(int QueryType READ queryType WRITE setQueryType)

public:
    explicit FrmQueryProperty(QWidget* parent = nullptr);

    void setQueryType(int32_t queryType) { m_queryType = queryType; }
    // The record the dialog starts from, copied.
    void SetOptions(QueryOptions options) { m_options = options; }

    // Loads (once, as showing does) and shows the dialog modally through win::runModal.
    int ShowModal();
    // Sets the captions, reads the stored options and shows them; runs once, when the dialog
    // is first shown or shown through ShowModal.
    void Load();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int queryType() const { return m_queryType; }
    void chkAllowSelf_Click();
    void txtTradeTimes_Change();
    bool txtTradeTimes_KeyPress(QKeyEvent* event);  // true: the key is consumed
    void btnApply_Click();
    void btnCancel_Click();

    int32_t m_queryType = 0;
    QueryOptions m_options;
    bool m_loaded = false;

    QGroupBox* Frame1;
    QCheckBox* chkAllowSelf;
    QLabel* Label15;
    QLineEdit* txtTradeTimes;
    QLabel* Label1;
    QPushButton* btnOK;
    QPushButton* btnApply;
    QPushButton* btnCancel;
};

} // namespace tq
