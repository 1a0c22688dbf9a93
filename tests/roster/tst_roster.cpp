#include "core/CProgressBar.h"
#include "core/RosterStore.h"
#include "core/mConstants.h"
#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "support/Drive.h"
#include "support/TestMain.h"

#include <QPushButton>

using namespace drive;

Q_DECLARE_METATYPE(QList<drive::Step>)

namespace {
using Rows = QList<QVariantList>;

Rows Teams(const TestApp& app)
{
    return app.rows(QStringLiteral("SELECT TEAMID, TEAMNAME FROM TEAM ORDER BY TEAMID"));
}

Rows Players(const TestApp& app)
{
    return app.rows(QStringLiteral("SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER ORDER BY PLAYERID"));
}

// The six roster commands as the main window runs them.
enum Command { AddTeam, RenameTeam, DeleteTeam, AddPlayer, EditPlayer, DeletePlayer };

bool Run(int command)
{
    return RunCommand([command] {
        switch (command) {
        case AddTeam: clsTeam().MakeNewTeam(); break;
        case RenameTeam: clsTeam().Update(); break;
        case DeleteTeam: clsTeam().Delete(); break;
        case AddPlayer: clsPlayer().AddNewPlayer(); break;
        case EditPlayer: clsPlayer().Update(); break;
        default: clsPlayer().Delete(); break;
        }
    });
}

Step Ok()
{
    return Click(QStringLiteral("cmdOk"));
}

Step PickTeamRow(int row)
{
    return Steps({ChooseRow(QStringLiteral("lstTeams"), row), Ok()});
}

Step PickPlayerRow(int row)
{
    return Steps({ChooseRow(QStringLiteral("lstPlayers"), row), Ok()});
}

Step TypeTeam(const QString& name)
{
    return Steps({Type(QStringLiteral("txtTeamName"), name), Ok()});
}

Step TypePlayer(const QString& number, const QString& name)
{
    return Steps({Type(QStringLiteral("txtPlayerNumber"), number), Type(QStringLiteral("txtPlayerName"), name), Ok()});
}
} // namespace

class TestRoster : public QObject
{
    Q_OBJECT

    // Falcons (Ann 7, Bea 8) and Herons (Cy 9), stored in that order.
    struct Seeded
    {
        RecordId falcons, herons, ann, bea, cy;
    };
    static Seeded Seed(TestApp& app)
    {
        Seeded s;
        s.falcons = app.addTeam(QStringLiteral("Falcons"));
        s.herons = app.addTeam(QStringLiteral("Herons"));
        s.ann = app.addPlayer(s.falcons, QStringLiteral("Ann"), 7);
        s.bea = app.addPlayer(s.falcons, QStringLiteral("Bea"), 8);
        s.cy = app.addPlayer(s.herons, QStringLiteral("Cy"), 9);
        return s;
    }

private slots:
    void cleanup() { EndTest(); }

