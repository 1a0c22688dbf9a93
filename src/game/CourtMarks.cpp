#include "game/CourtMarks.h"

#include <QAccessible>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

ServeMark::ServeMark(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblServe"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void ServeMark::showOn(const QRect& box, const QString& server)
{
    m_server = server;
    const QString name = QCoreApplication::translate("ServeMark", "Serving: %1").arg(server);
    if (accessibleName() != name) {
        // No tool tip: a tool tip reads markup, and names are data.
        setAccessibleName(name);
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    // Big enough to be seen from the bench; on the box's corner, so that it never covers the name.
    const int side = std::max(12, std::min(box.width(), box.height()) / 4);
    setGeometry(box.left() - side / 4, box.top() - side / 4, side, side);
    raise();
    show();
    update();
}

void ServeMark::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_ball.size() != pixels) {
        // Drawn from its vector source at the screen's density.
        QSvgRenderer ball(QStringLiteral(":/pictures/volleyball.svg"));
        m_ball = QPixmap(pixels);
        m_ball.fill(Qt::transparent);
        QPainter draw(&m_ball);
        draw.setRenderHint(QPainter::Antialiasing);
        ball.render(&draw, QRectF(QPointF(0, 0), QSizeF(pixels)));
        draw.end();
        m_ball.setDevicePixelRatio(ratio);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, m_ball);
}

LogStrip::LogStrip(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("lstLog"));
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setAccessibleName(QCoreApplication::translate("LogStrip", "Last entries, newest first"));
}

void LogStrip::showEntries(const QStringList& newestFirst)
{
    const QStringList shown = newestFirst.mid(0, kShown);
    if (shown == entries())
        return;
    clear();
    for (const QString& text : shown) {
        auto* item = new QListWidgetItem(text, this);
        item->setFlags(Qt::ItemIsEnabled);
    }
    refit();
    if (!shown.isEmpty()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QStringList LogStrip::entries() const
{
    QStringList out;
    for (int r = 0; r < count(); ++r)
        out << item(r)->text();
    return out;
}

void LogStrip::setPixelSize(int px)
{
    QFont f = font();
    if (f.pixelSize() == px)
        return;
    f.setPixelSize(px);
    setFont(f);
    refit();
}

void LogStrip::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    refit();
}

void LogStrip::refit()
{
    // Each entry as tall as its wrapped text, with a little air between entries.
    const int width = std::max(1, viewport()->width() - 8);
    for (int r = 0; r < count(); ++r) {
        const QRect need = fontMetrics().boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, item(r)->text());
        item(r)->setSizeHint(QSize(width, need.height() + fontMetrics().height() / 3 + 2));
    }
    doItemsLayout();
}
