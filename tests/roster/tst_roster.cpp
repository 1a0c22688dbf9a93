// What the team and the player commands have in common, each case run for both.

#include "StoreDriver.h"
#include "roster/Picked.h"
#include "support/TestMain.h"

using namespace roster_test;

namespace {
bool Run(bool player, int command)
{
    const auto cmd = static_cast<Command>(command);
    return player ? RunPlayerCommand(cmd) : RunTeamCommand(cmd);
}
} // namespace

class TestRoster : public QObject
{
    Q_OBJECT

private slots:
    void init() { NewTest(); }

    void cleanup() { EndTest(); }

    // Every way of backing out, at every step of the six commands, changes nothing.
    void cancellingChangesNothing_data()
    {
        QTest::addColumn<bool>("player");
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<int>("answer"); // to the delete question; NoButton when none is asked
        const int none = QMessageBox::NoButton;
        const int no = QMessageBox::No;
        const auto add = static_cast<int>(Command::Add);
        const auto change = static_cast<int>(Command::Update);
        const auto del = static_cast<int>(Command::Delete);
        const QString cancel = QStringLiteral("cmdCancel");
        const Step team = ChooseRow(QStringLiteral("lstTeams"), 0);
        const Step player = ChooseRow(QStringLiteral("lstPlayers"), 0);
        const QList<Step> endings{Click(cancel), Key(Qt::Key_Escape), CloseBox()};
        const QStringList endingNames{QStringLiteral("Cancel"), QStringLiteral("Escape"), QStringLiteral("close box")};

        for (int i = 0; i < endings.size(); ++i) {
            const Step& ending = endings[i];
            const QByteArray name = endingNames[i].toUtf8();
            // The team edit window and the player edit window take a typed change before Cancel.
            const Step teamEdit = i == 0 ? TypeTeam(QStringLiteral("X"), cancel) : ending;
            const Step playerEdit = i == 0 ? TypePlayer(QStringLiteral("99"), QStringLiteral("X"), cancel) : ending;
            QTest::addRow("team add: %s", name.constData()) << false << add << QList<Step>{teamEdit} << none;
            QTest::addRow("team rename: chooser %s", name.constData())
                << false << change << QList<Step>{ending} << none;
            QTest::addRow("team rename: edit %s", name.constData())
                << false << change << QList<Step>{team, teamEdit} << none;
            QTest::addRow("team delete: chooser %s", name.constData()) << false << del << QList<Step>{ending} << none;
            QTest::addRow("player add: chooser %s", name.constData()) << true << add << QList<Step>{ending} << none;
            QTest::addRow("player edit: player chooser %s", name.constData())
                << true << change << QList<Step>{team, ending} << none;
            QTest::addRow("player edit: %s", name.constData())
                << true << change << QList<Step>{team, player, playerEdit} << none;
        }
        QTest::newRow("team delete: No") << false << del << QList<Step>{team} << no;
        QTest::newRow("player edit: team chooser Cancel") << true << change << QList<Step>{Click(cancel)} << none;
        QTest::newRow("player delete: team chooser Cancel") << true << del << QList<Step>{Click(cancel)} << none;
        QTest::newRow("player delete: player chooser Cancel")
            << true << del << QList<Step>{team, Click(cancel)} << none;
        QTest::newRow("player delete: No") << true << del << QList<Step>{team, player} << no;
    }

    void cancellingChangesNothing()
    {
        QFETCH(bool, player);
        QFETCH(int, command);
        QFETCH(QList<Step>, steps);
        QFETCH(int, answer);
        TestApp app;
        AddFalconsWithAnn(app);
        const Rows teams = Teams(app);
        const Rows players = Players(app);
        // Whatever an earlier command left in the shared record must not be stored.
        if (player) {
            pubPlayer().setPlayerName(QStringLiteral("left over"));
            pubPlayer().setPlayerNumber(1);
        } else {
            pubTeam().setTeamName(QStringLiteral("left over from before"));
        }

        if (answer != QMessageBox::NoButton)
            MsgBoxHook::setNextAnswer(static_cast<QMessageBox::StandardButton>(answer));
        auto seen = DriveWindows(steps);
        QVERIFY(Run(player, command));
        QCOMPARE(seen->windows.size(), steps.size());
        if (answer == QMessageBox::NoButton)
            QVERIFY(!pubOK); // the last window was cancelled
        QCOMPARE(Teams(app), teams);
        QCOMPARE(Players(app), players);
        QCOMPARE(MsgBoxHook::asked().size(), answer == QMessageBox::NoButton ? 0 : 1);
    }

