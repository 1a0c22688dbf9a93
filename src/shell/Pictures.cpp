#include "shell/Pictures.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace {
// Drawn into an image, which (unlike a pixmap) may be painted on any thread.
QImage SvgImage(const QString& resource, const QSize& logicalSize, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(logicalSize * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&p);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}
} // namespace

QPixmap SvgPixmap(const QString& resource, const QSize& logicalSize, qreal devicePixelRatio)
{
    return QPixmap::fromImage(SvgImage(resource, logicalSize, devicePixelRatio));
}

std::future<QImage> SvgImageLater(const QString& resource, const QSize& logicalSize, qreal devicePixelRatio)
{
    return std::async(std::launch::async, SvgImage, resource, logicalSize, devicePixelRatio);
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
