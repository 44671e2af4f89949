#include "platform/controls/TreeNodeDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

namespace controls {

namespace {
const QString kReferenceLetter = QStringLiteral("M");
} // namespace

QSize TreeNodeDelegate::rowLessText(const QStyleOptionViewItem& item) const
{
    QSize& known = item.features.testFlag(QStyleOptionViewItem::HasDecoration) ? m_measures.withIcon : m_measures.withoutIcon;
    if (!known.isValid()) {
        QStyleOptionViewItem reference = item;
        reference.text = kReferenceLetter;
        const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
        const QSize row = style->sizeFromContents(QStyle::CT_ItemViewItem, &reference, QSize(), item.widget);
        known = QSize(row.width() - QFontMetrics(item.font).horizontalAdvance(kReferenceLetter), row.height());
    }
    return known;
}

QSize TreeNodeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    if (m_measures.font != item.font || m_measures.font.resolveMask() != item.font.resolveMask())
        m_measures = Measures{item.font, {}, {}, {}};
    const QSize base = rowLessText(item);
    const QFontMetrics metrics(item.font);
    int width = base.width();
    const QString& text = item.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t character = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        auto found = m_measures.advances.constFind(character);
        if (found == m_measures.advances.constEnd())
            found = m_measures.advances.insert(character, metrics.horizontalAdvance(QString::fromUcs4(&character, 1)));
        width += *found;
    }
    return {width, base.height()};
}

} // namespace controls
