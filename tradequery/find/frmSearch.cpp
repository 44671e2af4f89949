#include "tradequery/find/frmSearch.h"

#include "platform/win/ControlName.h"
#include "platform/hostapi/StringDictionary.h"
#include "platform/vb/Strings.h"
#include "platform/win/ModalDialog.h"
#include "tradequery/host/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tq {

namespace {

const QString kFilterField = QStringLiteral("Filter");

} // namespace

frmSearch::frmSearch(QWidget* parent)
    : QDialog(parent),
      lblCaption(win::named(new QLabel(this), "lblCaption")),
      cmbFilter(win::named(new QComboBox(this), "cmbFilter")),
      chkCase(win::named(new QCheckBox(this), "chkCase")),
      cmdSearch(win::named(new QPushButton(this), "cmdSearch")),
      cmdCancel(win::named(new QPushButton(this), "cmdCancel")),
      lblSearArea(win::named(new QLabel(this), "lblSearArea")),
      tmrStart(win::named(new QTimer(this), "tmrStart"))
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QFont designFont = font();
    designFont.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    setFont(designFont);
    setWindowTitle(LangText(QStringLiteral("定位")));
    lblCaption->setText(LangText(QStringLiteral("查找内容:")));
    chkCase->setText(LangText(QStringLiteral("区分大小写")));
    cmdSearch->setText(LangText(QStringLiteral("查找下一个(&N)")));
    cmdCancel->setText(LangText(QStringLiteral("关闭")));

    // The list is the dialog's own history: Enter searches instead of adding the text.
    cmbFilter->setEditable(true);
    cmbFilter->setInsertPolicy(QComboBox::NoInsert);
    cmbFilter->setMinimumContentsLength(24);
    cmbFilter->lineEdit()->installEventFilter(this);
    cmdSearch->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    tmrStart->setSingleShot(false);

    auto* fields = new QGridLayout;
    fields->addWidget(lblCaption, 0, 0);
    fields->addWidget(cmbFilter, 0, 1);
    fields->addWidget(chkCase, 1, 1);
    fields->addWidget(lblSearArea, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdSearch);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(cmdSearch, &QPushButton::clicked, this, [this] { cmdSearch_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(tmrStart, &QTimer::timeout, this, [this] { tmrStart_Timer(); });
}

frmSearch::~frmSearch() = default;

void frmSearch::SearchItem(const QString& searchKey, const QString& searchArea, const QString& content,
                           const QString& slblCaption)
{
    m_searchArea = searchArea;
    lblCaption->setText(slblCaption.isEmpty() ? LangText(QStringLiteral("查找内容:")) : slblCaption + QStringLiteral(":"));
    LoadSearchHistory(searchKey);
    if (!content.isEmpty())
        cmbFilter->setEditText(content);
    lblSearArea->setText(searchArea.isEmpty()
                             ? QString()
                             : LangText(QStringLiteral("搜索范围：")) + QString(searchArea).replace(QLatin1Char(','), QLatin1Char(' ')));
    tmrStart->start(20);
    if (isVisible())
        hide();
    win::runModal(*this);
}

void frmSearch::LoadSearchHistory(const QString& key)
{
    m_searchKey = key;
    const QString typed = cmbFilter->currentText();
    cmbFilter->clear();
    cmbFilter->setEditText(typed);  // clearing the list leaves the text being searched alone
    if (!m_searchHistory) {
        m_searchHistory = std::make_shared<hostapi::StringDictionary>();
        return;
    }
    for (const QVariant& record : m_searchHistory->Value(key).toList())
        cmbFilter->addItem(record.toMap().value(kFilterField).toString());
    cmbFilter->setEditText(typed);
}

void frmSearch::SaveSearchHistory(const QString& key)
{
    if (!m_searchHistory)
        return;
    QVariantList records;
    for (int i = 0; i < cmbFilter->count(); ++i)
        records.append(QVariantMap{{kFilterField, cmbFilter->itemText(i)}});
    m_searchHistory->SetValue(key, records);
}

void frmSearch::cmdSearch_Click()
{
    const QString text = vb::Trim(cmbFilter->currentText());
    cmbFilter->setEditText(text);
    if (text.isEmpty()) {
        cmbFilter->setFocus();
        return;
    }
    emit Search(m_searchKey, text, chkCase->isChecked(), m_searchArea);
    rememberText(text);
}

void frmSearch::rememberText(const QString& text)
{
    // Newest first, at most 16; a text already further down stays where it is.
    if (cmbFilter->count() == 0) {
        cmbFilter->addItem(text);
    } else {
        while (cmbFilter->count() > HistoryLimit - 1)
            cmbFilter->removeItem(cmbFilter->count() - 1);
        if (cmbFilter->itemText(0) != text)
            cmbFilter->insertItem(0, text);
    }
    cmbFilter->setEditText(text);
}

void frmSearch::cmdCancel_Click()
{
    reject();
}

void frmSearch::reject()
{
    // The button, Escape and the close box all only hide the dialog: it stays loaded, with its
    // history and its place on the screen.
    SaveSearchHistory(m_searchKey);
    QDialog::reject();
}

void frmSearch::Unload()
{
    tmrStart->stop();
    hide();
    m_searchHistory.reset();
    cmbFilter->clear();
}

void frmSearch::tmrStart_Timer()
{
    tmrStart->stop();
    cmbFilter->setFocus();
    cmbFilter->lineEdit()->selectAll();
}

void frmSearch::changeEvent(QEvent* event)
{
    // Coming to the front puts the person back into the search box, as the start timer does.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        tmrStart_Timer();
    QDialog::changeEvent(event);
}

bool frmSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbFilter->lineEdit()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!cmbFilter->currentText().isEmpty())
                    cmdSearch_Click();
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, cmbFilter->lineEdit(), &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tq
