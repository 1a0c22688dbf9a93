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
    setAccessibleName(QCoreApplication::translate("LogStrip", "Last entries, newest first"));
}

void LogStrip::showEntries(const QStringList& newestFirst)
{
    const QStringList kept = newestFirst.mid(0, kKept);
    if (kept == m_all)
        return;
    m_all = kept;
    refit();
    if (!m_all.isEmpty()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QStringList LogStrip::entries() const
{
    QStringList out;
    for (int r = 0; r < count(); ++r)
        out << item(r)->data(Qt::UserRole).toString();
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
    const QFontMetrics fm(font());
    const int width = std::max(1, viewport()->width() - 8);
    // A little air between entries, so that each reads apart from the next.
    const int air = fm.height() / 3 + 2;
    clear();
    int used = 0;
    for (const QString& text : m_all) {
        // An entry wraps between its words; a word wider than the strip (a long name) loses its
        // middle rather than its end at the strip's edge.
        QStringList words = text.split(QLatin1Char(' '));
        for (QString& word : words)
            if (fm.horizontalAdvance(word) > width)
                word = fm.elidedText(word, Qt::ElideMiddle, width);
        const QString shown = words.join(QLatin1Char(' '));
        const int height = fm.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, shown).height() + air;
        // Only whole entries, newest first, as many as the height holds.
        if (used + height > viewport()->height() && count() > 0)
            break;
        used += height;
        auto* item = new QListWidgetItem(shown, this);
        item->setFlags(Qt::ItemIsEnabled);
        item->setData(Qt::UserRole, text);
        item->setData(Qt::AccessibleTextRole, text);
        item->setSizeHint(QSize(width, height));
    }
}
