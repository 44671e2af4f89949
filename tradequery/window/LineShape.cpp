#include "tradequery/window/LineShape.h"

#include "platform/win/Twips.h"

#include <algorithm>

namespace tq {

LineShape::LineShape(QWidget* parent, const QString& name, const QColor& color) : QFrame(parent)
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, color);
    setPalette(shade);
    // A line is drawn, never clicked: the pointer goes to what lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setEnds(long x1, long y1, long x2, long y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

void LineShape::place()
{
    const int left = win::twips::toPixels(std::min(m_x1, m_x2));
    const int top = win::twips::toPixels(std::min(m_y1, m_y2));
    const int width = std::max(1, win::twips::toPixels(std::abs(m_x2 - m_x1)));
    const int height = std::max(1, win::twips::toPixels(std::abs(m_y2 - m_y1)));
    setGeometry(left, top, width, height);
}

} // namespace tq
