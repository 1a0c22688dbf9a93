#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "storage/RallyStore.h"
#include "rules/TeamNumbers.h"
#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "storage/RecordIssue.h"

#include <QRandomGenerator>
#include <functional>
#include <QTest>

using namespace Rally;

namespace {

const QString kData = QStringLiteral("rally.txt");

// Made-up players: "H1".."H9" for home, "A1".."A9" for away; H1-H6 and A1-A6 start in zones 1-6.
RecordId Who(const QString& name)
{
    const int n = name.mid(1).toInt();
    return RecordId(QDateTime(QDate(2026, name.at(0) == QLatin1Char('H') ? 1 : 2, 1), QTime(0, 0, n)));
}

QString NameOf(const RecordId& id)
{
    if (id.isNull())
        return QStringLiteral("-");
    const QDateTime t = id.dateTime();
    return QStringLiteral("%1%2").arg(t.date().month() == 1 ? QLatin1Char('H') : QLatin1Char('A')).arg(t.time().second());
}

Court Starting()
{
    Court court;
    for (size_t z = 0; z < 6; ++z) {
        court[0][z] = Who(QStringLiteral("H%1").arg(z + 1));
        court[1][z] = Who(QStringLiteral("A%1").arg(z + 1));
    }
    return court;
}

int SideOf(QChar c)
{
    return c == QLatin1Char('h') ? kHome : kAway;
}

// Plays a little script on a book, as the court's commands would (points from actions and the
// side-out rotation as the two options say):
//   start:h | start:a   the game begins, home or away serving first
//   start:h:H9:A9       the same, H9 home's libero and A9 away's (- for none)
//   ph pa -ph -pa       a point won by home / away; taken off in subtraction mode (a point won
//                       keeps its deciding action unless points come from the actions)
//   rh ra -rh -ra       a side turns forward / back
//   a:Kill:h4 -a:Kill:h4  an action of the player in zone 4 of home (taken back in subtraction mode)
//   sub:h2:H9           H9 comes on for the player in zone 2 of home
//   li:h5               the libero key on home's zone 5 (in or out, or refused)
//   to:h                a timeout of home
//   u                   the take-back of the last entry
// Each step is handed to write, when given, before the book takes it, as the court stores it.
Book Play(const QString& script, bool sideOut = false, bool fromAction = false,
          const std::function<void(const StepWrite&)>& write = nullptr)
{
    Book book;
    const QDateTime at(QDate(2026, 12, 7), QTime(10, 0));
    for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        StepWrite step;
        const bool minus = word.startsWith(QLatin1Char('-'));
        const QString w = minus ? word.mid(1) : word;
        if (w.startsWith(QLatin1String("start:"))) {
            const QStringList parts = w.split(QLatin1Char(':'));
            std::array<RecordId, 2> liberos;
            for (int side = 0; side < 2 && parts.size() > 2 + side; ++side)
                if (parts[2 + side] != QLatin1String("-"))
                    liberos[size_t(side)] = Who(parts[2 + side]);
            step = book.start(Starting(), SideOf(w.at(6)), at, liberos);
        } else if (w.size() == 2 && w.at(0) == QLatin1Char('p')) {
            step = book.point(SideOf(w.at(1)), minus ? -1 : 1, sideOut, at, !fromAction);
        } else if (w.startsWith(QLatin1String("li:"))) {
            step = book.libero(SideOf(w.at(3)), w.mid(4).toInt(), at);
        } else if (w.startsWith(QLatin1String("to:"))) {
            step = book.timeout(SideOf(w.at(3)), at);
        } else if (w.size() == 2 && w.at(0) == QLatin1Char('r')) {
            step = book.rotate(SideOf(w.at(1)), minus, at);
        } else if (w.startsWith(QLatin1String("a:"))) {
            const QStringList parts = w.split(QLatin1Char(':'));
            const StatKind* kind = nullptr;
            for (const StatKind& k : kStatKinds)
                if (parts[1] == QLatin1String(k.key))
                    kind = &k;
            if (!kind)
                qFatal("no kind %s", qPrintable(parts[1]));
            const int side = SideOf(parts[2].at(0));
            const int zone = parts[2].mid(1).toInt();
            const int value = minus ? -1 : 1;
            const std::optional<int> pointFor
                = fromAction ? PointFromAction(*kind, side, value, book.log()) : std::nullopt;
            step = book.action(book.court()[size_t(side)][size_t(zone - 1)], side, zone + 6 * side, *kind, value,
                               pointFor, sideOut, at);
        } else if (w.startsWith(QLatin1String("sub:"))) {
            const QStringList parts = w.split(QLatin1Char(':'));
            const int side = SideOf(parts[1].at(0));
            Court now = book.court();
            now[size_t(side)][size_t(parts[1].mid(1).toInt() - 1)] = Who(parts[2]);
            step = book.substitute(now, at);
        } else if (w == QLatin1String("u")) {
            step = book.takeBack(at).value_or(StepWrite{});
        } else {
            qFatal("unknown word %s", qPrintable(w));
        }
        if (write)
            write(step);
        book.append(step);
    }
    return book;
}

