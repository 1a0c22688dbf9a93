#include "shell/Pictures.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

QPixmap SvgPixmap(const QString& resource, const QSize& logicalSize, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(logicalSize * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&p);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon SvgIcon(const QString& resource)
{
    // QIcon's own SVG engine renders at whatever size a button asks for.
    return QIcon(resource);
}

void TileBackground(QWidget* form, QPainter& painter, const QLabel* picture, int top)
{
    if (!form || !picture)
        return;
    const QPixmap image = picture->pixmap();
    const int stepX = picture->width();
    const int stepY = picture->height();
    if (image.isNull() || stepX <= 0 || stepY <= 0)
        return;
    const int innerWidth = form->width();
    const int innerHeight = form->height();
    for (int x = 0; x <= innerWidth; x += stepX) {
        for (int y = top; y <= innerHeight; y += stepY)
            painter.drawPixmap(QRect(x, y, stepX, stepY), image);
    }
}
