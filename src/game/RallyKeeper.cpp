#include "game/RallyKeeper.h"

#include "base/Names.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "storage/PlayStore.h"
#include "storage/RallyStore.h"
#include "game/MatchSession.h"

#include <algorithm>
#include <cstdlib>

RallyKeeper::RallyKeeper(MatchSession& session, Rally::Log log)
    : m_session(session), m_book(std::move(log)), m_words(session)
{
}

RallyKeeper::Done RallyKeeper::store(Rally::StepWrite step, const QList<RecordId>& onCourt)
{
    Done done;
    if (step.entries.empty() && onCourt.isEmpty())
        return done;
    const RecordId game = m_session.game ? m_session.game->GameID() : RecordId();
    if (m_session.stored) {
        RallyStore::Write(game, step, onCourt);
    } else {
        Transaction t;
        m_session.storeMatch();
        RallyStore::Write(game, step, onCourt);
        t.commit();
        // Only now: a start that failed rolled the match back with it, and the next try writes it.
        m_session.stored = true;
    }
    // Only what the database holds joins the log.
    m_book.append(step);
    done.stored = !step.entries.empty();
    done.step = std::move(step);
    return done;
}

RallyKeeper::Done RallyKeeper::enterLineUps(const QList<RecordId>& home, const QList<RecordId>& away)
{
    QList<RecordId> onCourt;
    for (const RecordId& id : home + away)
        if (!onCourt.contains(id))
            onCourt << id;
    const bool complete = home.size() == 6 && away.size() == 6;
    if (!complete) {
        // Without both line-ups there is no court to log; the players are still on it.
        store({}, onCourt);
        return {};
    }
    Rally::Court court;
    for (size_t z = 0; z < 6; ++z) {
        court[Rally::kHome][z] = home[qsizetype(z)];
        court[Rally::kAway][z] = away[qsizetype(z)];
    }
    if (!m_book.started()) {
        Done done = store(m_book.start(court, m_session.firstServer, Clock::now(), m_session.liberos), onCourt);
        m_session.startingSix = {home, away};
        return done;
    }
    Rally::StepWrite subs = m_book.substitute(court, Clock::now());
    // Nothing changed: the players on court were recorded when they came on.
    if (subs.entries.empty())
        return {};
    return store(std::move(subs), onCourt);
}

RallyKeeper::Done RallyKeeper::point(int side, int amount)
{
    const int own = score(side);
    const int other = score(Rally::Other(side));
    const bool subtract = amount < 0;
    const int limit = m_session.scoreLimit();
    if (!GameRules::NextScore(own, other, subtract, limit)) {
        Done refused;
        refused.scoreRefused = GameRules::WhyRefused(own, other, subtract, limit);
        return refused;
    }
    const int server = serving();
    Done done = store(m_book.point(side, amount, m_session.sideOutRotate, Clock::now()));
    done.serveWonBack = amount > 0 && side != server && !m_session.sideOutRotate;
    return done;
}

RallyKeeper::Done RallyKeeper::rotate(int side, bool back)
{
    return store(m_book.rotate(side, back, Clock::now()));
}

bool RallyKeeper::gameIsWon() const
{
    return GameRules::Winner(score(Rally::kHome), score(Rally::kAway), m_session.scoreLimit()).has_value();
}

RallyKeeper::Done RallyKeeper::libero(int side, int zone)
{
    const Rally::LiberoMove move = m_book.checkLibero(side, zone);
    if (move != Rally::LiberoMove::In && move != Rally::LiberoMove::Out) {
        Done refused;
        refused.liberoRefused = move;
        return refused;
    }
    // Coming in, she has played the game.
    QList<RecordId> onCourt;
    if (move == Rally::LiberoMove::In)
        onCourt << Rally::Liberos(m_book.log())[size_t(side)];
    return store(m_book.libero(side, zone, Clock::now()), onCourt);
}

RallyKeeper::Done RallyKeeper::timeout(int side)
{
    if (gameIsWon()) {
        Done refused;
        refused.gameWon = true;
        return refused;
    }
    return store(m_book.timeout(side, Clock::now()));
}