// A script of many commands drawn from the words Play knows, the same for the same seed: points
// won and taken off, turns, actions that may end rallies, timeouts, libero keys, substitutions and
// take-backs, often several take-backs in a row.
QString Shuffled(quint32 seed, int words)
{
    static const QStringList vocabulary{
        QStringLiteral("ph"), QStringLiteral("pa"), QStringLiteral("ph"), QStringLiteral("pa"), QStringLiteral("-ph"),
        QStringLiteral("-pa"), QStringLiteral("rh"), QStringLiteral("ra"), QStringLiteral("-rh"),
        QStringLiteral("a:Kill:h4"), QStringLiteral("a:Kill:a3"), QStringLiteral("a:Dig:h5"),
        QStringLiteral("a:ServeError:a1"), QStringLiteral("a:BlockAssist:h3"), QStringLiteral("to:h"), QStringLiteral("to:a"),
        QStringLiteral("li:h5"), QStringLiteral("li:h6"), QStringLiteral("li:a1"), QStringLiteral("li:a5"),
        QStringLiteral("sub:h2:H7"), QStringLiteral("u"), QStringLiteral("u"), QStringLiteral("u")};
    QRandomGenerator random(seed);
    QStringList script{seed % 2 ? QStringLiteral("start:a:H9:A9") : QStringLiteral("start:h:H9:A9")};
    for (int i = 0; i < words; ++i)
        script << vocabulary[random.bounded(int(vocabulary.size()))];
    return script.join(QLatin1Char(' '));
}

QString Winners(const Log& log)
{
    QString out;
    for (const Point& p : StandingPoints(log))
        out += p.winner == kHome ? QLatin1Char('h') : QLatin1Char('a');
    return out;
}

QString ZoneOnes(const Book& book)
{
    return NameOf(book.court()[0][0]) + QLatin1Char('/') + NameOf(book.court()[1][0]);
}

// Both sides' zones 1 to 6: "H1-H2-H3-H4-H9-H6/A1-A2-A3-A4-A5-A6".
QString Sides(const Court& court)
{
    QStringList sides;
    for (const Zones& side : court) {
        QStringList names;
        for (const RecordId& id : side)
            names << NameOf(id);
        sides << names.join(QLatin1Char('-'));
    }
    return sides.join(QLatin1Char('/'));
}

} // namespace

// The rules of the rally log, on hand-made logs: scores, the serve, the points that stand, the
// court after rotations and take-backs, and points scored from the deciding action.
class TestRallyRules : public QObject
{
    Q_OBJECT

private slots:
    void scriptLeadsTo_data() { table::Rows(kData); }
    void scriptLeadsTo()
    {
        QFETCH(QString, script);
        QFETCH(bool, sideOut);
        QFETCH(bool, fromAction);
        QFETCH(QString, score);
        QFETCH(QString, serving);
        QFETCH(QString, standing);
        QFETCH(QString, zoneOnes);
        const Book book = Play(script, sideOut, fromAction);
        QCOMPARE(QStringLiteral("%1:%2").arg(book.score(kHome)).arg(book.score(kAway)), score);
        QCOMPARE(QString(book.serving() == kHome ? QLatin1Char('h') : QLatin1Char('a')), serving);
        QCOMPARE(Winners(book.log()), standing);
        QCOMPARE(ZoneOnes(book), zoneOnes);
        // The last entry's scores are what the points that stand add up to.
        const std::vector<Point> points = StandingPoints(book.log());
        const auto won = [&](int side) {
            return int(std::count_if(points.begin(), points.end(), [&](const Point& p) { return p.winner == side; }));
        };
        QCOMPARE(won(kHome), book.score(kHome));
        QCOMPARE(won(kAway), book.score(kAway));
    }

