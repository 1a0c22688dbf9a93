#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>

class QLabel;
class QPainter;
class QWidget;

// The program's pictures are SVG drawings in the resources; these turn them into pixmaps at the
// pixel density of the screen they are shown on, so they stay crisp on large and dense screens.
QPixmap SvgPixmap(const QString& resource, const QSize& logicalSize, qreal devicePixelRatio = 1.0);
// The same drawing made on another thread, for a window that needs its picture only when it is
// first shown: start-up goes on meanwhile. The image carries the pixel ratio it was made for.
std::future<QImage> SvgImageLater(const QString& resource, const QSize& logicalSize, qreal devicePixelRatio);
QIcon SvgIcon(const QString& resource);

// Paints the picture held by the label `picture` over `form`, repeated in both directions from
// the left edge and from `top` downwards (everything above `top`, the tool bar strip, is left
// alone). Each copy is drawn at the label's width and height. Call from the form's paintEvent.
void TileBackground(QWidget* form, QPainter& painter, const QLabel* picture, int top);
