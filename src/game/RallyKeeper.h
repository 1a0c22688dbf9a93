#pragma once

// The rally log of the game under way as the court screen's commands keep it: each command is
// decided here (the score rule, the side-out turn, the point an action decides, what a take-back
// reverses), stored as one step in one transaction, and only then added to the log that the
// screen shows. No widgets: the court screen asks and shows; tests drive it on a database alone.

#include "rules/RallyLog.h"
#include "base/RecordId.h"
#include "base/StatKinds.h"
#include "game/GameRules.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <optional>

class MatchSession;

// The words for the log: what an entry records, with the players' shirt numbers and names and
// the teams' names, as the entries strip and the status line show it.
class RallyWords
{
    Q_DECLARE_TR_FUNCTIONS(RallyWords)

public:
    explicit RallyWords(const MatchSession& session);

    QString team(int side) const;
    // "#7 Ann Lee"; empty for nobody.
    QString player(const RecordId& id) const;
    QString shirt(const RecordId& id) const; // "#7"
    // The entry in a few words: "Kill, #7 Ann Lee", "Point Hawks 12–10", "Owls rotate".
    QString entry(const Rally::Entry& e, const Rally::Log& log) const;
    // The action's name as the stat menu calls it, without its access key ("Receiving Error").
    static QString statName(const QString& column, int value);

private:
    std::array<QString, 2> m_teams;
    QHash<RecordId, QPair<int, QString>> m_players;
};

class RallyKeeper
{
    Q_DECLARE_TR_FUNCTIONS(RallyKeeper)

public:
    // What a command did: the step stored (no entries: nothing was written) and what the user is
    // told about it beyond the entries themselves.
    struct Done
    {
        Rally::StepWrite step;
        bool stored = false;
        std::optional<GameRules::Refusal> scoreRefused; // the point (or the action's point) refused
        bool serveWonBack = false; // the receiving side won without turning: it should rotate
        std::optional<Rally::LiberoMove> liberoRefused; // the libero key did nothing, for this reason
        bool gameWon = false; // refused: the game is won, and no rally follows
    };

    explicit RallyKeeper(MatchSession& session, Rally::Log log = {});

    const Rally::Book& book() const { return m_book; }
    const RallyWords& words() const { return m_words; }
    int score(int side) const { return m_book.score(side); }
    int serving() const { return m_book.serving(); }

    // The line-ups as the line-up window left them, with everyone on court recorded as playing
    // (PLAYED) in the same transaction: the game's start (both sides complete, the session's first
    // server), or the substitutions made since. Sides that are not complete are only recorded as
    // playing.
    // The game's start names the session's liberos.
    Done enterLineUps(const QList<RecordId>& home, const QList<RecordId>& away);
    // A point for a side (amount 1) or taken off in subtraction mode (-1), by the score rule.
    Done point(int side, int amount);
    Done rotate(int side, bool back);
    // An action of the player in a box; with points from the deciding action, the point it decides.
    // Once the game is won, an action that would end a rally is refused: no rally follows.
    Done action(const RecordId& player, int side, int box, const StatKind& kind, int value);
    // The libero key on a side's zone: she comes in (and has played the game) or goes out.
    Done libero(int side, int zone);
    // A timeout of a side, at the score as it stands; refused once the game is won.
    Done timeout(int side);
    // The last step not yet taken back; nothing stored when there is none.
    Done takeBack();

    // What the user should hear after a step beyond the step itself: a point that wins the game
    // says so and names the next key (the next game, or the end of a match that is won); a serve
    // won back without the side-out turn reminds which side to turn. Empty otherwise. Throws
    // DbError (the games won are read).
    QString followUp(const Done& done) const;
    // What a step did to the score and the court, in sentences: "Point Harbour Hawks: 12–10.",
    // "#5 Eva Ng back in for the libero #12 Mia Toth.", "Timeout Owls at 12–10.". Empty for a step
    // that did none of these.
    QString said(const Done& done) const;
    // Why the libero key did nothing on a side's box.
    QString liberoRefusal(Rally::LiberoMove why, int side) const;
    // The notice of a game that is won: "Hawks win game 2, 25–18. Alt+E goes to game 3.", or with
    // the match. Empty while it goes on. Throws DbError (the games won are read).
    QString gameWonNotice() const;
    bool gameIsWon() const;

private:
    Done store(Rally::StepWrite step, const QList<RecordId>& onCourt = {});

    MatchSession& m_session;
    Rally::Book m_book;
    RallyWords m_words;
};

