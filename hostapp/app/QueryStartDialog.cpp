#include "hostapp/app/QueryStartDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelhost {

QString queryTitle(QueryKind kind)
{
    return kind == QueryKind::Sales ? QStringLiteral("客户历史价格查询") : QStringLiteral("供应商历史价格查询");
}

QueryStartDialog::QueryStartDialog(QueryKind kind, QList<ChoiceEntry> materials, QList<ChoiceEntry> partners,
                                   QWidget* parent)
    : QDialog(parent),
      m_kind(kind),
      m_materials(new ChoicePicker(QStringLiteral("物料(&M)"), std::move(materials), true, this)),
      m_partners(new ChoicePicker(partnerWord(kind) + QStringLiteral("(&P)"), std::move(partners), false, this))
{
    setWindowTitle(queryTitle(kind));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(QStringLiteral("选择从哪个物料和哪个%1开始查看历史价格；都可以不指定。").arg(partnerWord(kind)), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* pickers = new QHBoxLayout;
    pickers->addWidget(m_materials, 3);
    pickers->addWidget(m_partners, 2);
    layout->addLayout(pickers, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("打开(&O)"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_materials, &ChoicePicker::rowActivated, this, &QDialog::accept);
    connect(m_partners, &ChoicePicker::rowActivated, this, &QDialog::accept);
    resize(820, 520);
}

QueryRequest QueryStartDialog::request() const
{
    QueryRequest request;
    request.kind = m_kind;
    request.itemId = m_materials->chosenId();
    request.companyId = m_partners->chosenId();
    return request;
}

} // namespace zelhost
