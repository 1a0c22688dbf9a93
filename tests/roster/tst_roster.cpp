#include "widgets/CProgressBar.h"
#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "storage/RecordIssue.h"

#include <QSqlQuery>
#include <chrono>
#include <future>
#include <thread>

using namespace drive;

namespace {
// The six roster commands as the main window runs them, by name.
const QStringList kCommands{"AddTeam", "RenameTeam", "DeleteTeam", "AddPlayer", "EditPlayer", "DeletePlayer"};

bool Run(const QString& command)
{
    static const std::function<void()> kRun[] = {
        [] { clsTeam().MakeNewTeam(); }, [] { clsTeam().Update(); },     [] { clsTeam().Delete(); },
        [] { clsPlayer().AddNewPlayer(); }, [] { clsPlayer().Update(); }, [] { clsPlayer().Delete(); }};
    if (!kCommands.contains(command))
        qFatal("no command %s", qPrintable(command));
    return RunCommand(kRun[kCommands.indexOf(command)]);
}

// Every team and player row, identifiers included.
QList<QVariantList> Stored(const TestApp& app)
{
    return app.rows(QStringLiteral("SELECT TEAMID, TEAMNAME, NULL, NULL FROM TEAM UNION ALL "
                                   "SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER ORDER BY 1, 2"));
}

// Whether the window a "refused" action left was still open.
bool g_stillOpen = false;

// One action of a script (below).
Step Act(const QString& action)
{
    const QString verb = action.section(' ', 0, 0), first = action.section(' ', 1, 1), rest = action.section(' ', 2);
    const Step ok = Click(QStringLiteral("cmdOk"));
    if (verb == "team" || verb == "player")
        return Steps({ChooseRow(verb == "team" ? "lstTeams" : "lstPlayers", first.toInt()), ok});
    if (verb == "name")
        return Steps({Type("txtTeamName", action.section(' ', 1)), ok});
    if (verb == "add")
        return Steps({Type("txtPlayerNumber", first), Type("txtPlayerName", rest), ok});
    if (verb == "type")
        return Type(first, rest);
    if (verb == "paste")
        return Look([=](QWidget* w) { Child<QLineEdit>(w, first)->setText(rest); });
    if (verb == "row")
        return ChooseRow(first, rest.toInt());
    if (verb == "unselect")
        return Look([=](QWidget* w) { Child<QListWidget>(w, first)->clearSelection(); });
    if (verb == "back")
        return Look([=](QWidget* w) {
            auto* box = Child<QLineEdit>(w, "txtPlayerNumber");
            QCOMPARE(QStringList({box->text(), Child<QLineEdit>(w, "txtPlayerName")->text()}), QStringList({first, rest}));
            QCOMPARE(w->focusWidget(), box);
            QCOMPARE(box->selectedText(), first);
        });
    if (verb == "yes" || verb == "no")
        return [verb](QWidget*) { MsgBoxHook::setNextAnswer(verb == "yes" ? QMessageBox::Yes : QMessageBox::No); };
    if (verb == "refused")
        return Steps({ok, Look([](QWidget* w) { g_stillOpen = w->isVisible(); }), CloseBox()});
    const QHash<QString, Step> plain{
        {"ok", ok}, {"cancel", Click("cmdCancel")}, {"escape", Key(Qt::Key_Escape)}, {"close", CloseBox()}};
    if (!plain.contains(verb))
        qFatal("no action %s", qPrintable(action));
    return plain[verb];
}

// What the user does in the windows a command opens, as roster.txt writes it: the windows apart
// by " / ", a window's actions apart by ", ":
//   team N, player N    the chooser's row N, then OK
//   name TEXT           the team's name typed, then OK
//   add NUMBER NAME     the player's number and name typed, then OK
//   type BOX TEXT       typed into the box key by key; paste BOX TEXT: set at once, as a paste does
//   row LIST N          the list's row N chosen; unselect LIST: none chosen
//   back NUMBER NAME    the window as it comes back after a refusal: what was typed, with the
//                       number selected and the keyboard on it, ready to be typed over
//   yes, no             the answer to the question that the actions after it raise
//   ok, cancel, escape, close
//   refused             OK, the window noted still open (g_stillOpen), then its close box
QList<Step> Script(const QString& script)
{
    QList<Step> windows;
    for (const QString& window : script.split(" / ")) {
        QList<Step> actions;
        for (const QString& action : window.split(", "))
            actions << Act(action);
        windows << Steps(actions);
    }
    return windows;
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
    void commandsStoreWhatWasTyped_data() { table::Rows(QStringLiteral("roster.txt")); }
    void commandsStoreWhatWasTyped()
    {
        QFETCH(QString, command);
        QFETCH(QString, steps);
        QFETCH(QString, teams);
        QFETCH(QString, players);
        QFETCH(QString, refuse);
        TestApp app;
        Seed(app);
        if (!refuse.isEmpty())
            Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 BEGIN SELECT RAISE(ABORT, 'disk says no'); END")
                        .arg(refuse));
        Windows(Script(steps));
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
    void refusedWithAReason_data() { table::Rows(QStringLiteral("roster.txt")); }
    void refusedWithAReason()
    {
        QFETCH(QString, command);
        QFETCH(QString, steps);
        QFETCH(QString, prompt);
        QFETCH(QString, stray);
        QFETCH(bool, asBytes);
        TestApp app;
        const Seeded s = Seed(app);
        const bool team = command == "DeleteTeam";
        const QString planted = QString(stray).replace("%1", (team ? s.falcons : s.ann).text());
        const QVariant id = asBytes ? QVariant(planted.toUtf8()) : QVariant(planted);
        if (!stray.isEmpty() && team)
            Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, 'Stray <i>%2</i>')"), {id});
        else if (!stray.isEmpty()) // on the second team, beside Cy
            Execute(QStringLiteral("INSERT INTO PLAYER VALUES (?, ?, 'Stray <i>%2</i>', 5)"), {id, Bind(s.herons)});
        const QList<QVariantList> before = Stored(app);
        g_stillOpen = false;
        Windows(Script(steps));
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
        Windows({Steps({Look([&](QWidget* w) { lines = Lines(w, "lstTeams"); }), Act("team 1")})});
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
        Windows({Act("team 1"), Look([&](QWidget* w) {
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
    void takenNumberIsRefused_data() { table::Rows(QStringLiteral("roster.txt")); }
    void takenNumberIsRefused()
    {
        QFETCH(QString, command);
        QFETCH(QString, steps);
        QFETCH(QString, players);
        QFETCH(QStringList, refused);
        TestApp app;
        Seed(app);
        Windows(Script(steps));
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

    // The storage refuses a second wearer of a number within a team, whatever the way in: a move
    // to another team too (a new player and a new number come through the window, whose test is
    // takenNumberIsRefused). Refused, nothing changes; a pair that a file from before the check
    // already holds can be parted, but not kept through an edit.
    void storeKeepsNumbersApart_data()
    {
        QTest::addColumn<QString>("player"); // who is written
        QTest::addColumn<QString>("team");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("wearer"); // "name team" handed back; empty: stored
        QTest::newRow("moved where the number is worn") << "Bea" << "herons" << 9 << "Cy Herons";
        QTest::newRow("moved where the number is free") << "Cy" << "falcons" << 9 << "";
        QTest::newRow("one of an old pair keeps the number") << "Zed" << "falcons" << 8 << "Bea Falcons";
        QTest::newRow("one of an old pair takes another") << "Zed" << "falcons" << 11 << "";
    }

    void storeKeepsNumbersApart()
    {
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
        const RecordId id
            = RecordId::fromText(app.scalar("SELECT PLAYERID FROM PLAYER WHERE PLAYERNAME = ?", {player}).toString());
        const std::optional<NumberTaken> taken = RosterStore::UpdatePlayer({id, teamId, player, number});
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
        for (const QString& command : kCommands.mid(1)) {
            TestApp app;
            QVERIFY(Run(command));
            QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There are no teams loaded.")});
        }
    }
};

SIDELINES_TEST(TestRoster)
#include "tst_roster.moc"
