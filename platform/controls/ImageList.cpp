#include "platform/controls/ImageList.h"

#include "platform/controls/TreeViewErrors.h"

#include <cmath>

namespace controls {

namespace {
const QString kSource = QStringLiteral("ImageList");

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong:
    case QMetaType::ULongLong: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::Char:
    case QMetaType::SChar: case QMetaType::UChar: case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}
} // namespace

ImageList::ImageList(QObject* parent) : QObject(parent) {}

const ListImage& ImageList::Add(const QString& key, const QPixmap& picture)
{
    if (picture.isNull())
        throw errors::invalidArgument(kSource, QStringLiteral("图片为空"));
    if (!key.isEmpty() && m_byKey.contains(key))
        throw errors::keyNotUnique(kSource);
    m_images.push_back(ListImage{Count() + 1, key, picture});
    m_icons.emplace_back(picture);
    if (!key.isEmpty())
        m_byKey.insert(key, Count());
    emit changed();
    return m_images.back();
}

void ImageList::Clear()
{
    m_images.clear();
    m_icons.clear();
    m_byKey.clear();
    emit changed();
}

const ListImage& ImageList::ListImages(int index) const
{
    if (index < 1 || index > Count())
        throw errors::indexOutOfBounds(kSource);
    return m_images[static_cast<size_t>(index - 1)];
}

const ListImage& ImageList::ListImages(const QString& key) const
{
    const auto it = m_byKey.constFind(key);
    if (it == m_byKey.constEnd())
        throw errors::elementNotFound(kSource);
    return m_images[static_cast<size_t>(*it - 1)];
}

int ImageList::indexOf(const QVariant& reference) const
{
    if (reference.typeId() == QMetaType::Int) {   // the common case first
        const int index = reference.toInt();
        if (index < 0 || index > Count())
            throw errors::indexOutOfBounds(kSource);
        return index;
    }
    if (!reference.isValid() || reference.isNull())
        return 0;
    if (reference.typeId() == QMetaType::QString) {
        const QString key = reference.toString();
        return key.isEmpty() ? 0 : ListImages(key).Index;
    }
    if (isNumber(reference)) {
        const double number = reference.toDouble();
        if (number != std::floor(number))
            throw errors::invalidArgument(kSource, QStringLiteral("图片序号须为整数: %1").arg(number));
        if (number == 0)
            return 0;
        if (number < 1 || number > Count())
            throw errors::indexOutOfBounds(kSource);
        return static_cast<int>(number);
    }
    throw errors::invalidArgument(
        kSource, QStringLiteral("图片须以序号或关键字指定, 而不是 %1").arg(reference.typeName()));
}

QIcon ImageList::icon(const QVariant& reference) const
{
    // Painting asks for every visible row: the common cases (a number, a key) avoid exceptions.
    if (reference.typeId() == QMetaType::Int) {
        const int index = reference.toInt();
        return index >= 1 && index <= Count() ? m_icons[static_cast<size_t>(index - 1)] : QIcon();
    }
    if (reference.typeId() == QMetaType::QString) {
        const int index = m_byKey.value(reference.toString(), 0);
        return index ? m_icons[static_cast<size_t>(index - 1)] : QIcon();
    }
    try {
        const int index = indexOf(reference);
        return index ? m_icons[static_cast<size_t>(index - 1)] : QIcon();
    } catch (const com::ComError&) {
        return QIcon();
    }
}

} // namespace controls
