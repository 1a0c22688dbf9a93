#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>

// A framed drawing surface with a fore and a back colour, drawn on in pixels and kept between
// paints (so a gauge stays drawn when the window is covered and uncovered).
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    QColor foreColor() const { return m_fore; }
    QColor backColor() const { return m_back; }
    void setForeColor(const QColor& c) { m_fore = c; }
    void setBackColor(const QColor& c);

    int innerWidth() const { return contentsRect().width(); }
    int innerHeight() const { return contentsRect().height(); }
    int outerWidth() const { return width(); }
    void setOuterWidth(int pixels);

    // Clears the surface to the back colour.
    void cls();
    // Fills the rectangle with both corners included, in inner coordinates.
    void fillBox(int x1, int y1, int x2, int y2, const QColor& colour);
    // Shows what has been drawn at once, for loops that run inside one event.
    void flush();

    const QPixmap& surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureSurface();

    QColor m_fore{Qt::black};
    QColor m_back{Qt::white};
    QPixmap m_surface;
};