    // What a take-back writes: the negated action, the point off the score, the turn undone, one
    // entry naming the step; and entries are numbered on without a gap.
    void takeBackReversesAWholeStep()
    {
        Book book = Play(QStringLiteral("start:h a:Kill:a2"), true, true);
        const std::optional<StepWrite> undo = book.takeBack(QDateTime::currentDateTime());
        QVERIFY(undo);
        QCOMPARE(undo->plays.size(), size_t(1));
        QCOMPARE(undo->plays[0].value, -1);
        QCOMPARE(QString::fromLatin1(undo->plays[0].kind->key), QStringLiteral("Kill"));
        QCOMPARE(NameOf(undo->plays[0].player), QStringLiteral("A2"));
        QCOMPARE(undo->plays[0].position, 8);
        QCOMPARE(undo->scoreChange, (std::array<int, 2>{0, -1}));
        QCOMPARE(undo->entries.size(), size_t(1));
        QCOMPARE(undo->entries[0].kind, Kind::Undo);
        QCOMPARE(undo->entries[0].reverses, 2);
        QCOMPARE(NameOf(undo->entries[0].zones[1][0]), QStringLiteral("A1"));
        book.append(*undo);
        for (size_t i = 0; i < book.log().size(); ++i)
            QCOMPARE(book.log()[i].entry, int(i) + 1);
        // The kill, its point and its turn are one step of three entries.
        QCOMPARE(StepEntries(book.log(), 2).size(), size_t(3));
        QVERIFY(!book.takeBack(QDateTime::currentDateTime()));
    }

