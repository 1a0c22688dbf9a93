#include "widgets/CProgressBar.h"
#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "support/Drive.h"
#include "support/TestMain.h"
#include "storage/RecordIssue.h"

#include <QSqlQuery>
#include <chrono>
#include <future>
#include <thread>

using namespace drive;

Q_DECLARE_METATYPE(QList<drive::Step>)

namespace {
// The six roster commands as the main window runs them.
enum Command { AddTeam, RenameTeam, DeleteTeam, AddPlayer, EditPlayer, DeletePlayer };

bool Run(int command)
{
    static const std::function<void()> kCommands[] = {
        [] { clsTeam().MakeNewTeam(); }, [] { clsTeam().Update(); },     [] { clsTeam().Delete(); },
        [] { clsPlayer().AddNewPlayer(); }, [] { clsPlayer().Update(); }, [] { clsPlayer().Delete(); }};
    return RunCommand(kCommands[command]);
}

// Every team and player row, identifiers included.
QList<QVariantList> Stored(const TestApp& app)
{
    return app.rows(QStringLiteral("SELECT TEAMID, TEAMNAME, NULL, NULL FROM TEAM UNION ALL "
                                   "SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER ORDER BY 1, 2"));
}

Step Ok() { return Click(QStringLiteral("cmdOk")); }
Step PickTeamRow(int row) { return Steps({ChooseRow(QStringLiteral("lstTeams"), row), Ok()}); }
Step PickPlayerRow(int row) { return Steps({ChooseRow(QStringLiteral("lstPlayers"), row), Ok()}); }
Step TypeTeam(const QString& name) { return Steps({Type(QStringLiteral("txtTeamName"), name), Ok()}); }
Step TypePlayer(const QString& number, const QString& name)
{
    return Steps({Type(QStringLiteral("txtPlayerNumber"), number), Type(QStringLiteral("txtPlayerName"), name), Ok()});
}
// Sets a box's text at once, as a paste does.
Step Paste(const QString& box, const QString& text)
{
    return Look([=](QWidget* w) { Child<QLineEdit>(w, box)->setText(text); });
}
// Runs fill, presses OK, notes whether the window stayed open and closes it.
bool g_stillOpen = false;
Step Refused(const Step& fill)
{
    return Steps({fill, Ok(), Look([](QWidget* w) { g_stillOpen = w->isVisible(); }), CloseBox()});
}
} // namespace

class TestRoster : public QObject
{
    Q_OBJECT

    // Falcons (Ann 7, Bea 8) and Herons (Cy 9), stored in that order.
    struct Seeded { RecordId falcons, herons, ann; };
    static Seeded Seed(TestApp& app)
    {
        Seeded s{app.addTeam(QStringLiteral("Falcons")), app.addTeam(QStringLiteral("Herons")), {}};
        s.ann = app.addPlayer(s.falcons, QStringLiteral("Ann"), 7);
        app.addPlayer(s.falcons, QStringLiteral("Bea"), 8);
        app.addPlayer(s.herons, QStringLiteral("Cy"), 9);
        return s;
    }

private slots:
    void cleanup() { EndTest(); }

