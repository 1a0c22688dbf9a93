#include "core/ScoutFixture.h"
#include "game/Court.h"
#include "match/frmImportScout.h"
#include "match/frmStarters.h"
#include "reports/frmReportView.h"
#include "support/Drive.h"
#include "support/ScreenFit.h"
#include "support/TestMain.h"

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
        for (const char* w : {"court", "line-up", "substitution", "report", "scout import"})
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
        } else if (window == QLatin1String("scout import")) {
            // Twenty players a side and a long team name, every one of them new.
            TestApp app;
            frmImportScout preview(QStringLiteral("/home/coach/Scouting/2015 Finals/example_data.dvw"),
                                   scoutfixture::Crowded(20, "Športno društvo Odbojkarski klub Braslovče Mladinke "
                                                             "in Kadetinje Savinjska regija"));
            QVERIFY2(preview.read().ok(), qPrintable(preview.read().refusal.text()));
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            Fits(Problems(&preview, area()));
            QCOMPARE(Child<QListWidget>(&preview, QStringLiteral("lstHome"))->count(), 20);
            // A file cut short: the reason, whole.
            frmImportScout refused(QStringLiteral("cut.dvw"), scoutfixture::Join(scoutfixture::Lines().mid(0, 700)));
            refused.show();
            QVERIFY(QTest::qWaitForWindowExposed(&refused));
            Fits(Problems(&refused, area()));
            QVERIFY(Child<QLabel>(&refused, QStringLiteral("lblProblem"))->text().contains(QStringLiteral("Line 700")));
        } else if (window != QLatin1String("report")) {
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
