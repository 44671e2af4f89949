#pragma once
// What the navigation tree's keys, pictures and captions mean, shared by the builder and the
// navigation: "gc0" the root, "gi" + id a group, "gb" + id a detail (the only nodes with a
// price history); the identifier is the key from its third character on.
#include <QString>
#include <cstdint>

namespace tq {

inline constexpr char kRootKey[] = "gc0";
// Pictures of the tree's image list: 24 (keyed "Item") for the root and groups, 3 for details.
inline constexpr int kGroupImage = 24;
inline constexpr int kDetailImage = 3;

inline QString groupKey(qint64 id) { return QStringLiteral("gi") + QString::number(id); }
inline QString detailKey(qint64 id) { return QStringLiteral("gb") + QString::number(id); }

// The node's host identifier: the key from its third character on, 0 when that is no number.
inline int32_t nodeIdentifier(const QString& key) { return key.mid(2).toInt(); }

// The host item class of the partner view: 1 customers for queryType 1, else 8 suppliers.
inline int32_t partnerItemClass(int32_t queryType) { return queryType == 1 ? 1 : 8; }
// The partner view's root caption (before LangText).
inline QString partnerRootCaption(int32_t queryType)
{
    return queryType == 1 ? QStringLiteral("客户") : QStringLiteral("供应商");
}

} // namespace tq
