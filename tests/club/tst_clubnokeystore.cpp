#include "support/Drive.h"
#include "support/TestMain.h"

#include "club/ClubSettings.h"
#include "shell/ClubCommands.h"
#include "shell/frmClubServer.h"

#include <QLineEdit>
#include <QTest>

using namespace drive;
Q_DECLARE_METATYPE(std::optional<QString>)

// Where no key store can be reached (no desktop session), the user is told, and the password is
// asked for at each start and kept only in memory: never written anywhere else. Run by its own
// ctest entry without a D-Bus session.
class TestClubNoKeyStore : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> m_app;

    static ClubServer AServer()
    {
        ClubServer s;
        s.host = QStringLiteral("/run/postgresql");
        s.database = QStringLiteral("season");
        s.user = QStringLiteral("bench_hall");
        return s;
    }

private slots:
    void init()
    {
        // Skipped test by test: a class skipped as a whole would end the executable's later classes too.
        if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("needs a process without a D-Bus session: the ctest entry club_no_keystore runs it");
        m_app = std::make_unique<TestApp>();
        ClubSettings::SetSessionPassword(std::nullopt);
    }

    void cleanup()
    {
        EndTest();
        m_app.reset();
        ClubSettings::SetSessionPassword(std::nullopt);
    }

    // At start: told why, then asked; OK keeps the typed password for this run, Escape none.
    void toldAndAskedAtStart_data()
    {
        QTest::addColumn<Qt::Key>("leave");
        QTest::addColumn<std::optional<QString>>("kept");
        QTest::newRow("Enter") << Qt::Key_Return << std::optional<QString>(QStringLiteral("typed here"));
        QTest::newRow("Escape") << Qt::Key_Escape << std::optional<QString>();
    }
    void toldAndAskedAtStart()
    {
        QFETCH(Qt::Key, leave);
        QFETCH(std::optional<QString>, kept);
        ClubSettings::SaveServer(AServer());
        const KeyStore::Answer answer = KeyStore::ReadPassword(AServer().describe());
        QVERIFY(!answer.reachable);
        const auto seen = Windows({Steps({[](QWidget* w) {
                                              auto* box = w->findChild<QLineEdit*>();
                                              QVERIFY(box && box->echoMode() == QLineEdit::Password);
                                              box->setFocus();
                                              QTest::keyClicks(box, QStringLiteral("typed here"));
                                          },
                                          Key(leave)})});
        ClubCommands::AtStart(nullptr);
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Club Server")});
        QCOMPARE(MsgBoxHook::prompts().size(), 1);
        QVERIFY2(MsgBoxHook::prompts().first().startsWith(QLatin1String("The system's key store cannot be reached")),
                 qPrintable(MsgBoxHook::prompts().first()));
        QCOMPARE(ClubSettings::SessionPassword(), kept);
    }

    // The settings window keeps the settings and says that the password lasts only this run.
    void settingsWindowSaysSo()
    {
        Windows({Steps({Type("txtDatabase", "season"), Type("txtUser", "bench_hall"), Type("txtPassword", "only now"),
                        Key(Qt::Key_Return)})});
        QVERIFY(frmClubServer().choose());
        QVERIFY(ClubSettings::Server().isSet());
        QCOMPARE(ClubSettings::SessionPassword(), std::optional<QString>(QStringLiteral("only now")));
        QCOMPARE(MsgBoxHook::prompts().size(), 1);
        QVERIFY2(MsgBoxHook::prompts().first().contains(QLatin1String("Sidelines will ask for it at each start")),
                 qPrintable(MsgBoxHook::prompts().first()));
    }
};

SIDELINES_TEST(TestClubNoKeyStore)
#include "tst_clubnokeystore.moc"
