// The image list: numbering, keys, the picture references that controls pass, and its errors;
// and the browse window's standard set of pictures.
#include "platform/com/ErrorCodes.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/TreeViewErrors.h"
#include "tests/platform/RaisedError.h"

#include <QPixmap>
#include <QSet>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace controls;

namespace {

QPixmap filled(Qt::GlobalColor colour)
{
    QPixmap picture(16, 16);
    picture.fill(colour);
    return picture;
}

class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        images.Add({}, filled(Qt::red));
        images.Add("Item", filled(Qt::green));
        images.Add({}, filled(Qt::blue));
    }
    ImageList images;
};

TEST_F(ImageListTest, ResolvesThePictureReferencesControlsPassAndRaisesForBadOnes)
{
    const std::tuple<QVariant, int, int32_t> cases[] = {  // reference, index, error a caller gets
        {QVariant(), 0, 0}, {QString(), 0, 0}, {0, 0, 0}, {1, 1, 0}, {3, 3, 0}, {QStringLiteral("Item"), 2, 0},
        {qint64(2), 2, 0}, {2.0, 2, 0}, {short(3), 3, 0}, {4, 0, errors::INDEX_OUT_OF_BOUNDS},
        {-1, 0, errors::INDEX_OUT_OF_BOUNDS}, {QStringLiteral("item"), 0, com::VB_ELEMENT_NOT_FOUND},  // keys are case-sensitive
        {1.5, 0, com::VB_INVALID_PROC_CALL}, {QVariant(true), 0, com::VB_INVALID_PROC_CALL},
    };
    for (const auto& [reference, expected, error] : cases) {
        int index = 0;
        EXPECT_EQ(platformtest::raisedBy([&] { index = images.indexOf(reference); }).number, error)
            << reference.toString().toStdString();
        EXPECT_EQ(index, expected) << reference.toString().toStdString();
        EXPECT_EQ(images.icon(reference).isNull(), expected == 0) << "a bad reference paints nothing";
    }
    EXPECT_EQ(images.ListImages(3).Picture.toImage().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_THROW(images.ListImages(0), com::ComError);
    EXPECT_THROW(images.ListImages("nothing"), com::ComError);
}

TEST_F(ImageListTest, RefusesDuplicateKeysAndNullPicturesWithoutChangingTheList)
{
    QSignalSpy changed(&images, &ImageList::changed);
    const auto duplicate = platformtest::raisedBy([&] { images.Add("Item", filled(Qt::black)); });
    EXPECT_EQ(duplicate.number, com::VB_KEY_NOT_UNIQUE);
    EXPECT_EQ(duplicate.description, QStringLiteral("关键字不唯一"));
    EXPECT_THROW(images.Add("new", QPixmap()), com::ComError);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_FALSE(images.Exists("new"));
    EXPECT_EQ(changed.count(), 0);
    images.Clear();
    EXPECT_FALSE(images.Exists("Item"));
    EXPECT_EQ(images.Add("Item", filled(Qt::gray)).Index, 1) << "numbers start over after Clear";
}

TEST(ImageListNavigationPictures, HoldsTwentySixDistinctDrawnPicturesWithOnlyItemKeyed)
{
    std::unique_ptr<ImageList> images(standardNavigationImages());
    ASSERT_EQ(images->Count(), 26);
    EXPECT_EQ(images->ListImages("Item").Index, 24);
    QSet<QByteArray> seen;
    for (int i = 1; i <= images->Count(); ++i) {
        const ListImage& picture = images->ListImages(i);
        EXPECT_EQ(picture.Key.isEmpty(), i != 24) << i;
        const QImage image = picture.Picture.toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(16, 16)) << i;
        int opaque = 0;
        for (int p = 0; p < 256; ++p)
            opaque += qAlpha(image.pixel(p % 16, p / 16)) > 128;
        EXPECT_TRUE(opaque > 20 && opaque < 256) << "picture " << i << " is empty or a full square";
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 26) << "some pictures repeat";
}

} // namespace
