// The image list: numbering, keys, the picture references that controls pass, and its errors.
#include "platform/com/ErrorCodes.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/TreeViewErrors.h"
#include "tests/platform/RaisedError.h"

#include <QPixmap>
#include <gtest/gtest.h>

TEST(ImageList, ResolvesThePictureReferencesControlsPassAndRefusesBadOnesAndBadAdds)
{
    controls::ImageList images;
    for (const char* key : {"", "Item", ""})
        images.Add(QString::fromLatin1(key), QPixmap(16, 16));
    const std::tuple<QVariant, int, int32_t> cases[] = {  // reference, index, error a caller gets
        {QVariant(), 0, 0}, {0, 0, 0}, {3, 3, 0}, {QStringLiteral("Item"), 2, 0}, {2.0, 2, 0}, {4, 0, controls::errors::INDEX_OUT_OF_BOUNDS},
        {-1, 0, controls::errors::INDEX_OUT_OF_BOUNDS}, {QStringLiteral("item"), 0, com::VB_ELEMENT_NOT_FOUND},  // keys are case-sensitive
        {1.5, 0, com::VB_INVALID_PROC_CALL}, {QVariant(true), 0, com::VB_INVALID_PROC_CALL},
    };
    for (const auto& [reference, expected, error] : cases) {
        int index = 0;
        EXPECT_EQ(platformtest::raisedBy([&] { index = images.indexOf(reference); }).number, error) << reference.toString().toStdString();
        EXPECT_EQ(index, expected) << reference.toString().toStdString();
        EXPECT_EQ(images.icon(reference).isNull(), expected == 0) << "a bad reference paints nothing";
    }
    EXPECT_EQ(platformtest::raisedBy([&] { images.Add("Item", QPixmap(16, 16)); }).description, QStringLiteral("关键字不唯一"));
    EXPECT_EQ(platformtest::raisedBy([&] { images.Add("new", QPixmap()); }).number, com::VB_INVALID_PROC_CALL);
    EXPECT_EQ(images.Count(), 3);
    images.Clear();
    EXPECT_EQ(images.Add("Item", QPixmap(16, 16)).Index, 1) << "numbers start over after Clear";
}
