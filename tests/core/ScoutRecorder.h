#pragma once

// A match recorded as the court records one: every command a step of the rally log built by
// Rally::Book and stored by RallyStore::Write, with its PLAY rows, score and players on court.

#include "storage/MatchStore.h"
#include "rules/RallyLog.h"
#include "storage/RallyStore.h"
#include "base/RecordId.h"
#include "base/StatKinds.h"
#include "support/Fixture.h"
#include "storage/RecordIssue.h"

#include <QRandomGenerator>
#include <algorithm>

namespace scoutrecord {

struct Team
{
    RecordId id;
    QList<RecordId> players; // the first six start in zones 1 to 6
};

class Recorder
{
public:
    Recorder(TestApp& app, const QDateTime& start) : m_app(app), m_clock(start)
    {
        Clock::setOverride([this] { return m_clock; });
    }
    ~Recorder() { Clock::setOverride({}); }

    Team addTeam(const QString& name, int players, int firstNumber)
    {
        Team t;
        t.id = m_app.addTeam(name);
        for (int i = 0; i < players; ++i)
            t.players << m_app.addPlayer(t.id, QStringLiteral("%1 Player %2").arg(name).arg(i + 1), firstNumber + i);
        return t;
    }

    // A game; homeOnLeft is the side the user chose (the boxes follow it). Each side's libero, when
    // named, is one of its players not among the first six.
    void startGame(const Team& home, const Team& away, int number, int firstServer, bool homeOnLeft,
                   const std::array<RecordId, 2>& liberos = {})
    {
        m_homeOnLeft = homeOnLeft;
        m_game = NewRecordId(RecordKind::Game);
        if (number == 1) {
            m_match = NewRecordId(RecordKind::Match);
            MatchStore::AddMatch(m_match, home.id, away.id, m_game, number);
        } else {
            MatchStore::AddGame(m_match, m_game, number);
        }
        m_book = Rally::Book();
        Rally::Court court;
        QList<RecordId> onCourt;
        for (int side = 0; side < 2; ++side)
            for (size_t z = 0; z < 6; ++z) {
                court[size_t(side)][z] = (side == 0 ? home : away).players[qsizetype(z)];
                onCourt << court[size_t(side)][z];
            }
        write(m_book.start(court, firstServer, tick(), liberos), onCourt);
    }

    RecordId match() const { return m_match; }

    // The player in a zone (1 to 6) of a side now.
    RecordId at(int side, int zone) const { return m_book.court()[size_t(side)][size_t(zone - 1)]; }

    // An action for the player in the zone, in the box where the court shows that player; with
    // decides, the point it wins or loses comes in the same step (and the side-out's rotation).
    // A rating's key ("1" to "3") gives its value; sign -1 records the action in subtraction mode.
    void act(int side, int zone, const char* key, int sign = 1, bool decides = true)
    {
        const StatAction action = *StatFromText(QString::fromLatin1(key));
        const StatKind* kind = action.kind;
        const int value = sign * action.value;
        const bool left = (side == Rally::kHome) == m_homeOnLeft;
        const int box = left ? zone : zone + 6;
        const std::optional<int> point
            = decides ? Rally::PointFromAction(*kind, side, value, m_book.log()) : std::nullopt;
        write(m_book.action(at(side, zone), side, box, *kind, value, point, true, tick()));
    }

    void point(int side) { write(m_book.point(side, 1, true, tick())); }
    // A point taken off with the score button in subtraction mode.
    void pointOff(int side) { write(m_book.point(side, -1, true, tick())); }
    void rotate(int side, bool back) { write(m_book.rotate(side, back, tick())); }
    void takeBack() { write(*m_book.takeBack(tick())); }
    // The libero's key on a side's zone; she has played the game once she comes in.
    void libero(int side, int zone)
    {
        const bool in = Rally::CheckLibero(m_book.log(), side, zone) == Rally::LiberoMove::In;
        write(m_book.libero(side, zone, tick()),
              in ? QList<RecordId>{Rally::Liberos(m_book.log())[size_t(side)]} : QList<RecordId>{});
    }
    void timeout(int side) { write(m_book.timeout(side, tick())); }

