#include "StoreDriver.h"
#include "shell/MsgBox.h"
#include "shell/mConstants.h"
#include "store/clsTeam.h"
#include "store/frmPickTeam.h"
#include "support/TestMain.h"

#include <QLabel>

using namespace roster_test;

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

QString TeamLine(const QString& name, const QString& idText)
{
    return name + QStringLiteral("\t\t\t\t\tTEAM ID: ") + idText;
}

// The team commands as the main window runs them: add on pubTeam (released afterwards), the
// others on a fresh record.
enum class Command { Add, Rename, Delete };

bool Run(Command command)
{
    return RunCommand([command] {
        if (command == Command::Add) {
            pubTeam().MakeNewTeam();
            ReleasePubTeam();
        } else if (command == Command::Rename) {
            clsTeam().Update();
        } else {
            clsTeam().Delete();
        }
    });
}
} // namespace

Q_DECLARE_METATYPE(QList<roster_test::Step>)

class TestTeams : public QObject
{
    Q_OBJECT

private slots:
    void init() { NewTest(); }

    void cleanup()
    {
        QCOMPARE(VisibleTopLevels(), QStringList());
        QCOMPARE(PendingSteps(), 0); // every window the test expected did open
        NewTest();
    }

    // Names are stored and shown exactly as typed, whatever characters they hold.
    void addTeamStoresAndShowsTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("Falcons");
        QTest::newRow("apostrophe") << QStringLiteral("O'Brien's Spikers");
        QTest::newRow("double quote") << QStringLiteral("The \"Blockers\"");
        QTest::newRow("hash and semicolon") << QStringLiteral("#1; DELETE FROM TEAM;");
        QTest::newRow("comment dashes") << QStringLiteral("Aces -- ' OR 1=1 --");
        QTest::newRow("non-Latin") << QStringLiteral("Braslovče ŠPELA Ōsaka Москва");
        QTest::newRow("200 characters") << QString(200, QLatin1Char('w'));
        QTest::newRow("only blanks") << QStringLiteral("   ");
    }

    void addTeamStoresAndShowsTheName()
    {
        QFETCH(QString, name);
        TestApp app;
        QString label, ok, cancel, focus;
        auto seen = DriveWindows({Then(
            [&](QWidget* w) {
                label = Child<QLabel>(w, QStringLiteral("lblCaptionForName"))->text();
                ok = Child<QPushButton>(w, QStringLiteral("cmdOk"))->text();
                cancel = Child<QPushButton>(w, QStringLiteral("cmdCancel"))->text();
                focus = w->focusWidget() ? w->focusWidget()->objectName() : QString();
            },
            TypeTeam(name))});
        QVERIFY(Run(Command::Add));
        QCOMPARE(seen->windows, QStringList{QStringLiteral("frmTeam")});
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Team")});
        QCOMPARE(label, QStringLiteral("Team Name:"));
        QCOMPARE(ok, QStringLiteral("OK"));
        QCOMPARE(cancel, QStringLiteral("Cancel"));
        QCOMPARE(focus, QStringLiteral("txtTeamName"));
        QVERIFY(MsgBoxHook::asked().isEmpty());

        const Rows teams = Teams(app);
        QCOMPARE(teams.size(), 1);
        QCOMPARE(teams[0][1].toString(), name);
        const QString idText = teams[0][0].toString();
        QVERIFY(!RecordId::fromText(idText).isNull());

        // And shown exactly in the chooser.
        QStringList lines;
        DriveWindows({Then([&](QWidget* w) { lines = ListLines(w, QStringLiteral("lstTeams")); },
                           Click(QStringLiteral("cmdCancel")))});
        QVERIFY(!PickTeam(QStringLiteral("Teams")));
        QCOMPARE(lines, QStringList{TeamLine(name, idText)});
    }

    void emptyTeamNameIsRefused()
    {
        TestApp app;
        QString focusAfter;
        bool stillOpen = false;
        DriveWindows({[&](QWidget* w) {
            QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdOk")), Qt::LeftButton);
            stillOpen = w->isVisible();
            focusAfter = w->focusWidget() ? w->focusWidget()->objectName() : QString();
            QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdCancel")), Qt::LeftButton);
        }});
        QVERIFY(Run(Command::Add));
        QVERIFY(stillOpen);
        QCOMPARE(focusAfter, QStringLiteral("txtTeamName"));
        const auto asked = MsgBoxHook::asked();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, QStringLiteral("Please fill in the Team Name."));
        QCOMPARE(asked[0].title, QStringLiteral("Team Name"));
        QCOMPARE(asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(asked[0].icon, QMessageBox::NoIcon);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 0);
    }

    void renameWritesOnlyThatTeamsName()
    {
        TestApp app;
        const QDateTime frozen(QDate(2026, 3, 1), QTime(10, 0, 0));
        Clock::setOverride([frozen] { return frozen; });
        // Two teams added within one second, through the window, still get their own identifiers.
        DriveWindows({TypeTeam(QStringLiteral("Alpha"))});
        QVERIFY(Run(Command::Add));
        DriveWindows({TypeTeam(QStringLiteral("Beta"))});
        QVERIFY(Run(Command::Add));
        const Rows before = Teams(app);
        QCOMPARE(before.size(), 2);
        QVERIFY(before[0][0] != before[1][0]);
        app.addPlayer(RecordId::fromText(before[1][0].toString()), QStringLiteral("Ann"), 7);
        const Rows playersBefore = Players(app);

        QString shownName, ok, cancel;
        auto seen = DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 1),
                                  Then(
                                      [&](QWidget* w) {
                                          shownName = Child<QLineEdit>(w, QStringLiteral("txtTeamName"))->text();
                                          ok = Child<QPushButton>(w, QStringLiteral("cmdOk"))->text();
                                          cancel = Child<QPushButton>(w, QStringLiteral("cmdCancel"))->text();
                                      },
                                      TypeTeam(QStringLiteral("Beta O'Neill")))});
        QVERIFY(Run(Command::Rename));
        QCOMPARE(seen->titles,
                 (QStringList{QStringLiteral("Please Choose the Team to Update"), QStringLiteral("Team")}));
        QCOMPARE(shownName, QStringLiteral("Beta"));
        QCOMPARE(ok, QStringLiteral("&Update"));
        QCOMPARE(cancel, QStringLiteral("&Cancel"));
        const Rows after = Teams(app);
        QCOMPARE(after.size(), 2);
        QCOMPARE(after[0], before[0]);
        QCOMPARE(after[1][0], before[1][0]);
        QCOMPARE(after[1][1].toString(), QStringLiteral("Beta O'Neill"));
        QCOMPARE(Players(app), playersBefore);
    }

    // Deleting asks first, then takes the team with exactly its own players.
    void deleteTakesTheTeamWithItsPlayers()
    {
        TestApp app;
        const RecordId keep = app.addTeam(QStringLiteral("Keep"));
        const RecordId gone = app.addTeam(QStringLiteral("Gone"));
        app.addPlayer(keep, QStringLiteral("Kim"), 1);
        app.addPlayer(gone, QStringLiteral("Gus"), 2);
        app.addPlayer(gone, QStringLiteral("Gia"), 3);
        app.addPlayer(keep, QStringLiteral("Kai"), 4);
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
                {QStringLiteral("2026-01-01 10:00:00"), Bind(gone), Bind(keep)});

        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        auto seen = DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 1)});
        QVERIFY(Run(Command::Delete));
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Please Choose the Team to Delete")});
        const auto asked = MsgBoxHook::asked();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, QStringLiteral("Are you sure you would like to delete Gone?"));
        QCOMPARE(asked[0].title, QStringLiteral("Delete"));
        QCOMPARE(asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked[0].icon, QMessageBox::NoIcon);

        QCOMPARE(Teams(app), (Rows{{keep.text(), QStringLiteral("Keep")}}));
        QCOMPARE(app.rows(QStringLiteral("SELECT PLAYERNAME FROM PLAYER ORDER BY PLAYERNAME")),
                 (Rows{{QStringLiteral("Kai")}, {QStringLiteral("Kim")}}));
        QCOMPARE(app.count(QStringLiteral("MATCH")), 1);
    }

    // Every way of backing out, at every step of the three team commands, changes nothing.
    void cancellingChangesNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<int>("answer"); // to the delete question; NoButton when none is asked
        const int none = QMessageBox::NoButton;
        const auto add = static_cast<int>(Command::Add);
        const auto rename = static_cast<int>(Command::Rename);
        const auto del = static_cast<int>(Command::Delete);
        const QString cancel = QStringLiteral("cmdCancel");
        const Step pick = ChooseRow(QStringLiteral("lstTeams"), 0);

        QTest::newRow("add: Cancel") << add << QList<Step>{TypeTeam(QStringLiteral("X"), cancel)} << none;
        QTest::newRow("add: Escape") << add << QList<Step>{Key(Qt::Key_Escape)} << none;
        QTest::newRow("add: close box") << add << QList<Step>{CloseBox()} << none;
        QTest::newRow("rename: chooser Cancel") << rename << QList<Step>{Click(cancel)} << none;
        QTest::newRow("rename: chooser Escape") << rename << QList<Step>{Key(Qt::Key_Escape)} << none;
        QTest::newRow("rename: chooser close box") << rename << QList<Step>{CloseBox()} << none;
        QTest::newRow("rename: edit Cancel")
            << rename << QList<Step>{pick, TypeTeam(QStringLiteral("X"), cancel)} << none;
        QTest::newRow("rename: edit Escape") << rename << QList<Step>{pick, Key(Qt::Key_Escape)} << none;
        QTest::newRow("rename: edit close box") << rename << QList<Step>{pick, CloseBox()} << none;
        QTest::newRow("delete: chooser Cancel") << del << QList<Step>{Click(cancel)} << none;
        QTest::newRow("delete: chooser Escape") << del << QList<Step>{Key(Qt::Key_Escape)} << none;
        QTest::newRow("delete: chooser close box") << del << QList<Step>{CloseBox()} << none;
        QTest::newRow("delete: No") << del << QList<Step>{pick} << static_cast<int>(QMessageBox::No);
    }

    void cancellingChangesNothing()
    {
        QFETCH(int, command);
        QFETCH(QList<Step>, steps);
        QFETCH(int, answer);
        TestApp app;
        const RecordId team = app.addTeam(QStringLiteral("Falcons"));
        app.addPlayer(team, QStringLiteral("Ann"), 7);
        const Rows teams = Teams(app);
        const Rows players = Players(app);
        pubTeam().setTeamName(QStringLiteral("left over from before"));

        if (answer != QMessageBox::NoButton)
            MsgBoxHook::setNextAnswer(static_cast<QMessageBox::StandardButton>(answer));
        auto seen = DriveWindows(steps);
        QVERIFY(Run(static_cast<Command>(command)));
        QCOMPARE(seen->windows.size(), steps.size());
        if (answer == QMessageBox::NoButton)
            QVERIFY(!pubOK); // the last window was cancelled
        QCOMPARE(Teams(app), teams);
        QCOMPARE(Players(app), players);
        QCOMPARE(MsgBoxHook::asked().size(), answer == QMessageBox::NoButton ? 0 : 1);
    }

    void withoutTeamsRenameAndDeleteSaySoOnce_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("rename") << static_cast<int>(Command::Rename);
        QTest::newRow("delete") << static_cast<int>(Command::Delete);
    }

    void withoutTeamsRenameAndDeleteSaySoOnce()
    {
        QFETCH(int, command);
        TestApp app;
        QVERIFY(Run(static_cast<Command>(command)));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There are no teams loaded.")});
        QCOMPARE(MsgBoxHook::asked()[0].title, QStringLiteral("Teams"));
        QCOMPARE(MsgBoxHook::asked()[0].icon, QMessageBox::Information);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 0);
    }

    // A statement the engine refuses is reported with its message, and nothing half-done stays.
    void refusedStatementIsReportedAndUndone_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("add")
            << static_cast<int>(Command::Add)
            << QStringLiteral(
                   "CREATE TRIGGER refuse BEFORE INSERT ON TEAM BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
        QTest::newRow("rename")
            << static_cast<int>(Command::Rename)
            << QStringLiteral(
                   "CREATE TRIGGER refuse BEFORE UPDATE ON TEAM BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
        // The players go in the second statement: the team must come back with them.
        QTest::newRow("delete")
            << static_cast<int>(Command::Delete)
            << QStringLiteral(
                   "CREATE TRIGGER refuse BEFORE DELETE ON PLAYER BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
    }

    void refusedStatementIsReportedAndUndone()
    {
        QFETCH(int, command);
        QFETCH(QString, trigger);
        TestApp app;
        const RecordId team = app.addTeam(QStringLiteral("Falcons"));
        app.addPlayer(team, QStringLiteral("Ann"), 7);
        const Rows teams = Teams(app);
        const Rows players = Players(app);
        Execute(trigger);

        const auto cmd = static_cast<Command>(command);
        if (cmd == Command::Add)
            DriveWindows({TypeTeam(QStringLiteral("New"))});
        else if (cmd == Command::Rename)
            DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0), TypeTeam(QStringLiteral("Renamed"))});
        else {
            MsgBoxHook::setNextAnswer(QMessageBox::Yes);
            DriveWindows({ChooseRow(QStringLiteral("lstTeams"), 0)});
        }
        QVERIFY(!Run(cmd));
        const auto asked = MsgBoxHook::asked();
        QVERIFY(!asked.isEmpty());
        QVERIFY2(asked.last().prompt.contains(QStringLiteral("disk says no")), qPrintable(asked.last().prompt));
        QCOMPARE(asked.last().icon, QMessageBox::Critical);
        QCOMPARE(Teams(app), teams);
        QCOMPARE(Players(app), players);
        QVERIFY(Db::isOpen());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

SIDELINES_TEST(TestTeams)
#include "tst_teams.moc"
