#include "MatchKeys.h"
#include "storage/RallyStore.h"
#include "game/CourtPieces.h"
#include "game/Court.h"
#include "match/clsMatch.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

using namespace drive;

namespace {

using namespace matchkeys;

void CtrlKey(QWidget* w, Qt::Key key)
{
    QTest::keyClick(court::Focus(w), key, Qt::ControlModifier);
}

// Ctrl+T, and the key that answers the side's question; armed just before, so that it waits for
// that window and no other.
void Timeout(QWidget* w, Qt::Key answer)
{
    Windows({Key(answer)});
    CtrlKey(w, Qt::Key_T);
}

QString Status(QWidget* w)
{
    return Child<QLabel>(w, QStringLiteral("lblStatus"))->text();
}

// The newest entries of the strip, whole.
QStringList Newest(QWidget* w, int count)
{
    auto* strip = Child<QListWidget>(w, QStringLiteral("lstLog"));
    QStringList out;
    for (int r = 0; r < count && r < strip->count(); ++r)
        out << strip->item(r)->data(Qt::UserRole).toString();
    return out;
}

QString BoxName(QWidget* w, int box)
{
    return Child<QLabel>(w, QStringLiteral("lblPlayer_%1").arg(box))->accessibleName();
}

QColor BoxColour(QWidget* w, int box)
{
    return Child<QLabel>(w, QStringLiteral("lblPlayer_%1").arg(box))->palette().color(QPalette::Window);
}

} // namespace

// The libero and timeouts as a coach records them, by keyboard through the real windows: the
// libero named in the line-up window, her key on the court, her return from the front row by
// herself, timeouts and their limit, take-backs of each, and the point that keeps its kill.
class TestCourtside : public QObject
{
    Q_OBJECT

    std::unique_ptr<court::Seeded> seeded;

private slots:
    void initTestCase() { court::Prepare(); }
    void init()
    {
        seeded = std::make_unique<court::Seeded>();
        MatchStore::ForgetMatches();
    }
    void cleanup()
    {
        EndTest();
        seeded.reset();
    }

    void liberoAndTimeoutsByKeys()
    {
        QStringList seen;
        QList<QColor> colours;
        Windows({
            PickTeam(seeded->session.homeTeamId),
            PickTeam(seeded->session.awayTeamId),
            AltKeys({Qt::Key_3, Qt::Key_1, Qt::Key_L, Qt::Key_O}, true), // the side-out turn, points by hand
            [&](QWidget* w) {
                SixEachByKeys(w);
                // Hawk 8 is home's libero (after "(none)" and Hawk 7), Owl 7 away's.
                court::AltKey(w, Qt::Key_L);
                QTest::keyClick(court::Focus(w), Qt::Key_Down);
                QTest::keyClick(court::Focus(w), Qt::Key_Down);
                court::AltKey(w, Qt::Key_I);
                QTest::keyClick(court::Focus(w), Qt::Key_Down);
                seen << Child<QComboBox>(w, QStringLiteral("cboLibero_0"))->currentText()
                            + QLatin1Char('/') + Child<QComboBox>(w, QStringLiteral("cboLibero_1"))->currentText();
                court::AltKey(w, Qt::Key_G);
            },
            [&](QWidget* w) {
                court::Record(w, 1, Qt::Key_I); // the server's box: she does not serve
                seen << Status(w);
                court::Record(w, 5, Qt::Key_I); // in for Hawk 5
                seen << Status(w) << BoxName(w, 5);
                court::Record(w, 6, Qt::Key_D);
                colours << BoxColour(w, 5) << BoxColour(w, 4);
                court::AltKey(w, Qt::Key_R); // to zone 4: Hawk 5 comes back by himself
                seen << Status(w) << BoxName(w, 4);
                CtrlKey(w, Qt::Key_Z); // the turn and the return go back together
                seen << Status(w) << Newest(w, 3).join(QLatin1String(" | ")) << BoxName(w, 5);
                Timeout(w, Qt::Key_H);
                seen << Status(w);
                Timeout(w, Qt::Key_H);
                MsgBoxHook::setNextAnswer(QMessageBox::No);
                Timeout(w, Qt::Key_H); // a third: asked, and No is the default
                Timeout(w, Qt::Key_Escape); // cancelled
                seen << Status(w);
                CtrlKey(w, Qt::Key_Z);
                seen << Status(w) << Newest(w, 2).join(QLatin1String(" | "));
                court::Record(w, 5, Qt::Key_I); // out again on her own box
                seen << Status(w) << BoxName(w, 5);
                court::AltKey(w, Qt::Key_H);
                seen << Status(w);
                court::Record(w, 4, Qt::Key_K);
                court::AltKey(w, Qt::Key_H); // the point keeps the kill
                seen << Status(w);
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                court::AltKey(w, Qt::Key_N);
            },
        });
        clsMatch().StartNewMatch();
        QCOMPARE(seen, table::Section(QStringLiteral("courtside.txt"), QStringLiteral("liberoAndTimeoutsByKeys")));
        // Her box wears her own colour, the others the plain one.
        QCOMPARE(colours.value(0), PlayerBox::kLiberoShirt);
        QVERIFY(colours.value(1) != PlayerBox::kLiberoShirt && colours.value(1) != QColor(Qt::white));
        QCOMPARE(MsgBoxHook::prompts().value(0),
                 QStringLiteral("Harbour Hawks have taken 2 timeouts in this game. Record a third?"));
        QCOMPARE(MsgBoxHook::asked().value(0).defaultButton, QMessageBox::No);

        // A swap is no substitution; she has played the game; the log holds every swap and timeout.
        const QString game = seeded->app.scalar(QStringLiteral("SELECT GAMEID FROM GAME")).toString();
        QCOMPARE(seeded->app.count(QStringLiteral("RALLY WHERE KIND = 'SUB'")), 0);
        QCOMPARE(seeded->app.rows(QStringLiteral("SELECT COUNT(*) FROM PLAYED P JOIN PLAYER L ON L.PLAYERID = P.PLAYERID "
                                                 "WHERE L.PLAYERNAME IN ('Hawk 8', 'Owl 7')")),
                 (QList<QVariantList>{{1}}));
        QCOMPARE(seeded->app.count(QStringLiteral("RALLY WHERE KIND = 'LIBERO'")), 3);
        const Rally::Log log = RallyStore::GameLog(RecordId::fromText(game));
        QCOMPARE(Rally::TimeoutsTaken(log, Rally::kHome), 1);
        const std::vector<Rally::Point> points = Rally::StandingPoints(log);
        QCOMPARE(points.size(), size_t(2));
        QVERIFY(points[0].ended.isEmpty());
        QCOMPARE(points[1].ended, QStringLiteral("KILL"));
        QCOMPARE(points[1].endedBy, seeded->home[3]);
    }

