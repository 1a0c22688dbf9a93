#include "ReportSeed.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include "reports/ReportEngine.h"
#include "reports/frmReportView.h"
#include "core/MsgBox.h"
#include "core/CProgressBar.h"
#include "core/mConstants.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using drive::choose;
using drive::click;
using drive::entries;
using drive::get;

// The wizard's pages, lists and checks, driven through the report command.
class TestReportWizard : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
    }

    void withoutMatchesSaysSoAndShowsNothing()
    {
        TestApp app;
        app.addTeam(QStringLiteral("Hawks"));
        clsReport().Start();
        QVERIFY(VisibleTopLevels().isEmpty());
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const auto asked = MsgBoxHook::asked().first();
        QCOMPARE(asked.prompt, QStringLiteral("You do not have any saved Matches"));
        QCOMPARE(asked.title, QStringLiteral("Matches"));
        QCOMPARE(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(asked.icon, QMessageBox::NoIcon);
        QCOMPARE(StatusText(), QString());
    }

    void firstPageAsItOpens()
    {
        TestApp app;
        seed::addSeason(app);
        QStringList captions;
        bool thruEnabled = true, secondEnabled = true, backEnabled = true, finishEnabled = true, nextEnabled = false;
        int pageShown = 0;
        QString title;
        drive::runWizard([&](QWidget* w) {
            title = w->windowTitle();
            pageShown = drive::page(w);
            captions << get<QLabel>(w, "Label1_0")->text() << get<QCheckBox>(w, "chkThru_0")->text()
                     << get<QPushButton>(w, "cmdCancel")->text() << get<QPushButton>(w, "cmdBack")->text()
                     << get<QPushButton>(w, "cmdNext")->text() << get<QPushButton>(w, "cmdFinish")->text();
            thruEnabled = get<QCheckBox>(w, "chkThru_0")->isEnabled();
            secondEnabled = get<QComboBox>(w, "cmbYear_1")->isEnabled();
            backEnabled = get<QPushButton>(w, "cmdBack")->isEnabled();
            nextEnabled = get<QPushButton>(w, "cmdNext")->isEnabled();
            finishEnabled = get<QPushButton>(w, "cmdFinish")->isEnabled();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QCOMPARE(title, QStringLiteral("Report"));
        QCOMPARE(pageShown, 1);
        QCOMPARE(captions, (QStringList{QStringLiteral("Please choose the Date(s) from which you would like to view the stats."),
                                        QStringLiteral("&Thru"), QStringLiteral("Cancel"), QStringLiteral("< Back"),
                                        QStringLiteral("Next >"), QStringLiteral("Finish")}));
        QVERIFY(thruEnabled);
        QVERIFY(!secondEnabled);
        QVERIFY(!backEnabled);
        QVERIFY(nextEnabled);
        QVERIFY(!finishEnabled);
        QVERIFY(!pubOK);
    }

    void dateLists_data()
    {
        QTest::addColumn<QStringList>("matchDays");  // MM/dd of matches in 2026
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<bool>("thruEnabled");
        QTest::newRow("one date, two matches that day")
            << QStringList{QStringLiteral("04/02"), QStringLiteral("04/02")} << QStringList{QStringLiteral("04/02/2026")}
            << QStringLiteral("04/02/2026") << QStringList{} << false;
        QTest::newRow("several dates, in calendar order")
            << QStringList{QStringLiteral("11/30"), QStringLiteral("02/01"), QStringLiteral("10/15")}
            << QStringList{QStringLiteral("02/01/2026"), QStringLiteral("10/15/2026"), QStringLiteral("11/30/2026"),
                           QStringLiteral("All Dates")}
            << QStringLiteral("All Dates")
            << QStringList{QStringLiteral("02/01/2026"), QStringLiteral("10/15/2026"), QStringLiteral("11/30/2026"),
                           QString()}
            << true;
    }

    void dateLists()
    {
        QFETCH(QStringList, matchDays);
        QFETCH(QStringList, first);
        QFETCH(QString, selected);
        QFETCH(QStringList, second);
        QFETCH(bool, thruEnabled);
        TestApp app;
        const RecordId a = app.addTeam(QStringLiteral("A"));
        const RecordId b = app.addTeam(QStringLiteral("B"));
        int hour = 9;
        for (const QString& day : matchDays) {
            const QStringList md = day.split(QLatin1Char('/'));
            seed::addMatch(seed::at(md[0].toInt(), md[1].toInt(), hour++, 0), a, b);
        }
        QStringList gotFirst, gotSecond;
        QString gotSelected;
        int secondIndex = 0;
        bool gotThru = !thruEnabled;
        drive::runWizard([&](QWidget* w) {
            gotFirst = entries(get<QComboBox>(w, "cmbYear_0"));
            gotSelected = get<QComboBox>(w, "cmbYear_0")->currentText();
            gotSecond = entries(get<QComboBox>(w, "cmbYear_1"));
            secondIndex = get<QComboBox>(w, "cmbYear_1")->currentIndex();
            gotThru = get<QCheckBox>(w, "chkThru_0")->isEnabled();
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(gotFirst, first);
        QCOMPARE(gotSelected, selected);
        QCOMPARE(gotSecond, second);
        QCOMPARE(secondIndex, -1);
        QCOMPARE(gotThru, thruEnabled);
    }

    void thruFollowsTheFirstDate()
    {
        TestApp app;
        seed::addSeason(app);
        QStringList prompts;
        bool checkedAfterAllDates = true, secondAfterAllDates = true, secondWithDate = false, secondUnchecked = true;
        drive::runWizard([&](QWidget* w) {
            auto* thru = get<QCheckBox>(w, "chkThru_0");
            auto* second = get<QComboBox>(w, "cmbYear_1");
            drive::toggle(thru);  // "All Dates" is showing
            prompts = MsgBoxHook::prompts();
            checkedAfterAllDates = thru->isChecked();
            secondAfterAllDates = second->isEnabled();
            QVERIFY(choose(get<QComboBox>(w, "cmbYear_0"), QStringLiteral("03/05/2026")));
            drive::toggle(thru);
            secondWithDate = second->isEnabled();
            drive::toggle(thru);
            secondUnchecked = second->isEnabled();
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(prompts, QStringList{QStringLiteral("You cannot have a second date if you choose All Dates")});
        QCOMPARE(MsgBoxHook::asked().first().icon, QMessageBox::NoIcon);
        QVERIFY(!checkedAfterAllDates);
        QVERIFY(!secondAfterAllDates);
        QVERIFY(secondWithDate);
        QVERIFY(!secondUnchecked);
    }

    void dateCheck_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");        // "-" leaves the second list as it is
        QTest::addColumn<QString>("firstAfterwards");  // chosen in the first list after Thru, or empty
        QTest::addColumn<int>("pageAfter");
        QTest::addColumn<QString>("message");
        QTest::newRow("same date twice") << "03/12/2026" << "03/12/2026" << QString() << 2 << QString();
        QTest::newRow("a range") << "03/05/2026" << "03/20/2026" << QString() << 2 << QString();
        QTest::newRow("second before first") << "03/12/2026" << "03/05/2026" << QString() << 1
                                             << "The second date must be greater than the first";
        QTest::newRow("no second date chosen") << "03/12/2026" << "-" << QString() << 1 << "Please choose the second date";
        QTest::newRow("the empty entry") << "03/12/2026" << "" << QString() << 1 << "Please choose the second date";
        QTest::newRow("All Dates chosen after Thru") << "03/05/2026" << "03/20/2026" << "All Dates" << 1
                                                     << "You cannot have a second date if you choose All Dates";
    }

    void dateCheck()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, firstAfterwards);
        QFETCH(int, pageAfter);
        QFETCH(QString, message);
        TestApp app;
        seed::addSeason(app);
        int pageSeen = 0;
        drive::runWizard([&](QWidget* w) {
            QVERIFY(choose(get<QComboBox>(w, "cmbYear_0"), first));
            drive::toggle(get<QCheckBox>(w, "chkThru_0"));
            if (second != QLatin1String("-"))
                QVERIFY(choose(get<QComboBox>(w, "cmbYear_1"), second));
            if (!firstAfterwards.isEmpty())
                QVERIFY(choose(get<QComboBox>(w, "cmbYear_0"), firstAfterwards));
            click(get<QPushButton>(w, "cmdNext"));
            pageSeen = drive::page(w);
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(pageSeen, pageAfter);
        QCOMPARE(MsgBoxHook::prompts(), message.isEmpty() ? QStringList{} : QStringList{message});
    }

    void matchList_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");  // empty: no range
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<QString>("selected");
        const QString m1 = seed::eaglesName() + QStringLiteral(" vs Hawks on 2026-03-05 18:00:00");
        const QString m2 = QStringLiteral("Hawks vs Vipers on 2026-03-12 19:00:00");
        const QString m3 = QStringLiteral("Vipers vs ") + seed::eaglesName() + QStringLiteral(" on 2026-03-20 18:30:00");
        QTest::newRow("all dates") << "All Dates" << QString() << QStringList{m1, m2, m3, QStringLiteral("All Matches")}
                                   << "All Matches";
        QTest::newRow("one date, one match") << "03/12/2026" << QString() << QStringList{m2} << m2;
        QTest::newRow("range, both ends included")
            << "03/05/2026" << "03/12/2026" << QStringList{m1, m2, QStringLiteral("All Matches")} << "All Matches";
        QTest::newRow("range of one day") << "03/20/2026" << "03/20/2026" << QStringList{m3} << m3;
    }

    void matchList()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, matches);
        QFETCH(QString, selected);
        TestApp app;
        seed::addSeason(app);
        QStringList got;
        QString gotSelected;
        QString status;
        drive::runWizard([&](QWidget* w) {
            QVERIFY(choose(get<QComboBox>(w, "cmbYear_0"), first));
            if (!second.isEmpty()) {
                drive::toggle(get<QCheckBox>(w, "chkThru_0"));
                QVERIFY(choose(get<QComboBox>(w, "cmbYear_1"), second));
            }
            click(get<QPushButton>(w, "cmdNext"));
            got = entries(get<QComboBox>(w, "cmbMatch"));
            gotSelected = get<QComboBox>(w, "cmbMatch")->currentText();
            status = StatusText();
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(got, matches);
        QCOMPARE(gotSelected, selected);
        QCOMPARE(status, QString());  // the status line is cleared once the list is filled
        QVERIFY(MsgBoxHook::prompts().isEmpty());
    }

    void gaugeIsSizedForEachList()
    {
        // Each list is filled under the gauge, sized to its rows, and left cleared.
        TestApp app;
        seed::addSeason(app);
        QList<int> maxima;
        QList<int> values;
        QStringList statuses;
        auto record = [&] {
            maxima << pubProgress().max();
            values << pubProgress().value();
            statuses << StatusText();
            pubProgress().setMax(999);
        };
        drive::runWizard([&](QWidget* w) {
            record();  // three match dates
            QVERIFY(choose(get<QComboBox>(w, "cmbYear_0"), QStringLiteral("03/12/2026")));
            click(get<QPushButton>(w, "cmdNext"));
            record();  // one game of the one match, and "All Games"
            click(get<QPushButton>(w, "cmdNext"));
            record();  // Hawks and Vipers
            click(get<QPushButton>(w, "cmdNext"));
            record();  // their five players
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(maxima, (QList<int>{3, 2, 2, 5}));
        QCOMPARE(values, (QList<int>{0, 0, 0, 0}));
        QCOMPARE(statuses, (QStringList{QString(), QString(), QString(), QString()}));
    }

    void matchEntriesNeverMixTeams()
    {
        // A deleted team must not shift the home names of later matches onto earlier ones; names
        // with " on " in them do not confuse the entry.
        TestApp app;
        const RecordId hold = app.addTeam(QStringLiteral("Hold on Tight"));
        const RecordId gone = app.addTeam(QStringLiteral("Gone"));
        const RecordId zed = app.addTeam(QStringLiteral("Zed"));
        seed::addMatch(seed::at(5, 1, 10, 0), gone, hold);
        seed::addMatch(seed::at(5, 1, 12, 0), zed, hold);
        seed::addMatch(seed::at(5, 2, 12, 0), hold, zed);
        Execute(QStringLiteral("DELETE FROM TEAM WHERE TEAMID = ?"), {Bind(gone)});
        QStringList got;
        QStringList teams;
        drive::runWizard([&](QWidget* w) {
            click(get<QPushButton>(w, "cmdNext"));
            got = entries(get<QComboBox>(w, "cmbMatch"));
            QVERIFY(choose(get<QComboBox>(w, "cmbMatch"), got.value(1)));
            click(get<QPushButton>(w, "cmdNext"));
            teams = entries(get<QComboBox>(w, "cmbTeam"));
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(got, (QStringList{QStringLiteral("Hold on Tight vs (deleted team) on 2026-05-01 10:00:00"),
                                   QStringLiteral("Hold on Tight vs Zed on 2026-05-01 12:00:00"),
                                   QStringLiteral("Zed vs Hold on Tight on 2026-05-02 12:00:00"),
                                   QStringLiteral("All Matches")}));
        // The second entry's own match, whatever its text holds.
        QCOMPARE(teams, (QStringList{QStringLiteral("All Teams"), QStringLiteral("Hold on Tight"), QStringLiteral("Zed")}));
    }

    void gamesList_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<bool>("allMatches");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{QStringLiteral("All Games"), QStringLiteral("Game 1"), QStringLiteral("Game 2"),
                              QStringLiteral("Game 3"), QStringLiteral("Game 4"), QStringLiteral("Game 5")};
        QTest::newRow("three games") << 3 << false << all.mid(0, 4);
        QTest::newRow("six games") << 6 << false << all;
        QTest::newRow("no game") << 0 << false << all.mid(0, 1);
        QTest::newRow("all matches, one game each") << 1 << true << all;
    }

    void gamesList()
    {
        QFETCH(int, games);
        QFETCH(bool, allMatches);
        QFETCH(QStringList, expected);
        TestApp app;
        const RecordId a = app.addTeam(QStringLiteral("A"));
        const RecordId b = app.addTeam(QStringLiteral("B"));
        const RecordId m = seed::addMatch(seed::at(6, 1, 10, 0), a, b);
        for (int g = 1; g <= games; ++g)
            seed::addGame(m, g);
        if (allMatches)
            seed::addGame(seed::addMatch(seed::at(6, 1, 15, 0), b, a), 1);
        QStringList got;
        QString selected;
        drive::runWizard([&](QWidget* w) {
            click(get<QPushButton>(w, "cmdNext"));
            got = entries(get<QComboBox>(w, "cmbGames"));
            selected = get<QComboBox>(w, "cmbGames")->currentText();
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(got, expected);
        QCOMPARE(selected, QStringLiteral("All Games"));
    }

    void changingTheMatchRebuildsTheGames()
    {
        TestApp app;
        const auto s = seed::addSeason(app);
        Q_UNUSED(s);
        QStringList forFirst, forAll;
        drive::runWizard([&](QWidget* w) {
            click(get<QPushButton>(w, "cmdNext"));
            auto* match = get<QComboBox>(w, "cmbMatch");
            QVERIFY(choose(match, match->itemText(0)));
            forFirst = entries(get<QComboBox>(w, "cmbGames"));
            QVERIFY(choose(match, QStringLiteral("All Matches")));
            forAll = entries(get<QComboBox>(w, "cmbGames"));
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(forFirst.size(), 4);  // the first match has three games
        QCOMPARE(forAll.size(), 6);
    }

    void teamAndPlayerLists_data()
    {
        QTest::addColumn<QString>("match");  // entry prefix, or "All Matches"
        QTest::addColumn<QString>("team");
        QTest::addColumn<QStringList>("teams");
        QTest::addColumn<QStringList>("players");
        QTest::newRow("all matches, all teams")
            << "All Matches" << "All Teams"
            << QStringList{QStringLiteral("All Teams"), QStringLiteral("Hawks"), seed::eaglesName(), QStringLiteral("Vipers")}
            << QStringList{QStringLiteral("All Players"), QStringLiteral("Ann"), QStringLiteral("Bea"), QStringLiteral("Cat"),
                           QStringLiteral("Dee"), QStringLiteral("Eve"), QStringLiteral("Fay"), QStringLiteral("Gus")};
        QTest::newRow("second match only") << "Hawks vs Vipers" << "All Teams"
                                           << QStringList{QStringLiteral("All Teams"), QStringLiteral("Hawks"), QStringLiteral("Vipers")}
                                           << QStringList{QStringLiteral("All Players"), QStringLiteral("Ann"), QStringLiteral("Bea"),
                                                          QStringLiteral("Cat"), QStringLiteral("Fay"), QStringLiteral("Gus")};
        QTest::newRow("one team with quotes in its name")
            << "All Matches" << seed::eaglesName()
            << QStringList{QStringLiteral("All Teams"), QStringLiteral("Hawks"), seed::eaglesName(), QStringLiteral("Vipers")}
            << QStringList{QStringLiteral("All Players"), QStringLiteral("Dee"), QStringLiteral("Eve")};
    }

    void teamAndPlayerLists()
    {
        QFETCH(QString, match);
        QFETCH(QString, team);
        QFETCH(QStringList, teams);
        QFETCH(QStringList, players);
        TestApp app;
        seed::addSeason(app);
        QStringList gotTeams, gotPlayers;
        QString teamSelected, playerSelected;
        drive::runWizard([&](QWidget* w) {
            click(get<QPushButton>(w, "cmdNext"));
            auto* matchList = get<QComboBox>(w, "cmbMatch");
            QString entry = match;
            for (const QString& e : entries(matchList))
                if (e.startsWith(match))
                    entry = e;
            QVERIFY(choose(matchList, entry));
            click(get<QPushButton>(w, "cmdNext"));
            gotTeams = entries(get<QComboBox>(w, "cmbTeam"));
            teamSelected = get<QComboBox>(w, "cmbTeam")->currentText();
            QVERIFY(choose(get<QComboBox>(w, "cmbTeam"), team));
            click(get<QPushButton>(w, "cmdNext"));
            gotPlayers = entries(get<QComboBox>(w, "cmbPlayer"));
            playerSelected = get<QComboBox>(w, "cmbPlayer")->currentText();
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(gotTeams, teams);
        QCOMPARE(teamSelected, QStringLiteral("All Teams"));
        QCOMPARE(gotPlayers, players);
        QCOMPARE(playerSelected, QStringLiteral("All Players"));
    }

    void playersOfOneNameAreToldApart()
    {
        TestApp app;
        const RecordId a = app.addTeam(QStringLiteral("Hawks"));
        const RecordId b = app.addTeam(QStringLiteral("Vipers"));
        app.addPlayer(a, QStringLiteral("Sam"), 1);
        app.addPlayer(b, QStringLiteral("Sam"), 2);
        app.addPlayer(b, QStringLiteral("Ola"), 3);
        seed::addMatch(seed::at(7, 1, 10, 0), a, b);
        QStringList players;
        drive::runWizard([&](QWidget* w) {
            click(get<QPushButton>(w, "cmdNext"));
            click(get<QPushButton>(w, "cmdNext"));
            click(get<QPushButton>(w, "cmdNext"));
            players = entries(get<QComboBox>(w, "cmbPlayer"));
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(players, (QStringList{QStringLiteral("All Players"), QStringLiteral("Ola"), QStringLiteral("Sam (Hawks)"),
                                       QStringLiteral("Sam (Vipers)")}));
    }

    void lastPageAndBackAgain()
    {
        TestApp app;
        seed::addSeason(app);
        QStringList orders, positions;
        QString orderSelected, orderAfter;
        int orderCountAfter = 0;
        bool nextOn4 = true, finishOn4 = false, nextAfterBack = false, finishAfterBack = true, sepInitially = false;
        bool sepAfterPosition = true, sepEnabledAfterPosition = false, sepAfterAll = true, sepEnabledAfterAll = false;
        QString playerAfter;
        QStringList pages;
        drive::runWizard([&](QWidget* w) {
            pages << QString::number(drive::page(w));
            for (int i = 0; i < 3; ++i) {
                click(get<QPushButton>(w, "cmdNext"));
                pages << QString::number(drive::page(w));
            }
            auto* position = get<QComboBox>(w, "cmbPosition");
            auto* sep = get<QCheckBox>(w, "chkShowPositionsSep");
            orders = entries(get<QComboBox>(w, "cmbOrder"));
            orderSelected = get<QComboBox>(w, "cmbOrder")->currentText();
            positions = entries(position);
            nextOn4 = get<QPushButton>(w, "cmdNext")->isEnabled();
            finishOn4 = get<QPushButton>(w, "cmdFinish")->isEnabled();
            sepInitially = sep->isEnabled();
            drive::toggle(sep);
            QVERIFY(sep->isChecked());
            QVERIFY(choose(position, QStringLiteral("Position 3")));
            sepAfterPosition = sep->isChecked();
            sepEnabledAfterPosition = sep->isEnabled();
            QVERIFY(choose(position, QStringLiteral("All Positions")));
            sepAfterAll = sep->isChecked();
            sepEnabledAfterAll = sep->isEnabled();
            QVERIFY(choose(get<QComboBox>(w, "cmbOrder"), QStringLiteral("By Digs")));
            QVERIFY(choose(get<QComboBox>(w, "cmbPlayer"), QStringLiteral("Cat")));
            click(get<QPushButton>(w, "cmdBack"));
            pages << QString::number(drive::page(w));
            nextAfterBack = get<QPushButton>(w, "cmdNext")->isEnabled();
            finishAfterBack = get<QPushButton>(w, "cmdFinish")->isEnabled();
            click(get<QPushButton>(w, "cmdNext"));
            pages << QString::number(drive::page(w));
            orderAfter = get<QComboBox>(w, "cmbOrder")->currentText();
            orderCountAfter = get<QComboBox>(w, "cmbOrder")->count();
            playerAfter = get<QComboBox>(w, "cmbPlayer")->currentText();
            click(get<QPushButton>(w, "cmdBack"));
            click(get<QPushButton>(w, "cmdBack"));
            click(get<QPushButton>(w, "cmdBack"));
            pages << QString::number(drive::page(w));
            QVERIFY(!get<QPushButton>(w, "cmdBack")->isEnabled());
            click(get<QPushButton>(w, "cmdCancel"));
        });
        QCOMPARE(pages, (QStringList{"1", "2", "3", "4", "3", "4", "1"}));
        QCOMPARE(orders, (QStringList{"By Teamname", "By Name", "By Percentage", "By Kills", "By Errors", "By Attempts",
                                      "By Digs", "By Service Aces", "By Service Errors", "By Receiving Errors",
                                      "By Solo Blocks", "By Block Assists", "By Block Errors", "By Set Assists"}));
        QCOMPARE(orderSelected, QStringLiteral("By Teamname"));
        QCOMPARE(positions, (QStringList{"All Positions", "Position 1", "Position 2", "Position 3", "Position 4",
                                         "Position 5", "Position 6"}));
        QVERIFY(!nextOn4);
        QVERIFY(finishOn4);
        QVERIFY(sepInitially);
        QVERIFY(!sepAfterPosition);
        QVERIFY(sepEnabledAfterPosition);
        QVERIFY(!sepAfterAll);
        QVERIFY(sepEnabledAfterAll);
        QVERIFY(nextAfterBack);
        QVERIFY(!finishAfterBack);
        QCOMPARE(orderAfter, QStringLiteral("By Teamname"));
        QCOMPARE(orderCountAfter, 14);
        QCOMPARE(playerAfter, QStringLiteral("All Players"));
    }

    void cancelLeavesTheReportTablesAlone_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("how");
        for (int p = 1; p <= 4; ++p) {
            QTest::addRow("Cancel on page %d", p) << p << "Cancel";
            QTest::addRow("Escape on page %d", p) << p << "Escape";
        }
        QTest::newRow("close box") << 4 << "close";
    }

    void cancelLeavesTheReportTablesAlone()
    {
        QFETCH(int, page);
        QFETCH(QString, how);
        TestApp app;
        seed::addSeason(app);
        Execute(QStringLiteral("INSERT INTO REPORT (TEAMNAME, PLAYERNAME, KILL) VALUES ('Old', 'Report', 9)"));
        Execute(QStringLiteral("INSERT INTO GAMECOUNT (PLAYERID, GAMESPLAYED) VALUES ('x', 4)"));
        bool closed = false;
        drive::runWizard([&](QWidget* w) {
            for (int p = 1; p < page; ++p)
                click(get<QPushButton>(w, "cmdNext"));
            if (how == QLatin1String("Cancel"))
                click(get<QPushButton>(w, "cmdCancel"));
            else if (how == QLatin1String("Escape"))
                QTest::keyClick(w, Qt::Key_Escape);
            else
                w->close();
            closed = !w->isVisible();
        });
        QVERIFY(closed);
        QVERIFY(!pubOK);
        QCOMPARE(app.rows(QStringLiteral("SELECT TEAMNAME, PLAYERNAME, KILL FROM REPORT")),
                 (QList<QVariantList>{{QStringLiteral("Old"), QStringLiteral("Report"), 9}}));
        QCOMPARE(app.count(QStringLiteral("GAMECOUNT")), 1);
        QVERIFY(VisibleTopLevels().isEmpty());  // no report window either
    }

    void enterWalksOnAndFinishes()
    {
        TestApp app;
        seed::addSeason(app);
        QStringList pages;
        drive::runWizard([&](QWidget* w) {
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(w, Qt::Key_Return);
                pages << QString::number(drive::page(w));
            }
            QTest::keyClick(w, Qt::Key_Return);
        });
        QCOMPARE(pages, (QStringList{"2", "3", "4"}));
        QVERIFY(pubOK);
        QVERIFY(VB_REPORT().LastWindow());
        QVERIFY(app.count(QStringLiteral("REPORT")) > 0);
        VB_REPORT().LastWindow()->close();
    }
};

SIDELINES_TEST(TestReportWizard)
#include "tst_wizard.moc"
