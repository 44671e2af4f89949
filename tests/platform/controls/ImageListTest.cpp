// The image list: numbering, keys, the picture references that controls pass, and its errors.
#include "platform/controls/ImageList.h"
#include "platform/controls/TreeViewErrors.h"
#include "tests/platform/controls/TreeViewTestPrinters.h"

#include "platform/com/ErrorCodes.h"

#include <QPixmap>
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

TEST_F(ImageListTest, NumbersPicturesFromOneAndFindsThemByKey)
{
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.ListImages(1).Index, 1);
    EXPECT_EQ(images.ListImages(3).Picture.toImage().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(images.ListImages("Item").Index, 2);
    EXPECT_TRUE(images.ListImages(1).Key.isEmpty());
    EXPECT_TRUE(images.Exists("Item"));
    EXPECT_FALSE(images.Exists("item")) << "keys are case-sensitive";
}

TEST_F(ImageListTest, ResolvesThePictureReferencesControlsPass)
{
    struct Case {
        QVariant reference;
        int index;
    };
    const Case cases[] = {
        {QVariant(), 0},          {QString(), 0},     {0, 0},
        {1, 1},                   {3, 3},             {QStringLiteral("Item"), 2},
        {qint64(2), 2},           {2.0, 2},           {short(3), 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(images.indexOf(c.reference), c.index) << c.reference.toString().toStdString();
        EXPECT_EQ(images.icon(c.reference).isNull(), c.index == 0);
    }
}

TEST_F(ImageListTest, BadReferencesRaiseForCallersButPaintNothing)
{
    struct Case {
        QVariant reference;
        int32_t number;
    };
    const Case cases[] = {
        {4, errors::INDEX_OUT_OF_BOUNDS},
        {-1, errors::INDEX_OUT_OF_BOUNDS},
        {QStringLiteral("Folder"), com::VB_ELEMENT_NOT_FOUND},
        {1.5, com::VB_INVALID_PROC_CALL},
        {QVariant(true), com::VB_INVALID_PROC_CALL},
    };
    for (const Case& c : cases) {
        try {
            images.indexOf(c.reference);
            ADD_FAILURE() << "no error for " << c.reference.toString().toStdString();
        } catch (const com::ComError& error) {
            EXPECT_EQ(error.number(), c.number) << c.reference.toString().toStdString();
        }
        EXPECT_TRUE(images.icon(c.reference).isNull());
    }
    EXPECT_THROW(images.ListImages(0), com::ComError);
    EXPECT_THROW(images.ListImages("nothing"), com::ComError);
}

TEST_F(ImageListTest, RefusesDuplicateKeysAndNullPicturesWithoutChangingTheList)
{
    QSignalSpy changed(&images, &ImageList::changed);
    try {
        images.Add("Item", filled(Qt::black));
        ADD_FAILURE() << "duplicate key accepted";
    } catch (const com::ComError& error) {
        EXPECT_EQ(error.number(), com::VB_KEY_NOT_UNIQUE);
        EXPECT_EQ(error.description(), QStringLiteral("关键字不唯一"));
    }
    EXPECT_THROW(images.Add("new", QPixmap()), com::ComError);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_FALSE(images.Exists("new"));
    EXPECT_EQ(changed.count(), 0);

    images.Add({}, filled(Qt::white));   // any number of pictures may go without a key
    EXPECT_EQ(images.Count(), 4);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ImageListTest, ClearEmptiesNumbersAndKeys)
{
    images.Clear();
    EXPECT_EQ(images.Count(), 0);
    EXPECT_FALSE(images.Exists("Item"));
    EXPECT_EQ(images.Add("Item", filled(Qt::gray)).Index, 1);
}

} // namespace