    void withoutTeamsEveryCommandSaysSoOnce_data()
    {
        QTest::addColumn<bool>("player");
        QTest::addColumn<int>("command");
        QTest::newRow("team rename") << false << static_cast<int>(Command::Update);
        QTest::newRow("team delete") << false << static_cast<int>(Command::Delete);
        QTest::newRow("player add") << true << static_cast<int>(Command::Add);
        QTest::newRow("player edit") << true << static_cast<int>(Command::Update);
        QTest::newRow("player delete") << true << static_cast<int>(Command::Delete);
    }

    void withoutTeamsEveryCommandSaysSoOnce()
    {
        QFETCH(bool, player);
        QFETCH(int, command);
        TestApp app;
        QVERIFY(Run(player, command));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There are no teams loaded.")});
        QCOMPARE(MsgBoxHook::asked()[0].title, QStringLiteral("Teams"));
        QCOMPARE(MsgBoxHook::asked()[0].icon, QMessageBox::Information);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 0);
        QCOMPARE(app.count(QStringLiteral("PLAYER")), 0);
    }

    // A statement the engine refuses is reported with its message, and nothing half-done stays.
    void refusedStatementIsReportedAndUndone_data()
    {
        QTest::addColumn<bool>("player");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<bool>("confirm"); // answers Yes to the delete question
        const auto refuse = [](const char* when) {
            return QStringLiteral("CREATE TRIGGER refuse BEFORE %1 BEGIN SELECT RAISE(ABORT, 'disk says no'); END")
                .arg(QLatin1String(when));
        };
        const Step team = ChooseRow(QStringLiteral("lstTeams"), 0);
        const Step player = ChooseRow(QStringLiteral("lstPlayers"), 0);
        QTest::newRow("team add") << false << static_cast<int>(Command::Add) << refuse("INSERT ON TEAM")
                                  << QList<Step>{TypeTeam(QStringLiteral("New"))} << false;
        QTest::newRow("team rename") << false << static_cast<int>(Command::Update) << refuse("UPDATE ON TEAM")
                                     << QList<Step>{team, TypeTeam(QStringLiteral("Renamed"))} << false;
        // The players go in the second statement: the team must come back with them.
        QTest::newRow("team delete") << false << static_cast<int>(Command::Delete) << refuse("DELETE ON PLAYER")
                                     << QList<Step>{team} << true;
        QTest::newRow("player edit") << true << static_cast<int>(Command::Update) << refuse("UPDATE ON PLAYER")
                                     << QList<Step>{team, player,
                                                    TypePlayer(QStringLiteral("8"), QStringLiteral("Anna"),
                                                               QStringLiteral("cmdOk"))}
                                     << false;
        QTest::newRow("player delete") << true << static_cast<int>(Command::Delete) << refuse("DELETE ON PLAYER")
                                       << QList<Step>{team, player} << true;
    }

    void refusedStatementIsReportedAndUndone()
    {
        QFETCH(bool, player);
        QFETCH(int, command);
        QFETCH(QString, trigger);
        QFETCH(QList<Step>, steps);
        QFETCH(bool, confirm);
        TestApp app;
        AddFalconsWithAnn(app);
        const Rows teams = Teams(app);
        const Rows players = Players(app);
        Execute(trigger);

        if (confirm)
            MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        DriveWindows(steps);
        QVERIFY(!Run(player, command));
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

SIDELINES_TEST(TestRoster)
#include "tst_roster.moc"