    // Players exchanged in the line-up window at once: each zone given its new player.
    void substitute(int side, const QList<std::pair<int, RecordId>>& changes)
    {
        Rally::Court now = m_book.court();
        QList<RecordId> in;
        for (const auto& [zone, player] : changes) {
            now[size_t(side)][size_t(zone - 1)] = player;
            in << player;
        }
        write(m_book.substitute(now, tick()), in);
    }

    // Rallies until a side has won the game under the score rule (to `limit`, two clear), each a
    // serve, a pass, a set and an attack in the ways a bench records them.
    void playGame(int limit, quint32 seed)
    {
        QRandomGenerator random(seed);
        int rally = 0;
        while (!over(limit)) {
            ++rally;
            const int server = m_book.serving();
            const int receiver = Rally::Other(server);
            const int roll = int(random.bounded(100));
            if (roll < 6) {
                act(server, 1, "ServeAce");
                continue;
            }
            if (roll < 12) {
                act(server, 1, "ServeError");
                continue;
            }
            if (roll < 15) {
                act(receiver, 5, "ReceiveError");
                continue;
            }
            act(receiver, 5 + int(random.bounded(2)), qPrintable(QString::number(1 + random.bounded(3))));
            const int attacker = 2 + int(random.bounded(3)); // a front-row zone
            const int outcome = int(random.bounded(100));
            if (outcome < 40) {
                act(receiver, attacker, "Kill");
                // The setter's assist is recorded after the kill, on the court as it stands now.
                act(receiver, 3, "SetAssist");
            } else if (outcome < 52) {
                act(receiver, attacker, "Error");
            } else if (outcome < 60) {
                // A block of two: the first assist wins the point, the second adds to it.
                act(receiver, attacker, "Attempt");
                act(server, 3, "BlockAssist");
                act(server, 4, "BlockAssist");
            } else if (outcome < 66) {
                act(receiver, attacker, "Attempt");
                act(server, 2, "SoloBlock");
            } else if (outcome < 70) {
                act(receiver, attacker, "Attempt");
                act(server, 4, "BlockError");
            } else if (outcome < 74) {
                act(receiver, 3, "BallHandleError");
            } else {
                // A long rally scored with the button: attempts and digs on both sides.
                act(receiver, attacker, "Attempt");
                act(server, 6, "Dig");
                act(server, 4, "Attempt");
                act(receiver, 1, "Dig");
                point(random.bounded(2) ? server : receiver);
            }
            // Now and then a slip put right: the last command taken back; or an action of the
            // wrong kind taken off in subtraction mode and the right one recorded.
            if (rally % 9 == 0) {
                act(server, 6, "Dig", 1, false);
                takeBack();
            }
            if (rally % 13 == 0) {
                act(receiver, 2, "Attempt", 1, false);
                act(receiver, 2, "Attempt", -1, false);
            }
        }
    }

private:
    bool over(int limit) const
    {
        const int h = m_book.score(Rally::kHome);
        const int a = m_book.score(Rally::kAway);
        return (h >= limit || a >= limit) && std::abs(h - a) >= 2;
    }

    QDateTime tick()
    {
        m_clock = m_clock.addSecs(9);
        return m_clock;
    }

    void write(const Rally::StepWrite& step, const QList<RecordId>& onCourt = {})
    {
        RallyStore::Write(m_game, step, onCourt);
        m_book.append(step);
    }

    TestApp& m_app;
    QDateTime m_clock;
    RecordId m_match;
    RecordId m_game;
    Rally::Book m_book;
    bool m_homeOnLeft = true;
};

} // namespace scoutrecord
