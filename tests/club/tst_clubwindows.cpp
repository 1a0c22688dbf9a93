#include "ClubTest.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include "widgets/mConstants.h"
#include "shell/ClubCommands.h"
#include "support/MainWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace club;
using namespace drive;

namespace {
// An access key pressed in a dialog, as the user would, with the window active first.
Step Alt(Qt::Key key)
{
    return [key](QWidget* w) {
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, 1000))
            qWarning("%s did not become active", qPrintable(w->objectName()));
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key, Qt::AltModifier);
        // An access key presses its button for a moment before it clicks.
        if (!QTest::qWaitFor([w] {
                for (auto* b : w->findChildren<QAbstractButton*>())
                    if (b->isDown())
                        return false;
                return true;
            }))
            qWarning("a button stayed down in %s", qPrintable(w->objectName()));
    };
}

// The boxes of the club server window, filled by keys.
Step Fill(const ClubServer& s, const QString& password)
{
    return Steps({Type("txtHost", s.host), Type("txtPort", QString::number(s.port)), Type("txtDatabase", s.database),
                  Type("txtUser", s.user), Type("txtPassword", password), Type("txtCACert", s.caFile)});
}

QString SettingsFileText()
{
    QSettings settings;
    settings.sync();
    QFile f(settings.fileName());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace
Q_DECLARE_METATYPE(drive::Step)

// The club server as the user meets it: its settings window by keys, the Test button, sending
// from the menu and at the exit, the start, and the restore window's second source.
class TestClubWindows : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<frmMain> m_main;
    QString m_db;

    frmMain* load()
    {
        m_main = LoadMainWindow(*m_app);
        return m_main.get();
    }

    void use(const ClubServer& server, const std::optional<QString>& password)
    {
        ClubSettings::SaveServer(server);
        ClubSettings::SetSessionPassword(password);
    }

    // The bench's matches recorded and left through the exit.
    void recordAndLeave(const QString& prefix, int matches) { RecordAndLeave({prefix, {}, 2, 7, matches, 2, 10}); }

private slots:
    void initTestCase() { QVERIFY2(Server(), "no PostgreSQL test server"); }

    void init()
    {
        m_app = FreshBench(&m_db);
        QVERIFY(m_app->ok());
    }

    void cleanup()
    {
        if (m_main)
            m_main->hide();
        drive::EndTest();
        m_main.reset();
        m_app.reset();
        SetIdleNote(QString());
        ClubSettings::SetSessionPassword(std::nullopt);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Enter keeps the settings and puts the password in the key store, never in the settings file,
    // where the next start finds it; Escape and the close box keep nothing; a distant server without its CA certificate is
    // refused with the reason and the window stays.
    void settingsWindowByKeys_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("withCA");
        QTest::addColumn<drive::Step>("leave");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("said");
        QTest::newRow("Enter") << QString() << false << Key(Qt::Key_Return) << true << QString();
        QTest::newRow("Escape") << QString() << false << Key(Qt::Key_Escape) << false << QString();
        QTest::newRow("close box") << QString() << false << CloseBox() << false << QString();
        QTest::newRow("distant with its CA, Enter") << "club.example.org" << true << Key(Qt::Key_Return) << true << QString();
        QTest::newRow("distant without a CA")
            << "club.example.org" << false
            << Steps({Key(Qt::Key_Return), Look([](QWidget* w) { QVERIFY(w->isVisible()); }), Key(Qt::Key_Escape)})
            << false << "must prove itself";
    }
    void settingsWindowByKeys()
    {
        QFETCH(QString, host);
        QFETCH(bool, withCA);
        QFETCH(drive::Step, leave);
        QFETCH(bool, kept);
        QFETCH(QString, said);
        ClubServer wanted = Server()->socketServer(m_db, QStringLiteral("bench_a"));
        if (!host.isEmpty())
            wanted.host = host;
        wanted.caFile = withCA ? Server()->caFile() : QString();
        const QString password = QStringLiteral("s3cret-%1").arg(QTest::currentDataTag()).remove(QLatin1Char(' '));
        frmMain* main = load();
        const auto seen = Windows({Steps({Fill(wanted, password), Type("txtBenchName", "Gym A"), leave})});
        Child<QAction>(main, QStringLiteral("mnuClubServer"))->trigger();
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Club Server")});
        QCOMPARE(ClubSettings::Server() == wanted, kept);
        QCOMPARE(ClubSettings::BenchName() == QLatin1String("Gym A"), kept);
        QVERIFY2(MsgBoxHook::prompts().join(QString()).contains(said), qPrintable(MsgBoxHook::prompts().join('\n')));
        QVERIFY(!SettingsFileText().contains(password));
        const KeyStore::Answer stored = KeyStore::ReadPassword(wanted.describe());
        QVERIFY2(stored.reachable, qPrintable(stored.error));
        QCOMPARE(stored.password == password, kept);
        if (!kept)
            return;
        // The next start reads the password from the key store; nothing is asked while one answers.
        ClubSettings::SetSessionPassword(std::nullopt);
        MsgBoxHook::clear();
        ClubCommands::AtStart(main);
        QCOMPARE(ClubSettings::SessionPassword(), std::optional<QString>(password));
        QCOMPARE(MsgBoxHook::prompts(), QStringList());
    }

    // Test connects off the window's thread and says what it found, or why not.
    void testButtonSaysWhatItFound_data() { table::Rows(QStringLiteral("clubwindows.txt")); }
    void testButtonSaysWhatItFound()
    {
        QFETCH(QString, database);
        QFETCH(QString, password);
        QFETCH(bool, tls);
        QFETCH(QString, said);
        if (password.isEmpty())
            password = Password("bench_a");
        recordAndLeave(QStringLiteral("Harbour"), 2);
        QVERIFY(Send(Server()->socketServer(m_db, "bench_a"), Password("bench_a")).sentCount() == 2);
        const QString db = database.isEmpty() ? m_db : database;
        const ClubServer server = tls ? Server()->tlsServer(db, "bench_a") : Server()->socketServer(db, "bench_a");
        frmMain* main = load();
        QString result;
        Windows({Steps({Fill(server, password), Click("cmdTest"),
                        Look([&](QWidget* w) { result = Child<QLabel>(w, "lblTest")->text(); }), Key(Qt::Key_Escape)})});
        Child<QAction>(main, QStringLiteral("mnuClubServer"))->trigger();
        QVERIFY2(result.contains(said), qPrintable(result));
        // Testing keeps nothing.
        QVERIFY(!ClubSettings::Server().isSet());
    }

    // A server that takes the connection and never answers: the window goes on painting and
    // ticking, takes no keys meanwhile, shows what it is doing with the busy pointer, and gives up
    // within its limit: 30 s from the menu (the connection's own limit is 10 s), a few seconds at
    // the exit. The matches still wait.
    void silentServer_data()
    {
        QTest::addColumn<bool>("atExit");
        QTest::addColumn<int>("limitMs");
        QTest::newRow("File > Send Matches to Club Server") << false << 30000;
        QTest::newRow("exit") << true << 6000;
    }
    void silentServer()
    {
        QFETCH(bool, atExit);
        QFETCH(int, limitMs);
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        ClubServer server = Server()->tlsServer(m_db, "bench_a");
        server.port = silent.serverPort();
        use(server, Password("bench_a"));
        recordAndLeave(QStringLiteral("Harbour"), 3);
        frmMain* main = load();
        auto* status = Child<QLabel>(main, QStringLiteral("lblStatus"));
        QVERIFY2(status->text().contains(QLatin1String("3 matches waiting for the club server")), qPrintable(status->text()));

        // What the window does while the call waits, seen by a timer of its own event loop.
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longestGap = 0;
        QStringList statuses;
        bool busy = false;
        bool keyTaken = false;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            longestGap = qMax(longestGap, now - last);
            last = now;
            if (!statuses.contains(status->text()))
                statuses << status->text();
            busy = busy || (QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
            if (now > 500 && !keyTaken) {
                keyTaken = true;
                QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
            }
        });
        QSignalSpy leaving(main, &frmMain::leaving);
        clock.start();
        ticks.start(20);
        if (atExit) {
            MsgBoxHook::setNextAnswer(QMessageBox::Yes);
            Child<QAction>(main, QStringLiteral("mnuExit"))->trigger();
        } else {
            Child<QAction>(main, QStringLiteral("mnuSendClub"))->trigger();
        }
        const qint64 took = clock.elapsed();
        ticks.stop();
        QVERIFY2(took < limitMs, qPrintable(QString::number(took)));
        QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
        QVERIFY(statuses.contains(QStringLiteral("Sending the matches to the club server...")));
        QVERIFY(busy);
        QVERIFY2(!QApplication::activePopupWidget(), "a key reached the window while the call waited");
        QCOMPARE(WaitingCount(server), 3);
        if (atExit) {
            QCOMPARE(leaving.count(), 1);
            return;
        }
        QVERIFY(main->isVisible());
        QVERIFY2(MsgBoxHook::prompts().value(0).contains(QLatin1String("did not answer within 10 seconds")),
                 qPrintable(MsgBoxHook::prompts().join('\n')));
        QVERIFY(status->text().contains(QLatin1String("3 matches waiting for the club server")));
    }

    // The exit's Yes sends what waits once the archive has it; what the server refuses waits, the
    // next start says how many, and the menu sends them once the password is right.
    void exitSendsWhatWaits_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("waiting");
        QTest::newRow("the server takes them") << Password("bench_a") << 0;
        QTest::newRow("the server refuses") << "wrong" << 3;
    }
    void exitSendsWhatWaits()
    {
        QFETCH(QString, password);
        QFETCH(int, waiting);
        use(Server()->socketServer(m_db, "bench_a"), password);
        frmMain* main = load();
        SeedSeason({QStringLiteral("Harbour"), {}, 2, 7, 3, 2, 10});
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        Child<QAction>(main, QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(MsgBoxHook::prompts().size(), 1);
        QCOMPARE(m_app->count(QStringLiteral("MATCH")), 0);
        QCOMPARE(Server()->value("SELECT COUNT(*) FROM MATCH;", m_db), QString::number(3 - waiting));
        QCOMPARE(WaitingCount(Server()->socketServer(m_db, "bench_a")), waiting);

        // The next start.
        m_main.reset();
        main = load();
        ClubCommands::AtStart(main);
        auto* status = Child<QLabel>(main, QStringLiteral("lblStatus"));
        QCOMPARE(status->text().contains(QLatin1String("3 matches waiting for the club server")), waiting == 3);
        if (waiting == 0)
            return;
        ClubSettings::SetSessionPassword(Password("bench_a"));
        MsgBoxHook::clear();
        Child<QAction>(main, QStringLiteral("mnuSendClub"))->trigger();
        QCOMPARE(MsgBoxHook::prompts(), QStringList());
        QCOMPARE(Server()->value("SELECT COUNT(*) FROM MATCH;", m_db), QStringLiteral("3"));
        QCOMPARE(status->text(), QStringLiteral("3 matches sent to the club server."));
        QVERIFY(!status->text().contains(QLatin1String("waiting")));
    }

    // The restore window lists every bench's matches on the club server with the bench's name;
    // with nothing saved here it opens on the club server. The chosen ones join the working
    // tables, and the report covers them.
    void restoreWindowListsEveryBench()
    {
        for (const auto& [role, name] : {std::pair{"bench_a", "Gym A"}, std::pair{"bench_b", "Gym B"}}) {
            AnotherInstallation(m_app);
            ClubSettings::SetBenchName(QLatin1String(name));
            recordAndLeave(QLatin1String(name), 2);
            QCOMPARE(Send(Server()->socketServer(m_db, QLatin1String(role)), Password(QLatin1String(role))).sentCount(), 2);
        }
        AnotherInstallation(m_app);
        use(Server()->socketServer(m_db, "bench_c"), Password("bench_c"));
        frmMain* main = load();
        auto statuses = std::make_shared<QStringList>();
        SetStatusObserver([statuses](const QString& text) { *statuses << text; });
        QStringList onServer, here;
        bool openedOnServer = false;
        const auto seen = Windows({Steps({
            Look([&](QWidget* w) { openedOnServer = Child<QRadioButton>(w, "optSource_1")->isChecked(); }),
            Alt(Qt::Key_T), Look([&](QWidget* w) { here = Lines(w, "lstArchive"); }),
            Alt(Qt::Key_C), Look([&](QWidget* w) { onServer = Lines(w, "lstArchive"); }),
            Click("cmdAll"), Key(Qt::Key_Return)})});
        Child<QAction>(main, QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Restore Saved Matches")});
        QVERIFY(openedOnServer);
        QCOMPARE(here, QStringList());
        QCOMPARE(onServer.size(), 4);
        QCOMPARE(onServer.filter(QLatin1String("(Gym A)")).size(), 2);
        QCOMPARE(onServer.filter(QLatin1String("(Gym B)")).size(), 2);
        QVERIFY2(onServer[0].startsWith(QLatin1String("Gym ")) && onServer[0].contains(QLatin1String(" vs ")),
                 qPrintable(onServer[0]));
        QVERIFY(statuses->contains(QStringLiteral("Loading the club server's matches...")));
        QVERIFY(statuses->contains(QStringLiteral("Restoring the matches from the club server...")));
        QCOMPARE(m_app->count(QStringLiteral("MATCH")), 4);
        const QStringList report = ReportLines();
        QVERIFY(!report.filter(QLatin1String("Gym A Team")).isEmpty());
        QVERIFY(!report.filter(QLatin1String("Gym B Team")).isEmpty());
        QVERIFY(MsgBoxHook::prompts().isEmpty());
    }
};

SIDELINES_TEST(TestClubWindows)
#include "tst_clubwindows.moc"
