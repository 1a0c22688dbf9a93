#include "core/Database.h"
#include "core/MatchStore.h"
#include "core/RallyStore.h"
#include "core/TeamNumbers.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QTest>

using namespace Rally;

namespace {

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
//   ph pa -ph -pa       a point won by home / away; taken off in subtraction mode
//   rh ra -rh -ra       a side turns forward / back
//   a:Kill:h4 -a:Kill:h4  an action of the player in zone 4 of home (taken back in subtraction mode)
//   sub:h2:H9           H9 comes on for the player in zone 2 of home
//   u                   the take-back of the last entry
Book Play(const QString& script, bool sideOut = false, bool fromAction = false)
{
    Book book;
    const QDateTime at(QDate(2026, 12, 7), QTime(10, 0));
    for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        StepWrite step;
        const bool minus = word.startsWith(QLatin1Char('-'));
        const QString w = minus ? word.mid(1) : word;
        if (w.startsWith(QLatin1String("start:"))) {
            step = book.start(Starting(), SideOf(w.at(6)), at);
        } else if (w.size() == 2 && w.at(0) == QLatin1Char('p')) {
            step = book.point(SideOf(w.at(1)), minus ? -1 : 1, sideOut, at);
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
        book.append(step);
    }
    return book;
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

} // namespace

// The rules of the rally log, on hand-made logs: scores, the serve, the points that stand, the
// court after rotations and take-backs, and points scored from the deciding action.
class TestRallyRules : public QObject
{
    Q_OBJECT

private slots:
    void scriptLeadsTo_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("sideOut");
        QTest::addColumn<bool>("fromAction");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("serving");
        QTest::addColumn<QString>("standing");
        QTest::addColumn<QString>("zoneOnes"); // home/away player in zone 1

