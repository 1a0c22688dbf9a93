#include "game/CourtMarks.h"

#include <QAccessible>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>
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

namespace {
// Draws each entry from text laid out once: the strip is painted after every command, and laying
// out a dozen wrapped entries again each time was most of the cost of showing one.
class EntryPainter : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect room = option.rect.adjusted(4, 1, -4, 0);
        if (m_font != option.font || m_width != room.width()) {
            m_laidOut.clear();
            m_font = option.font;
            m_width = room.width();
        }
        auto found = m_laidOut.find(text);
        if (found == m_laidOut.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.setTextWidth(room.width());
            laid.prepare(QTransform(), option.font);
            found = m_laidOut.insert(text, laid);
            // A long match does not grow it without end: what scrolled away is laid out again.
            if (m_laidOut.size() > 4 * LogStrip::kKept) {
                m_laidOut.clear();
                found = m_laidOut.insert(text, laid);
            }
        }
        painter->save();
        painter->setFont(option.font);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawStaticText(room.topLeft(), *found);
        painter->restore();
    }

private:
    mutable QHash<QString, QStaticText> m_laidOut;
    mutable QFont m_font;
    mutable int m_width = 0;
};
} // namespace

LogStrip::LogStrip(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new EntryPainter(this));
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
    // What each entry needs is measured once for a font and width: a command shifts the strip
    // by an entry or two, and measuring wrapped text is what a refill costs.
    if (m_fittedFont != font() || m_fittedWidth != width) {
        m_fitted.clear();
        m_fittedFont = font();
        m_fittedWidth = width;
    }
    // A little air between entries, so that each reads apart from the next.
    const int air = fm.height() / 3 + 2;
    int used = 0;
    int row = 0;
    for (const QString& text : m_all) {
        auto fitted = m_fitted.constFind(text);
        if (fitted == m_fitted.constEnd()) {
            // An entry wraps between its words; a word wider than the strip (a long name) loses
            // its middle rather than its end at the strip's edge.
            QStringList words = text.split(QLatin1Char(' '));
            for (QString& word : words)
                if (fm.horizontalAdvance(word) > width)
                    word = fm.elidedText(word, Qt::ElideMiddle, width);
            const QString shown = words.join(QLatin1Char(' '));
            const int height = fm.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, shown).height() + air;
            fitted = m_fitted.insert(text, {shown, height});
        }
        // Only whole entries, newest first, as many as the height holds.
        if (used + fitted->height > viewport()->height() && row > 0)
            break;
        used += fitted->height;
        QListWidgetItem* entry = row < count() ? item(row) : new QListWidgetItem(this);
        if (entry->data(Qt::UserRole).toString() != text) {
            entry->setFlags(Qt::ItemIsEnabled);
            entry->setText(fitted->shown);
            entry->setData(Qt::UserRole, text);
            entry->setData(Qt::AccessibleTextRole, text);
        }
        entry->setSizeHint(QSize(width, fitted->height));
        ++row;
    }
    while (count() > row)
        delete takeItem(count() - 1);
    // The entries measured but no longer kept go, so that a long match does not grow the cache.
    if (m_fitted.size() > 4 * kKept) {
        QHash<QString, Fitted> kept;
        for (const QString& text : m_all)
            if (const auto f = m_fitted.constFind(text); f != m_fitted.constEnd())
                kept.insert(text, *f);
        m_fitted.swap(kept);
    }
}
