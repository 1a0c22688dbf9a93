#include "StoreDriver.h"
#include "roster/clsPlayer.h"
#include "roster/frmPickPlayer.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QSet>

using namespace roster_test;

namespace {
QString PlayerLine(const QString& name, int number, const QString& idText)
{
    return name + QLatin1Char(' ') + QString::number(number) + QStringLiteral("\t\t\t\t\t\t") + idText;
}
} // namespace

class TestPlayers : public QObject
{
    Q_OBJECT

private slots:
    void init() { NewTest(); }

    void cleanup() { EndTest(); }

    // Players typed one after another within the same second each get their own identifier.
    void threePlayersInOneCommand()
    {
        TestApp app;
        app.addTeam(QStringLiteral("Other"));
        const RecordId team = app.addTeam(QStringLiteral("Falcons"));
        const QDateTime frozen(QDate(2026, 4, 2), QTime(19, 0, 0));
        Clock::setOverride([frozen] { return frozen; });

        QString title, numLabel, nameLabel, ok, cancel, focus;
        int maxLength = 0;
        auto look = [&](QWidget* w) {
            title = w->windowTitle();
            numLabel = Child<QLabel>(w, QStringLiteral("lblPlayerNum"))->text();
            nameLabel = Child<QLabel>(w, QStringLiteral("lblPlayerName"))->text();
            ok = Child<QPushButton>(w, QStringLiteral("cmdOk"))->text();
            cancel = Child<QPushButton>(w, QStringLiteral("cmdCancel"))->text();
            maxLength = Child<QLineEdit>(w, QStringLiteral("txtPlayerNumber"))->maxLength();
            focus = FocusName(w);
        };
        auto seen = DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 1),
                                  Then(look, TypePlayer(QStringLiteral("7"), QStringLiteral("Ann"))),
                                  TypePlayer(QStringLiteral("12"), QStringLiteral("Bea")),
                                  TypePlayer(QStringLiteral("3"), QStringLiteral("Cat")),
                                  Click(QStringLiteral("cmdCancel"))});
        QVERIFY(RunPlayerCommand(Command::Add));
        QCOMPARE(seen->titles,
                 (QStringList{QStringLiteral("Please Choose Team to Add to"), QStringLiteral("Player"),
                              QStringLiteral("Player"), QStringLiteral("Player"), QStringLiteral("Player")}));
        QCOMPARE(numLabel, QStringLiteral("Player's Number:"));
        QCOMPARE(nameLabel, QStringLiteral("Player's Name:"));
        QCOMPARE(ok, QStringLiteral("Add Player"));
        QCOMPARE(cancel, QStringLiteral("Done"));
        QCOMPARE(maxLength, 2);
        QCOMPARE(focus, QStringLiteral("txtPlayerNumber"));

        const Rows players
            = app.rows(QStringLiteral("SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER ORDER BY rowid"));
        QCOMPARE(players.size(), 3);
        QSet<QString> ids;
        for (const auto& row : players) {
            ids << row[0].toString();
            QCOMPARE(row[1].toString(), team.text());
        }
        QCOMPARE(ids.size(), 3);
        QCOMPARE(players[0][2].toString(), QStringLiteral("Ann"));
        QCOMPARE(players[0][3].toInt(), 7);
        QCOMPARE(players[1][2].toString(), QStringLiteral("Bea"));
        QCOMPARE(players[1][3].toInt(), 12);
        QCOMPARE(players[2][2].toString(), QStringLiteral("Cat"));
        QCOMPARE(players[2][3].toInt(), 3);
    }

    // "Done", Escape or the close box ends the adding; none of them stores anything more.
    void endingTheAddingStoresNothingMore_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<Step>("ending");
        QTest::newRow("Done on the first window") << 0 << Click(QStringLiteral("cmdCancel"));
        QTest::newRow("close box on the first window") << 0 << CloseBox();
        QTest::newRow("Escape on the first window") << 0 << Key(Qt::Key_Escape);
        QTest::newRow("Done after one player") << 1 << Click(QStringLiteral("cmdCancel"));
        QTest::newRow("close box after one player") << 1 << CloseBox();
        QTest::newRow("close box after two players") << 2 << CloseBox();
        QTest::newRow("Done with the boxes filled")
            << 1 << TypePlayer(QStringLiteral("9"), QStringLiteral("Zed"), QStringLiteral("cmdCancel"));
    }

    void endingTheAddingStoresNothingMore()
    {
        QFETCH(int, before);
        QFETCH(Step, ending);
        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        QList<Step> steps{ChooseRow(QStringLiteral("lstTeams"), 0)};
        for (int i = 0; i < before; ++i)
            steps << TypePlayer(QString::number(i + 1), QStringLiteral("P%1").arg(i + 1));
        steps << ending;
        auto seen = DriveWindows(steps);
        QVERIFY(RunPlayerCommand(Command::Add));
        QCOMPARE(seen->windows.size(), steps.size());
        QCOMPARE(app.count(QStringLiteral("PLAYER")), before);
        QCOMPARE(app.scalar(QStringLiteral("SELECT COUNT(*) FROM PLAYER WHERE PLAYERNAME = 'Zed'")).toInt(), 0);
    }

    // The number is checked before the name; only an empty box is refused.
    void playerWindowChecks_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("focus");
        const QString numberPrompt = QStringLiteral("Please fill in the Player's Number.");
        const QString namePrompt = QStringLiteral("Please fill in the Player's Name.");
        QTest::newRow("both empty") << QString() << QString() << numberPrompt << QStringLiteral("Player Number")
                                    << QStringLiteral("txtPlayerNumber");
        QTest::newRow("number empty") << QString() << QStringLiteral("Ann") << numberPrompt
                                      << QStringLiteral("Player Number") << QStringLiteral("txtPlayerNumber");
        QTest::newRow("name empty") << QStringLiteral("7") << QString() << namePrompt << QStringLiteral("Player's Name")
                                    << QStringLiteral("txtPlayerName");
        QTest::newRow("letters only in the number")
            << QStringLiteral("ab") << QStringLiteral("Ann") << numberPrompt << QStringLiteral("Player Number")
            << QStringLiteral("txtPlayerNumber");
        QTest::newRow("lone minus sign") << QStringLiteral("-") << QStringLiteral("Ann") << numberPrompt
                                         << QStringLiteral("Player Number") << QStringLiteral("txtPlayerNumber");
        QTest::newRow("name of blanks is accepted")
            << QStringLiteral("7") << QStringLiteral("   ") << QString() << QString() << QString();
    }

    void playerWindowChecks()
    {
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        QString focusAfter;
        bool stillOpen = false;
        QList<Step> steps{ChooseRow(QStringLiteral("lstTeams"), 0), [&](QWidget* w) {
                              TypePlayer(number, name)(w);
                              stillOpen = w->isVisible();
                              focusAfter = FocusName(w);
                              if (stillOpen)
                                  Click(QStringLiteral("cmdCancel"))(w);
                          }};
        if (prompt.isEmpty())
            steps << Click(QStringLiteral("cmdCancel")); // the next, empty window: Done
        DriveWindows(steps);
        QVERIFY(RunPlayerCommand(Command::Add));
        if (prompt.isEmpty()) {
            QVERIFY(MsgBoxHook::asked().isEmpty());
            QCOMPARE(app.rows(QStringLiteral("SELECT PLAYERNAME, PLAYERNUMBER FROM PLAYER")),
                     (Rows{{name, number.toInt()}}));
            return;
        }
        QVERIFY(stillOpen);
        QCOMPARE(focusAfter, focus);
        ExpectOneMessage(prompt, title, QMessageBox::Ok, QMessageBox::NoIcon);
        QCOMPARE(app.count(QStringLiteral("PLAYER")), 0);
    }

    // Whatever is typed, only a whole number of at most two digits can reach the database.
    void numberBoxTakesOnlyDigits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two digits") << QStringLiteral("12") << QStringLiteral("12");
        QTest::newRow("three digits") << QStringLiteral("123") << QStringLiteral("12");
        QTest::newRow("digit then letter") << QStringLiteral("7a") << QStringLiteral("7");
        QTest::newRow("minus sign") << QStringLiteral("-5") << QStringLiteral("5");
        QTest::newRow("decimal point") << QStringLiteral("1.5") << QStringLiteral("15");
        QTest::newRow("blank") << QStringLiteral(" 4") << QStringLiteral("4");
    }

    void numberBoxTakesOnlyDigits()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        QString inBox;
        DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0),
                      [&](QWidget* w) {
                          auto* box = Child<QLineEdit>(w, QStringLiteral("txtPlayerNumber"));
                          TypeText(box, typed);
                          inBox = box->text();
                          TypeText(Child<QLineEdit>(w, QStringLiteral("txtPlayerName")), QStringLiteral("Ann"));
                          Click(QStringLiteral("cmdOk"))(w);
                      },
                      Click(QStringLiteral("cmdCancel"))});
        QVERIFY(RunPlayerCommand(Command::Add));
        QCOMPARE(inBox, shown);
        QCOMPARE(app.rows(QStringLiteral("SELECT PLAYERNUMBER FROM PLAYER")), (Rows{{shown.toInt()}}));
    }

    // Names are stored and shown exactly as typed, whatever characters they hold.
    void playerNamesAreStoredAndShownExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("Ann 7") << QStringLiteral("Ann") << 7;
        QTest::newRow("apostrophe") << QStringLiteral("D'Angelo") << 11;
        QTest::newRow("double quote") << QStringLiteral("\"Spike\" Lee") << 1;
        QTest::newRow("hash, semicolon, dashes") << QStringLiteral("#9; DELETE FROM PLAYER; --") << 9;
        QTest::newRow("non-Latin") << QStringLiteral("Žan Müller Ōsaka Иванова") << 23;
        QTest::newRow("200 characters") << QString(200, QChar(0x00E9)) << 99;
        QTest::newRow("number 0") << QStringLiteral("Zero") << 0;
    }

    void playerNamesAreStoredAndShownExactly()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0), TypePlayer(QString::number(number), name),
                      Click(QStringLiteral("cmdCancel"))});
        QVERIFY(RunPlayerCommand(Command::Add));
        const Rows players = app.rows(QStringLiteral("SELECT PLAYERID, PLAYERNAME, PLAYERNUMBER FROM PLAYER"));
        QCOMPARE(players.size(), 1);
        QCOMPARE(players[0][1].toString(), name);
        QCOMPARE(players[0][2].toInt(), number);

        // The player chooser shows it exactly, then Cancel leaves everything as it was.
        QStringList lines;
        QString status;
        auto seen = DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0),
                                  Then([&](QWidget* w) { lines = ListLines(w, QStringLiteral("lstPlayers")); },
                                       Click(QStringLiteral("cmdCancel")))});
        QVERIFY(RunPlayerCommand(Command::Update));
        QCOMPARE(seen->titles,
                 (QStringList{QStringLiteral("Choose Team that the Player is on"), QStringLiteral("Players")}));
        QCOMPARE(lines, QStringList{PlayerLine(name, number, players[0][0].toString())});
        QCOMPARE(StatusText(), QString());
    }

    void editChangesOnlyThatPlayer()
    {
        TestApp app;
        const RecordId team = app.addTeam(QStringLiteral("Falcons"));
        const RecordId ann = app.addPlayer(team, QStringLiteral("Ann"), 7);
        const RecordId twin = app.addPlayer(team, QStringLiteral("Ann"), 7);
        const Rows before = Players(app);

        QString shownNumber, shownName, ok, cancel;
        QStringList lines;
        auto seen = DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0),
                                  Then([&](QWidget* w) { lines = ListLines(w, QStringLiteral("lstPlayers")); },
                                       ChooseRow(QStringLiteral("lstPlayers"), 1)),
                                  Then(
                                      [&](QWidget* w) {
                                          shownNumber = Child<QLineEdit>(w, QStringLiteral("txtPlayerNumber"))->text();
                                          shownName = Child<QLineEdit>(w, QStringLiteral("txtPlayerName"))->text();
                                          ok = Child<QPushButton>(w, QStringLiteral("cmdOk"))->text();
                                          cancel = Child<QPushButton>(w, QStringLiteral("cmdCancel"))->text();
                                      },
                                      TypePlayer(QStringLiteral("10"), QStringLiteral("Anna O'Hara")))});
        QVERIFY(RunPlayerCommand(Command::Update));
        QCOMPARE(seen->titles,
                 (QStringList{QStringLiteral("Choose Team that the Player is on"), QStringLiteral("Players"),
                              QStringLiteral("Player")}));
        // Same name and number, still two lines told apart by the identifier.
        QCOMPARE(lines,
                 (QStringList{PlayerLine(QStringLiteral("Ann"), 7, ann.text()),
                              PlayerLine(QStringLiteral("Ann"), 7, twin.text())}));
        QCOMPARE(shownNumber, QStringLiteral("7"));
        QCOMPARE(shownName, QStringLiteral("Ann"));
        QCOMPARE(ok, QStringLiteral("&Update"));
        QCOMPARE(cancel, QStringLiteral("&Cancel"));
        const Rows after = Players(app);
        QCOMPARE(after.size(), 2);
        QCOMPARE(after[0], before[0]);
        QCOMPARE(after[1], (QVariantList{twin.text(), team.text(), QStringLiteral("Anna O'Hara"), 10}));
    }

    // Enter in both choosers takes the preselected first lines: first team, then its first player.
    void enterTakesTheFirstLines()
    {
        TestApp app;
        const RecordId first = app.addTeam(QStringLiteral("First"));
        const RecordId second = app.addTeam(QStringLiteral("Second"));
        app.addPlayer(second, QStringLiteral("Sam"), 5);
        app.addPlayer(first, QStringLiteral("Fay"), 1);
        app.addPlayer(first, QStringLiteral("Flo"), 2);
        QString shownName;
        auto seen = DriveWindows(
            {Key(Qt::Key_Return), Key(Qt::Key_Return),
             Then([&](QWidget* w) { shownName = Child<QLineEdit>(w, QStringLiteral("txtPlayerName"))->text(); },
                  Click(QStringLiteral("cmdCancel")))});
        QVERIFY(RunPlayerCommand(Command::Update));
        QCOMPARE(
            seen->windows,
            (QStringList{QStringLiteral("frmPickTeam"), QStringLiteral("frmPickPlayer"), QStringLiteral("frmPlayer")}));
        QCOMPARE(shownName, QStringLiteral("Fay"));
    }

    void deleteRemovesExactlyOnePlayer()
    {
        TestApp app;
        const RecordId team = app.addTeam(QStringLiteral("Falcons"));
        const RecordId other = app.addTeam(QStringLiteral("Herons"));
        const RecordId ann = app.addPlayer(team, QStringLiteral("Ann"), 7);
        const RecordId bea = app.addPlayer(team, QStringLiteral("Bea"), 8);
        const RecordId cat = app.addPlayer(other, QStringLiteral("Cat"), 9);
        Execute(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES ('g', ?)"), {Bind(bea)});

        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0), ChooseRow(QStringLiteral("lstPlayers"), 1)});
        QVERIFY(RunPlayerCommand(Command::Delete));
        ExpectOneMessage(QStringLiteral("Are you sure you would like to delete Bea?"), QStringLiteral("Delete"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon);
        QCOMPARE(app.rows(QStringLiteral("SELECT PLAYERID FROM PLAYER ORDER BY PLAYERID")),
                 (Rows{{ann.text()}, {cat.text()}}));
        QCOMPARE(app.count(QStringLiteral("PLAYED")), 1);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 2);
    }

    // A team without players: said once, and the command ends there with nothing changed.
    void teamWithoutPlayersSaysSo_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("edit") << static_cast<int>(Command::Update);
        QTest::newRow("delete") << static_cast<int>(Command::Delete);
    }

    void teamWithoutPlayersSaysSo()
    {
        QFETCH(int, command);
        TestApp app;
        app.addTeam(QStringLiteral("Empty"));
        const RecordId full = app.addTeam(QStringLiteral("Full"));
        app.addPlayer(full, QStringLiteral("Ann"), 7);
        const Rows teams = Teams(app);
        const Rows players = Players(app);
        MsgBoxHook::setNextAnswer(QMessageBox::Ok);
        MsgBoxHook::setNextAnswer(QMessageBox::Yes); // would delete, were the command to go on
        auto seen = DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0)});
        QVERIFY(RunPlayerCommand(static_cast<Command>(command)));
        QCOMPARE(seen->windows, QStringList{QStringLiteral("frmPickTeam")});
        ExpectOneMessage(QStringLiteral("There are no Players on this team."), QStringLiteral("Players"),
                         QMessageBox::Ok, QMessageBox::Information);
        QVERIFY(!pubOK);
        QCOMPARE(StatusText(), QString());
        QCOMPARE(Teams(app), teams);
        QCOMPARE(Players(app), players);
    }

    void playerChooserOkWithoutSelectionAsks()
    {
        TestApp app;
        AddFalconsWithAnn(app);
        bool stillOpen = false;
        DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0), [&](QWidget* w) {
                          auto* list = Child<QListWidget>(w, QStringLiteral("lstPlayers"));
                          list->clearSelection();
                          list->setCurrentItem(nullptr);
                          Click(QStringLiteral("cmdOk"))(w);
                          stillOpen = w->isVisible();
                          Click(QStringLiteral("cmdCancel"))(w);
                      }});
        QVERIFY(RunPlayerCommand(Command::Delete));
        QVERIFY(stillOpen);
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("Please Choose a Player Name.")});
        QCOMPARE(MsgBoxHook::asked()[0].title, QStringLiteral("Teams"));
        QCOMPARE(app.count(QStringLiteral("PLAYER")), 1);
    }

    // A refused insert is reported with the engine's message; the players stored before it stay.
    void refusedInsertEndsTheAdding()
    {
        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON PLAYER WHEN NEW.PLAYERNAME = 'Bad' "
                               "BEGIN SELECT RAISE(ABORT, 'disk says no'); END"));
        auto seen = DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0),
                                  TypePlayer(QStringLiteral("1"), QStringLiteral("Good")),
                                  TypePlayer(QStringLiteral("2"), QStringLiteral("Bad"))});
        QVERIFY(!RunPlayerCommand(Command::Add));
        QCOMPARE(seen->windows.size(), 3);
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QVERIFY(MsgBoxHook::asked()[0].prompt.contains(QStringLiteral("disk says no")));
        QCOMPARE(app.rows(QStringLiteral("SELECT PLAYERNAME FROM PLAYER")), (Rows{{QStringLiteral("Good")}}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

SIDELINES_TEST(TestPlayers)
#include "tst_players.moc"
