#pragma once

#include "base/RecordId.h"

#include <QCoreApplication>
#include <QString>

class MatchSession;
class RallyKeeper;

// What the game object needs of the court screen: the boxes' highlight and captions, the status
// line and the subtraction-mode box. The court screen implements it and attaches itself to the
// game it shows.
class GameView
{
public:
    virtual ~GameView() = default;
    // Box 1..12 and its key hint: white when selected, button face otherwise.
    virtual void setBoxSelected(int index, bool selected) = 0;
    virtual QString boxCaption(int index) const = 0;
    virtual void showStatus(const QString& text) = 0;
    virtual bool subtractMode() const = 0;
    // The side (0 home, 1 away) whose player stands in box 1..12.
    virtual int sideOfBox(int index) const = 0;
};

// The state of one game while it is played, and the recording of actions.
class clsGame
{
    Q_DECLARE_TR_FUNCTIONS(clsGame)

public:
    RecordId GameID() const { return m_gameId; }
    void setGameID(const RecordId& newGameID) { m_gameId = newGameID; }
    qint16 GameNumber() const { return m_number; }
    void setGameNumber(qint16 newGameNumber) { m_number = newGameNumber; }
    qint16 LastIndex() const { return m_lastIndex; }

    void setView(GameView* view) { m_view = view; }
    GameView* view() const { return m_view; }
    // The rally log the court keeps for this game; without one (no court) an action is only its
    // PLAY row.
    void setRally(RallyKeeper* rally) { m_rally = rally; }
    RallyKeeper* rally() const { return m_rally; }

    // Selects box iIndex (1..12): highlights it and keeps the index.
    void PlayerOnClick(qint16 iIndex);
    // Writes one PLAY row for the player in the selected box (negated in subtraction mode), with
    // its entry in the rally log and the point it decides, and tells the status line what was
    // recorded. A take-back of more than the player holds in this game is refused with a beep, and
    // so is an action that would end a rally once the game is won.
    // Returns whether anything was stored; throws DbError when the row was not stored, in which
    // case the status line is left as it was.
    bool AddStat(const QString& strStat, const RecordId& dPlayerID);
    // Asks for the next game of the session's match and, on Yes, stores its GAME row and reloads
    // both rosters, then makes it the session's game (a fresh object: the one under way is let
    // go) with the side changed (but for the deciding game, whose side the caller asks for).
    // Returns whether the match went on to the next game; a failure throws DbError and leaves the
    // session exactly as it was.
    static bool GoToNextGame(MatchSession& session);
    // What the next game asks first: only whether to go on when the game under way is decided,
    // its score when it is not ("Game 2 stands 1–0 and is not decided. Go to game 3 anyway?"), and
    // that the match is won when it is. Throws DbError (the scores are read).
    static QString NextGameQuestion(const MatchSession& session);

private:
    RecordId m_gameId;
    qint16 m_number = 0;
    qint16 m_lastIndex = 1;
    GameView* m_view = nullptr;
    RallyKeeper* m_rally = nullptr;
};
