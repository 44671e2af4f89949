#include "platform/controls/TreeNodeDelegate.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStyle>

namespace controls {

namespace {

const QString kReferenceLetter = QStringLiteral("M");

// What is measured once per font: a row less its text, with and without an icon, and each
// character's advance.
struct Measures {
    QFont font;
    QStyle* style = nullptr;
    QSize withIcon, withoutIcon;
    QHash<char32_t, int> advances;
};

Measures& measuresFor(const QFont& font, QStyle* style)
{
    static Measures measures;
    if (measures.font != font || measures.font.resolveMask() != font.resolveMask() || measures.style != style)
        measures = Measures{font, style, {}, {}, {}};
    return measures;
}

QSize rowLessText(Measures& measures, const QStyleOptionViewItem& item)
{
    QSize& known = item.features.testFlag(QStyleOptionViewItem::HasDecoration) ? measures.withIcon : measures.withoutIcon;
    if (!known.isValid()) {
        QStyleOptionViewItem reference = item;
        reference.text = kReferenceLetter;
        const QSize row = measures.style->sizeFromContents(QStyle::CT_ItemViewItem, &reference, QSize(), item.widget);
        known = QSize(row.width() - QFontMetrics(item.font).horizontalAdvance(kReferenceLetter), row.height());
    }
    return known;
}

int advanceOf(Measures& measures, const QFontMetrics& metrics, char32_t character)
{
    auto found = measures.advances.constFind(character);
    if (found == measures.advances.constEnd()) {
        // A character of the basic plane needs no shaping; the font fallback still applies.
        const int advance = QChar::requiresSurrogates(character) ? metrics.horizontalAdvance(QString::fromUcs4(&character, 1))
                                                                 : metrics.horizontalAdvance(QChar(char16_t(character)));
        found = measures.advances.insert(character, advance);
    }
    return *found;
}

} // namespace

QSize TreeNodeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    Measures& measures = measuresFor(item.font, item.widget ? item.widget->style() : QApplication::style());
    const QSize base = rowLessText(measures, item);
    const QFontMetrics metrics(item.font);
    int width = base.width();
    const QString& text = item.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t character = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        width += advanceOf(measures, metrics, character);
    }
    return {width, base.height()};
}

} // namespace controls
