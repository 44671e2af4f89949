#pragma once
// The quick-search dialog "定位": collects a piece of a code, name or model and raises Search
// for each press of its find-next button, remembering the texts entered before (up to 16,
// newest first) under a search key while the dialog object lives:
//
//     frmSch->SearchItem("SearchItem", "代码,名称,规格型号", "", "    物料");
//     // Search("SearchItem", "12", false, "代码,名称,规格型号") at each find-next
//
// Closing it by its button or its close box only hides it (the history and the position stay);
// Unload, or destroying it, drops the history for good. Controls carry their names as objectName.
#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace hostapi {
class StringDictionary;
}

namespace tq {

class frmSearch : public QDialog {
    Q_OBJECT
public:
    // At most this many texts stay in the list.
    static constexpr int HistoryLimit = 16;

    explicit frmSearch(QWidget* parent = nullptr);
    ~frmSearch() override;

    // Prepares the dialog for a search and shows it modally (through win::runModal).
    void SearchItem(const QString& searchKey, const QString& searchArea, const QString& content = QString(),
                    const QString& slblCaption = QString());
    // Unloads the dialog for good: hides it and drops the remembered texts.
    void Unload();

    QString SearchKey() const { return m_searchKey; }
    QString SearchArea() const { return m_searchArea; }

    void reject() override;

signals:
    void Search(const QString& SearchKey, const QString& Filter, bool WithCase, const QString& SearchArea);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LoadSearchHistory(const QString& key);
    void SaveSearchHistory(const QString& key);
    void cmdSearch_Click();
    void cmdCancel_Click();
    void tmrStart_Timer();
    void rememberText(const QString& text);

    QString m_searchKey;
    QString m_searchArea;
    std::shared_ptr<hostapi::StringDictionary> m_searchHistory;  // null until the first SearchItem

    QLabel* lblCaption;
    QComboBox* cmbFilter;
    QCheckBox* chkCase;
    QPushButton* cmdSearch;
    QPushButton* cmdCancel;
    QLabel* lblSearArea;
    QTimer* tmrStart;
};

} // namespace tq
