#pragma once

// The pieces the court screen is built of: its player boxes, the net, and the fitting of texts to
// the room the court's scale leaves them.

#include "base/RecordId.h"

#include <QLabel>
#include <QString>
#include <functional>

class QMenu;
class QMenuBar;
class clsPlayer;

namespace CourtText {
// The caption as shown: access-key ampersands gone ("&&" stays one "&").
QString WithoutAccessKeys(QString text);
// The largest pixel size, from want down to least, at which text fits room. near, when between
// the two, is where the search starts (the size shown now: a new text of a line or box most often
// fits at it or close to it).
int FittingPixelSize(QFont font, const QString& text, int want, int least, const QSize& room, bool wrap,
                     int near = 0);
void SetPixelSize(QWidget* w, int px);
// The style sizes a menu with a narrow check column but draws that column as wide as four fifths
// of an item's height: in the court's large fonts the longest captions would lose their middle
// ("Ball Han...ng Error"). The menu is made wide enough for the column as it is drawn.
void ReserveCheckColumn(QMenu* menu);
void SetBackground(QWidget* w, const QColor& colour);
// The court's commands are Alt and a letter. With a screen reader listening, Qt takes the Alt of
// such a key for a lone Alt and puts the menu bar in charge: the next key then brings the focus back
// to the court, and the screen reader reads the whole court out. The court's menu bar therefore does
// not answer a lone Alt; its menus open with their own keys (Alt+G, Alt+C).
void KeepFromLoneAlt(QMenuBar* bar);
} // namespace CourtText

// A player box: the player's name over "#" and the shirt number, with the player's identifier
// kept beside the caption so that a recorded action names exactly this player. A screen reader
// hears the box, its player and whether that is the libero, selected or serving ("Box 3: #7 Ann
// Lee, libero, selected"); the description says where the box stands and which key selects it.
class PlayerBox : public QLabel
{
public:
    // Liberos wear a shirt of another colour; so does the libero's box.
    static const QColor kLiberoShirt;

    PlayerBox(int index, QWidget* parent);

    std::function<void(int)> onClick;

    void setPlayer(const clsPlayer& p);
    // What a box shows of a player: the name over "#" and the shirt number.
    static QString CaptionOf(const clsPlayer& p);
    void clearPlayer();
    RecordId playerId() const { return m_playerId; }
    QString caption() const { return m_caption; }

    // The selected box wears a thick coloured frame besides its white, to be seen from the bench.
    void setSelected(bool on);
    bool selected() const { return m_selected; }
    // The libero stands in it: a screen reader hears so.
    void setLibero(bool on);
    bool libero() const { return m_libero; }
    // The server's box: the ball marks it, the name says it.
    void setServing(bool on);
    // Where the box stands: its half and zone, its key, and the team playing there.
    void setPlace(const QString& team);
    void setWantedPixelSize(int px);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void fitText();
    int selectionWidth() const;
    void updateName();

    int m_index;
    bool m_selected = false;
    bool m_serving = false;
    bool m_libero = false;
    QString m_who; // "#7 Ann Lee"
    int m_wanted = 14;
    QSize m_fittedRoom; // the room and wanted size of the last fit
    int m_fittedWanted = 0;
    RecordId m_playerId;
    QString m_caption;
};

// The net seen from above: a dark band across the court with a post beyond each sideline.
class NetLine : public QWidget
{
public:
    explicit NetLine(QWidget* parent, const QColor& tape);
    int postLength = 6;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_tape;
};
