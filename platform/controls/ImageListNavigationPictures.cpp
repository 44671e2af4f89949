#include "platform/controls/ImageListNavigationPictures.h"

#include "platform/controls/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

#include <functional>

namespace controls {

namespace {

constexpr int kSize = 16;

const QColor kInk(0x30, 0x30, 0x30);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBlue(0x2f, 0x6f, 0xc9);
const QColor kLightBlue(0xbf, 0xdc, 0xf7);
const QColor kGreen(0x2e, 0x9b, 0x3a);
const QColor kRed(0xd0, 0x33, 0x2b);
const QColor kYellow(0xf4, 0xc4, 0x30);
const QColor kFolder(0xf0, 0xc0, 0x4a);
const QColor kFolderDark(0xc8, 0x92, 0x1e);
const QColor kBrown(0x9a, 0x62, 0x2d);
const QColor kGrey(0x9a, 0x9a, 0x9a);
const QColor kOrange(0xe8, 0x80, 0x22);

QPixmap paint(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    draw(p);
    return pixmap;
}

void outlined(QPainter& p, const QColor& fill, const QColor& line = kInk)
{
    p.setPen(QPen(line, 1));
    p.setBrush(fill);
}

void sheet(QPainter& p, const QRectF& r)
{
    // A page with a folded top-right corner.
    const qreal fold = 3;
    outlined(p, kPaper);
    p.drawPolygon(QPolygonF({r.topLeft(), QPointF(r.right() - fold, r.top()),
                             QPointF(r.right(), r.top() + fold), r.bottomRight(),
                             r.bottomLeft()}));
    p.drawPolyline(QPolygonF({QPointF(r.right() - fold, r.top()),
                              QPointF(r.right() - fold, r.top() + fold),
                              QPointF(r.right(), r.top() + fold)}));
}

void person(QPainter& p, qreal cx, qreal top, qreal scale, const QColor& colour)
{
    outlined(p, colour, colour.darker(150));
    p.drawEllipse(QPointF(cx, top + 2.8 * scale), 2.6 * scale, 2.6 * scale);
    QPainterPath body;
    body.moveTo(cx - 5 * scale, top + 12.5 * scale);
    body.cubicTo(cx - 5 * scale, top + 6.5 * scale, cx + 5 * scale, top + 6.5 * scale,
                 cx + 5 * scale, top + 12.5 * scale);
    body.closeSubpath();
    p.drawPath(body);
}

void folderBack(QPainter& p)
{
    outlined(p, kFolderDark, kFolderDark.darker(140));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
}

QPixmap customer() { return paint([](QPainter& p) { person(p, 8, 1.5, 1.05, kBlue); }); }

QPixmap supplier()
{
    return paint([](QPainter& p) {
        outlined(p, kOrange);
        p.drawRect(QRectF(0.5, 3.5, 9, 8));
        outlined(p, kLightBlue);
        p.drawPolygon(QPolygonF({QPointF(9.5, 6.5), QPointF(13, 6.5), QPointF(15.5, 9),
                                 QPointF(15.5, 11.5), QPointF(9.5, 11.5)}));
        outlined(p, kInk);
        p.drawEllipse(QPointF(4, 12.8), 1.8, 1.8);
        p.drawEllipse(QPointF(12.5, 12.8), 1.8, 1.8);
    });
}

QPixmap detail()
{
    return paint([](QPainter& p) {
        sheet(p, QRectF(2.5, 0.5, 11, 15));
        p.setPen(QPen(kBlue, 1));
        for (qreal y : {5.5, 8.5, 11.5})
            p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
        p.setPen(QPen(kRed, 1));
        p.drawLine(QPointF(4.5, 2.5), QPointF(7.5, 2.5));
    });
}

QPixmap print()
{
    return paint([](QPainter& p) {
        outlined(p, kPaper);
        p.drawRect(QRectF(3.5, 0.5, 9, 6));
        outlined(p, kGrey);
        p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6), 1.5, 1.5);
        outlined(p, kPaper);
        p.drawRect(QRectF(3.5, 9.5, 9, 6));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(5, 12), QPointF(11, 12));
        p.drawLine(QPointF(5, 14), QPointF(9.5, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(13, 7.5), 0.9, 0.9);
    });
}

QPixmap preview()
{
    return paint([](QPainter& p) {
        sheet(p, QRectF(0.5, 0.5, 10, 13));
        outlined(p, kLightBlue, kInk);
        p.drawEllipse(QPointF(9.5, 9.5), 3.5, 3.5);
        p.setPen(QPen(kBrown, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.2, 12.2), QPointF(15, 15));
    });
}

