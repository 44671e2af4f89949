#pragma once
// A list of small pictures that a tree view (and a toolbar) draws from, as the image-list control
// offers it: pictures numbered from 1 in the order they were added, each with an optional key.
// Controls refer to a picture by a QVariant: a number (1-based), a key text, or nothing.
#include <QIcon>
#include <QObject>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QVariant>
#include <vector>

namespace controls {

struct ListImage {
    int Index = 0;     // 1-based position in the list
    QString Key;       // empty when the picture has no key
    QPixmap Picture;
};

class ImageList : public QObject {
    Q_OBJECT
public:
    explicit ImageList(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(m_images.size()); }

    // Appends a picture. An empty key means none; a key already in the list raises "关键字不唯一";
    // a null picture raises an invalid-argument error.
    const ListImage& Add(const QString& key, const QPixmap& picture);
    void Clear();

    // 1-based; outside 1..Count raises "索引越界".
    const ListImage& ListImages(int index) const;
    // By key (case-sensitive); an unknown key raises "元素未找到".
    const ListImage& ListImages(const QString& key) const;
    bool Exists(const QString& key) const { return m_byKey.contains(key); }

    // The 1-based index a picture reference names, 0 for "no picture" (an empty QVariant, an empty
    // text or the number 0). Unknown keys and numbers outside the list raise as ListImages does;
    // a reference that is neither text nor number raises an invalid-argument error.
    int indexOf(const QVariant& reference) const;
    // The picture for painting: never raises; "no picture" and unknown references give a null icon.
    QIcon icon(const QVariant& reference) const;

signals:
    // Pictures were added or removed; views that draw from the list repaint.
    void changed();

private:
    std::vector<ListImage> m_images;
    std::vector<QIcon> m_icons;     // one per picture, made once so painting copies no pixels
    QHash<QString, int> m_byKey;    // key -> 1-based index
};

} // namespace controls