    // What the book keeps as entries come (the steps taken back, the side to serve, the last step)
    // answers as the whole log does after every command of long scripts full of take-backs: the
    // server (from the points that stand), the step a take-back would reverse, the libero key on
    // every zone and the number of the next step. A book made from a stored log (a match
    // continued) answers the same.
    void keptAnswersFollowTheLog_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("sideOut");
        QTest::addColumn<bool>("fromAction");
        QTest::newRow("points taken off, then back")
            << QStringLiteral("start:h:H9:A9 ph pa ph -ph -pa u u u pa u") << false << false;
        QTest::newRow("take-backs past a libero's swap")
            << QStringLiteral("start:a:H9:A9 pa li:h5 ph rh li:h5 u u u to:a u") << true << false;
        for (quint32 seed = 1; seed <= 8; ++seed)
            QTest::addRow("shuffled %u", seed) << Shuffled(seed, 80) << (seed % 3 != 0) << (seed % 4 == 1);
    }

    void keptAnswersFollowTheLog()
    {
        QFETCH(QString, script);
        QFETCH(bool, sideOut);
        QFETCH(bool, fromAction);
        const QStringList words = script.split(QLatin1Char(' '));
        for (qsizetype n = 1; n <= words.size(); ++n) {
            const Book book = Play(words.mid(0, n).join(QLatin1Char(' ')), sideOut, fromAction);
            const Log& log = book.log();
            const Book continued{Log(log)};
            const QString at = QStringLiteral("after %1").arg(words.mid(0, n).join(QLatin1Char(' ')));
            // The server told by the points that stand, walked forward.
            const std::vector<Point> points = StandingPoints(log);
            const int server = points.empty() ? log.front().server : points.back().winner;
            QVERIFY2(book.serving() == server, qPrintable(at));
            QVERIFY2(continued.serving() == server, qPrintable(at));
            QVERIFY2(Serving(log) == server, qPrintable(at));
            QVERIFY2(book.reversed() == ReversedSteps(log), qPrintable(at));
            QVERIFY2(continued.reversed() == ReversedSteps(log), qPrintable(at));
            QVERIFY2(book.stepToTakeBack() == StepToTakeBack(log), qPrintable(at));
            QVERIFY2(continued.stepToTakeBack() == StepToTakeBack(log), qPrintable(at));
            QVERIFY2(book.started() && continued.started(), qPrintable(at));
            const int next = log.back().step + 1;
            QVERIFY2(book.rotate(kHome, false, QDateTime()).entries.front().step == next, qPrintable(at));
            QVERIFY2(continued.rotate(kHome, false, QDateTime()).entries.front().step == next, qPrintable(at));
            // A turn, with the libero's return it may bring, is drafted alike by the book that saw
            // every entry come and by one read from the stored log.
            const auto drafted = [](const Book& b, int side, bool back) {
                QStringList out;
                for (const Entry& e : b.rotate(side, back, QDateTime()).entries)
                    out << QStringLiteral("%1 %2 %3>%4").arg(int(e.kind)).arg(e.amount).arg(NameOf(e.player), NameOf(e.out));
                return out;
            };
            for (int side = 0; side < 2; ++side) {
                for (int zone = 1; zone <= 6; ++zone) {
                    QVERIFY2(book.checkLibero(side, zone) == CheckLibero(log, side, zone), qPrintable(at));
                    QVERIFY2(continued.checkLibero(side, zone) == CheckLibero(log, side, zone), qPrintable(at));
                }
                for (bool back : {false, true})
                    QVERIFY2(drafted(book, side, back) == drafted(continued, side, back), qPrintable(at));
            }
        }
    }

    // The libero comes in for a back-row player and out for him again, never stands in the front
    // row nor serves: a turn that would take her there brings him back in the same step, and every
    // take-back puts her where she stood.
    void libero_data() { table::Rows(kData); }
    void libero()
    {
        QFETCH(QString, script);
        QFETCH(bool, sideOut);
        QFETCH(QString, sides);
        QFETCH(QString, standsFor);
        QFETCH(int, returns);
        const Book book = Play(script, sideOut, false);
        QCOMPARE(Sides(book.court()), sides);
        const auto who = [&](int side) { return NameOf(LiberoStandsFor(book.log(), side).value_or(RecordId())); };
        QCOMPARE(who(kHome) + QLatin1Char('/') + who(kAway), standsFor);
        // A return by itself is a libero entry in the step of a turn or a point.
        int automatic = 0;
        for (const Entry& e : book.log()) {
            if (e.kind != Kind::Libero)
                continue;
            const std::vector<const Entry*> step = StepEntries(book.log(), e.step);
            automatic += step.front()->kind == Kind::Libero ? 0 : 1;
        }
        QCOMPARE(automatic, returns);
    }

    // What the libero key does on each box, and why it does nothing.
    void liberoKey_data() { table::Rows(kData); }
    void liberoKey()
    {
        QFETCH(QString, script);
        QFETCH(int, side);
        QFETCH(int, zone);
        QFETCH(QString, move);
        const Book book = Play(script);
        const QStringList moves{"In", "Out", "NoLibero", "FrontRow", "WouldServe", "Elsewhere"};
        QCOMPARE(moves.value(int(CheckLibero(book.log(), side, zone))), move);
        // A refused key writes nothing.
        QCOMPARE(book.libero(side, zone, QDateTime::currentDateTime()).entries.empty(), move != "In" && move != "Out");
    }

    // The timeouts that stand, with the score at which each was taken.
    void timeouts_data() { table::Rows(kData); }
    void timeouts()
    {
        QFETCH(QString, script);
        QFETCH(QString, timeouts);
        QFETCH(int, home);
        QFETCH(int, away);
        const Book book = Play(script);
        QStringList seen;
        for (const Timeout& t : StandingTimeouts(book.log()))
            seen << QStringLiteral("%1 %2:%3/%4")
                        .arg(t.side == kHome ? 'h' : 'a')
                        .arg(t.homeScore)
                        .arg(t.awayScore)
                        .arg(t.afterRally);
        QCOMPARE(seen.join(QLatin1Char(' ')), timeouts);
        QCOMPARE(TimeoutsTaken(book.log(), kHome), home);
        QCOMPARE(TimeoutsTaken(book.log(), kAway), away);
    }

    // How each standing point ended: its deciding action and player, or a point only.
    void pointEndings_data() { table::Rows(kData); }
    void pointEndings()
    {
        QFETCH(QString, script);
        QFETCH(bool, fromAction);
        QFETCH(QString, endings);
        const Book book = Play(script, false, fromAction);
        QStringList seen;
        for (const Point& p : StandingPoints(book.log()))
            seen << (p.ended.isEmpty() ? QStringLiteral("-") : p.ended + QLatin1Char(':') + NameOf(p.endedBy));
        QCOMPARE(seen.join(QLatin1Char(' ')), endings);
    }

    // The report's groups of the actions that end a rally.
    void endingGroups_data() { table::Rows(kData); }
    void endingGroups()
    {
        QFETCH(QString, column);
        QFETCH(QString, group);
        const QStringList groups{"PointOnly", "Attack", "Block", "Serve", "OtherError"};
        QCOMPARE(groups.value(int(EndingOf(column))), group);
        QCOMPARE(groups.value(int(EndingOf(column.toLower()))), group);
    }
};

