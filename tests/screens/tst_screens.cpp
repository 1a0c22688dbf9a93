#include "core/ScoutFixture.h"
#include "game/Court.h"
#include "match/frmGameOptions.h"
#include "match/frmImportScout.h"
#include "match/frmStarters.h"
#include "reports/ReportSeed.h"
#include "reports/clsReport.h"
#include "reports/frmReportView.h"
#include "support/Drive.h"
#include "support/ScreenFit.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QScreen>
#include <QScrollBar>

using namespace screenfit;

// The court screen, the line-up window, the report wizard and the report window on the screen of
// this run (each screen size runs as its own test): every control on the screen, no text cut.
class TestScreens : public QObject
{
    Q_OBJECT

    static QRect area() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static void Fits(const QStringList& faults) { QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; "))); }
    // With SIDELINES_SHOTS naming a folder, each window checked is also saved there as a picture,
    // for a person to look at.
    static void Shot(QWidget* window, const QString& name)
    {
        const QString folder = qEnvironmentVariable("SIDELINES_SHOTS");
        if (!folder.isEmpty())
            window->grab().save(QStringLiteral("%1/%2-%3x%4.png")
                                    .arg(folder, name)
                                    .arg(area().width())
                                    .arg(area().height()));
    }
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
        for (const char* w : {"court", "line-up", "substitution", "wizard", "report", "options", "scout import"})
            QTest::addRow("%s@%dx%d", w, area().width(), area().height()) << QString::fromLatin1(w);
    }
    void windowFits()
    {
        QFETCH(QString, window);
        if (window == QLatin1String("options")) {
            frmGameOptions options;
            options.show();
            QVERIFY(QTest::qWaitForWindowExposed(&options));
            Fits(Problems(&options, area()));
            Shot(&options, window);
        } else if (window == QLatin1String("court")) {
            court::Court c;
            // A long name on the selected box.
            c.screen->colHomePlayers[0]->setPlayerName(QStringLiteral("Maximiliana Konstantinopoulou-Vanderbilt"));
            c.screen->SetUpHome();
            QVERIFY(c.show());
            c.screen->game().PlayerOnClick(1);
            // With the longest status line: a point refused.
            for (int i = 0; i < 16; ++i)
                c.screen->cmdScore_Click(0);
            QVERIFY(c.status().contains(QStringLiteral("Points per Game")));
            Fits(Problems(c.screen.get(), area()));
            Shot(c.screen.get(), window);
            // The stat menu at the box of the bottom right, its ratings, and a menu of the bar.
            MenuFits(c.screen.get(), Qt::Key_F11);
            MenuFits(c.screen.get(), Qt::Key_P);
            QApplication::activePopupWidget()->close();
            QApplication::activePopupWidget()->close();
            MenuFits(c.screen.get(), Qt::Key_C, Qt::AltModifier);
            QApplication::activePopupWidget()->close();
        } else if (window == QLatin1String("wizard")) {
            // Every page; on the second, a match of two long-named teams, whose caption must show
            // whole with its date.
            TestApp app;
            seed::addSeason(app);
            const RecordId match = seed::addMatch(seed::at(12, 17, 18, 30), app.addTeam("Westfield Academy Eagles"),
                                                  app.addTeam("Harbour Hawks Volleyball"));
            seed::addGame(match, 1);
            QStringList faults;
            const auto fits = drive::Look([&](QWidget* w) { faults << Problems(w, area()); });
            drive::Windows({drive::Steps({fits, drive::Click("cmdNext"), drive::Look([](QWidget* w) {
                                              auto* list = Child<QComboBox>(w, "cmbMatch");
                                              list->setCurrentIndex(list->count() - 2);
                                          }),
                                          fits, drive::Click("cmdNext"), fits, drive::Click("cmdNext"), fits,
                                          drive::Key(Qt::Key_Escape)})});
            clsReport().Start();
            Fits(faults);
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
            Shot(&preview, window);
            QCOMPARE(Child<QListWidget>(&preview, QStringLiteral("lstHome"))->count(), 20);
            // A file cut short: the reason, whole.
            frmImportScout refused(QStringLiteral("cut.dvw"), scoutfixture::Join(scoutfixture::Lines().mid(0, 700)));
            refused.show();
            QVERIFY(QTest::qWaitForWindowExposed(&refused));
            Fits(Problems(&refused, area()));
            Shot(&refused, QStringLiteral("scout import refused"));
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
            Shot(&L, window);
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
            Shot(&view, window);
        }
    }
};

SIDELINES_TEST(TestScreens)
#include "tst_screens.moc"
