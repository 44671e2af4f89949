#pragma once
// The 26 pictures of the browse window's image list, drawn in code. The tree relies on two of
// them: picture 24, keyed "Item", for the root and the groups, and picture 3 for the details.
// The others carry no key and are there for toolbars.
#include <QObject>

namespace controls {

class ImageList;

enum NavigationPicture {
    picCustomer = 1,
    picSupplier,       // a lorry
    picDetail,         // 3: a part sheet, the tree's detail nodes
    picPrint,
    picPreview,
    picSettings,
    picFind,
    picSort,
    picFilter,
    picRefresh,
    picLocate,
    picExit,
    picExport,
    picGrid,
    picFont,
    picCalendar,
    picMoney,
    picMaterial,       // a parcel
    picPeople,
    picWarehouse,
    picStar,
    picCheck,
    picCross,
    picGroup,          // 24: a closed folder, keyed "Item": the tree's root and groups
    picOpenGroup,
    picHelp,
    NavigationPictureCount = picHelp
};

// A new image list (owned by parent) holding the 26 pictures, 16 x 16 each.
ImageList* standardNavigationImages(QObject* parent = nullptr);

} // namespace controls
