#include "platform/controls/SpreadGridEditors.h"

#include "platform/controls/SpreadGridModel.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QStyle>

namespace controls {

namespace {

SpreadCell cellAt(const QModelIndex& index)
{
    const auto* model = qobject_cast<const SpreadGridModel*>(index.model());
    return model ? model->cell(index.row() + 1, index.column() + 1) : SpreadCell{};
}

} // namespace

QValidator::State SpreadCellValidator::validate(QString& input, int& pos) const
{
    const QString before = input.left(pos);
    input = StripQuotes(input);
    pos = StripQuotes(before).size();
    return IsPartialInput(m_cell, input) ? Acceptable : Invalid;
}

SpreadDateEditor::SpreadDateEditor(QWidget* parent) : QLineEdit(parent), m_calendar(new QCalendarWidget(this))
{
    // A popup that is the editor's child: the grid does not take the focus moving into it for
    // the end of the edit.
    m_calendar->setWindowFlags(Qt::Popup);
    m_calendar->hide();
    QAction* dropDown = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    dropDown->setObjectName(QStringLiteral("calendarDropDown"));
    connect(dropDown, &QAction::triggered, this, &SpreadDateEditor::showCalendar);
    const auto pick = [this](QDate date) {
        setText(date.toString(QStringLiteral("yyyy-MM-dd")));
        m_calendar->hide();
        setFocus();
    };
    connect(m_calendar, &QCalendarWidget::clicked, this, pick);
    connect(m_calendar, &QCalendarWidget::activated, this, pick);  // Enter on a day
}

void SpreadDateEditor::showCalendar()
{
    const QDate shown = QDate::fromString(text(), QStringLiteral("yyyy-MM-dd"));
    m_calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    m_calendar->move(mapToGlobal(QPoint(0, height())));
    m_calendar->show();
    m_calendar->setFocus();
}

void SpreadDateEditor::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (altDown || event->key() == Qt::Key_F4) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QWidget* SpreadGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    const SpreadCell cell = cellAt(index);
    QWidget* editor = nullptr;
    if (cell.type == SpreadCellType::List) {
        auto* list = new QComboBox(parent);
        list->setEditable(false);
        list->addItems(cell.items);
        // Choosing an item ends the edit, as the drop-down is the whole of the cell's input.
        connect(list, &QComboBox::activated, this, [this, list] {
            emit const_cast<SpreadGridDelegate*>(this)->commitData(list);
            emit const_cast<SpreadGridDelegate*>(this)->closeEditor(list);
        });
        editor = list;
    } else {
        QLineEdit* line = cell.type == SpreadCellType::Date ? new SpreadDateEditor(parent) : new QLineEdit(parent);
        line->setValidator(new SpreadCellValidator(cell, line));
        line->setAlignment(Qt::AlignVCenter | (IsRightAligned(cell.type) ? Qt::AlignRight : Qt::AlignLeft));
        line->setFrame(false);
        editor = line;
    }
    editor->setFont(index.data(Qt::FontRole).value<QFont>());
    editor->setAutoFillBackground(true);
    m_openEditor = editor;
    m_openIndex = index;
    m_refused = false;
    return editor;
}

void SpreadGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == m_openEditor) {
        m_openEditor.clear();
        m_openIndex = QPersistentModelIndex();
        m_refused = false;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void SpreadGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(index.data(SpreadGridModel::ListIndexRole).toInt());
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(index.data(Qt::EditRole).toString());
}

void SpreadGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    bool stored = false;
    if (auto* list = qobject_cast<QComboBox*>(editor))
        stored = model->setData(index, list->currentIndex(), SpreadGridModel::ListIndexRole);
    else
        stored = model->setData(index, editorText(editor), Qt::EditRole);
    if (editor == m_openEditor)
        m_refused = !stored;
}

void SpreadGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

QString SpreadGridDelegate::editorText(QWidget* editor)
{
    if (auto* list = qobject_cast<QComboBox*>(editor))
        return list->currentText();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line->text();
    return QString();
}

} // namespace controls
