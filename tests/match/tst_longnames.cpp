#include "game/Court.h"
#include "match/clsMatch.h"
#include "match/frmStarters.h"
#include "storage/RosterStore.h"
#include "support/Drive.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// Names far longer than anyone types (an old database, another program's file, the club server)
// never push a window off the screen or a question past it: the line-up window keeps its buttons
// in reach, and the questions that name a team shorten it.
class TestLongNames : public QObject
{
    Q_OBJECT

    std::unique_ptr<court::Seeded> seeded;
    const QString longTeam = QStringLiteral("Harbour ") + QString(10000, QLatin1Char('W')) + QStringLiteral(" Hawks");

private slots:
    void initTestCase() { court::Prepare(); }
    void init()
    {
        seeded = std::make_unique<court::Seeded>();
        RosterStore::RenameTeam(seeded->session.homeTeamId, longTeam);
        QVERIFY(!RosterStore::UpdatePlayer(
            {seeded->home[0], seeded->session.homeTeamId, QString(200, QLatin1Char('M')), 1}));
        seeded->session.loadRosters();
    }
    void cleanup()
    {
        drive::EndTest();
        seeded.reset();
    }

    void lineUpWindowStaysOnTheScreen()
    {
        frmStarters lineUp(seeded->session);
        lineUp.SetupTheHomeTeam();
        lineUp.SetupTheAwayTeam();
        lineUp.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lineUp));
        const QRect screen = lineUp.screen()->availableGeometry();
        QVERIFY2(screen.contains(lineUp.frameGeometry()),
                 qPrintable(QStringLiteral("window at %1,%2 %3x%4")
                                .arg(lineUp.frameGeometry().x())
                                .arg(lineUp.frameGeometry().y())
                                .arg(lineUp.frameGeometry().width())
                                .arg(lineUp.frameGeometry().height())));
        auto* go = Child<QPushButton>(&lineUp, QStringLiteral("cmdGame"));
        QVERIFY(go->isVisible());
        QVERIFY(lineUp.rect().contains(QRect(go->mapTo(&lineUp, QPoint(0, 0)), go->size())));
        // The name is shortened in its middle to the label's width; both ends stay readable.
        auto* name = Child<QLabel>(&lineUp, QStringLiteral("lblHomeTeam"));
        QVERIFY(name->text().startsWith(QStringLiteral("Harbour ")));
        QVERIFY(name->text().endsWith(QStringLiteral(" Hawks")));
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->width());
    }

    // The question at start after a stop names the match by its teams, shortened.
    void questionsNameATeamShortened()
    {
        MatchStore::AddMatch(NewRecordId(RecordKind::Match), seeded->session.homeTeamId,
                             seeded->session.awayTeamId, NewRecordId(RecordKind::Game), 1, MatchStore::MatchOptions{});
        MsgBoxHook::setNextAnswer(QMessageBox::No);
        QVERIFY(!clsMatch::OfferToContinueAfterStop());
        const QStringList asked = MsgBoxHook::prompts();
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].size() < 250, qPrintable(asked[0].left(300)));
        QVERIFY(asked[0].contains(QStringLiteral("Harbour WWW")));
        QVERIFY(asked[0].contains(QStringLiteral("WWW Hawks vs Owls d'Or, game 1, 0\u20130")));
    }
};

SIDELINES_TEST(TestLongNames)
#include "tst_longnames.moc"
