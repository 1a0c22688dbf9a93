#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include "storage/ArchiveStore.h"
#include "widgets/CProgressBar.h"
#include "storage/DataPlace.h"
#include "widgets/mConstants.h"
#include "widgets/PictureBox.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSysInfo>

#include <cerrno>
#include <unistd.h>

namespace {
const QString kTipsKey = QStringLiteral("Options/Show Tips at Startup");

void WriteTips(const QString& dir, const QByteArray& content)
{
    QFile f(dir + QStringLiteral("/TIPOFDAY.TXT"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QString TipText(QWidget* tip)
{
    return Child<QLabel>(tip, QStringLiteral("lblTipText"))->text();
}

// The refusal of a second copy: the lock file beside the test's real database, then its holder.
QString AlreadyRunning(const TestApp& app, const QString& holder)
{
    const QString lock = QDir(QFileInfo(app.dir()).canonicalFilePath()).filePath(SidelinesStart::LockFileName());
    return QStringLiteral("Sidelines is already running.\n\nIts lock file\n%1\nis held by %2.")
        .arg(QDir::toNativeSeparators(lock), holder);
}
}  // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(',')))); }

    void splashShowsMainWindowThenLeavesWithATip_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("tipExpected");
        QTest::newRow("setting absent") << QVariant() << true;
        QTest::newRow("setting 0") << QVariant(QStringLiteral("0")) << false;
    }

    void splashShowsMainWindowThenLeavesWithATip()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, tipExpected);
        TestApp app;
        if (stored.isValid())
            QSettings().setValue(kTipsKey, stored);

        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        frmSplash* splash = start.splash();
        frmMain* main = start.mainWindow();
        QVERIFY(splash && main && Db::isOpen());
        QCOMPARE(pubAppPath, app.dir() + QLatin1Char('/'));
        // The status line names the database in use; a long operation shows there and on the
        // main window's gauge, and then the status line comes back to the database.
        auto* status = Child<QLabel>(main, QStringLiteral("lblStatus"));
        const QString inUse = "Database: " + QDir::toNativeSeparators(app.dbPath());
        QCOMPARE(status->text(), inUse);
        {
            ProgressScope work(QStringLiteral("Working..."));
            QCOMPARE(status->text(), QStringLiteral("Working..."));
            QCOMPARE(pubProgress().canvas(), Child<PictureBox>(main, QStringLiteral("picGauge")));
        }
        QCOMPARE(status->text(), inUse);

        // The splash is up with its picture (drawn while the rest started), the main window
        // loaded but not yet shown; the ticks are driven here.
        QVERIFY(splash->isVisible() && !main->isVisible() && splash->timer()->isActive());
        QCOMPARE(Child<QLabel>(splash, QStringLiteral("Picture1"))->pixmap().deviceIndependentSize(), QSizeF(300, 392));
        splash->timer()->stop();

