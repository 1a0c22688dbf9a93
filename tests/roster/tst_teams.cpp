#include "StoreDriver.h"
#include "roster/clsTeam.h"
#include "roster/frmPickTeam.h"
#include "support/TestMain.h"

#include <QLabel>

using namespace roster_test;

namespace {
QString TeamLine(const QString& name, const QString& idText)
{
    return name + QStringLiteral("\t\t\t\t\tTEAM ID: ") + idText;
}
} // namespace

class TestTeams : public QObject
{
    Q_OBJECT

private slots:
    void init() { NewTest(); }

    void cleanup() { EndTest(); }

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
                focus = FocusName(w);
            },
            TypeTeam(name))});
        QVERIFY(RunTeamCommand(Command::Add));
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
            focusAfter = FocusName(w);
            QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdCancel")), Qt::LeftButton);
        }});
        QVERIFY(RunTeamCommand(Command::Add));
        QVERIFY(stillOpen);
        QCOMPARE(focusAfter, QStringLiteral("txtTeamName"));
        ExpectOneMessage(QStringLiteral("Please fill in the Team Name."), QStringLiteral("Team Name"), QMessageBox::Ok,
                         QMessageBox::NoIcon);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 0);
    }

    void renameWritesOnlyThatTeamsName()
    {
        TestApp app;
        const QDateTime frozen(QDate(2026, 3, 1), QTime(10, 0, 0));
        Clock::setOverride([frozen] { return frozen; });
        // Two teams added within one second, through the window, still get their own identifiers.
        DriveWindows({TypeTeam(QStringLiteral("Alpha"))});
        QVERIFY(RunTeamCommand(Command::Add));
        DriveWindows({TypeTeam(QStringLiteral("Beta"))});
        QVERIFY(RunTeamCommand(Command::Add));
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
        QVERIFY(RunTeamCommand(Command::Update));
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
        QVERIFY(RunTeamCommand(Command::Delete));
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Please Choose the Team to Delete")});
        ExpectOneMessage(QStringLiteral("Are you sure you would like to delete Gone?"), QStringLiteral("Delete"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon);

        QCOMPARE(Teams(app), (Rows{{keep.text(), QStringLiteral("Keep")}}));
        QCOMPARE(app.rows(QStringLiteral("SELECT PLAYERNAME FROM PLAYER ORDER BY PLAYERNAME")),
                 (Rows{{QStringLiteral("Kai")}, {QStringLiteral("Kim")}}));
        QCOMPARE(app.count(QStringLiteral("MATCH")), 1);
    }
};

SIDELINES_TEST(TestTeams)
#include "tst_teams.moc"
