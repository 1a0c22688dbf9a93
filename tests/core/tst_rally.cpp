#include "core/Database.h"
#include "core/MatchStore.h"
#include "core/RallyStore.h"
#include "core/TeamNumbers.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QRandomGenerator>
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
//   start:h:H9:A9       the same, H9 home's libero and A9 away's (- for none)
//   ph pa -ph -pa       a point won by home / away; taken off in subtraction mode (a point won
//                       keeps its deciding action unless points come from the actions)
//   rh ra -rh -ra       a side turns forward / back
//   a:Kill:h4 -a:Kill:h4  an action of the player in zone 4 of home (taken back in subtraction mode)
//   sub:h2:H9           H9 comes on for the player in zone 2 of home
//   li:h5               the libero key on home's zone 5 (in or out, or refused)
//   to:h                a timeout of home
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
        // A side-out point taken off takes its turn with it, as the take-back does.
        QTest::newRow("side-out point taken off") << "start:a ph -ph" << true << false << "0:0" << "a" << "" << "H1/A1";
        QTest::newRow("side-out kill taken off") << "start:h a:Kill:a2 -pa" << true << true << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("only that point's turn") << "start:a ph ph rh -ph" << true << false << "1:0" << "h" << "h" << "H3/A1";
        QTest::newRow("serving side's point taken off") << "start:h ph -ph" << true << false << "0:0" << "h" << "" << "H1/A1";
        QTest::newRow("turn by hand stays") << "start:a ph rh -ph" << false << false << "0:0" << "a" << "" << "H2/A1";
        // Timeouts change neither score nor court; the take-back passes over none of them.
        QTest::newRow("timeout") << "start:h ph to:a pa" << false << false << "1:1" << "a" << "ha" << "H1/A1";
        QTest::newRow("timeout taken back first") << "start:h ph to:a u" << false << false << "1:0" << "h" << "h" << "H1/A1";
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

    // What the book keeps as entries come (the steps taken back, the side to serve) answers as
    // the whole log does after every command of long scripts full of take-backs: the server (from
    // the points that stand), the step a take-back would reverse and the libero key on every zone.
    // A book made from a stored log (a match continued) answers the same.
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
            for (int side = 0; side < 2; ++side)
                for (int zone = 1; zone <= 6; ++zone) {
                    QVERIFY2(book.checkLibero(side, zone) == CheckLibero(log, side, zone), qPrintable(at));
                    QVERIFY2(continued.checkLibero(side, zone) == CheckLibero(log, side, zone), qPrintable(at));
                }
        }
    }

    // The libero comes in for a back-row player and out for him again, never stands in the front
    // row nor serves: a turn that would take her there brings him back in the same step, and every
    // take-back puts her where she stood.
    void libero_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("sideOut");
        QTest::addColumn<QString>("sides");
        QTest::addColumn<QString>("standsFor"); // home's libero, away's
        QTest::addColumn<int>("returns"); // libero swaps made by a turn or a point, not by her key

        const QString start = QStringLiteral("H1-H2-H3-H4-H5-H6/A1-A2-A3-A4-A5-A6");
        QTest::newRow("in for zone 5") << "start:h:H9:A9 li:h5" << false << "H1-H2-H3-H4-H9-H6/A1-A2-A3-A4-A5-A6" << "H5/-" << 0;
        QTest::newRow("and out again") << "start:h:H9:A9 li:h5 li:h5" << false << start << "-/-" << 0;
        QTest::newRow("away's libero") << "start:h:H9:A9 li:a6" << false << "H1-H2-H3-H4-H5-H6/A1-A2-A3-A4-A5-A9" << "-/A6" << 0;
        QTest::newRow("no libero named") << "start:h li:h5" << false << start << "-/-" << 0;
        QTest::newRow("not in the front row") << "start:h:H9:A9 li:h4 li:h2 li:h3" << false << start << "-/-" << 0;
        QTest::newRow("not for the server") << "start:h:H9:A9 li:h1" << false << start << "-/-" << 0;
        QTest::newRow("for zone 1 when receiving") << "start:a:H9:A9 li:h1" << false << "H9-H2-H3-H4-H5-H6/A1-A2-A3-A4-A5-A6" << "H1/-" << 0;
        QTest::newRow("one place at a time") << "start:h:H9:A9 li:h5 li:h6" << false << "H1-H2-H3-H4-H9-H6/A1-A2-A3-A4-A5-A6" << "H5/-" << 0;
        QTest::newRow("turned to zone 4: back by himself") << "start:h:H9:A9 li:h5 rh" << false << "H2-H3-H4-H5-H6-H1/A1-A2-A3-A4-A5-A6" << "-/-" << 1;
        QTest::newRow("turned to zone 5: stays") << "start:h:H9:A9 li:h6 rh" << false << "H2-H3-H4-H5-H9-H1/A1-A2-A3-A4-A5-A6" << "H6/-" << 0;
        QTest::newRow("turned back to serve") << "start:h:H9:A9 li:h6 -rh" << false << "H6-H1-H2-H3-H4-H5/A1-A2-A3-A4-A5-A6" << "-/-" << 1;
        QTest::newRow("side-out takes her from 1 to 6") << "start:a:H9:A9 li:h1 ph" << true << "H2-H3-H4-H5-H6-H9/A1-A2-A3-A4-A5-A6" << "H1/-" << 0;
        QTest::newRow("the turn is the user's to make") << "start:a:H9:A9 li:h1 ph" << false << "H9-H2-H3-H4-H5-H6/A1-A2-A3-A4-A5-A6" << "H1/-" << 0;
        QTest::newRow("side-out to the front row") << "start:a:H9:A9 li:h5 ph" << true << "H2-H3-H4-H5-H6-H1/A1-A2-A3-A4-A5-A6" << "-/-" << 1;
        QTest::newRow("swap taken back") << "start:h:H9:A9 li:h5 u" << false << start << "-/-" << 0;
        QTest::newRow("turn and return taken back") << "start:h:H9:A9 li:h5 rh u" << false << "H1-H2-H3-H4-H9-H6/A1-A2-A3-A4-A5-A6" << "H5/-" << 1;
        QTest::newRow("side-out return taken back") << "start:a:H9:A9 li:h5 ph u" << true << "H1-H2-H3-H4-H9-H6/A1-A2-A3-A4-A5-A6" << "H5/-" << 1;
        QTest::newRow("side-out return taken off") << "start:a:H9:A9 li:h5 ph -ph" << true << "H1-H2-H3-H4-H9-H6/A1-A2-A3-A4-A5-A6" << "H5/-" << 2;
        QTest::newRow("out taken back") << "start:h:H9:A9 li:h5 li:h5 u" << false << "H1-H2-H3-H4-H9-H6/A1-A2-A3-A4-A5-A6" << "H5/-" << 0;
        QTest::newRow("both sides") << "start:h:H9:A9 li:h5 li:a1 ph pa" << true << "H1-H2-H3-H4-H9-H6/A2-A3-A4-A5-A6-A9" << "H5/A1" << 0;
    }
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
        // She never stands in the front row.
        const std::array<RecordId, 2> liberos = Liberos(book.log());
        for (int side = 0; side < 2; ++side) {
            for (int zone = 2; zone <= 4; ++zone)
                QVERIFY(liberos[size_t(side)].isNull() || !(book.court()[size_t(side)][size_t(zone - 1)] == liberos[size_t(side)]));
        }
    }

    // What the libero key does on each box, and why it does nothing.
    void liberoKey_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("move");

        QTest::newRow("zone 6") << "start:h:H9:A9" << 0 << 6 << int(LiberoMove::In);
        QTest::newRow("zone 5") << "start:h:H9:A9" << 0 << 5 << int(LiberoMove::In);
        QTest::newRow("zone 1 receiving") << "start:a:H9:A9" << 0 << 1 << int(LiberoMove::In);
        QTest::newRow("zone 1 serving") << "start:h:H9:A9" << 0 << 1 << int(LiberoMove::WouldServe);
        QTest::newRow("zone 4") << "start:h:H9:A9" << 0 << 4 << int(LiberoMove::FrontRow);
        QTest::newRow("zone 2 of away") << "start:h:H9:A9" << 1 << 2 << int(LiberoMove::FrontRow);
        QTest::newRow("none named") << "start:h:H9:-" << 1 << 6 << int(LiberoMove::NoLibero);
        QTest::newRow("her own box") << "start:h:H9:A9 li:h6" << 0 << 6 << int(LiberoMove::Out);
        QTest::newRow("on court elsewhere") << "start:h:H9:A9 li:h6" << 0 << 5 << int(LiberoMove::Elsewhere);
        QTest::newRow("before the game") << "" << 0 << 6 << int(LiberoMove::NoLibero);
    }
    void liberoKey()
    {
        QFETCH(QString, script);
        QFETCH(int, side);
        QFETCH(int, zone);
        QFETCH(int, move);
        const Book book = Play(script);
        QCOMPARE(int(CheckLibero(book.log(), side, zone)), move);
        // A refused key writes nothing.
        QCOMPARE(book.libero(side, zone, QDateTime::currentDateTime()).entries.empty(),
                 move != int(LiberoMove::In) && move != int(LiberoMove::Out));
    }

    // The timeouts that stand, with the score at which each was taken and the rally after which it
    // came: "side score/rally".
    void timeouts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("timeouts");
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("away");

        QTest::newRow("none") << "start:h ph" << "" << 0 << 0;
        QTest::newRow("at the start") << "start:h to:a" << "a 0:0/0" << 0 << 1;
        QTest::newRow("after rallies") << "start:h ph pa ph to:a pa to:h" << "a 2:1/3 h 2:2/4" << 1 << 1;
        QTest::newRow("two of one side") << "start:h ph to:a pa to:a" << "a 1:0/1 a 1:1/2" << 0 << 2;
        QTest::newRow("taken back") << "start:h ph to:a u" << "" << 0 << 0;
        QTest::newRow("the point after it taken back") << "start:h ph to:h pa u" << "h 1:0/1" << 1 << 0;
        QTest::newRow("a point before it taken off") << "start:h ph ph to:a -ph" << "a 2:0/1" << 0 << 1;
    }
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

    // How each standing point ended: its deciding action and player ("KILL:H4"), or "-" for a point
    // only. With points from the actions each deciding action brings its own; in classic mode a
    // point takes the newest action since the last point that wins the rally for its side.
    void pointEndings_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("fromAction");
        QTest::addColumn<QString>("endings");

        QTest::newRow("classic kill") << "start:h a:Kill:h4 ph" << false << "KILL:H4";
        QTest::newRow("classic: the other side's error") << "start:h a:ServeError:a1 ph" << false << "SERVEERROR:A1";
        QTest::newRow("classic: a kill of the losers") << "start:h a:Kill:a4 ph" << false << "-";
        QTest::newRow("classic: a dig decides nothing") << "start:h a:Dig:h5 ph" << false << "-";
        QTest::newRow("classic: only since the last point") << "start:h a:Kill:h4 ph ph" << false << "KILL:H4 -";
        QTest::newRow("classic: the newest that fits") << "start:h a:Kill:h4 a:ReceiveError:a5 ph" << false << "RECEIVEERROR:A5";
        QTest::newRow("classic: one that fits before one that does not") << "start:h a:Kill:h4 a:Error:h3 ph" << false << "KILL:H4";
        QTest::newRow("classic: taken back") << "start:h a:Kill:h4 u ph" << false << "-";
        QTest::newRow("classic: taken off") << "start:h a:Kill:h4 -a:Kill:h4 ph" << false << "-";
        QTest::newRow("classic: a block assist") << "start:h a:BlockAssist:a3 pa" << false << "BLOCKASSIST:A3";
        QTest::newRow("classic: after a timeout") << "start:h a:Kill:h4 to:a ph" << false << "KILL:H4";
        QTest::newRow("action: kill") << "start:h a:Kill:h4" << true << "KILL:H4";
        QTest::newRow("action: block error") << "start:h a:BlockError:h3" << true << "BLOCKERROR:H3";
        QTest::newRow("action: the block's first player") << "start:h a:BlockAssist:a3 a:BlockAssist:a4" << true << "BLOCKASSIST:A3";
        QTest::newRow("action: the button's point is a point only") << "start:h a:Dig:h5 a:Kill:a2 u ph" << true << "-";
        QTest::newRow("action: ace then button") << "start:h a:ServeAce:h1 pa" << true << "SERVEACE:H1 -";
    }
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

    // The report's groups: a kill is won by attack, an ace by serve, a block of either kind by
    // block, every error by the other side; the rest end no rally.
    void endingGroups_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("group");
        QTest::newRow("kill") << "KILL" << int(Ending::Attack);
        QTest::newRow("ace") << "SERVEACE" << int(Ending::Serve);
        QTest::newRow("solo block") << "SOLOBLOCK" << int(Ending::Block);
        QTest::newRow("block assist") << "BLOCKASSIST" << int(Ending::Block);
        for (const char* error : {"ERROR", "SERVEERROR", "RECEIVEERROR", "BLOCKERROR", "BALLHANDLEERROR"})
            QTest::newRow(error) << error << int(Ending::OtherError);
        for (const char* none : {"ATTEMPT", "DIG", "PASSING", "SETASSIST", "", "NOSUCH"})
            QTest::newRow(none[0] ? none : "point only") << none << int(Ending::PointOnly);
    }
    void endingGroups()
    {
        QFETCH(QString, column);
        QFETCH(int, group);
        QCOMPARE(int(EndingOf(column)), group);
        QCOMPARE(int(EndingOf(column.toLower())), group);
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

    // How each team's points were won, per game and in all, and each game's timeouts with the
    // rally after which they came: "attack/block/serve/errors/other".
    void pointsWonAndTimeouts_data()
    {
        QTest::addColumn<QStringList>("games");
        QTest::addColumn<bool>("fromAction");
        QTest::addColumn<QString>("home"); // per game, then in all
        QTest::addColumn<QString>("away");
        QTest::addColumn<QString>("timeouts"); // per game: side@rally

        QTest::newRow("every way") << QStringList{"start:h a:Kill:h4 a:ServeAce:h1 a:SoloBlock:a3 a:BlockAssist:h2 "
                                                  "a:Error:a4 ph to:a pa"}
                                   << true << "1/1/1/1/1 1/1/1/1/1" << "0/1/0/0/1 0/1/0/0/1" << "a@6";
        QTest::newRow("classic: the point keeps the action before it")
            << QStringList{"start:h a:Kill:h4 ph a:BlockError:h3 pa pa to:h"} << false << "1/0/0/0/0 1/0/0/0/0"
            << "0/0/0/1/1 0/0/0/1/1" << "h@3";
        QTest::newRow("taken back counts nowhere")
            << QStringList{"start:h a:Kill:h4 u to:h u ph"} << true << "0/0/0/0/1 0/0/0/0/1" << "0/0/0/0/0 0/0/0/0/0"
            << "-";
        QTest::newRow("two games")
            << QStringList{"start:h a:ServeError:h1 to:h to:a", "start:a a:ReceiveError:h5 ph"} << true
            << "0/0/0/0/0 0/0/0/0/1 0/0/0/0/1" << "0/0/0/1/0 0/0/0/1/0 0/0/0/2/0" << "h@1 a@1|-";
    }
    void pointsWonAndTimeouts()
    {
        QFETCH(QStringList, games);
        QFETCH(bool, fromAction);
        QFETCH(QString, home);
        QFETCH(QString, away);
        QFETCH(QString, timeouts);
        std::vector<TeamNumbers::GameRecord> records;
        for (int i = 0; i < games.size(); ++i)
            records.push_back(Game(i + 1, games[i], false, fromAction));
        const TeamNumbers::Numbers n = TeamNumbers::Compute(records);
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

    // Stores a book's log step by step as the court does (the score, the actions' PLAY rows and
    // the entries of each step in one transaction); returns the book of what was stored.
    static Book Store(const RecordId& game, const Book& book)
    {
        Book stored;
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
        return stored;
    }

private slots:
    // What the team numbers read of stored logs, every field of it, in both forms (zone 1 of each
    // line-up, or all six), for games of long scripts with take-backs, points taken off, swaps and
    // timeouts, several games read at once; a game not asked for is not read.
    void pointLogsReadAsWritten_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::newRow("zone 1") << false;
        QTest::newRow("whole line-ups") << true;
    }

    void pointLogsReadAsWritten()
    {
        QFETCH(bool, whole);
        TestApp app;
        QVERIFY(app.ok());
        const RecordId team = app.addTeam(QStringLiteral("Hawks"));
        const RecordId match = NewRecordId(RecordKind::Match);
        QList<RecordId> games;
        std::map<RecordId, Log> written;
        for (quint32 seed = 1; seed <= 4; ++seed) {
            const RecordId game = NewRecordId(RecordKind::Game);
            if (seed == 1)
                MatchStore::AddMatch(match, team, team, game, 1);
            else
                MatchStore::AddGame(match, game, int(seed));
            written[game] = Store(game, Play(Shuffled(seed, 60), seed % 2 == 0, seed == 3)).log();
            if (seed != 4)
                games << game;
        }
        const auto read = RallyStore::PointLogs(games, whole ? RallyStore::LineUps::Whole : RallyStore::LineUps::ZoneOne);
        QCOMPARE(read.size(), size_t(3));
        for (const RecordId& game : games) {
            Log expected;
            for (const Entry& e : written[game])
                if (e.kind == Kind::Start || e.kind == Kind::Point || e.kind == Kind::Timeout || e.kind == Kind::Undo)
                    expected.push_back(e);
            const Log& got = read.at(game);
            QCOMPARE(got.size(), expected.size());
            for (size_t i = 0; i < got.size(); ++i) {
                const Entry& a = got[i];
                const Entry& b = expected[i];
                QCOMPARE(a.entry, b.entry);
                QCOMPARE(a.step, b.step);
                QCOMPARE(a.kind, b.kind);
                QCOMPARE(a.side, b.side);
                QCOMPARE(a.server, b.server);
                QCOMPARE(a.amount, b.kind == Kind::Start || b.kind == Kind::Timeout ? 0 : b.amount);
                QCOMPARE(a.homeScore, b.homeScore);
                QCOMPARE(a.awayScore, b.awayScore);
                QCOMPARE(a.reverses, b.reverses);
                // A point's deciding action; nothing of the other kinds.
                QCOMPARE(a.stat, b.kind == Kind::Point ? b.stat : QString());
                QCOMPARE(a.player, b.kind == Kind::Point ? b.player : RecordId());
                for (size_t side = 0; side < 2; ++side)
                    for (size_t z = 0; z < 6; ++z)
                        QCOMPARE(a.zones[side][z], whole || z == 0 ? b.zones[side][z] : RecordId());
            }
        }
    }

    void stepsStoreAndReadBack()
    {
        TestApp app;
        QVERIFY(app.ok());
        const RecordId team = app.addTeam(QStringLiteral("Hawks"));
        const RecordId match = NewRecordId(RecordKind::Match);
        const RecordId game = NewRecordId(RecordKind::Game);
        MatchStore::AddMatch(match, team, team, game, 1);
        // Players need no roster rows for the log; the ones of the script stand in.
        Book book = Play(QStringLiteral("start:a:H8:A8 a:Kill:h4 ph rh sub:a3:A9 li:h5 to:a a:Kill:a2 a:Dig:h1 u"), true,
                         true);
        Book stored = Store(game, book);
        const QDateTime at(QDate(2026, 12, 7), QTime(10, 0, 5));
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
            QCOMPARE(a.reverses, b.reverses);
            QCOMPARE(a.entered.date(), b.entered.date());
        }
        // What the team numbers read: the start, the points with how they ended, the timeouts and
        // the take-backs, each as written.
        Log points;
        for (const Entry& e : book.log())
            if (e.kind == Kind::Start || e.kind == Kind::Point || e.kind == Kind::Timeout || e.kind == Kind::Undo)
                points.push_back(e);
        const Log readPoints = RallyStore::PointLogs({game}, RallyStore::LineUps::Whole)[game];
        QCOMPARE(readPoints.size(), points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            QCOMPARE(readPoints[i].kind, points[i].kind);
            QCOMPARE(readPoints[i].side, points[i].side);
            QCOMPARE(readPoints[i].homeScore, points[i].homeScore);
            QCOMPARE(readPoints[i].zones, points[i].zones);
            if (points[i].kind == Kind::Point) {
                QCOMPARE(readPoints[i].stat, points[i].stat);
                QCOMPARE(readPoints[i].player, points[i].player);
            }
        }
        QCOMPARE(StandingPoints(readPoints).size(), StandingPoints(book.log()).size());
        QCOMPARE(StandingTimeouts(readPoints).size(), size_t(1));
        QCOMPARE(app.rows(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME")).front(),
                 (QVariantList{book.score(kHome), book.score(kAway)}));
        QCOMPARE(app.scalar(QStringLiteral("SELECT SUM(KILL) FROM PLAY")).toInt(), 2);

        // A step for a game that is not stored is refused whole: no score, no action, no entry.
        const int entries = app.count(QStringLiteral("RALLY"));
        const StepWrite kill = stored.action(Who(QStringLiteral("H2")), kHome, 2, kStatKinds[1], 1, kHome, false, at);
        QVERIFY_THROWS_EXCEPTION(DbError, RallyStore::Write(NewRecordId(RecordKind::Game), kill));
        QCOMPARE(app.count(QStringLiteral("RALLY")), entries);
        QCOMPARE(app.count(QStringLiteral("PLAY")), 3);
    }
};

SIDELINES_TEST(TestRallyRules)
SIDELINES_TEST(TestTeamNumbers)
SIDELINES_TEST(TestRallyStore)
#include "tst_rally.moc"