        // The main window shows at the second tick, with its pictures from then on; the splash
        // leaves at the fifth, with the tip (its box ticked) unless the user turned it off.
        for (int tick = 1; tick <= 4; ++tick) {
            splash->Timer1_Timer();
            QCOMPARE(main->isVisible(), tick >= 2);
            QVERIFY(splash->isVisible());
        }
        QVERIFY(!main->windowIcon().isNull());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!Child<QToolButton>(main, QStringLiteral("cmdToolBar_%1").arg(i))->icon().pixmap(36).isNull());
        bool boxTicked = false;
        ModalWatch watch([&](QWidget* modal) {
            boxTicked = Child<QCheckBox>(modal, QStringLiteral("chkLoadTipsAtStartup"))->isChecked();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        splash->Timer1_Timer();
        QVERIFY(!splash->isVisible() && main->isVisible());
        QCOMPARE(watch.titles(), tipExpected ? QStringList{QStringLiteral("Tip of the Day")} : QStringList{});
        QCOMPARE(boxTicked, tipExpected);
        // Showing the setting is not a change of it: nothing is written.
        QCOMPARE(QSettings().value(kTipsKey), stored);
        QVERIFY(MsgBoxHook::asked().isEmpty());
        main->hide();
    }

    void unusableDatabaseStopsTheStart_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a database") << QByteArray("Rally sheet, not a database\n");
        QTest::newRow("no tables") << QByteArray("");
    }

    void unusableDatabaseStopsTheStart()
    {
        QFETCH(QByteArray, content);
        TestApp app;
        Db::close();
        QVERIFY(QFile::remove(app.dbPath()));
        QFile file(app.dbPath());
        if (!content.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush());

        SidelinesStart start(app.dir());
        QVERIFY(!start.begin());
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const auto asked = MsgBoxHook::asked().first();
        QVERIFY2(asked.prompt.contains(QDir::toNativeSeparators(app.dbPath())), qPrintable(asked.prompt));
        // Names the engine's reason as well as the file.
        QString reason;
        QVERIFY(!Db::open(app.dbPath(), &reason) && !reason.isEmpty());
        QVERIFY2(asked.prompt.contains(reason), qPrintable(asked.prompt));
        QCOMPARE(asked.icon, QMessageBox::Critical);
        QVERIFY(!Db::isOpen());
        // Never made up silently.
        QCOMPARE(QFile::exists(app.dbPath()), !content.isNull());
    }

    // A copy installed under a prefix: nothing is written beside the program, the database comes
    // from the template into the user's data folder, and the tips from the shared folder.
    void anInstalledCopyKeepsItsDatabaseInTheUsersFolder()
    {
        TestApp app;
        QTemporaryDir root;
        const QString bin = root.path() + "/usr/bin", shared = root.path() + "/usr/share/sidelines/";
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(shared));
        QString error;
        QVERIFY2(Db::createFresh(shared + Db::kFileName, &error), qPrintable(error));
        WriteTips(shared, "Installed tip\n");
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.path() + "/data"));
        const QString user = DataPlaces::UserDataFolder() + QLatin1Char('/');
        {
            SidelinesStart start(bin);
            const bool begun = start.begin();
            qputenv("XDG_DATA_HOME", oldDataHome);
            QVERIFY(begun);
            start.splash()->timer()->stop();
            QVERIFY2(user.startsWith(root.path() + "/data/"), qPrintable(user));
            QCOMPARE(pubAppPath, user);
            QVERIFY(QFile::exists(user + Db::kFileName) && QFile::exists(user + SidelinesStart::LockFileName()));
            QCOMPARE(QDir(bin).entryList(QDir::Files | QDir::Hidden), QStringList());
            QCOMPARE(StatusText(), "Database: " + QDir::toNativeSeparators(user + Db::kFileName));
            QCOMPARE(frmTip(start.mainWindow()).tips(), QStringList{QStringLiteral("Installed tip")});
            // The archive of saved matches goes with the database.
            QCOMPARE(ArchiveStore::DefaultPath(), user + "Archive.db");
        }
        QCOMPARE(frmTip::TipsFile(), pubAppPath + "TIPOFDAY.TXT");
    }

    // A second copy on the same database is refused, from the same folder or from one whose
    // database is a link to it (its exit would empty the first copy's live match), however long
    // the first copy has been running; the first keeps its database and its match.
    void secondCopyOnTheSameFolderIsRefused_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("same folder") << false;
        QTest::newRow("linked database") << true;
    }

    void secondCopyOnTheSameFolderIsRefused()
    {
        QFETCH(bool, linked);
        TestApp app;
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES ('2026-01-01 10:00:00', 'a', 'b')"));
        SidelinesStart first(app.dir());
        QVERIFY(first.begin());
        first.splash()->timer()->stop();
        first.splash()->hide();
        {
            QFile lock(app.dir() + QLatin1Char('/') + SidelinesStart::LockFileName());
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        QTemporaryDir other;
        if (linked)
            QVERIFY(QFile::link(app.dbPath(), other.filePath(QString::fromLatin1(Db::kFileName))));
        {
            SidelinesStart second(linked ? other.path() : app.dir());
            QVERIFY(!second.begin());
            // Named by the first copy's file beside the real database, and the first copy's note.
            QCOMPARE(MsgBoxHook::prompts(),
                     QStringList{AlreadyRunning(app, QStringLiteral("process %1 on %2")
                                                         .arg(QCoreApplication::applicationPid())
                                                         .arg(QSysInfo::machineHostName()))});
            QCOMPARE(MsgBoxHook::asked().first().icon, QMessageBox::Information);
            QVERIFY(second.splash() == nullptr);
        }
        QVERIFY(Db::isOpen());
        QCOMPARE(app.count(QStringLiteral("MATCH")), 1);
    }

    // A lock file that cannot be opened keeps no second copy off the database, whose exit could
    // then empty the tables this copy records into: the start is refused, naming the file and the
    // system's reason, and nothing is changed. A database that nothing can write (its header's
    // write version, byte 18, past what the engine writes: honoured for root too) is safe without
    // the lock: it opens, still reads, stays unchanged, and the start says it cannot be written.
    void unusableLockFileRefusesTheStart_data()
    {
        QTest::addColumn<QString>("blocker"); // what stands where the lock file goes
        QTest::addColumn<int>("error");       // the system's reason; 0: the start goes on
        QTest::newRow("a folder") << "folder" << EISDIR;
        QTest::newRow("a link to itself") << "loop" << ELOOP;
        QTest::newRow("a link into a missing folder") << "dangling" << ENOENT;
        // The administrator may open any file.
        if (::geteuid() != 0)
            QTest::newRow("no permission") << "denied" << EACCES;
        QTest::newRow("a folder, read-only database") << "folder" << 0;
        QTest::newRow("no lock in the way, read-only database") << "none" << 0;
    }

    void unusableLockFileRefusesTheStart()
    {
        QFETCH(QString, blocker);
        QFETCH(int, error);
        TestApp app;
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES ('2026-01-01 10:00:00', 'a', 'b')"));
        Db::close();
        if (error == 0) {
            QFile file(app.dbPath());
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(18) && file.write("\x03", 1) == 1);
        }
        const QString lockPath = app.dir() + QLatin1Char('/') + SidelinesStart::LockFileName();
        if (blocker == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(lockPath));
        else if (blocker == QLatin1String("loop"))
            QVERIFY(QFile::link(lockPath, lockPath));
        else if (blocker == QLatin1String("dangling"))
            QVERIFY(QFile::link(app.dir() + "/gone/Sidelines.lock", lockPath));
        else if (blocker == QLatin1String("denied")) {
            QFile denied(lockPath);
            QVERIFY(denied.open(QIODevice::WriteOnly));
            QVERIFY(denied.setPermissions({}));
        }
        QFile database(app.dbPath());
        QVERIFY(database.open(QIODevice::ReadOnly));
        const QByteArray before = database.readAll();

        {
            SidelinesStart start(app.dir());
            QCOMPARE(start.begin(), error == 0);
            QCOMPARE(MsgBoxHook::asked().size(), 1);
            const auto asked = MsgBoxHook::asked().first();
            if (error != 0) {
                for (const QString& part : {QDir::toNativeSeparators(lockPath), qt_error_string(error)})
                    QVERIFY2(asked.prompt.contains(part), qPrintable(asked.prompt));
                QCOMPARE(asked.icon, QMessageBox::Critical);
                QVERIFY(start.splash() == nullptr && !Db::isOpen());
            } else {
                // Only the start's word that the database can be read but not written.
                for (const QString& part : {QDir::toNativeSeparators(app.dbPath()),
                                            QStringLiteral("cannot write to it: attempt to write a readonly database")})
                    QVERIFY2(asked.prompt.contains(part), qPrintable(asked.prompt));
                start.splash()->timer()->stop();
                start.splash()->hide();
                QCOMPARE(app.count(QStringLiteral("MATCH")), 1);
            }
        }
        Db::close();
        QVERIFY(database.seek(0));
        QVERIFY(database.readAll() == before);
        // What stood in the lock's way is left as it was found, for the user to look at.
        QVERIFY(blocker == QLatin1String("none") || QFileInfo(lockPath).isSymLink() || QFileInfo::exists(lockPath));
    }

    // The lock is the system's lock on the file: while another process holds it no copy starts,
    // and once that process is killed the next start takes it over at once, whatever its note
    // says (a process long gone, nothing, garbage). The refusal names the holder as far as the
    // holder's note in the file tells it, and never shows a garbled host.
    void lockHeldByAProcessUntilItIsKilled_data() { table::Rows(QStringLiteral("startup.txt")); }

    void lockHeldByAProcessUntilItIsKilled()
    {
        QFETCH(QString, note);
        QFETCH(QString, holder);
        TestApp app;
        const QString lockPath = app.dir() + QLatin1Char('/') + SidelinesStart::LockFileName();
        QProcess holding;
        // The shell becomes the sleeping process that holds the lock, so killing it lets the lock go.
        // It says when it holds it and has written its note: looking before then would race it.
        holding.start(QStringLiteral("sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("exec 9>\"$0\" && flock -n 9 && printf \"$1\" \"$$\" >&9 && echo held && exec sleep 60"),
                       lockPath, QString(note).replace(QStringLiteral("%1"), QStringLiteral("%s"))});
        QVERIFY(holding.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return holding.readAllStandardOutput().contains("held") || holding.state() == QProcess::NotRunning; }));
        QCOMPARE(holding.state(), QProcess::Running);
        {
            SidelinesStart refused(app.dir());
            QVERIFY(!refused.begin());
            QCOMPARE(MsgBoxHook::prompts(), QStringList{AlreadyRunning(app, QString(holder).replace("%1", QString::number(holding.processId())))});
        }
        holding.kill();
        QVERIFY(holding.waitForFinished());
        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        start.splash()->hide();
    }

    // The lock file a first copy that ended leaves behind never blocks a start.
    void lockLeftByACopyThatEndedDoesNotBlock()
    {
        TestApp app;
        {
            SidelinesStart first(app.dir());
            QVERIFY(first.begin());
            first.splash()->hide();
        }
        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        QVERIFY(MsgBoxHook::asked().isEmpty());
        start.splash()->hide();
    }
};