QPixmap settings()
{
    return paint([](QPainter& p) {
        QPainterPath gear;
        const QPointF c(8, 8);
        const int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            // Alternate outer and inner radii, two points each, for square teeth.
            const qreal radius = (i % 2 == 0) ? 7.3 : 5.2;
            for (qreal edge : {-0.22, 0.22}) {
                const qreal angle = (i + 0.5 + edge) * M_PI / teeth;
                const QPointF point(c.x() + radius * qCos(angle), c.y() + radius * qSin(angle));
                if (gear.elementCount() == 0)
                    gear.moveTo(point);
                else
                    gear.lineTo(point);
            }
        }
        gear.closeSubpath();
        gear.addEllipse(c, 2.2, 2.2);
        gear.setFillRule(Qt::OddEvenFill);
        outlined(p, kGrey, kInk);
        p.drawPath(gear);
    });
}

QPixmap find()
{
    return paint([](QPainter& p) {
        outlined(p, kLightBlue, kInk);
        p.setPen(QPen(kInk, 1.5));
        p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
        p.setPen(QPen(kBrown, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.3, 10.3), QPointF(14.5, 14.5));
    });
}

QPixmap sort()
{
    return paint([](QPainter& p) {
        p.setPen(QPen(kBlue, 1.6));
        p.drawLine(QPointF(4, 1.5), QPointF(4, 13));
        p.setBrush(kBlue);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(0.5, 10.5), QPointF(7.5, 10.5), QPointF(4, 15.5)}));
        p.setPen(QPen(kInk, 1.6));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(9, 2.5 + i * 3.5), QPointF(9 + 2 + i * 1.6, 2.5 + i * 3.5));
    });
}

QPixmap filter()
{
    return paint([](QPainter& p) {
        outlined(p, kLightBlue, kBlue.darker(130));
        p.drawPolygon(QPolygonF({QPointF(0.5, 1.5), QPointF(15.5, 1.5), QPointF(9.5, 8.5),
                                 QPointF(9.5, 14.5), QPointF(6.5, 12.5), QPointF(6.5, 8.5)}));
    });
}

QPixmap refresh()
{
    return paint([](QPainter& p) {
        p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        // Arrow head at the open end, near the top, pointing right.
        p.drawPolygon(QPolygonF({QPointF(7, 0), QPointF(11.5, 3), QPointF(7, 6.5)}));
    });
}

QPixmap locate()
{
    return paint([](QPainter& p) {
        p.setPen(QPen(kRed, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 5.2, 5.2);
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(8, 0.5), QPointF(8, 5));
        p.drawLine(QPointF(8, 11), QPointF(8, 15.5));
        p.drawLine(QPointF(0.5, 8), QPointF(5, 8));
        p.drawLine(QPointF(11, 8), QPointF(15.5, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(8, 8), 1.6, 1.6);
    });
}

QPixmap exitDoor()
{
    return paint([](QPainter& p) {
        outlined(p, kBrown);
        p.drawRect(QRectF(1.5, 0.5, 8, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(7.5, 8.5), 0.9, 0.9);
        p.setPen(QPen(kGreen, 2));
        p.drawLine(QPointF(8, 8), QPointF(12.5, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(11.5, 4.5), QPointF(15.8, 8), QPointF(11.5, 11.5)}));
    });
}

QPixmap exportSheet()
{
    return paint([](QPainter& p) {
        sheet(p, QRectF(0.5, 0.5, 10, 15));
        p.setPen(QPen(kGrey, 1));
        for (qreal y : {4.5, 7.5, 10.5, 13.5})
            p.drawLine(QPointF(2.5, y), QPointF(6.5, y));
        p.setPen(QPen(kGreen, 2));
        p.drawLine(QPointF(6, 9), QPointF(12, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(11, 5.5), QPointF(15.8, 9), QPointF(11, 12.5)}));
    });
}

QPixmap grid()
{
    return paint([](QPainter& p) {
        outlined(p, kPaper);
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(kLightBlue);
        p.drawRect(QRectF(1, 2, 14, 3));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(0.5, 5.5), QPointF(15.5, 5.5));
        p.drawLine(QPointF(0.5, 8.5), QPointF(15.5, 8.5));
        p.drawLine(QPointF(0.5, 11.5), QPointF(15.5, 11.5));
        p.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 14.5));
        p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 14.5));
    });
}

QPixmap font()
{
    return paint([](QPainter& p) {
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({QPointF(2, 15), QPointF(7, 1.5), QPointF(12, 15)}));
        p.drawLine(QPointF(4, 10), QPointF(10, 10));
        p.setPen(QPen(kRed, 2));
        p.drawLine(QPointF(11, 15), QPointF(15.5, 15));
    });
}

