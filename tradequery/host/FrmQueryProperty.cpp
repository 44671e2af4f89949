#include "tradequery/host/FrmQueryProperty.h"

#include "platform/win/ControlName.h"
#include "platform/com/ComError.h"
#include "platform/vb/Conversion.h"
#include "platform/win/ModalDialog.h"
#include "tradequery/host/InfoBox.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/QueryOptionsStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <limits>

namespace tq {

namespace {

} // namespace

FrmQueryProperty::FrmQueryProperty(QWidget* parent)
    : QDialog(parent),
      Frame1(win::named(new QGroupBox(this), "Frame1")),
      chkAllowSelf(win::named(new QCheckBox(Frame1), "chkAllowSelf")),
      Label15(win::named(new QLabel(Frame1), "Label15")),
      txtTradeTimes(win::named(new QLineEdit(Frame1), "txtTradeTimes")),
      Label1(win::named(new QLabel(Frame1), "Label1")),
      btnOK(win::named(new QPushButton(this), "btnOK")),
      btnApply(win::named(new QPushButton(this), "btnApply")),
      btnCancel(win::named(new QPushButton(this), "btnCancel"))
{
    setObjectName(QStringLiteral("FrmQueryProperty"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // The number sits inside its sentence: "统计最近 [N] 次发生的业务".
    auto* sentence = new QHBoxLayout;
    sentence->addWidget(Label15);
    sentence->addWidget(txtTradeTimes);
    sentence->addWidget(Label1);
    sentence->addStretch();
    txtTradeTimes->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 12 + 12);
    txtTradeTimes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Typed keys are filtered below; the validator keeps pasted or dropped text to digits too.
    txtTradeTimes->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtTradeTimes));
    txtTradeTimes->installEventFilter(this);

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(chkAllowSelf);
    frameLayout->addLayout(sentence);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {btnOK, btnApply, btnCancel}) {
        button->setAutoDefault(false);  // Enter in the number field must not save
        button->setEnabled(button == btnCancel);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(chkAllowSelf, txtTradeTimes);
    setTabOrder(txtTradeTimes, btnOK);
    setTabOrder(btnOK, btnApply);
    setTabOrder(btnApply, btnCancel);

    connect(chkAllowSelf, &QCheckBox::stateChanged, this, [this] { chkAllowSelf_Click(); });
    connect(txtTradeTimes, &QLineEdit::textChanged, this, [this] { txtTradeTimes_Change(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnApply_Click(); });
    connect(btnApply, &QPushButton::clicked, this, [this] { btnApply_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
}

int FrmQueryProperty::ShowModal()
{
    Load();
    return win::runModal(*this);
}

void FrmQueryProperty::showEvent(QShowEvent* event)
{
    Load();
    QDialog::showEvent(event);
}

void FrmQueryProperty::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;

    setWindowTitle(LangText(QStringLiteral("查询属性设置")));
    chkAllowSelf->setText(LangText(QStringLiteral("只允许查看自己做过的单据")));
    Label15->setText(LangText(QStringLiteral("统计最近")));
    Label1->setText(LangText(QStringLiteral("次发生的业务")));
    btnOK->setText(LangText(QStringLiteral("确定(&O)")));
    btnApply->setText(LangText(QStringLiteral("应用(&A)")));
    btnCancel->setText(LangText(QStringLiteral("关闭(&C)")));
    btnOK->hide();

    // Where the table holds the flavour's keys, they replace the copy handed over.
    ReadQueryOptions(m_queryType, m_options);
    // Showing the values raises the click and change handlers, as a person's edit would:
    // the buttons come up enabled.
    chkAllowSelf->setChecked(m_options.AllowSelf != 0);
    txtTradeTimes->setText(QString::number(m_options.TradeTimes));
}

void FrmQueryProperty::chkAllowSelf_Click()
{
    m_options.AllowSelf = chkAllowSelf->isChecked() ? 1 : 0;
    btnOK->setEnabled(true);
    btnApply->setEnabled(true);
}

void FrmQueryProperty::txtTradeTimes_Change()
{
    btnOK->setEnabled(true);
    btnApply->setEnabled(true);
}

bool FrmQueryProperty::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtTradeTimes && event->type() == QEvent::KeyPress)
        return txtTradeTimes_KeyPress(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool FrmQueryProperty::txtTradeTimes_KeyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNextPrevChild(false);  // back to the previous control, as Shift+Tab
        return true;
    }
    if (key == Qt::Key_Backspace)
        return false;
    // Keys that type nothing (arrows, Home, Delete, Tab, Escape) and the editing shortcuts
    // keep their usual meaning; the validator still refuses pasted text with other than digits.
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    return !(text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'));
}

void FrmQueryProperty::btnApply_Click()
{
    // The field holds only digits, so the leading number is the whole text (0 when empty); a
    // count beyond the 32-bit range is refused rather than cut, and the dialog stays open.
    const double count = vb::Val(txtTradeTimes->text());
    if (count > std::numeric_limits<int32_t>::max()) {
        InfoBox(FormatMsg(LangText(QStringLiteral("统计的业务次数不能超过%1次，请重新输入。")),
                          std::numeric_limits<int32_t>::max()));
        txtTradeTimes->setFocus();
        txtTradeTimes->selectAll();
        return;
    }
    m_options.TradeTimes = vb::CLng(count);
    SaveQueryOptions(m_queryType, m_options);
    accept();
}

void FrmQueryProperty::btnCancel_Click()
{
    reject();
}

} // namespace tq