    // Each command stores exactly what was typed, for exactly the record that was chosen; names
    // are data whatever characters they hold.
    void commandsStoreWhatWasTyped_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QStringList>("teams");   // names after, in the order stored
        QTest::addColumn<QStringList>("players"); // "name number team" after
        const QStringList seededPlayers{QStringLiteral("Ann 7 Falcons"), QStringLiteral("Bea 8 Falcons"),
                                        QStringLiteral("Cy 9 Herons")};
        const QString hostile = QStringLiteral("O'Brien \"#1\"; DELETE FROM TEAM; -- Žan Иванова");
        QTest::newRow("add a team") << int(AddTeam) << QList<Step>{TypeTeam(hostile)}
                                    << QStringList{QStringLiteral("Falcons"), QStringLiteral("Herons"), hostile}
                                    << seededPlayers;
        QTest::newRow("add a team of blanks") << int(AddTeam) << QList<Step>{TypeTeam(QStringLiteral("   "))}
                                              << QStringList{QStringLiteral("Falcons"), QStringLiteral("Herons"),
                                                             QStringLiteral("   ")}
                                              << seededPlayers;
        QTest::newRow("rename the second team")
            << int(RenameTeam) << QList<Step>{PickTeamRow(1), TypeTeam(QStringLiteral("Owls"))}
            << QStringList{QStringLiteral("Falcons"), QStringLiteral("Owls")}
            << QStringList{QStringLiteral("Ann 7 Falcons"), QStringLiteral("Bea 8 Falcons"),
                           QStringLiteral("Cy 9 Owls")};
        QTest::newRow("delete a team with its players")
            << int(DeleteTeam) << QList<Step>{Answer(QMessageBox::Yes, PickTeamRow(0))}
            << QStringList{QStringLiteral("Herons")} << QStringList{QStringLiteral("Cy 9 Herons")};
        QTest::newRow("add three players, then Done")
            << int(AddPlayer)
            << QList<Step>{PickTeamRow(1), TypePlayer(QStringLiteral("1"), QStringLiteral("Di")),
                           TypePlayer(QStringLiteral("0"), hostile), TypePlayer(QStringLiteral("99"), QStringLiteral("Ed")),
                           Click(QStringLiteral("cmdCancel"))}
            << QStringList{QStringLiteral("Falcons"), QStringLiteral("Herons")}
            << seededPlayers + QStringList{QStringLiteral("Di 1 Herons"), hostile + QStringLiteral(" 0 Herons"),
                                           QStringLiteral("Ed 99 Herons")};
        QTest::newRow("edit the second player")
            << int(EditPlayer) << QList<Step>{PickTeamRow(0), PickPlayerRow(1), TypePlayer(QStringLiteral("12"), hostile)}
            << QStringList{QStringLiteral("Falcons"), QStringLiteral("Herons")}
            << QStringList{QStringLiteral("Ann 7 Falcons"), hostile + QStringLiteral(" 12 Falcons"),
                           QStringLiteral("Cy 9 Herons")};
        QTest::newRow("delete one player")
            << int(DeletePlayer) << QList<Step>{PickTeamRow(0), Answer(QMessageBox::Yes, PickPlayerRow(0))}
            << QStringList{QStringLiteral("Falcons"), QStringLiteral("Herons")}
            << QStringList{QStringLiteral("Bea 8 Falcons"), QStringLiteral("Cy 9 Herons")};
    }

    void commandsStoreWhatWasTyped()
    {
        QFETCH(int, command);
        QFETCH(QList<Step>, steps);
        QFETCH(QStringList, teams);
        QFETCH(QStringList, players);
        TestApp app;
        Seed(app);
        Windows(steps);
        QVERIFY(Run(command));
        QStringList teamNames;
        for (const QVariantList& t : app.rows(QStringLiteral("SELECT TEAMNAME FROM TEAM ORDER BY rowid")))
            teamNames << t[0].toString();
        QCOMPARE(teamNames, teams);
        QStringList playerLines;
        for (const QVariantList& p : app.rows(QStringLiteral("SELECT PLAYER.PLAYERNAME, PLAYER.PLAYERNUMBER, "
                                                             "TEAM.TEAMNAME FROM PLAYER JOIN TEAM USING (TEAMID) "
                                                             "ORDER BY PLAYER.rowid")))
            playerLines << QStringLiteral("%1 %2 %3").arg(p[0].toString(), p[1].toString(), p[2].toString());
        QCOMPARE(playerLines, players);
    }

    // Leaving any window of a command, or answering No, changes nothing and asks nothing more.
    void everyWayOutChangesNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<Step>>("steps");
        const Step cancel = Click(QStringLiteral("cmdCancel"));
        const Step escape = Key(Qt::Key_Escape);
        QTest::newRow("team add: Cancel") << int(AddTeam) << QList<Step>{Steps({Type(QStringLiteral("txtTeamName"),
                                                                                      QStringLiteral("X")),
                                                                                 cancel})};
        QTest::newRow("team add: close box") << int(AddTeam) << QList<Step>{CloseBox()};
        QTest::newRow("team rename: chooser Escape") << int(RenameTeam) << QList<Step>{escape};
        QTest::newRow("team rename: edit close box") << int(RenameTeam) << QList<Step>{PickTeamRow(0), CloseBox()};
        QTest::newRow("team delete: No") << int(DeleteTeam) << QList<Step>{Answer(QMessageBox::No, PickTeamRow(0))};
        QTest::newRow("player add: Done at once") << int(AddPlayer) << QList<Step>{PickTeamRow(0), cancel};
        QTest::newRow("player add: Escape with boxes filled")
            << int(AddPlayer)
            << QList<Step>{PickTeamRow(0), Steps({Type(QStringLiteral("txtPlayerNumber"), QStringLiteral("5")),
                                              Type(QStringLiteral("txtPlayerName"), QStringLiteral("Zed")), escape})};
        QTest::newRow("player edit: player chooser close box") << int(EditPlayer) << QList<Step>{PickTeamRow(0), CloseBox()};
        QTest::newRow("player delete: No")
            << int(DeletePlayer) << QList<Step>{PickTeamRow(0), Answer(QMessageBox::No, PickPlayerRow(1))};
    }

    void everyWayOutChangesNothing()
    {
        QFETCH(int, command);
        QFETCH(QList<Step>, steps);
        TestApp app;
        Seed(app);
        const Rows teams = Teams(app);
        const Rows players = Players(app);
        Windows(steps);
        QVERIFY(Run(command));
        QCOMPARE(Teams(app), teams);
        QCOMPARE(Players(app), players);
    }

    // The edit windows refuse what cannot be stored, say why, and keep the window open.
    void editWindowsRefuseEmptyBoxes_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::newRow("team name") << int(AddTeam) << QString() << QString()
                                   << QStringLiteral("Please fill in the Team Name.") << QStringLiteral("Team Name");
        QTest::newRow("player number") << int(AddPlayer) << QString() << QStringLiteral("Ann")
                                       << QStringLiteral("Please fill in the Player's Number.")
                                       << QStringLiteral("Player Number");
        QTest::newRow("player name") << int(AddPlayer) << QStringLiteral("7") << QString()
                                     << QStringLiteral("Please fill in the Player's Name.")
                                     << QStringLiteral("Player's Name");
    }

    void editWindowsRefuseEmptyBoxes()
    {
        QFETCH(int, command);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        TestApp app;
        Seed(app);
        bool stillOpen = false;
        const Step fill = command == AddTeam ? TypeTeam(name) : TypePlayer(number, name);
        const Step refused = Steps({fill, Look([&](QWidget* w) { stillOpen = w->isVisible(); }), CloseBox()});
        Windows(command == AddTeam ? QList<Step>{refused} : QList<Step>{PickTeamRow(0), refused});
        QVERIFY(Run(command));
        QVERIFY(stillOpen);
        QCOMPARE(MsgBoxHook::prompts(), QStringList{prompt});
        QCOMPARE(MsgBoxHook::asked().front().title, title);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 2);
        QCOMPARE(app.count(QStringLiteral("PLAYER")), 3);
    }

    // What cannot be stored as typed is refused with a reason, never cut or changed on the way:
    // shirt numbers 0 to 99 only, names without control characters. Pasted text counts too.
    void refusedUnlessStoredAsTyped_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prompt");
        const QString range = QStringLiteral("The Player's Number must be a whole number from 0 to 99.");
        const QString control = QStringLiteral("A name cannot hold tabs, line breaks or other control characters.");
        QTest::newRow("100") << int(AddPlayer) << QStringLiteral("100") << QStringLiteral("Ann") << range;
        QTest::newRow("-1") << int(AddPlayer) << QStringLiteral("-1") << QStringLiteral("Ann") << range;
        QTest::newRow("pasted 123456789") << int(AddPlayer) << QStringLiteral("123456789") << QStringLiteral("Ann") << range;
        QTest::newRow("1.5") << int(AddPlayer) << QStringLiteral("1.5") << QStringLiteral("Ann") << range;
        QTest::newRow("7a") << int(AddPlayer) << QStringLiteral("7a") << QStringLiteral("Ann") << range;
        QTest::newRow("tab in a player's name") << int(AddPlayer) << QStringLiteral("7") << QStringLiteral("Ann\tLee") << control;
        QTest::newRow("line break in a player's name") << int(AddPlayer) << QStringLiteral("7") << QStringLiteral("Ann\nLee") << control;
        QTest::newRow("text turned right to left") << int(AddPlayer) << QStringLiteral("7") << QStringLiteral("\u202Eenna") << control;
        QTest::newRow("tab in a team name") << int(AddTeam) << QString() << QStringLiteral("Fal\tcons") << control;
    }

    void refusedUnlessStoredAsTyped()
    {
        QFETCH(int, command);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, prompt);
        TestApp app;
        Seed(app);
        QString shown;
        auto paste = [](const QString& box, const QString& text) {
            return Look([box, text](QWidget* w) { Child<QLineEdit>(w, box)->setText(text); });
        };
        const Step typed = command == AddTeam
            ? Steps({paste(QStringLiteral("txtTeamName"), name), Ok(), CloseBox()})
            : Steps({paste(QStringLiteral("txtPlayerNumber"), number), paste(QStringLiteral("txtPlayerName"), name), Ok(),
                     Look([&](QWidget* w) { shown = Child<QLineEdit>(w, QStringLiteral("txtPlayerNumber"))->text(); }),
                     CloseBox()});
        Windows(command == AddTeam ? QList<Step>{typed} : QList<Step>{PickTeamRow(0), typed});
        QVERIFY(Run(command));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{prompt});
        if (command == AddPlayer)
            QCOMPARE(shown, number);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 2);
        QCOMPARE(app.count(QStringLiteral("PLAYER")), 3);
    }

    // The choosers: one line per record in stored order, each mapping back to its own record
    // whatever its name; the gauge sized to the rows and cleared after.
    void choosersListEveryRecord()
    {
        TestApp app;
        const RecordId first = app.addTeam(QStringLiteral("Twins"));
        const RecordId second = app.addTeam(QStringLiteral("Twins"));
        app.addPlayer(second, QStringLiteral("Ann"), 7);
        pubProgress().setMax(100);
        QStringList lines;
        int current = -1;
        Windows({Steps({Look([&](QWidget* w) {
                            lines = Lines(w, QStringLiteral("lstTeams"));
                            current = Child<QListWidget>(w, QStringLiteral("lstTeams"))->currentRow();
                        }),
                        ChooseRow(QStringLiteral("lstTeams"), 1), Ok()})});
        const std::optional<clsTeam> team = PickTeam(QStringLiteral("Please Choose the Home Team"));
        QVERIFY(team);
        QCOMPARE(team->TeamID(), second);
        QCOMPARE(lines, (QStringList{QStringLiteral("Twins\t\t\t\t\tTEAM ID: ") + first.text(),
                                     QStringLiteral("Twins\t\t\t\t\tTEAM ID: ") + second.text()}));
        QCOMPARE(current, 0);
        QCOMPARE(pubProgress().max(), 2);
        QCOMPARE(pubProgress().value(), 0);
        QCOMPARE(StatusText(), QString());

    }

    // Enter takes the preselected first team; a team without players says so and shows no list;
    // a double-click chooses its own line.
    void playerChooser()
    {
        TestApp app;
        app.addTeam(QStringLiteral("Empty"));
        const RecordId team = app.addTeam(QStringLiteral("Full"));
        app.addPlayer(team, QStringLiteral("Ann"), 7);
        const RecordId bea = app.addPlayer(team, QStringLiteral("Bea"), 8);
        Windows({Key(Qt::Key_Return)});
        QVERIFY(!PickPlayer(QStringLiteral("Teams")));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There are no Players on this team.")});
        QStringList lines;
        Windows({PickTeamRow(1), Look([&](QWidget* w) {
                     lines = Lines(w, QStringLiteral("lstPlayers"));
                     DoubleClick(Child<QListWidget>(w, QStringLiteral("lstPlayers")), 1);
                 })});
        const std::optional<clsPlayer> chosen = PickPlayer(QStringLiteral("Teams"));
        QVERIFY(chosen);
        QCOMPARE(chosen->PlayerID(), bea);
        QCOMPARE(chosen->PlayerNumber(), qint16(8));
        QCOMPARE(lines.value(1), QStringLiteral("Bea 8\t\t\t\t\t\t") + bea.text());
    }

    void okWithoutAChoiceAsks()
    {
        TestApp app;
        Seed(app);
        bool stillOpen = false;
        Windows({Steps({Look([](QWidget* w) { Child<QListWidget>(w, QStringLiteral("lstTeams"))->clearSelection(); }),
                        Ok(), Look([&](QWidget* w) { stillOpen = w->isVisible(); }), CloseBox()})});
        QVERIFY(!PickTeam(QStringLiteral("Teams")));
        QVERIFY(stillOpen);
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("Please Choose a Team Name.")});
    }

    // Without teams every command but adding a team says so once and shows no window.
    void withoutTeamsCommandsSaySoOnce_data()
    {
        QTest::addColumn<int>("command");
        for (int c : {RenameTeam, DeleteTeam, AddPlayer, EditPlayer, DeletePlayer})
            QTest::newRow(qPrintable(QString::number(c))) << c;
    }

    void withoutTeamsCommandsSaySoOnce()
    {
        QFETCH(int, command);
        TestApp app;
        QVERIFY(Run(command));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There are no teams loaded.")});
    }

    // Rows another tool stored with an identifier that is none, or another record's (as bytes: the key
    // refuses the text twice): choosing one names it, the chooser stays open, no record changes.
    void strayIdentifiersAreNamedNotActedOn_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QVariant>("id"); // %1: Falcons' or Ann's identifier
        QTest::addColumn<QString>("reason");
        const QString notADate = QStringLiteral("is not a date and time"), shared = QStringLiteral("2 records share");
        QTest::newRow("team: words") << int(DeleteTeam) << QVariant("abc") << notADate;
        QTest::newRow("team: blanks around another's") << int(DeleteTeam) << QVariant(" %1 ") << notADate;
        QTest::newRow("team: another's as bytes") << int(DeleteTeam) << QVariant(QByteArray("%1")) << shared;
        QTest::newRow("player: words") << int(EditPlayer) << QVariant("abc") << notADate;
        QTest::newRow("player: another team's player's as bytes")
            << int(DeletePlayer) << QVariant(QByteArray("%1")) << shared;
    }

    void strayIdentifiersAreNamedNotActedOn()
    {
        QFETCH(int, command);
        QFETCH(QVariant, id);
        QFETCH(QString, reason);
        TestApp app;
        const Seeded s = Seed(app);
        const bool team = command == DeleteTeam;
        const QString stray = QStringLiteral("Stray <i>%2</i>"), text = id.toString();
        const QString planted = text.contains(QLatin1String("%1")) ? text.arg((team ? s.falcons : s.ann).text()) : text;
        const QVariant value = id.typeId() == QMetaType::QByteArray ? QVariant(planted.toUtf8()) : QVariant(planted);
        if (team)
            Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"), {value, stray});
        else // on the second team, beside Cy
            Execute(QStringLiteral("INSERT INTO PLAYER VALUES (?, ?, ?, 5)"), {value, Bind(s.herons), stray});
        const Rows teams = Teams(app), players = Players(app);
        bool stillOpen = false;
        // Yes to a delete question, should one be asked.
        const Step refused
            = Answer(QMessageBox::Yes, Steps({ChooseRow(team ? "lstTeams" : "lstPlayers", team ? 2 : 1), Ok(),
                                              Look([&](QWidget* w) { stillOpen = w->isVisible(); }), CloseBox()}));
        Windows(team ? QList<Step>{refused} : QList<Step>{PickTeamRow(1), refused});
        QVERIFY(Run(command));
        QCOMPARE(Teams(app), teams);
        QCOMPARE(Players(app), players);
        QVERIFY(stillOpen);
        QCOMPARE(MsgBoxHook::prompts().size(), 1);
        for (const QString& part : {stray, planted, reason})
            QVERIFY2(MsgBoxHook::prompts()[0].contains(part), qPrintable(MsgBoxHook::prompts()[0]));
    }

    // A statement the engine refuses is reported with its message, and nothing half-done stays.
    void refusedStatementChangesNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("when");
        QTest::addColumn<QList<Step>>("steps");
        QTest::newRow("team add") << int(AddTeam) << QStringLiteral("INSERT ON TEAM")
                                  << QList<Step>{TypeTeam(QStringLiteral("New"))};
        QTest::newRow("team rename") << int(RenameTeam) << QStringLiteral("UPDATE ON TEAM")
                                     << QList<Step>{PickTeamRow(0), TypeTeam(QStringLiteral("Renamed"))};
        // The players go in the second statement: the team must come back with them.
        QTest::newRow("team delete") << int(DeleteTeam) << QStringLiteral("DELETE ON PLAYER")
                                     << QList<Step>{Answer(QMessageBox::Yes, PickTeamRow(0))};
        QTest::newRow("player add") << int(AddPlayer) << QStringLiteral("INSERT ON PLAYER")
                                    << QList<Step>{PickTeamRow(0), TypePlayer(QStringLiteral("3"), QStringLiteral("Zed"))};
        QTest::newRow("player edit") << int(EditPlayer) << QStringLiteral("UPDATE ON PLAYER")
                                     << QList<Step>{PickTeamRow(0), PickPlayerRow(0),
                                                    TypePlayer(QStringLiteral("8"), QStringLiteral("Anna"))};
    }

    void refusedStatementChangesNothing()
    {
        QFETCH(int, command);
        QFETCH(QString, when);
        QFETCH(QList<Step>, steps);
        TestApp app;
        Seed(app);
        const Rows teams = Teams(app);
        const Rows players = Players(app);
        Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 BEGIN SELECT RAISE(ABORT, 'disk says no'); END")
                    .arg(when));
        Windows(steps);
        QVERIFY(!Run(command));
        QCOMPARE(MsgBoxHook::prompts().last(), QStringLiteral("disk says no"));
        QCOMPARE(Teams(app), teams);
        QCOMPARE(Players(app), players);
    }
};

SIDELINES_TEST(TestRoster)
#include "tst_roster.moc"