// The team numbers from the logs of the games a report covers.
class TestTeamNumbers : public QObject
{
    Q_OBJECT

    static TeamNumbers::GameRecord Game(int number, const QString& script, bool sideOut = false, bool fromAction = false)
    {
        TeamNumbers::GameRecord g;
        g.match = RecordId(QDateTime(QDate(2026, 11, 1), QTime(18, 0)));
        g.game = RecordId(QDateTime(QDate(2026, 11, 1), QTime(18, number)));
        g.number = number;
        g.teams = {RecordId(QDateTime(QDate(2020, 1, 1), QTime(0, 0))), RecordId(QDateTime(QDate(2020, 1, 1), QTime(0, 1)))};
        g.names = {QStringLiteral("Hawks"), QStringLiteral("Owls")};
        g.log = Play(script, sideOut, fromAction).log();
        return g;
    }

    // One game a script, numbered from 1.
    static std::vector<TeamNumbers::GameRecord> Games(const QStringList& scripts, bool fromAction)
    {
        std::vector<TeamNumbers::GameRecord> records;
        for (int i = 0; i < scripts.size(); ++i)
            records.push_back(Game(i + 1, scripts[i], false, fromAction));
        return records;
    }

    static QString Line(const TeamNumbers::Tally& t)
    {
        const auto pct = [](std::optional<double> v) { return v ? QString::number(*v, 'f', 3) : QStringLiteral("-"); };
        return QStringLiteral("%1/%2 %3/%4 %5:%6 bp %7 so %8")
            .arg(t.wonServing)
            .arg(t.served)
            .arg(t.wonReceiving)
            .arg(t.received)
            .arg(t.won())
            .arg(t.lost())
            .arg(pct(t.breakPoint()), pct(t.sideout()));
    }

private slots:
    // Each team's serves and receptions won, break-point and side-out shares, and longest runs.
    void numbers_data() { table::Rows(kData); }
    void numbers()
    {
        QFETCH(QStringList, games);
        QFETCH(bool, fromAction);
        const std::vector<TeamNumbers::GameRecord> records = Games(games, fromAction);
        QFETCH(QString, home);
        QFETCH(QString, away);
        QFETCH(QString, runs);
        const TeamNumbers::Numbers n = TeamNumbers::Compute(records);
        QCOMPARE(int(n.games.size()), games.size());
        for (int i = 0; i < games.size(); ++i)
            QCOMPARE(n.games[size_t(i)].logged, !games[i].isEmpty());
        QCOMPARE(n.teams.size(), size_t(2));
        QCOMPARE(Line(n.teams[0].tally), home);
        QCOMPARE(Line(n.teams[1].tally), away);
        QStringList longest;
        for (const TeamNumbers::Team& t : n.teams)
            for (const TeamNumbers::Run& r : t.runs)
                longest << QString::number(r.points);
        QCOMPARE(longest.join(QLatin1Char(' ')), runs);
        // Only the chosen team when the report narrows to one.
        const TeamNumbers::Numbers one = TeamNumbers::Compute(records, records.front().teams[1]);
        QCOMPARE(one.teams.size(), size_t(1));
        QCOMPARE(Line(one.teams[0].tally), Line(n.teams[1].tally));
    }