SIDELINES_TEST(TestStartup)
class TestTip : public QObject
{
    Q_OBJECT

private slots:
    // Next Tip draws every line of the file at random;
    // a missing or empty file shows its one text and the window still closes.
    void nextTipShowsEveryLineOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three lines, one empty, one padded")
            << QByteArray("Serve to the seams.\n\n  Call the ball early.  \n")
            << QStringList{QStringLiteral("Serve to the seams."), QString(), QStringLiteral("  Call the ball early.  ")};
        QTest::newRow("Windows line ends, no final line end")
            << QByteArray("Dig low.\r\nPass high.\r\nSet tight.")
            << QStringList{QStringLiteral("Dig low."), QStringLiteral("Pass high."), QStringLiteral("Set tight.")};
        QTest::newRow("UTF-8 text")
            << QByteArray("Kill % = (K \xe2\x88\x92 E) / A\nJo\xc3\xabl blocks\n")
            << QStringList{QStringLiteral("Kill % = (K \u2212 E) / A"), QStringLiteral("Jo\u00ebl blocks")};
        QTest::newRow("one line") << QByteArray("Only tip\n") << QStringList{QStringLiteral("Only tip")};
        QTest::newRow("missing") << QByteArray()
                                 << QStringList{QStringLiteral("That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named "
                                                               "TIPOFDAY.TXT using NotePad with 1 tip per line. Then place it in the "
                                                               "same directory as the application. ")};
        QTest::newRow("empty") << QByteArray("") << QStringList{QString()};
    }

    void nextTipShowsEveryLineOfTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        TestApp app;
        if (!content.isNull())
            WriteTips(app.dir(), content);
        frmTip tip;
        tip.show();
        QSet<QString> shown{TipText(&tip)};
        for (int i = 0; i < 300; ++i) {
            QTest::mouseClick(Child<QPushButton>(&tip, QStringLiteral("cmdNextTip")), Qt::LeftButton);
            shown.insert(TipText(&tip));
        }
        QCOMPARE(shown, QSet<QString>(expected.begin(), expected.end()));
        QTest::mouseClick(Child<QPushButton>(&tip, QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!tip.isVisible());
    }

    // From the menu the box shows the setting as it stands (on until turned off) and only a change
    // is written; Enter (even with the focus on Next Tip) and Escape both close the window.
    void fromTheMenuTheBoxShowsTheSettingAndWritesOnlyChanges_data() { table::Rows(QStringLiteral("startup.txt")); }

    void fromTheMenuTheBoxShowsTheSettingAndWritesOnlyChanges()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(int, clicks);
        QFETCH(QString, expected);
        QFETCH(QString, key);
        TestApp app;
        WriteTips(app.dir(), QByteArray("Rotate before you serve.\n"));
        if (!stored.isEmpty())
            QSettings().setValue(kTipsKey, stored);
        frmMain main;
        QString error;
        QVERIFY2(main.Form_Load(app.dir(), &error), qPrintable(error));
        main.show();
        QStringList seen; // the box at first, the tip, and the window after the key
        ModalWatch watch([&](QWidget* tip) {
            auto* box = Child<QCheckBox>(tip, QStringLiteral("chkLoadTipsAtStartup"));
            seen << (box->isChecked() ? "ticked" : "unticked") << TipText(tip);
            for (int i = 0; i < clicks; ++i)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            Child<QPushButton>(tip, QStringLiteral("cmdNextTip"))->setFocus();
            QTest::keyClick(tip, key == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
            seen << (tip->isVisible() ? "open" : "closed");
            if (tip->isVisible()) // a key that does not close fails instead of waiting forever
                qobject_cast<QDialog*>(tip)->reject();
        });
        Child<QAction>(&main, QStringLiteral("mnuTips"))->trigger();
        QCOMPARE(watch.titles(), QStringList{QStringLiteral("Tip of the Day")});
        QCOMPARE(seen, (QStringList{shown, "Rotate before you serve.", "closed"}));
        QCOMPARE(QSettings().contains(kTipsKey), !expected.isEmpty());
        QCOMPARE(QSettings().value(kTipsKey).toString(), expected);
        main.hide();
    }
};

SIDELINES_TEST(TestTip)
// The built program's answers to its arguments; none of these may open a window.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void argumentsAreAnsweredOrRefused_data() { table::Rows(QStringLiteral("startup.txt")); }
    void argumentsAreAnsweredOrRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(int, status);
        QFETCH(QString, pattern);
        QProcess program;
        // No window system at all: the answers must not need one.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("LANG"), locale);
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("LANGUAGE"), language);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(SIDELINES_EXE), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        // Answers go to the standard output, refusals to the error output, and nothing else.
        QVERIFY2(QRegularExpression(pattern).match(status == 0 ? stdOut : stdErr).hasMatch(), qPrintable(stdOut + stdErr));
        QVERIFY2((status == 0 ? stdErr : stdOut).isEmpty(), qPrintable(stdOut + stdErr));
    }
};

SIDELINES_TEST(TestCommandLine)
#include "tst_startup.moc"
