#include "game/CourtPieces.h"

#include "base/Names.h"
#include "widgets/Accessible.h"
#include "roster/clsPlayer.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <algorithm>
#include <cmath>

namespace {
const QColor kSelectedFrame(0, 90, 255);
} // namespace

namespace CourtText {

QString WithoutAccessKeys(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int FittingPixelSize(QFont font, const QString& text, int want, int least, const QSize& room, bool wrap, int near)
{
    want = std::max(want, least);
    const int flags = Qt::AlignCenter | (wrap ? Qt::TextWordWrap : 0);
    const auto fits = [&](int px) {
        font.setPixelSize(px);
        const QRect need = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 100000), flags, text);
        return need.width() <= room.width() && need.height() <= room.height();
    };
    if (near > least && near < want) {
        // Up while the next size fits, or down until one does: the same size as from the top,
        // measured at the few sizes around the one shown, whose glyphs are at hand.
        if (fits(near)) {
            int px = near;
            while (px < want && fits(px + 1))
                ++px;
            return px;
        }
        for (int px = near - 1; px > least; --px)
            if (fits(px))
                return px;
        return least;
    }
    // The wanted size is often many times what the room holds (the status line's text asks for
    // the whole bar's height): a size whose one line is taller than the room, or, on one line,
    // whose text is wider, cannot fit, so after the wanted size the search goes on just above the
    // size where the text's height (and width) come within the room, as they grow with the size.
    font.setPixelSize(want);
    const QFontMetrics fm(font);
    const QRect need = fm.boundingRect(QRect(0, 0, room.width(), 100000), flags, text);
    if (need.width() <= room.width() && need.height() <= room.height())
        return want;
    double scale = double(room.height()) / std::max(1, wrap ? fm.height() : need.height());
    if (!wrap)
        scale = std::min(scale, double(room.width()) / std::max(1, need.width()));
    for (int px = std::min(want - 1, int(want * scale) + 3); px > least; --px)
        if (fits(px))
            return px;
    return least;
}

void SetPixelSize(QWidget* w, int px)
{
    QFont f = w->font();
    if (f.pixelSize() != px) {
        f.setPixelSize(px);
        w->setFont(f);
    }
}

void ReserveCheckColumn(QMenu* menu)
{
    const QFontMetrics fm(menu->font());
    int widest = 0;
    int shortcut = 0;
    for (QAction* a : menu->actions()) {
        widest = std::max(widest, fm.horizontalAdvance(WithoutAccessKeys(a->text())));
        const QString key = a->shortcut().toString(QKeySequence::NativeText);
        if (!key.isEmpty())
            shortcut = std::max(shortcut, fm.horizontalAdvance(key) + fm.height());
    }
    const int itemHeight = fm.height() + 8;
    const int check = std::max(itemHeight * 4 / 5 + 1, 22);
    menu->setMinimumWidth(widest + shortcut + check + 20 + itemHeight / 2 + 8);
}

void SetBackground(QWidget* w, const QColor& colour)
{
    // A palette set again, even the same, repaints the widget: every box of a side was repainted
    // after each command that placed it.
    if (w->testAttribute(Qt::WA_SetPalette) && w->palette().color(QPalette::Window) == colour)
        return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

namespace {
class NoLoneAlt : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};
} // namespace

void KeepFromLoneAlt(QMenuBar* bar)
{
    auto* style = new NoLoneAlt;
    style->setParent(bar);
    bar->setStyle(style);
}

} // namespace CourtText

using namespace CourtText;

// Amber: apart from the plain boxes' grey, the selected box's white and the court's orange.
const QColor PlayerBox::kLiberoShirt(250, 200, 40);

PlayerBox::PlayerBox(int index, QWidget* parent) : QLabel(parent), m_index(index)
{
    setObjectName(QStringLiteral("lblPlayer_%1").arg(index));
    setTextFormat(Qt::PlainText); // a name is data, never markup
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    updateName();
}

QString PlayerBox::CaptionOf(const clsPlayer& p)
{
    return names::Isolated(p.PlayerName()) + QLatin1Char('\n') + QLatin1Char('#') + QString::number(p.PlayerNumber());
}

void PlayerBox::setPlayer(const clsPlayer& p)
{
    m_playerId = p.PlayerID();
    m_caption = CaptionOf(p);
    setText(m_caption);
    setProperty("playerId", m_playerId.text());
    m_who = QStringLiteral("#%1 %2").arg(p.PlayerNumber()).arg(names::Shown(p.PlayerName()));
    updateName();
    fitText();
}

void PlayerBox::clearPlayer()
{
    m_playerId = RecordId();
    m_caption.clear();
    setText(QString());
    setProperty("playerId", QVariant());
    m_who.clear();
    updateName();
}