        // Points and the serve.
        QTest::newRow("points, no side-out turn") << "start:h ph ph pa" << false << false << "2:1" << "a" << "hha" << "H1/A1";
        QTest::newRow("away serves first") << "start:a" << false << false << "0:0" << "a" << "" << "H1/A1";
        QTest::newRow("side-out turns the winner") << "start:h ph ph pa" << true << false << "2:1" << "a" << "hha" << "H1/A2";
        QTest::newRow("no turn for the server") << "start:a pa pa" << true << false << "0:2" << "a" << "aa" << "H1/A1";
        QTest::newRow("home sides out") << "start:a ph" << true << false << "1:0" << "h" << "h" << "H2/A1";
        QTest::newRow("side-outs both ways") << "start:h pa ph pa" << true << false << "1:2" << "a" << "aha" << "H2/A3";
        // Take-backs.
        QTest::newRow("point taken back") << "start:h ph u" << false << false << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("side-out point and its turn back") << "start:h pa u" << true << false << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("walks back") << "start:h ph pa u u" << false << false << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("rotation taken back") << "start:h rh rh u" << false << false << "0:0" << "h" << "" << "H2/A1";
        QTest::newRow("nothing left to take back") << "start:h u u" << false << false << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("substitution stays") << "start:h ph sub:h1:H9 u" << false << false << "0:0" << "h" << "" << "H9/A1";
        QTest::newRow("serve follows the take-back") << "start:h pa ph u" << false << false << "0:1" << "a" << "a" << "H1/A1";
        // Subtraction mode.
        QTest::newRow("point taken off") << "start:h ph -ph" << false << false << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("takes off that side's last") << "start:h ph pa -ph" << false << false << "0:1" << "a" << "a" << "H1/A1";
        QTest::newRow("turn back by hand") << "start:h rh -rh" << false << false << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("the serve back to the side before") << "start:h pa ph -ph" << false << false << "0:1" << "a" << "a" << "H1/A1";
        QTest::newRow("taking off taken back") << "start:h ph -ph u" << false << false << "1:0" << "h" << "h" << "H1/A1";
        // Points from the deciding action.
        QTest::newRow("kill scores") << "start:h a:Kill:h4" << false << true << "1:0" << "h" << "h" << "H1/A1";
        QTest::newRow("serve error loses") << "start:h a:ServeError:h1" << true << true << "0:1" << "a" << "a" << "H1/A2";
        QTest::newRow("dig scores nothing") << "start:h a:Dig:h5 a:Attempt:a4 a:SetAssist:a3" << false << true << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("second block assist") << "start:h a:BlockAssist:a3 a:BlockAssist:a4" << false << true << "0:1" << "a" << "a" << "H1/A1";
        QTest::newRow("third block assist") << "start:h a:BlockAssist:a3 a:BlockAssist:a4 a:BlockAssist:a2" << false << true << "0:1" << "a" << "a" << "H1/A1";
        QTest::newRow("assist in a new rally") << "start:h a:BlockAssist:a3 ph a:BlockAssist:a4" << false << true << "1:2" << "a" << "aha" << "H1/A1";
        QTest::newRow("other side's assist") << "start:h a:BlockAssist:a3 a:BlockAssist:h2" << false << true << "1:1" << "h" << "ah" << "H1/A1";
        QTest::newRow("assist after a take-back") << "start:h a:BlockAssist:a3 u a:BlockAssist:a4" << false << true << "0:1" << "a" << "a" << "H1/A1";
        QTest::newRow("taken back in subtraction mode") << "start:h -a:Kill:h4" << false << true << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("one key per rally") << "start:h a:Kill:a2 a:Kill:a4 a:ReceiveError:a5 u" << true << true << "0:2" << "a" << "aa" << "H1/A2";
        QTest::newRow("action, point and turn in one take-back") << "start:h a:Kill:a2 u" << true << true << "0:0" << "h" << "" << "H1/A1";
    }
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
        // The book keeps the serve, the start and the last step as entries come; the rules read
        // afresh, and a book made from the stored log, say the same.
        const Book stored(book.log());
        QCOMPARE(book.serving(), Serving(book.log()));
        QCOMPARE(stored.serving(), book.serving());
        QCOMPARE(stored.started(), book.started());
        QCOMPARE(book.started(), !book.log().empty());
        int lastStep = 0;
        for (const Entry& e : book.log())
            lastStep = std::max(lastStep, e.step);
        QCOMPARE(book.rotate(kHome, false, QDateTime()).entries.front().step, lastStep + 1);
        QCOMPARE(stored.rotate(kHome, false, QDateTime()).entries.front().step, lastStep + 1);
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
    // Each row: the games' scripts, and per team "won on serve/serves won on receive/receptions
    // won:lost bp so", then its longest runs per game.
    void numbers_data()
    {
        QTest::addColumn<QStringList>("games");
        QTest::addColumn<bool>("fromAction");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("away");
        QTest::addColumn<QString>("runs"); // home's, then away's

        QTest::newRow("five rallies") << QStringList{"start:h ph pa pa ph ph"} << false
                                      << "2/3 1/2 3:2 bp 0.667 so 0.500" << "1/2 1/3 2:3 bp 0.500 so 0.333" << "2 2";
        QTest::newRow("a point taken back counts nowhere")
            << QStringList{"start:h ph pa u pa"} << false << "1/2 0/0 1:1 bp 0.500 so -"
            << "0/0 1/2 1:1 bp - so 0.500" << "1 1";
        QTest::newRow("serve error is a sideout") << QStringList{"start:h a:ServeError:h1"} << true
                                                  << "0/1 0/0 0:1 bp 0.000 so -" << "0/0 1/1 1:0 bp - so 1.000" << "0 1";
        QTest::newRow("taken off by the button") << QStringList{"start:a pa pa -pa"} << false
                                                 << "0/0 0/1 0:1 bp - so 0.000" << "1/1 0/0 1:0 bp 1.000 so -" << "0 1";
        QTest::newRow("two games, one without a log")
            << QStringList{"start:h ph ph ph", "", "start:a ph pa"} << false << "3/4 1/1 4:1 bp 0.750 so 1.000"
            << "0/1 1/4 1:4 bp 0.000 so 0.250" << "3 1 0 1";
    }
    void numbers()
    {
        QFETCH(QStringList, games);
        QFETCH(bool, fromAction);
        std::vector<TeamNumbers::GameRecord> records;
        for (int i = 0; i < games.size(); ++i)
            records.push_back(Game(i + 1, games[i], false, fromAction));
        QFETCH(QString, home);
        QFETCH(QString, away);
        QFETCH(QString, runs);
        const TeamNumbers::Numbers n = TeamNumbers::Compute(records);
        QCOMPARE(int(n.games.size()), games.size());
        for (int i = 0; i < games.size(); ++i)
            QCOMPARE(n.games[size_t(i)].logged, !games[i].isEmpty());
        QCOMPARE(n.teams.size(), size_t(2));
        QCOMPARE(n.teams[0].name, QStringLiteral("Hawks"));
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

private slots:
    void stepsStoreAndReadBack()
    {
        TestApp app;
        QVERIFY(app.ok());
        const RecordId team = app.addTeam(QStringLiteral("Hawks"));
        const RecordId match = NewRecordId(RecordKind::Match);
        const RecordId game = NewRecordId(RecordKind::Game);
        MatchStore::AddMatch(match, team, team, game, 1);
        // Players need no roster rows for the log; the ones of the script stand in.
        Book book = Play(QStringLiteral("start:a a:Kill:h4 ph rh sub:a3:A9"), true, true);
        Book stored;
        const QDateTime at(QDate(2026, 12, 7), QTime(10, 0, 5));
        for (int step = 1; step <= book.log().back().step; ++step) {
            StepWrite write;
            for (const Entry* e : StepEntries(book.log(), step))
                write.entries.push_back(*e);
            for (const Entry& e : write.entries) {
                if (e.kind == Kind::Point)
                    write.scoreChange[size_t(e.side)] += e.amount;
                if (e.kind == Kind::Action)
                    write.plays.push_back({e.player, e.position, StatByColumn(e.stat), e.amount});
            }
            RallyStore::Write(game, write);
            stored.append(write);
        }
        const Log read = RallyStore::GameLog(game);
        QCOMPARE(read.size(), book.log().size());
        for (size_t i = 0; i < read.size(); ++i) {
            const Entry& a = read[i];
            const Entry& b = book.log()[i];
            QCOMPARE(a.entry, b.entry);
            QCOMPARE(a.step, b.step);
            QCOMPARE(a.kind, b.kind);
            QCOMPARE(a.side, b.side);
            QCOMPARE(a.server, b.server);
            QCOMPARE(a.amount, b.amount);
            QCOMPARE(a.homeScore, b.homeScore);
            QCOMPARE(a.player, b.player);
            QCOMPARE(a.out, b.out);
            QCOMPARE(a.stat, b.stat);
            QCOMPARE(a.position, b.position);
            QCOMPARE(a.zones, b.zones);
            QCOMPARE(a.entered.date(), b.entered.date());
        }
        QCOMPARE(app.rows(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME")).front(),
                 (QVariantList{book.score(kHome), book.score(kAway)}));
        QCOMPARE(app.scalar(QStringLiteral("SELECT SUM(KILL) FROM PLAY")).toInt(), 1);

        // A step for a game that is not stored is refused whole: no score, no action, no entry.
        const int entries = app.count(QStringLiteral("RALLY"));
        const StepWrite kill = stored.action(Who(QStringLiteral("H2")), kHome, 2, kStatKinds[1], 1, kHome, false, at);
        QVERIFY_THROWS_EXCEPTION(DbError, RallyStore::Write(NewRecordId(RecordKind::Game), kill));
        QCOMPARE(app.count(QStringLiteral("RALLY")), entries);
        QCOMPARE(app.count(QStringLiteral("PLAY")), 1);
    }
};

SIDELINES_TEST(TestRallyRules)
SIDELINES_TEST(TestTeamNumbers)
SIDELINES_TEST(TestRallyStore)
#include "tst_rally.moc"