    // A substitution leaves the libero and the player she stands in for where they are: the bench
    // shows him, not her, and neither can be moved there; everyone else can.
    void substitutionLeavesTheLiberoAlone()
    {
        QStringList seen;
        Windows({
            PickTeam(seeded->session.homeTeamId),
            PickTeam(seeded->session.awayTeamId),
            AltKeys({Qt::Key_3, Qt::Key_1, Qt::Key_L}, true),
            [](QWidget* w) {
                SixEachByKeys(w);
                court::AltKey(w, Qt::Key_L);
                QTest::keyClick(court::Focus(w), Qt::Key_Down); // Hawk 7
                court::AltKey(w, Qt::Key_A); // away serves first: zone 1 is free for her
                court::AltKey(w, Qt::Key_G);
            },
            [](QWidget* w) {
                court::Record(w, 1, Qt::Key_I); // in for Hawk 1
                QTest::keyClick(court::Focus(w), Qt::Key_G, Qt::AltModifier);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
            },
            [&](QWidget* w) {
                seen << Lines(w, QStringLiteral("lstTeam_0")).join(QLatin1Char(','))
                     << Lines(w, QStringLiteral("lstTeam_1")).join(QLatin1Char(','))
                     << QString::number(Child<QComboBox>(w, QStringLiteral("cboLibero_0"))->isEnabled());
                // Her, out by a substitution: refused.
                Steps({ChooseRow(QStringLiteral("lstTeam_1"), 0), Click(QStringLiteral("cmdHMoveBack"))})(w);
                // Hawk 2 out: done; the player she stands in for, in: refused; Hawk 8 in: done.
                Steps({ChooseRow(QStringLiteral("lstTeam_1"), 1), Click(QStringLiteral("cmdHMoveBack"))})(w);
                const int him = int(Lines(w, QStringLiteral("lstTeam_0")).indexOf(QStringLiteral("Hawk 1 #1")));
                Steps({ChooseRow(QStringLiteral("lstTeam_0"), him), Click(QStringLiteral("cmdHMoveStart"))})(w);
                const int other = int(Lines(w, QStringLiteral("lstTeam_0")).indexOf(QStringLiteral("Hawk 8 #8")));
                Steps({ChooseRow(QStringLiteral("lstTeam_0"), other), Click(QStringLiteral("cmdHMoveStart"))})(w);
                seen << Lines(w, QStringLiteral("lstTeam_1")).join(QLatin1Char(','));
                AltKeys({Qt::Key_G})(w);
            },
            [&](QWidget* w) {
                seen << BoxName(w, 1) << BoxName(w, 2);
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                court::AltKey(w, Qt::Key_N);
            },
        });
        clsMatch().StartNewMatch();
        QCOMPARE(seen, (QStringList{"Hawk 1 #1,Hawk 8 #8",
                                    "Hawk 7 #7,Hawk 2 #2,Hawk 3 #3,Hawk 4 #4,Hawk 5 #5,Hawk 6 #6",
                                    "0",
                                    "Hawk 7 #7,Hawk 8 #8,Hawk 3 #3,Hawk 4 #4,Hawk 5 #5,Hawk 6 #6",
                                    "Box 1: #7 Hawk 7, libero, selected",
                                    "Box 2: #8 Hawk 8"}));
        QCOMPARE(MsgBoxHook::prompts().mid(0, 2),
                 (QStringList{"The libero leaves the court by her own key on the court (I), not by a substitution.",
                              "This player is off for the libero and comes back by the libero's key on the court (I)."}));
        QCOMPARE(seeded->app.count(QStringLiteral("RALLY WHERE KIND = 'SUB'")), 1);
    }
};

SIDELINES_TEST(TestCourtside)
#include "tst_courtside.moc"