RallyKeeper::Done RallyKeeper::action(const RecordId& player, int side, int box, const StatKind& kind, int value)
{
    if (value > 0 && kind.rallyEnd != RallyEnd::None && gameIsWon()) {
        // A kill or an error after the last point belongs to no rally.
        Done refused;
        refused.gameWon = true;
        return refused;
    }
    std::optional<int> pointFor
        = m_session.scoreFromAction ? Rally::PointFromAction(kind, side, value, m_book.log()) : std::nullopt;
    std::optional<GameRules::Refusal> refused;
    if (pointFor) {
        const int own = score(*pointFor);
        const int other = score(Rally::Other(*pointFor));
        if (!GameRules::NextScore(own, other, false, m_session.scoreLimit())) {
            // The action stands; a game already won takes no further point.
            refused = GameRules::WhyRefused(own, other, false, m_session.scoreLimit());
            pointFor.reset();
        }
    }
    const int server = serving();
    Done done = store(m_book.action(player, side, box, kind, value, pointFor, m_session.sideOutRotate, Clock::now()));
    done.scoreRefused = refused;
    done.serveWonBack = pointFor && *pointFor != server && !m_session.sideOutRotate;
    return done;
}

RallyKeeper::Done RallyKeeper::takeBack()
{
    std::optional<Rally::StepWrite> step = m_book.takeBack(Clock::now());
    if (!step)
        return {};
    return store(std::move(*step));
}

QString RallyKeeper::followUp(const Done& done) const
{
    const Rally::Entry* point = nullptr;
    for (const Rally::Entry& e : done.step.entries)
        if (e.kind == Rally::Kind::Point && e.amount > 0)
            point = &e;
    if (!point)
        return {};
    if (const QString won = gameWonNotice(); !won.isEmpty())
        return won;
    if (!done.serveWonBack)
        return {};
    return point->side == Rally::kHome ? tr("Home won the serve back: rotate Home (Alt+R).")
                                     : tr("Away won the serve back: rotate Away (Alt+O).");
}

QString RallyKeeper::gameWonNotice() const
{
    const std::optional<int> winner
        = GameRules::Winner(score(Rally::kHome), score(Rally::kAway), m_session.scoreLimit());
    if (!winner)
        return {};
    const int number = m_session.game ? m_session.game->GameNumber() : 1;
    const QString score = QStringLiteral("%1\u2013%2").arg(this->score(*winner)).arg(this->score(Rally::Other(*winner)));
    const std::pair<int, int> games = m_session.gamesWon();
    if (m_session.decided(games))
        return tr("%1 win game %2, %3, and the match %4. Alt+N ends the match.")
            .arg(m_words.team(*winner))
            .arg(number)
            .arg(score, QStringLiteral("%1\u2013%2")
                            .arg(std::max(games.first, games.second))
                            .arg(std::min(games.first, games.second)));
    return tr("%1 win game %2, %3. Alt+E goes to game %4.").arg(m_words.team(*winner)).arg(number).arg(score).arg(number + 1);
}

QString RallyKeeper::said(const Done& done) const
{
    using Rally::Kind;
    QStringList sentences;
    for (const Rally::Entry& e : done.step.entries) {
        const QString score = QStringLiteral("%1\u2013%2").arg(e.homeScore).arg(e.awayScore);
        switch (e.kind) {
        case Kind::Point:
            sentences << (e.amount > 0 ? tr("Point %1: %2.").arg(m_words.team(e.side), score)
                                       : tr("Point taken off %1: %2.").arg(m_words.team(e.side), score));
            break;
        case Kind::Libero:
            sentences << (e.amount > 0 ? tr("Libero %1 in for %2.").arg(m_words.player(e.player), m_words.player(e.out))
                                       : tr("%1 back in for the libero %2.")
                                             .arg(m_words.player(e.player), m_words.player(e.out)));
            break;
        case Kind::Timeout:
            sentences << tr("Timeout %1 at %2.").arg(m_words.team(e.side), score);
            break;
        case Kind::Start:
        case Kind::Rotate:
        case Kind::Sub:
        case Kind::Action:
        case Kind::Undo:
            break;
        }
    }
    return sentences.join(QLatin1Char(' '));
}

