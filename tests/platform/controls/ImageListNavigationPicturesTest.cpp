// The browse window's 26 pictures: what the tree relies on (24 keyed "Item", 3 the detail), that
// every picture is drawn and distinct; writes a sheet of them and a small tree for review.
#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/TreeView.h"
#include "tests/platform/controls/TreeViewTestPrinters.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

using namespace controls;

namespace {

QString screenshotPath(const QString& name)
{
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    dir.mkpath(QStringLiteral("."));
    return dir.filePath(name);
}

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

TEST(ImageListNavigationPicturesTest, HoldsTwentySixDistinctPicturesWithOnlyItemKeyed)
{
    std::unique_ptr<ImageList> images(standardNavigationImages());
    ASSERT_EQ(images->Count(), 26);
    EXPECT_EQ(images->ListImages("Item").Index, 24);

    QSet<QByteArray> seen;
    for (int i = 1; i <= images->Count(); ++i) {
        const ListImage& picture = images->ListImages(i);
        EXPECT_EQ(picture.Key.isEmpty(), i != 24) << i;
        EXPECT_EQ(picture.Picture.size(), QSize(16, 16)) << i;
        const QImage image = picture.Picture.toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_GT(opaquePixels(image), 20) << "picture " << i << " is (almost) empty";
        EXPECT_LT(opaquePixels(image), 256) << "picture " << i << " fills the whole square";
        const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                              static_cast<int>(image.sizeInBytes()));
        EXPECT_FALSE(seen.contains(bits)) << "picture " << i << " repeats an earlier one";
        seen.insert(bits);
    }
}

TEST(ImageListNavigationPicturesTest, ATreeShowsTheRootAndGroupFolderAndTheDetailSheet)
{
    std::unique_ptr<ImageList> images(standardNavigationImages());
    TreeView tree;
    tree.setImageList(images.get());
    TreeNodes& n = tree.Nodes();
    const QString item = QStringLiteral("Item");
    n.Add({}, tvwLast, "gc0", QStringLiteral("物料"), item, item);
    n.Add("gc0", tvwChild, "gi1", QStringLiteral("01(原材料)"), 24, 24);
    n.Add("gi1", tvwChild, "gi11", QStringLiteral("01.01(金属材料)"), 24, 24);
    n.Add("gi11", tvwChild, "gb111", QStringLiteral("01.01.001(冷轧钢板)/1.0mm"), 3);
    n.Add("gi11", tvwChild, "gb112", QStringLiteral("01.01.002(镀锌钢板)/1.2mm"), 3);
    n.Add("gi1", tvwChild, "gb12", QStringLiteral("01.002(六角螺栓 M8x20)"), 3);
    n.Add("gc0", tvwChild, "gi2", QStringLiteral("02(产成品)"), 24, 24);
    n.Add("gi2", tvwChild, "gb21", QStringLiteral("02.001(货架立柱)"), 3);
    n.Add("gc0", tvwChild, "gi3", QStringLiteral("03(包装物)"), 24, 24);
    n.Add("gc0", tvwChild, "gb4", QStringLiteral("04(样品)"), 3);
    tree.resize(240, 230);
    tree.show();
    tree.setSelectedItem(n.Item("gb112"));
    n.Item("gi2").setExpanded(true);
    // Once for the column to fit its texts, once for the scroll bar that follows.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    const QImage shot = tree.grab().toImage();
    EXPECT_TRUE(shot.save(screenshotPath(QStringLiteral("treeview-navigation.png"))));

    // The root's picture is painted where the view puts the row's icon.
    const QRect row = tree.nodeRect(n.Item("gc0"));
    const QPoint origin = tree.itemView()->viewport()->mapTo(&tree, row.topLeft());
    const QImage folder = images->ListImages(item).Picture.toImage();
    int matching = 0;
    for (int dx = 0; dx < 16 + 4; ++dx)
        for (int dy = 0; dy < row.height(); ++dy)
            matching += shot.pixelColor(origin + QPoint(dx, dy)) == folder.pixelColor(8, 10);
    EXPECT_GT(matching, 10);
}

} // namespace
