#include "game/Court.h"
#include "match/frmStarters.h"
#include "match/frmRestore.h"
#include "reports/frmReportView.h"
#include "shell/frmClubServer.h"
#include "support/Drive.h"
#include "support/ScreenFit.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

using namespace screenfit;

// The court screen, the line-up window and the report window on the screen of this run (each
// screen size runs as its own test): every control on the screen, no text cut.
class TestScreens : public QObject
{
    Q_OBJECT

    static QRect area() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static void Fits(const QStringList& faults) { QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; "))); }
    // The menu that the key opens at the court, checked and closed.
    static void MenuFits(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : court::Focus(window),
                        key, modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        Fits(MenuProblems(menu, area()));
    }

private slots:
    void initTestCase() { court::Prepare(); }
    void cleanup() { drive::EndTest(); }

    void windowFits_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* w : {"court", "line-up", "substitution", "report", "club server", "restore"})
            QTest::addRow("%s@%dx%d", w, area().width(), area().height()) << QString::fromLatin1(w);
    }
    void windowFits()
    {
        QFETCH(QString, window);
        if (window == QLatin1String("court")) {
            court::Court c;
            QVERIFY(c.show());
            // With the longest status line: a point refused.
            c.get(QStringLiteral("lblScore_0"))->setText(QStringLiteral("15"));
            c.screen->cmdScore_Click(0);
            QVERIFY(c.status().contains(QStringLiteral("Points per Game")));
            Fits(Problems(c.screen.get(), area()));
            // The stat menu at the box of the bottom right, its ratings, and a menu of the bar.
            MenuFits(c.screen.get(), Qt::Key_F11);
            MenuFits(c.screen.get(), Qt::Key_P);
            QApplication::activePopupWidget()->close();
            QApplication::activePopupWidget()->close();
            MenuFits(c.screen.get(), Qt::Key_C, Qt::AltModifier);
            QApplication::activePopupWidget()->close();
        } else if (window == QLatin1String("line-up") || window == QLatin1String("substitution")) {
            // A whole club roster of fourteen, one with a long name.
            court::Seeded s;
            for (int i = 9; i <= 14; ++i) {
                s.app.addPlayer(s.session.homeTeamId,
                                i < 14 ? QStringLiteral("Hawk %1").arg(i)
                                       : QStringLiteral("Maximiliana Konstantinopoulou-Vanderbilt"),
                                i);
                s.app.addPlayer(s.session.awayTeamId, QStringLiteral("Owl %1").arg(i), 10 + i);
            }
            s.session.loadRosters();
            frmStarters L(s.session);
            L.SetupTheHomeTeam();
            L.SetupTheAwayTeam();
            const bool sub = window == QLatin1String("substitution");
            if (sub) {
                for (int i = 0; i < 6; ++i)
                    L.game().colHomePlayers << frmStarters::EntryPlayer(L.lstTeam(0)->item(13 - i));
                L.BeginSubstitution(L.game().colHomePlayers, {});
            }
            L.show();
            QVERIFY(QTest::qWaitForWindowExposed(&L));
            Fits(Problems(&L, area()));
            QCOMPARE(Child<QLabel>(&L, QStringLiteral("lblHeading"))->text().contains("substitution"), sub);
            // From a laptop's screen up, each roster shows whole without scrolling.
            for (int i : {0, 2})
                QVERIFY(area().height() < 768 || L.lstTeam(i)->verticalScrollBar()->maximum() == 0);
        } else if (window == QLatin1String("club server")) {
            // With the longest answer the Test button gives.
            frmClubServer club;
            Child<QLabel>(&club, QStringLiteral("lblTest"))
                ->setText(QStringLiteral("No connection: The club server at club.example.org could not prove that it is "
                                         "club.example.org: its certificate was made for another host, so Sidelines did "
                                         "not connect. (server certificate for \"gym.example.org\" does not match host "
                                         "name \"club.example.org\")"));
            club.show();
            QVERIFY(QTest::qWaitForWindowExposed(&club));
            Fits(Problems(&club, area()));
        } else if (window == QLatin1String("restore")) {
            // A season of the club server's matches, long names and the bench's name on each line.
            ArchiveStore::ArchivedMatch match;
            match.id = RecordId::fromText(QStringLiteral("2026-03-01 18:00:00"));
            match.homeName = QStringLiteral("Harbour Hawks Volleyball Club");
            match.awayName = QStringLiteral("Hillside Herons Volleyball Club");
            match.scores = {{25, 23}, {22, 25}, {25, 19}, {18, 25}, {15, 13}};
            std::vector<ClubStore::ServerMatch> club;
            for (int i = 0; i < 12; ++i)
                club.push_back({QStringLiteral("b%1").arg(i), QStringLiteral("Gym A, second court"), match});
            frmRestore restore({match}, nullptr, [club] { return club; });
            Child<QRadioButton>(&restore, QStringLiteral("optSource_1"))->setChecked(true);
            restore.show();
            QVERIFY(QTest::qWaitForWindowExposed(&restore));
            Fits(Problems(&restore, area()));
        } else {
            ReportLine line;
            line.team = QStringLiteral("Harbour Hawks");
            line.player = QStringLiteral("Hawk 1 #1");
            frmReportView view(MakeReportModel(ReportLayout::PositionsTogether, ReportHeading{}, {line}));
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            Fits(Problems(&view, area()));
        }
    }
};

SIDELINES_TEST(TestScreens)
#include "tst_screens.moc"