    // How each team's points were won, per game and in all, and each game's timeouts.
    void pointsWonAndTimeouts_data() { table::Rows(kData); }
    void pointsWonAndTimeouts()
    {
        QFETCH(QStringList, games);
        QFETCH(bool, fromAction);
        QFETCH(QString, home);
        QFETCH(QString, away);
        QFETCH(QString, timeouts);
        const TeamNumbers::Numbers n = TeamNumbers::Compute(Games(games, fromAction));
        const auto won = [](const TeamNumbers::PointsWon& w) {
            return QStringLiteral("%1/%2/%3/%4/%5").arg(w.attack).arg(w.block).arg(w.serve).arg(w.errors).arg(w.other);
        };
        const auto team = [&](const TeamNumbers::Team& t) {
            QStringList out;
            for (const TeamNumbers::GamePoints& g : t.games)
                out << won(g.won);
            return (out << won(t.won)).join(QLatin1Char(' '));
        };
        QCOMPARE(int(n.teams[0].games.size()), games.size());
        QCOMPARE(team(n.teams[0]), home);
        QCOMPARE(team(n.teams[1]), away);
        QStringList perGame;
        for (const TeamNumbers::Flow& f : n.games) {
            QStringList taken;
            for (const TeamNumbers::FlowTimeout& t : f.timeouts)
                taken << QStringLiteral("%1@%2").arg(t.side == kHome ? 'h' : 'a').arg(t.afterRally);
            perGame << (taken.isEmpty() ? QStringLiteral("-") : taken.join(QLatin1Char(' ')));
        }
        QCOMPARE(perGame.join(QLatin1Char('|')), timeouts);
        // Every point won is counted once, in one way.
        for (const TeamNumbers::Team& t : n.teams)
            QCOMPARE(t.won.total(), t.tally.won());
    }

    // A rotation is named by the player in zone 1 as the rally began; the score flow follows the
    // lead after each point that stands.
    void rotationsAndFlow()
    {
        const std::vector<TeamNumbers::GameRecord> records{Game(1, QStringLiteral("start:h ph pa ph pa u"), true)};
        const TeamNumbers::Numbers n = TeamNumbers::Compute(records);
        QStringList home, away;
        for (const TeamNumbers::Rotation& r : n.teams[0].rotations)
            home << NameOf(r.player) + QLatin1Char(' ') + Line(r.tally);
        for (const TeamNumbers::Rotation& r : n.teams[1].rotations)
            away << NameOf(r.player) + QLatin1Char(' ') + Line(r.tally);
        QCOMPARE(home, (QStringList{"H1 1/2 1/1 2:1 bp 0.500 so 1.000"}));
        QCOMPARE(away, (QStringList{"A1 0/0 1/2 1:1 bp - so 0.500", "A2 0/1 0/0 0:1 bp 0.000 so -"}));
        QCOMPARE(n.games[0].leads, (std::vector<int>{1, 0, 1}));
    }
};

// The log as stored: a step is written whole with its score and actions, or not at all, and reads
// back as it was written.
class TestRallyStore : public QObject
{
    Q_OBJECT

    // Every field of an entry as text; for the team numbers, those they read.
    static QStringList Fields(const Entry& e, bool forNumbers = false)
    {
        QStringList out{QString::number(e.entry),     QString::number(e.step),      QString::number(int(e.kind)),
                        QString::number(e.side),      QString::number(e.server),    QString::number(e.amount),
                        QString::number(e.homeScore), QString::number(e.awayScore), NameOf(e.player),
                        e.stat,                       QString::number(e.reverses),  Sides(e.zones)};
        if (!forNumbers)
            out << NameOf(e.out) << QString::number(e.position) << e.entered.date().toString();
        return out;
    }