QPixmap calendar()
{
    return paint([](QPainter& p) {
        outlined(p, kPaper);
        p.drawRect(QRectF(0.5, 2.5, 15, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRect(QRectF(1, 3, 14, 3.5));
        p.setBrush(kInk);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                p.drawRect(QRectF(2.5 + col * 3.2, 8 + row * 2.5, 1.6, 1.4));
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(4.5, 0.5), QPointF(4.5, 4));
        p.drawLine(QPointF(11.5, 0.5), QPointF(11.5, 4));
    });
}

QPixmap money()
{
    return paint([](QPainter& p) {
        outlined(p, kYellow, kFolderDark.darker(130));
        p.drawEllipse(QPointF(8, 8), 7.2, 7.2);
        p.setPen(QPen(kBrown, 1.4));
        p.drawLine(QPointF(5, 3.5), QPointF(8, 8));
        p.drawLine(QPointF(11, 3.5), QPointF(8, 8));
        p.drawLine(QPointF(8, 8), QPointF(8, 12.8));
        p.drawLine(QPointF(5.5, 8.5), QPointF(10.5, 8.5));
        p.drawLine(QPointF(5.5, 10.8), QPointF(10.5, 10.8));
    });
}

QPixmap material()
{
    return paint([](QPainter& p) {
        const QColor top = QColor(0xe0, 0xb0, 0x70);
        outlined(p, top, kBrown.darker(130));
        p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(15, 4.5), QPointF(8, 8), QPointF(1, 4.5)}));
        outlined(p, QColor(0xc9, 0x8c, 0x45), kBrown.darker(130));
        p.drawPolygon(QPolygonF({QPointF(1, 4.5), QPointF(8, 8), QPointF(8, 15.5), QPointF(1, 12)}));
        outlined(p, QColor(0xb0, 0x74, 0x32), kBrown.darker(130));
        p.drawPolygon(QPolygonF({QPointF(15, 4.5), QPointF(8, 8), QPointF(8, 15.5), QPointF(15, 12)}));
    });
}

QPixmap people()
{
    return paint([](QPainter& p) {
        person(p, 10.5, 0.5, 0.85, kGreen);
        person(p, 5.5, 3.5, 0.95, kBlue);
    });
}

QPixmap warehouse()
{
    return paint([](QPainter& p) {
        outlined(p, kRed);
        p.drawPolygon(QPolygonF({QPointF(0.5, 7), QPointF(8, 1), QPointF(15.5, 7)}));
        outlined(p, QColor(0xe8, 0xe0, 0xd0));
        p.drawRect(QRectF(2.5, 7, 11, 8.5));
        outlined(p, kBrown);
        p.drawRect(QRectF(6, 10, 4, 5.5));
    });
}

QPixmap star()
{
    return paint([](QPainter& p) {
        QPolygonF points;
        for (int i = 0; i < 10; ++i) {
            const qreal radius = i % 2 == 0 ? 7.5 : 3.1;
            const qreal angle = -M_PI / 2 + i * M_PI / 5;
            points << QPointF(8 + radius * qCos(angle), 8.6 + radius * qSin(angle));
        }
        outlined(p, kYellow, kFolderDark.darker(130));
        p.drawPolygon(points);
    });
}

QPixmap check()
{
    return paint([](QPainter& p) {
        p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2, 8.5), QPointF(6, 12.5), QPointF(14, 3)}));
    });
}

QPixmap cross()
{
    return paint([](QPainter& p) {
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
    });
}

QPixmap group()
{
    return paint([](QPainter& p) {
        folderBack(p);
        outlined(p, kFolder, kFolderDark.darker(140));
        p.drawRect(QRectF(1.5, 6.5, 13, 7));
    });
}

QPixmap openGroup()
{
    return paint([](QPainter& p) {
        folderBack(p);
        outlined(p, kPaper);
        p.drawRect(QRectF(3.5, 4.5, 9, 6));
        outlined(p, kFolder, kFolderDark.darker(140));
        p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5),
                                 QPointF(1.5, 13.5)}));
    });
}

QPixmap help()
{
    return paint([](QPainter& p) {
        outlined(p, kBlue, kBlue.darker(140));
        p.drawEllipse(QPointF(8, 8), 7.3, 7.3);
        p.setPen(QPen(kPaper, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath mark;
        mark.moveTo(5.5, 6);
        mark.cubicTo(5.5, 2.5, 10.8, 2.5, 10.5, 6);
        mark.cubicTo(10.3, 8, 8, 8, 8, 10);
        p.drawPath(mark);
        p.setPen(Qt::NoPen);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(8, 12.8), 1.2, 1.2);
    });
}

} // namespace

ImageList* standardNavigationImages(QObject* parent)
{
    using Draw = QPixmap (*)();
    static constexpr Draw kPictures[NavigationPictureCount] = {
        customer, supplier, detail, print, preview, settings, find, sort, filter,
        refresh, locate, exitDoor, exportSheet, grid, font, calendar, money, material,
        people, warehouse, star, check, cross, group, openGroup, help,
    };
    auto* images = new ImageList(parent);
    for (int number = 1; number <= NavigationPictureCount; ++number)
        images->Add(number == picGroup ? QStringLiteral("Item") : QString(), kPictures[number - 1]());
    return images;
}

} // namespace controls