QString RallyKeeper::liberoRefusal(Rally::LiberoMove why, int side) const
{
    const RecordId libero = Rally::Liberos(m_book.log())[size_t(side == Rally::kAway ? 1 : 0)];
    switch (why) {
    case Rally::LiberoMove::NoLibero:
        return tr("No libero was named for %1 in this game.").arg(m_words.team(side));
    case Rally::LiberoMove::FrontRow:
        return tr("Not done: the libero plays in the back row only (zones 1, 5 and 6).");
    case Rally::LiberoMove::WouldServe:
        return tr("Not done: the libero does not serve, and %1 are serving.").arg(m_words.team(side));
    case Rally::LiberoMove::Elsewhere:
        return tr("Not done: the libero %1 is on court already.").arg(m_words.player(libero));
    case Rally::LiberoMove::EmptyBox:
        return tr("There is no player in this box.");
    case Rally::LiberoMove::In:
    case Rally::LiberoMove::Out:
        break;
    }
    return {};
}

// ---- words ---------------------------------------------------------------------------------

RallyWords::RallyWords(const MatchSession& session)
{
    for (size_t side = 0; side < 2; ++side) {
        m_teams[side] = names::Shown(session.rosters[side].name);
        for (const PlayerRow& p : session.rosters[side].players)
            m_players.insert(p.id, {p.number, p.name});
    }
}

QString RallyWords::team(int side) const
{
    return side == Rally::kHome || side == Rally::kAway ? m_teams[size_t(side)] : QString();
}

QString RallyWords::shirt(const RecordId& id) const
{
    const auto found = m_players.constFind(id);
    return found == m_players.constEnd() ? QString() : QStringLiteral("#%1").arg(found->first);
}

QString RallyWords::player(const RecordId& id) const
{
    const auto found = m_players.constFind(id);
    if (found == m_players.constEnd())
        return id.isNull() ? QString() : tr("a player no longer on the roster");
    return QStringLiteral("#%1 %2").arg(found->first).arg(names::Shown(found->second));
}

QString RallyWords::statName(const QString& column, int value)
{
    const StatKind* kind = StatByColumn(column);
    if (!kind)
        return column;
    if (kind->shape == StatShape::Rating)
        return tr("Pass %1").arg(std::abs(value));
    QString name = StatText(kind->caption);
    name.remove(QLatin1Char('&'));
    return name;
}

QString RallyWords::entry(const Rally::Entry& e, const Rally::Log& log) const
{
    using Rally::Kind;
    const QString score = QStringLiteral("%1\u2013%2").arg(e.homeScore).arg(e.awayScore);
    switch (e.kind) {
    case Kind::Start:
        return tr("Game starts, %1 serve first").arg(team(e.server));
    case Kind::Point:
        return e.amount > 0 ? tr("Point %1, %2").arg(team(e.side), score)
                            : tr("Point taken off %1, %2").arg(team(e.side), score);
    case Kind::Rotate:
        return e.amount > 0 ? tr("%1 rotate").arg(team(e.side)) : tr("%1 rotate back").arg(team(e.side));
    case Kind::Sub:
        return tr("%1: %2 in for %3").arg(team(e.side), player(e.player), player(e.out));
    case Kind::Action:
        return e.amount > 0 ? tr("%1, %2").arg(statName(e.stat, e.amount), player(e.player))
                            : tr("Taken off: %1, %2").arg(statName(e.stat, e.amount), player(e.player));
    case Kind::Libero:
        return e.amount > 0 ? tr("%1: libero %2 in for %3").arg(team(e.side), player(e.player), player(e.out))
                            : tr("%1: %2 back in for the libero %3").arg(team(e.side), player(e.player), player(e.out));
    case Kind::Timeout:
        return tr("Timeout %1, %2").arg(team(e.side), score);
    case Kind::Undo: {
        // The step's first entry; a step's entries stand together, and the step taken back is
        // most often the last but one, so the log is searched from its end.
        const Rally::Entry* first = nullptr;
        for (auto it = log.rbegin(); it != log.rend(); ++it) {
            if (it->step == e.reverses)
                first = &*it;
            else if (first)
                break;
        }
        return first ? tr("Took back: %1").arg(entry(*first, log)) : tr("Took back an entry");
    }
    }
    return {};
}
