#include "widgets/PictureBox.h"

#include <QPainter>
#include <QResizeEvent>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureSurface();
}

void PictureBox::setBackColor(const QColor& c)
{
    m_back = c;
}

void PictureBox::setOuterWidth(int pixels)
{
    setFixedWidth(pixels);
    ensureSurface();
}

void PictureBox::ensureSurface()
{
    const QSize size(qMax(1, innerWidth()), qMax(1, innerHeight()));
    if (m_surface.size() == size)
        return;
    QPixmap fresh(size);
    fresh.fill(m_back);
    if (!m_surface.isNull()) {
        QPainter p(&fresh);
        p.drawPixmap(0, 0, m_surface);
    }
    m_surface = fresh;
}

void PictureBox::cls()
{
    ensureSurface();
    m_surface.fill(m_back);
    update();
}

void PictureBox::fillBox(int x1, int y1, int x2, int y2, const QColor& colour)
{
    ensureSurface();
    QPainter p(&m_surface);
    p.fillRect(QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2))), colour);
    update();
}

void PictureBox::flush()
{
    if (isVisible())
        repaint();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect inner = contentsRect();
    p.fillRect(inner, m_back);
    p.drawPixmap(inner.topLeft(), m_surface);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    ensureSurface();
}
