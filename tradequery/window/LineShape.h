#pragma once
// A straight line of the window (the separators under the toolbar and beside the splitter),
// kept as its two end points in twips and drawn as a one-pixel frame between them.
#include <QFrame>

namespace tq {

class LineShape : public QFrame {
    Q_OBJECT
public:
    LineShape(QWidget* parent, const QString& name, const QColor& color);

    long X1() const { return m_x1; }
    long Y1() const { return m_y1; }
    long X2() const { return m_x2; }
    long Y2() const { return m_y2; }
    void setX1(long value) { m_x1 = value; place(); }
    void setY1(long value) { m_y1 = value; place(); }
    void setX2(long value) { m_x2 = value; place(); }
    void setY2(long value) { m_y2 = value; place(); }
    void setEnds(long x1, long y1, long x2, long y2);

private:
    void place();

    long m_x1 = 0;
    long m_y1 = 0;
    long m_x2 = 0;
    long m_y2 = 0;
};

} // namespace tq
