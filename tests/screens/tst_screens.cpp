#include "core/ScoutFixture.h"
#include "game/Court.h"
#include "game/frmTimeout.h"
#include "match/frmGameOptions.h"
#include "match/frmImportScout.h"
#include "match/frmRestore.h"
#include "match/frmStarters.h"
#include "reports/ReportSeed.h"
#include "reports/clsReport.h"
#include "reports/frmReportView.h"
#include "shell/Texts.h"
#include "shell/frmClubServer.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "support/Access.h"
#include "support/Drive.h"
#include "support/ScreenFit.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>

using namespace screenfit;

// The court screen, the line-up window, the report wizard and the report window on the screen of
// this run (each screen size runs as its own test): every control on the screen, no text cut.
class TestScreens : public QObject
{
    Q_OBJECT

    static QRect area() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static qreal ratio() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }
    // The run's screen and language, for the names of the rows and pictures.
    static QString screenName()
    {
        QString name = QStringLiteral("%1x%2").arg(area().width()).arg(area().height());
        if (ratio() > 1)
            name += QStringLiteral("@%1x").arg(ratio());
        if (QLocale().language() != QLocale::English)
            name += QLatin1Char('-') + QLocale().name().left(2);
        return name;
    }
    // Every picture of the window is drawn for the pixel density of its screen, so that a dense
    // screen shows it sharp, not a small picture blown up.
    static QStringList Blurred(QWidget* window)
    {
        QStringList out;
        for (QLabel* l : window->findChildren<QLabel*>()) {
            const QPixmap p = l->pixmap();
            if (!p.isNull() && !qFuzzyCompare(p.devicePixelRatio(), window->devicePixelRatioF()))
                out << QStringLiteral("%1: picture drawn for a pixel ratio of %2 on a screen of %3")
                           .arg(l->objectName())
                           .arg(p.devicePixelRatio())
                           .arg(window->devicePixelRatioF());
        }
        return out;
    }
    static void Fits(const QStringList& faults) { QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; "))); }
    // With SIDELINES_SHOTS naming a folder, each window checked is also saved there as a picture,
    // for a person to look at.
    static void Shot(QWidget* window, const QString& name)
    {
        const QString folder = qEnvironmentVariable("SIDELINES_SHOTS");
        if (!folder.isEmpty())
            window->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, name, screenName()));
    }
    // The window shown on the run's screen: it fits, and its picture is saved.
    static void ShowFits(QWidget* window, const QString& name)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        Fits(Problems(window, area()));
        Shot(window, name);
    }
    // A caption's access key as a key to press.
    static Qt::Key Key(const QString& caption) { return Qt::Key(reachable::AccessKey(caption).unicode()); }
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
    void initTestCase()
    {
        court::Prepare();
        // In the language of the run, as the program would be.
        InstallTranslations(QStringLiteral(SIDELINES_QM_DIR));
    }
    void cleanup() { drive::EndTest(); }

    void windowFits_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* w : {"court", "court with libero", "timeout", "line-up", "substitution", "wizard", "report",
                              "options", "scout import", "club server", "restore"})
            QTest::addRow("%s@%s", w, qPrintable(screenName())) << QString::fromLatin1(w);
        // The report window again, with the team numbers and the score flows of a match.
        QTest::addRow("team numbers@%s", qPrintable(screenName())) << QStringLiteral("team numbers");
    }
    void windowFits()
    {
        QFETCH(QString, window);
        if (window == QLatin1String("options")) {
            frmGameOptions options;
            ShowFits(&options, window);
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
            QCOMPARE(c.status(),
                     QCoreApplication::translate("frmGame",
                                                 "Not counted: this game is played to %1, won by "
                                                 "two. \"Points per Game\" can be changed in "
                                                 "the match options.")
                         .arg(15));
            Fits(Problems(c.screen.get(), area()));
            Shot(c.screen.get(), window);
            // The stat menu at the box of the bottom right, its ratings, and a menu of the bar.
            // The keys as the run's language has them.
            MenuFits(c.screen.get(), Qt::Key_F11);
            MenuFits(c.screen.get(), Key(QCoreApplication::translate("StatKind", "&Pass")));
            QApplication::activePopupWidget()->close();
            QApplication::activePopupWidget()->close();
            MenuFits(c.screen.get(), Key(QCoreApplication::translate("frmGame", "&Choose Player")), Qt::AltModifier);
            QApplication::activePopupWidget()->close();
        } else if (window == QLatin1String("court with libero")) {
            // Both liberos named; home's comes in, and the entries strip fills with kills, each a
            // point and the turn of a side-out: three entries a rally.
            court::Seeded s;
            s.session.liberos = {s.home[7], s.away[7]};
            s.session.sideOutRotate = true;
            s.session.scoreFromAction = true;
            const auto owned = court::CourtScreen(s.session);
            frmGame& screen = *owned;
            screen.show();
            QApplication::setActiveWindow(&screen);
            QVERIFY(QTest::qWaitForWindowActive(&screen));
            const Qt::Key libero = Key(QCoreApplication::translate("frmGame", "L&ibero In"));
            const Qt::Key kill = Key(QCoreApplication::translate("StatKind", "&Kill"));
            for (int rally = 0; rally < 10; ++rally)
                QVERIFY(court::Record(&screen, rally % 2 ? 4 : 10, kill));
            QVERIFY(court::Record(&screen, 6, libero));
            // Another box selected, so that hers shows her shirt's colour.
            screen.game().PlayerOnClick(3);
            auto* strip = Child<QListWidget>(&screen, "lstLog");
            QVERIFY(Child<QLabel>(&screen, "lblPlayer_6")->accessibleName().contains(
                QCoreApplication::translate("PlayerBox", "%1, libero").arg(QString()).trimmed()));
            // As many entries as the height holds: at least eight on a laptop's screen.
            QVERIFY2(strip->count() >= (area().height() >= 700 ? 8 : 5), qPrintable(QString::number(strip->count())));
            Fits(Problems(&screen, area()));
            Shot(&screen, window);
            screen.bShowMessage = false;
            screen.close();
        } else if (window == QLatin1String("timeout")) {
            frmTimeout timeout(QStringLiteral("Harbour Hawks Volleyball Club"), QStringLiteral("Westfield Academy Eagles"));
            ShowFits(&timeout, window);
        } else if (window == QLatin1String("wizard")) {
            // Every page; on the second, a match of two long-named teams, whose caption must show
            // whole with its date.
            TestApp app;
            seed::addSeason(app);
            const RecordId match = seed::addMatch(seed::at(12, 17, 18, 30), app.addTeam("Westfield Academy Eagles"),
                                                  app.addTeam("Harbour Hawks Volleyball"));
            seed::addGame(match, 1);
            QStringList faults;
            int page = 0;
            const auto fits = drive::Look([&](QWidget* w) {
                faults << Problems(w, area());
                Shot(w, QStringLiteral("wizard-%1").arg(++page));
            });
            drive::Windows({drive::Steps({fits, drive::Click("cmdNext"), drive::Look([](QWidget* w) {
                                              auto* list = Child<QComboBox>(w, "cmbMatch");
                                              list->setCurrentIndex(list->count() - 2);
                                          }),
                                          fits, drive::Click("cmdNext"), fits, drive::Click("cmdNext"), fits,
                                          drive::Key(Qt::Key_Escape)})});
            clsReport().Start();
            Fits(faults);
        } else if (window == QLatin1String("team numbers")) {
            // A match of long-named teams, three games to 25 with their score flows and one game
            // recorded before the log; the window scrolled to the charts.
            ReportModel model;
            ReportChoices choices;
            std::vector<TeamNumbers::GameRecord> games;
            ReportStore::LineUpRoster players;
            Rally::Court court;
            for (int side = 0; side < 2; ++side)
                for (int z = 0; z < 6; ++z) {
                    const RecordId id(QDateTime(QDate(2026, 1, 1 + side), QTime(0, 0, z)));
                    court[size_t(side)][size_t(z)] = id;
                    players[id] = {10 * side + z + 1, QStringLiteral("Maximiliana Konstantinopoulou %1").arg(z)};
                }
            for (int number = 1; number <= 4; ++number) {
                TeamNumbers::GameRecord& g = games.emplace_back();
                g.match = RecordId(QDateTime(QDate(2026, 12, 17), QTime(18, 30)));
                g.number = number;
                g.teams = {RecordId(QDateTime(QDate(2020, 1, 1), QTime(0, 0))),
                           RecordId(QDateTime(QDate(2020, 1, 1), QTime(0, 1)))};
                g.names = {QStringLiteral("Harbour Hawks Volleyball"), QStringLiteral("Westfield Academy Eagles")};
                if (number == 4)
                    break;
                Rally::Book book;
                const QDateTime at(QDate(2026, 12, 17), QTime(19, 0));
                book.append(book.start(court, number % 2, at));
                for (int rally = 0; std::max(book.score(0), book.score(1)) < 25; ++rally) {
                    book.append(book.point((rally * 7 + number) % 11 < 5 ? 0 : 1, 1, true, at));
                    // A timeout of each side, marked on the charts and listed under them.
                    if (rally == 8 || rally == 20)
                        book.append(book.timeout(rally == 8 ? 1 : 0, at));
                }
                g.log = book.log();
                g.homeScore = book.score(0);
                g.awayScore = book.score(1);
            }
            model.rallies = MakeReportRallies(std::move(games), std::move(players), choices);
            frmReportView view(model);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            Fits(Problems(&view, area()));
            auto* preview = Child<QTextBrowser>(&view, "txtPreview");
            preview->verticalScrollBar()->setValue(preview->verticalScrollBar()->maximum());
            Shot(&view, QStringLiteral("team-numbers"));
        } else if (window == QLatin1String("scout import")) {
            // Twenty players a side and a long team name, every one of them new.
            TestApp app;
            frmImportScout preview(QStringLiteral("/home/coach/Scouting/2015 Finals/example_data.dvw"),
                                   scoutfixture::Crowded(20, "Športno društvo Odbojkarski klub Braslovče Mladinke "
                                                             "in Kadetinje Savinjska regija"));
            QVERIFY2(preview.read().ok(), qPrintable(preview.read().refusal.text()));
            ShowFits(&preview, window);
            QCOMPARE(Child<QListWidget>(&preview, QStringLiteral("lstHome"))->count(), 20);
            // A file cut short: the reason, whole.
            frmImportScout refused(QStringLiteral("cut.dvw"), scoutfixture::Join(scoutfixture::Lines().mid(0, 700)));
            ShowFits(&refused, QStringLiteral("scout import refused"));
            QVERIFY(Child<QLabel>(&refused, QStringLiteral("lblProblem"))->text().contains(QStringLiteral("700")));
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
            ShowFits(&L, window);
            QCOMPARE(Child<QLabel>(&L, QStringLiteral("lblHeading"))->text(),
                     sub ? QCoreApplication::translate("frmStarters",
                                                       "Game %1: substitution under way. One player out "
                                                       "with \"<\", one in with \">\".")
                               .arg(1)
                         : QCoreApplication::translate("frmStarters",
                                                       "Game %1: choose six starters for each team, in their order.")
                               .arg(1));
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
            ShowFits(&club, window);
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
            ShowFits(&restore, window);
        } else {
            ReportLine line;
            line.team = QStringLiteral("Harbour Hawks");
            line.player = QStringLiteral("Hawk 1 #1");
            frmReportView view(MakeReportModel(ReportLayout::PositionsTogether, ReportHeading{}, {line}));
            ShowFits(&view, window);
        }
    }

    // The windows with pictures: each drawn from its drawing at the screen's density.
    void picturesAtScreenDensity()
    {
        TestApp app;
        frmTip tip;
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        Fits(Blurred(&tip));
        Shot(&tip, QStringLiteral("tip"));
        frmMain main;
        QString error;
        QVERIFY2(main.Form_Load(app.dir(), &error), qPrintable(error));
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        Fits(Blurred(&main));
        Fits(Problems(&main, area()));
        Shot(&main, QStringLiteral("main"));
        main.hide();
        // The serve mark is painted from its drawing at whatever density it is shown.
        court::Court c;
        QVERIFY(c.show());
        QCOMPARE(c.screen->grab().devicePixelRatio(), ratio());
    }
};

SIDELINES_TEST(TestScreens)
#include "tst_screens.moc"