    // What the team numbers read of an entry as written: only the start, points, timeouts and
    // take-backs; a point's deciding action and player, nothing of the others; no amount for a
    // start or a timeout; zone 1 of each line-up, or all six.
    static std::optional<Entry> ForNumbers(Entry e, bool six)
    {
        if (e.kind != Kind::Start && e.kind != Kind::Point && e.kind != Kind::Timeout && e.kind != Kind::Undo)
            return std::nullopt;
        if (e.kind == Kind::Start || e.kind == Kind::Timeout)
            e.amount = 0;
        if (e.kind != Kind::Point) {
            e.stat.clear();
            e.player = RecordId();
        }
        for (Zones& side : e.zones)
            for (size_t z = six ? 6 : 1; z < 6; ++z)
                side[z] = RecordId();
        return e;
    }

private slots:
    // Command by command as the court stores them, or the whole log at once as an import does,
    // for games of long scripts with take-backs, points taken off, swaps, substitutions and
    // timeouts: every entry reads back as written, and so does what the team numbers read, in
    // both forms (zone 1 of each line-up, or all six), several games at once; a game not asked
    // for is not read.
    void logsStoreAndReadBack_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::newRow("step by step") << false;
        QTest::newRow("the whole log at once") << true;
    }
    void logsStoreAndReadBack()
    {
        QFETCH(bool, whole);
        TestApp app;
        QVERIFY(app.ok());
        const RecordId team = app.addTeam(QStringLiteral("Hawks"));
        const RecordId match = NewRecordId(RecordKind::Match);
        QList<RecordId> games;
        std::map<RecordId, Book> written;
        int kills = 0;
        for (quint32 seed = 1; seed <= 4; ++seed) {
            const RecordId game = NewRecordId(RecordKind::Game);
            if (seed == 1)
                MatchStore::AddMatch(match, team, team, game, 1);
            else
                MatchStore::AddGame(match, game, int(seed));
            // Players need no roster rows for the log; the ones of the script stand in. Step by
            // step, each command's score, PLAY rows and entries in one transaction.
            const Book book = Play(Shuffled(seed, 60), seed % 2 == 0, seed == 3, [&](const StepWrite& step) {
                if (whole)
                    return;
                RallyStore::Write(game, step);
                for (const PlayWrite& p : step.plays)
                    kills += QLatin1String(p.kind->column) == QLatin1String("KILL") ? p.value : 0;
            });
            if (whole)
                RallyStore::Append(game, book.log());
            written.emplace(game, book);
            if (seed != 4)
                games << game;
        }
        for (const bool six : {false, true}) {
            const auto read = RallyStore::PointLogs(games, six ? RallyStore::LineUps::Whole : RallyStore::LineUps::ZoneOne);
            QCOMPARE(read.size(), size_t(3));
            for (const RecordId& game : games) {
                QList<QStringList> got, expected, all, stored;
                for (const Entry& e : read.at(game))
                    got << Fields(e, true);
                for (const Entry& e : written.at(game).log()) {
                    if (const std::optional<Entry> n = ForNumbers(e, six))
                        expected << Fields(*n, true);
                    all << Fields(e);
                }
                QCOMPARE(got, expected);
                for (const Entry& e : RallyStore::GameLog(game))
                    stored << Fields(e);
                QCOMPARE(stored, all);
            }
        }
        // The whole log is the entries alone: the scores and actions an import writes are its own.
        if (whole)
            return;
        for (const auto& [game, book] : written)
            QCOMPARE(app.rows(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME WHERE GAMEID = ?"), {Bind(game)}).front(),
                     (QVariantList{book.score(kHome), book.score(kAway)}));
        QCOMPARE(app.scalar(QStringLiteral("SELECT TOTAL(KILL) FROM PLAY")).toInt(), kills);

        // A step for a game that is not stored is refused whole: no score, no action, no entry.
        const int entries = app.count(QStringLiteral("RALLY"));
        const int plays = app.count(QStringLiteral("PLAY"));
        const Book book = Play(QStringLiteral("start:h"));
        const StepWrite kill = book.action(Who(QStringLiteral("H2")), kHome, 2, kStatKinds[1], 1, kHome, false, QDateTime());
        QVERIFY_THROWS_EXCEPTION(DbError, RallyStore::Write(NewRecordId(RecordKind::Game), kill));
        QCOMPARE(app.count(QStringLiteral("RALLY")), entries);
        QCOMPARE(app.count(QStringLiteral("PLAY")), plays);
    }
};

SIDELINES_TEST(TestRallyRules)
SIDELINES_TEST(TestTeamNumbers)
SIDELINES_TEST(TestRallyStore)
#include "tst_rally.moc"