    // Each command stores exactly what was typed, for exactly the record that was chosen; names
    // are data whatever characters they hold. Leaving any window, or answering No, changes
    // nothing; so does a statement the engine refuses (refuse: the trigger's event), which is
    // reported with its message and leaves nothing half-done.
    void commandsStoreWhatWasTyped_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QString>("teams");   // names after, in the order stored
        QTest::addColumn<QString>("players"); // "name number team" after
        QTest::addColumn<QString>("refuse");
        const QString t = "Falcons|Herons", p = "Ann 7 Falcons|Bea 8 Falcons|Cy 9 Herons";
        const QString h = QStringLiteral("O'Brien \"#1\"; DELETE FROM TEAM; -- Žan Иванова");
        const Step cancel = Click(QStringLiteral("cmdCancel")), escape = Key(Qt::Key_Escape);
        const Step yes = Answer(QMessageBox::Yes, PickTeamRow(0)), no = Answer(QMessageBox::No, PickTeamRow(0));
        const std::tuple<const char*, int, QList<Step>, QString, QString, QString> rows[]{
            {"add a team", AddTeam, {TypeTeam(h)}, t + "|" + h, p, ""},
            // White space at a name's ends goes, as it does in an imported file; inside, it stays.
            {"add a team with blanks around and within", AddTeam,
             {Steps({Paste("txtTeamName", "  Red   Owls \u3000"), Ok()})}, t + "|Red   Owls", p, ""},
            {"add a team of the longest name", AddTeam, {TypeTeam(QString(60, 'W'))}, t + "|" + QString(60, 'W'), p, ""},
            {"rename the second team", RenameTeam, {PickTeamRow(1), TypeTeam("Owls")}, "Falcons|Owls",
             "Ann 7 Falcons|Bea 8 Falcons|Cy 9 Owls", ""},
            {"delete a team with its players", DeleteTeam, {yes}, "Herons", "Cy 9 Herons", ""},
            {"add three players, then Done", AddPlayer,
             {PickTeamRow(1), TypePlayer("1", "Di"), TypePlayer("0", h), TypePlayer("99", "Ed"), cancel}, t,
             p + "|Di 1 Herons|" + h + " 0 Herons|Ed 99 Herons", ""},
            {"edit the second player", EditPlayer, {PickTeamRow(0), PickPlayerRow(1), TypePlayer("12", h)}, t,
             "Ann 7 Falcons|" + h + " 12 Falcons|Cy 9 Herons", ""},
            {"player named with blanks around and within", EditPlayer,
             {PickTeamRow(0), PickPlayerRow(0), Steps({Paste("txtPlayerName", " Ann  Lee\u00A0"), Ok()})}, t,
             "Ann  Lee 7 Falcons|Bea 8 Falcons|Cy 9 Herons", ""},
            {"delete one player", DeletePlayer, {PickTeamRow(0), Answer(QMessageBox::Yes, PickPlayerRow(0))}, t,
             "Bea 8 Falcons|Cy 9 Herons", ""},
            // Every way out.
            {"team add: Cancel", AddTeam, {Steps({Type("txtTeamName", "X"), cancel})}, t, p, ""},
            {"team rename: chooser Escape", RenameTeam, {escape}, t, p, ""},
            {"team rename: edit close box", RenameTeam, {PickTeamRow(0), CloseBox()}, t, p, ""},
            {"team delete: No", DeleteTeam, {no}, t, p, ""},
            {"player add: Escape with boxes filled", AddPlayer,
             {PickTeamRow(0), Steps({Type("txtPlayerNumber", "5"), Type("txtPlayerName", "Zed"), escape})}, t, p, ""},
            {"player edit: player chooser close box", EditPlayer, {PickTeamRow(0), CloseBox()}, t, p, ""},
            {"player delete: No", DeletePlayer, {PickTeamRow(0), Answer(QMessageBox::No, PickPlayerRow(1))}, t, p, ""},
            // Refused statements; a team's players go in its delete's second one: the team must come back.
            {"refused team add", AddTeam, {TypeTeam("New")}, t, p, "INSERT ON TEAM"},
            {"refused team rename", RenameTeam, {PickTeamRow(0), TypeTeam("Renamed")}, t, p, "UPDATE ON TEAM"},
            {"refused team delete", DeleteTeam, {yes}, t, p, "DELETE ON PLAYER"},
            {"refused player add", AddPlayer, {PickTeamRow(0), TypePlayer("3", "Zed")}, t, p, "INSERT ON PLAYER"},
            {"refused player edit", EditPlayer, {PickTeamRow(0), PickPlayerRow(0), TypePlayer("8", "Anna")}, t, p,
             "UPDATE ON PLAYER"}};
        for (const auto& [name, command, steps, teams, players, refuse] : rows)
            QTest::newRow(name) << command << steps << teams << players << refuse;
    }

    void commandsStoreWhatWasTyped()
    {
        QFETCH(int, command);
        QFETCH(QList<Step>, steps);
        QFETCH(QString, teams);
        QFETCH(QString, players);
        QFETCH(QString, refuse);
        TestApp app;
        Seed(app);
        if (!refuse.isEmpty())
            Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 BEGIN SELECT RAISE(ABORT, 'disk says no'); END")
                        .arg(refuse));
        Windows(steps);
        QCOMPARE(Run(command), refuse.isEmpty());
        QCOMPARE(app.scalar("SELECT group_concat(TEAMNAME, '|') FROM (SELECT * FROM TEAM ORDER BY rowid)").toString(),
                 teams);
        QCOMPARE(app.scalar("SELECT group_concat(P.PLAYERNAME || ' ' || P.PLAYERNUMBER || ' ' || IFNULL(T.TEAMNAME, "
                            "'none'), '|') FROM (SELECT * FROM PLAYER ORDER BY rowid) P LEFT JOIN TEAM T "
                            "USING (TEAMID)")
                     .toString(),
                 players);
        if (!refuse.isEmpty())
            QCOMPARE(MsgBoxHook::prompts().last(), QStringLiteral("disk says no"));
    }

    // What cannot be stored as typed is refused with a reason, never cut or changed on the way,
    // and the window stays open: empty boxes (or names of white space only), shirt numbers outside 0 to 99, names holding control
    // characters (pasted text counts too), a chooser with nothing chosen. So is a row another tool
    // stored with an identifier that is none, or another record's (as bytes: the key refuses the
    // text twice): choosing it names it and acts on nothing.
    void refusedWithAReason_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QString>("prompt"); // or the parts ('|') it holds; %1: the stray identifier
        QTest::addColumn<QVariant>("stray"); // planted; %1: Falcons' or Ann's identifier
        const QVariant noStray;
        const QString range = "The Player's Number must be a whole number from 0 to 99.";
        const QString control = "A name cannot hold tabs, line breaks or other control characters.";
        const auto team = [](const QString& name) { return QList<Step>{Refused(Paste("txtTeamName", name))}; };
        const auto player = [](const QString& number, const QString& name) {
            return QList<Step>{PickTeamRow(0),
                               Refused(Steps({Paste("txtPlayerNumber", number), Paste("txtPlayerName", name)}))};
        };
        QTest::newRow("no team name") << int(AddTeam) << team("") << "Please fill in the Team Name." << noStray;
        QTest::newRow("tab in a team name") << int(AddTeam) << team("Fal\tcons") << control << noStray;
        QTest::newRow("no number") << int(AddPlayer) << player("", "Ann") << "fill in the Player's Number." << noStray;
        QTest::newRow("no player name") << int(AddPlayer) << player("7", "") << "fill in the Player's Name." << noStray;
        // A name of white space alone is no name, whichever kind of blank it is made of.
        for (const char* blank : {" ", "   ", "\t", " \t ", "\u00A0\u3000"}) {
            const QString shown = QString::fromUtf8(blank).toUtf8().toPercentEncoding();
            QTest::addRow("team name %s", qPrintable(shown)) << int(AddTeam) << team(QString::fromUtf8(blank))
                                                            << "Please fill in the Team Name." << noStray;
            QTest::addRow("player name %s", qPrintable(shown))
                << int(AddPlayer) << player("7", QString::fromUtf8(blank)) << "fill in the Player's Name." << noStray;
        }
        for (const char* number : {"100", "-1", "123456789", "1.5", "7a"})
            QTest::newRow(number) << int(AddPlayer) << player(number, "Ann") << range << noStray;
        QTest::newRow("tab in a player's name") << int(AddPlayer) << player("7", "Ann\tLee") << control << noStray;
        QTest::newRow("text turned right to left") << int(AddPlayer) << player("7", "\u202Eenna") << control << noStray;
        // As long as a court box, a heading and a printed line can show, and not one character more.
        const QString tooLong = "at most 60 characters long; this one has 61.";
        QTest::newRow("team name too long") << int(AddTeam) << team(QString(61, 'W')) << tooLong << noStray;
        QTest::newRow("player name too long") << int(AddPlayer) << player("7", " " + QString(61, 'W') + " ") << tooLong << noStray;
        QTest::newRow("no team chosen")
            << int(RenameTeam)
            << QList<Step>{Refused(Look([](QWidget* w) { Child<QListWidget>(w, "lstTeams")->clearSelection(); }))}
            << "Please Choose a Team Name." << noStray;
        // Yes to a delete question, should one be asked.
        const QList<Step> strayTeam{Answer(QMessageBox::Yes, Refused(ChooseRow("lstTeams", 2)))};
        const QList<Step> strayPlayer{PickTeamRow(1), Answer(QMessageBox::Yes, Refused(ChooseRow("lstPlayers", 1)))};
        const QString notADate = "Stray <i>%2</i>|%1|is not a date and time";
        const QString shared = "Stray <i>%2</i>|%1|2 records share";
        const QVariant another = QByteArray("%1");
        QTest::newRow("stray team: words") << int(DeleteTeam) << strayTeam << notADate << QVariant("abc");
        QTest::newRow("stray team: blanks around another's")
            << int(DeleteTeam) << strayTeam << notADate << QVariant(" %1 ");
        QTest::newRow("stray team: another's as bytes") << int(DeleteTeam) << strayTeam << shared << another;
        QTest::newRow("stray player: words") << int(EditPlayer) << strayPlayer << notADate << QVariant("abc");
        QTest::newRow("stray player: another team's player's as bytes")
            << int(DeletePlayer) << strayPlayer << shared << another;
    }

    void refusedWithAReason()
    {
        QFETCH(int, command);
        QFETCH(QList<Step>, steps);
        QFETCH(QString, prompt);
        QFETCH(QVariant, stray);
        TestApp app;
        const Seeded s = Seed(app);
        const bool team = command == DeleteTeam;
        const QString planted = stray.toString().replace("%1", (team ? s.falcons : s.ann).text());
        const QVariant id = stray.typeId() == QMetaType::QByteArray ? QVariant(planted.toUtf8()) : QVariant(planted);
        if (stray.isValid() && team)
            Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, 'Stray <i>%2</i>')"), {id});
        else if (stray.isValid()) // on the second team, beside Cy
            Execute(QStringLiteral("INSERT INTO PLAYER VALUES (?, ?, 'Stray <i>%2</i>', 5)"), {id, Bind(s.herons)});
        const QList<QVariantList> before = Stored(app);
        g_stillOpen = false;
        Windows(steps);
        QVERIFY(Run(command));
        QVERIFY(g_stillOpen);
        QCOMPARE(Stored(app), before);
        QCOMPARE(MsgBoxHook::prompts().size(), 1);
        const QString shown = MsgBoxHook::prompts()[0];
        for (const QString& part : prompt.split(QLatin1Char('|')))
            QVERIFY2(shown.contains(QString(part).replace("%1", planted)), qPrintable(shown));
    }

    // The choosers: one line per record in stored order, each mapping back to its own record
    // whatever its name; the gauge sized to the rows and cleared after. Enter takes the
    // preselected first team; a team without players says so; a double-click chooses its line.
    void choosersListEveryRecord()
    {
        TestApp app;
        const RecordId first = app.addTeam(QStringLiteral("Twins")), second = app.addTeam(QStringLiteral("Twins"));
        const RecordId bea = app.addPlayer(second, QStringLiteral("Bea"), 8);
        pubProgress().setMax(100);
        QStringList lines;
        Windows({Steps({Look([&](QWidget* w) { lines = Lines(w, "lstTeams"); }), ChooseRow("lstTeams", 1), Ok()})});
        const std::optional<clsTeam> team = PickTeam(QStringLiteral("Please Choose the Home Team"));
        QVERIFY(team && team->TeamID() == second);
        const QString twins = "Twins\t\t\t\t\tTEAM ID: ";
        QCOMPARE(lines, (QStringList{twins + first.text(), twins + second.text()}));
        QCOMPARE(QList<int>({pubProgress().max(), pubProgress().value()}), QList<int>({2, 0}));
        QCOMPARE(StatusText(), QString());

        Windows({Key(Qt::Key_Return)});
        QVERIFY(!PickPlayer(QStringLiteral("Teams")));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There are no Players on this team.")});
        const RecordId ann = app.addPlayer(second, QStringLiteral("Ann"), 7);
        Windows({PickTeamRow(1), Look([&](QWidget* w) {
                     lines = Lines(w, "lstPlayers");
                     DoubleClick(Child<QListWidget>(w, "lstPlayers"), 1);
                 })});
        const std::optional<clsPlayer> chosen = PickPlayer(QStringLiteral("Teams"));
        QVERIFY(chosen && chosen->PlayerID() == ann);
        QCOMPARE(chosen->PlayerNumber(), qint16(7));
        QCOMPARE(lines, (QStringList{"Bea 8\t\t\t\t\t\t" + bea.text(), "Ann 7\t\t\t\t\t\t" + ann.text()}));
    }

    // A shirt number another player of the same team wears is refused, naming that player; the
    // window comes back with what was typed, the number ready to be typed over. Another team's
    // number is free, and a player keeps the number already worn.
    void takenNumberIsRefused_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QString>("players"); // "name number team" after
        QTest::addColumn<QStringList>("refused"); // "number wearer" of each refusal
        const QString p = "Ann 7 Falcons|Bea 8 Falcons|Cy 9 Herons";
        const Step done = Click(QStringLiteral("cmdCancel"));
        // The window as it comes back after a refusal: what was typed, the number selected.
        const auto back = [](const QString& number, const QString& name) {
            return Look([=](QWidget* w) {
                auto* box = Child<QLineEdit>(w, "txtPlayerNumber");
                QCOMPARE(QStringList({box->text(), Child<QLineEdit>(w, "txtPlayerName")->text()}),
                         QStringList({number, name}));
                QCOMPARE(w->focusWidget(), box);
                QCOMPARE(box->selectedText(), number);
            });
        };
        const QStringList ann{"7 Ann"}, none;
        QTest::newRow("add: the team's number, then Done")
            << int(AddPlayer) << QList<Step>{PickTeamRow(0), TypePlayer("7", "Di"), Steps({back("7", "Di"), done})} << p
            << ann;
        QTest::newRow("add: refused twice, then another number")
            << int(AddPlayer)
            << QList<Step>{PickTeamRow(0), TypePlayer("7", "Di"), TypePlayer("08", "Di"), TypePlayer("5", "Di"), done}
            << p + "|Di 5 Falcons" << QStringList{"7 Ann", "8 Bea"};
        QTest::newRow("add: another team's number")
            << int(AddPlayer) << QList<Step>{PickTeamRow(1), TypePlayer("7", "Di"), done} << p + "|Di 7 Herons" << none;
        QTest::newRow("edit: a team-mate's number, then Cancel")
            << int(EditPlayer)
            << QList<Step>{PickTeamRow(0), PickPlayerRow(1), TypePlayer("7", "Bee"), Steps({back("7", "Bee"), done})}
            << p << ann;
        QTest::newRow("edit: refused, then another number")
            << int(EditPlayer)
            << QList<Step>{PickTeamRow(0), PickPlayerRow(1), TypePlayer("7", "Bee"), TypePlayer("6", "Bee")}
            << "Ann 7 Falcons|Bee 6 Falcons|Cy 9 Herons" << ann;
        QTest::newRow("edit: the name, keeping the number")
            << int(EditPlayer) << QList<Step>{PickTeamRow(0), PickPlayerRow(0), TypePlayer("7", "Anna")}
            << "Anna 7 Falcons|Bea 8 Falcons|Cy 9 Herons" << none;
    }

    void takenNumberIsRefused()
    {
        QFETCH(int, command);
        QFETCH(QList<Step>, steps);
        QFETCH(QString, players);
        QFETCH(QStringList, refused);
        TestApp app;
        Seed(app);
        Windows(steps);
        QVERIFY(Run(command));
        QCOMPARE(app.scalar("SELECT group_concat(P.PLAYERNAME || ' ' || P.PLAYERNUMBER || ' ' || T.TEAMNAME, '|') "
                            "FROM (SELECT * FROM PLAYER ORDER BY rowid) P JOIN TEAM T USING (TEAMID)")
                     .toString(),
                 players);
        QStringList expected;
        for (const QString& r : refused)
            expected << QStringLiteral("Number %1 is already worn by %2 of Falcons. Please give this player another "
                                       "number.")
                            .arg(r.section(' ', 0, 0), r.section(' ', 1));
        QCOMPARE(MsgBoxHook::prompts(), expected);
        for (const MsgBoxHook::Asked& asked : MsgBoxHook::asked())
            QCOMPARE(asked.title, QStringLiteral("Player Number"));
    }

    // The storage refuses a second wearer of a number within a team, whatever the way in: a new
    // player, a new number, a move to another team. Refused, nothing changes; a pair that a file
    // from before the check already holds can be parted, but not kept through an edit.
    void storeKeepsNumbersApart_data()
    {
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("player"); // who is written: a seeded name, or a new one
        QTest::addColumn<QString>("team");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("wearer"); // "name team" handed back; empty: stored
        auto row = [](const char* tag, bool add, const char* player, const char* team, int number, const char* wearer) {
            QTest::newRow(tag) << add << QString::fromLatin1(player) << QString::fromLatin1(team) << number
                               << QString::fromLatin1(wearer);
        };
        row("new player, taken number", true, "Di", "falcons", 7, "Ann Falcons");
        row("new player, number free in this team", true, "Di", "herons", 7, "");
        row("new number taken", false, "Bea", "falcons", 7, "Ann Falcons");
        row("own number kept", false, "Ann", "falcons", 7, "");
        row("moved where the number is worn", false, "Bea", "herons", 9, "Cy Herons");
        row("moved where the number is free", false, "Cy", "falcons", 9, "");
        row("one of an old pair keeps the number", false, "Zed", "falcons", 8, "Bea Falcons");
        row("one of an old pair takes another", false, "Zed", "falcons", 11, "");
    }

    void storeKeepsNumbersApart()
    {
        QFETCH(bool, add);
        QFETCH(QString, player);
        QFETCH(QString, team);
        QFETCH(int, number);
        QFETCH(QString, wearer);
        TestApp app;
        const Seeded s = Seed(app);
        // A pair as a file from before numbers were checked can hold it.
        const RecordId zed = NewRecordId(RecordKind::Player);
        Execute("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) VALUES (?, ?, 'Zed', 8)",
                {Bind(zed), Bind(s.falcons)});
        const QList<QVariantList> before = Stored(app);
        const RecordId teamId = team == "falcons" ? s.falcons : s.herons;
        RecordId id = add ? NewRecordId(RecordKind::Player) : zed;
        if (!add && player != "Zed")
            id = RecordId::fromText(
                app.scalar("SELECT PLAYERID FROM PLAYER WHERE PLAYERNAME = ?", {player}).toString());
        const PlayerRow row{id, teamId, player, number};
        const std::optional<NumberTaken> taken = add ? RosterStore::AddPlayer(row) : RosterStore::UpdatePlayer(row);
        QCOMPARE(taken ? taken->wearer.name + " " + taken->teamName : QString(), wearer);
        if (taken) {
            QCOMPARE(taken->wearer.number, number);
            QCOMPARE(Stored(app), before);
        } else {
            QCOMPARE(RosterStore::Player(id).value_or(PlayerRow{}).number, number);
            QCOMPARE(RosterStore::Player(id).value_or(PlayerRow{}).teamId, teamId);
        }
    }

    // Two writers at once: while another connection holds an uncommitted write that gives
    // number 7 to a player of Falcons, adding Di with 7 waits for it and is then refused. It never
    // stores a second 7 because its look came before the other write was committed, nor fails
    // because that write came in between.
    void storeRefusesANumberTakenMeanwhile()
    {
        TestApp app;
        const Seeded s = Seed(app);
        Execute("UPDATE PLAYER SET PLAYERNUMBER = 1 WHERE PLAYERID = ?", {Bind(s.ann)});
        std::promise<bool> holding;
        std::thread other([path = app.dbPath(), team = s.falcons.text(), &holding] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
                db.setDatabaseName(path);
                QSqlQuery q(db);
                bool held = db.open() && q.exec("BEGIN IMMEDIATE")
                    && q.prepare("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) "
                                 "VALUES ('2030-01-01 00:00:00', ?, 'Eve', 7)");
                q.addBindValue(team);
                held = held && q.exec();
                holding.set_value(held);
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
                q.exec("COMMIT");
                q.finish();
                db.close();
            }
            QSqlDatabase::removeDatabase("other");
        });
        const bool held = holding.get_future().get();
        std::optional<NumberTaken> taken;
        QString failure;
        try {
            taken = RosterStore::AddPlayer({NewRecordId(RecordKind::Player), s.falcons, "Di", 7});
        } catch (const DbError& e) {
            failure = e.message();
        }
        other.join();
        QVERIFY(held);
        QCOMPARE(failure, QString());
        QVERIFY(taken);
        QCOMPARE(taken->wearer.name, QStringLiteral("Eve"));
        QCOMPARE(app.scalar("SELECT group_concat(PLAYERNAME) FROM PLAYER WHERE PLAYERNUMBER = 7").toString(),
                 QStringLiteral("Eve"));
    }

    // Without teams every command but adding a team says so once and shows no window.
    void withoutTeamsCommandsSaySoOnce()
    {
        for (int command : {RenameTeam, DeleteTeam, AddPlayer, EditPlayer, DeletePlayer}) {
            TestApp app;
            QVERIFY(Run(command));
            QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There are no teams loaded.")});
        }
    }
};

SIDELINES_TEST(TestRoster)
#include "tst_roster.moc"