void PlayerBox::setSelected(bool on)
{
    setProperty("selected", on);
    if (m_selected == on)
        return;
    m_selected = on;
    updateName();
    update();
}

void PlayerBox::setLibero(bool on)
{
    if (m_libero == on)
        return;
    m_libero = on;
    updateName();
}

void PlayerBox::setServing(bool on)
{
    if (m_serving == on)
        return;
    m_serving = on;
    updateName();
}

void PlayerBox::setPlace(const QString& team)
{
    const int zone = (m_index - 1) % 6 + 1;
    const QString where = m_index <= 6 ? QCoreApplication::translate("PlayerBox", "Left half, zone %1, key F%2")
                                       : QCoreApplication::translate("PlayerBox", "Right half, zone %1, key F%2");
    const QString place = where.arg(zone).arg(m_index);
    a11y::SetDescription(this, team.isEmpty() ? place : QStringLiteral("%1; %2").arg(place, team));
}

void PlayerBox::updateName()
{
    QString name = QCoreApplication::translate("PlayerBox", "Box %1: %2")
                       .arg(m_index)
                       .arg(m_who.isEmpty() ? QCoreApplication::translate("PlayerBox", "empty") : m_who);
    if (m_libero)
        name = QCoreApplication::translate("PlayerBox", "%1, libero").arg(name);
    if (m_selected)
        name = QCoreApplication::translate("PlayerBox", "%1, selected").arg(name);
    if (m_serving)
        name = QCoreApplication::translate("PlayerBox", "%1, serving").arg(name);
    a11y::SetName(this, name);
}

void PlayerBox::setWantedPixelSize(int px)
{
    m_wanted = px;
    fitText();
}

void PlayerBox::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    // The text is laid out inside the selection frame, so that the frame never covers it.
    setMargin(selectionWidth());
    fitText();
}

void PlayerBox::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_selected)
        return;
    QPainter p(this);
    const int w = selectionWidth();
    QPen pen(kSelectedFrame, w);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
}

void PlayerBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onClick) {
        event->accept();
        onClick(m_index);
        return;
    }
    QLabel::mousePressEvent(event);
}

void PlayerBox::fitText()
{
    // Long names shrink rather than spill out of the box, or under the selection frame; the key
    // hint keeps the bottom tenth.
    const QRect inside = contentsRect().marginsRemoved(QMargins() + margin());
    const QSize room(std::max(1, inside.width() - 2), std::max(1, inside.height() - height() / 10));
    // In the same box at the same wanted size (a turn, a swap: only the name changed), the new
    // name's size is looked for from the size shown.
    const bool same = room == m_fittedRoom && m_wanted == m_fittedWanted;
    SetPixelSize(this, FittingPixelSize(font(), m_caption, m_wanted, 9, room, true, same ? font().pixelSize() : 0));
    m_fittedRoom = room;
    m_fittedWanted = m_wanted;
    // A name that does not fit even so loses its middle on the screen, never its ends; the status
    // line and the stats view keep it whole.
    QString shown = m_caption;
    const QFontMetrics fm(font());
    if (fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::AlignCenter | Qt::TextWordWrap, shown).width()
        > room.width()) {
        const qsizetype cut = shown.lastIndexOf(QLatin1Char('\n'));
        shown = fm.elidedText(shown.left(cut), Qt::ElideMiddle, room.width()) + shown.mid(cut);
    }
    if (text() != shown)
        setText(shown);
}

int PlayerBox::selectionWidth() const
{
    return std::max(4, std::min(width(), height()) / 14);
}

NetLine::NetLine(QWidget* parent, const QColor& tape) : QWidget(parent), m_tape(tape)
{
    setObjectName(QStringLiteral("Line1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void NetLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const int band = std::max(4, w * 2 / 3);
    const QRect net((w - band) / 2, postLength, band, height() - 2 * postLength);
    p.fillRect(net, QColor(34, 34, 40));
    // The mesh, drawn as a fine grid so the band reads as a net.
    p.setPen(QPen(QColor(190, 190, 190, 150), 1));
    for (int y = net.top() + 2; y < net.bottom(); y += 5)
        p.drawLine(net.left(), y, net.right(), y);
    for (int x = net.left() + 2; x < net.right(); x += 5)
        p.drawLine(x, net.top(), x, net.bottom());
    // The white tape along the top of the net.
    p.setPen(QPen(m_tape, std::max(2, band / 4)));
    p.drawLine(QPoint(w / 2, net.top()), QPoint(w / 2, net.bottom()));
    // The posts beyond the sidelines.
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.setBrush(QColor(90, 90, 98));
    p.drawEllipse(QRectF(0.5, 0.5, w - 1.0, postLength - 1.0));
    p.drawEllipse(QRectF(0.5, height() - postLength + 0.5, w - 1.0, postLength - 1.0));
}
