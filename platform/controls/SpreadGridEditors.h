#pragma once
// The editors the condition grid opens on its cells, and the delegate that picks one by the
// cell's kind: a line edit for text and numbers (its validator drops quotes from whatever is
// typed, pasted or dropped and refuses keys that cannot lead to a value of the kind), a line
// edit with a calendar drop-down for dates, and a combo box that cannot be typed into for lists.
//
// The delegate remembers the editor it has open and whether the model refused the last value
// it handed over, so the view can keep a refused editor open instead of losing the text.
#include "platform/controls/SpreadCell.h"

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QValidator>

class QCalendarWidget;

namespace controls {

// Keeps an editor's text to what the cell's kind may become while typing; quotes are removed
// rather than refusing the whole paste.
class SpreadCellValidator : public QValidator {
    Q_OBJECT
public:
    SpreadCellValidator(SpreadCell cell, QObject* parent) : QValidator(parent), m_cell(std::move(cell)) {}
    State validate(QString& input, int& pos) const override;

private:
    SpreadCell m_cell;
};

// A date typed as yyyy-MM-dd, or picked from the calendar that drops down from the arrow at its
// right (or with Alt+Down / F4).
class SpreadDateEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit SpreadDateEditor(QWidget* parent);
    void showCalendar();
    QCalendarWidget* calendar() const { return m_calendar; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QCalendarWidget* m_calendar;
};

class SpreadGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    QWidget* openEditor() const { return m_openEditor; }
    QModelIndex openIndex() const { return m_openIndex; }
    bool lastValueRefused() const { return m_refused; }
    // The text of an editor as it would be handed to the model.
    static QString editorText(QWidget* editor);

private:
    mutable QPointer<QWidget> m_openEditor;
    mutable QPersistentModelIndex m_openIndex;
    mutable bool m_refused = false;
};

} // namespace controls
