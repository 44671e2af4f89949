#include "hostapp/app/ChoicePicker.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace zelhost {

ChoicePicker::ChoicePicker(const QString& caption, QList<ChoiceEntry> entries, bool withModel, QWidget* parent)
    : QWidget(parent),
      m_model(new ChoiceListModel(std::move(entries), withModel, this)),
      m_filter(new ChoiceFilter(m_model, this)),
      m_search(new QLineEdit(this)),
      m_table(new QTableView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, this);
    label->setBuddy(m_search);
    layout->addWidget(label);
    m_search->setPlaceholderText(QStringLiteral("输入代码、名称或型号查找"));
    m_search->setClearButtonEnabled(true);
    layout->addWidget(m_search);

    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(0, 110);
    if (withModel)
        m_table->setColumnWidth(1, 130);
    m_table->setWordWrap(false);
    layout->addWidget(m_table, 1);

    connect(m_search, &QLineEdit::textChanged, this, &ChoicePicker::setSearchText);
    connect(m_table, &QTableView::activated, this, &ChoicePicker::rowActivated);
    choose(0);
}

void ChoicePicker::setSearchText(const QString& text)
{
    if (m_search->text() != text)
        m_search->setText(text);  // comes back here through textChanged
    m_filter->setSearchText(text);
    chooseFirstMatch();
}

// While searching, the first matching entry is the likely choice; with no text, no choice.
void ChoicePicker::chooseFirstMatch()
{
    const bool searching = !m_search->text().trimmed().isEmpty();
    choose(searching && visibleRowCount() > 1 ? 1 : 0);
}

int ChoicePicker::visibleRowCount() const
{
    return m_filter->rowCount();
}

bool ChoicePicker::choose(int visibleRow)
{
    const QModelIndex index = m_filter->index(visibleRow, 0);
    if (!index.isValid())
        return false;
    m_table->setCurrentIndex(index);
    m_table->selectRow(visibleRow);
    m_table->scrollTo(index);
    return true;
}

int32_t ChoicePicker::chosenId() const
{
    const QModelIndex index = m_table->currentIndex();
    return index.isValid() ? index.data(ChoiceListModel::IdRole).toInt() : 0;
}

QString ChoicePicker::chosenText() const
{
    const QModelIndex index = m_table->currentIndex();
    if (!index.isValid() || chosenId() == 0)
        return {};
    const ChoiceEntry* entry = m_model->entryAt(m_filter->mapToSource(index).row());
    return entry ? entry->number + QLatin1Char(' ') + entry->name : QString();
}

} // namespace zelhost
