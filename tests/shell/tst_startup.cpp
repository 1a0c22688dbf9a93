#include "ShellTestSupport.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include "core/MsgBox.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "core/mConstants.h"
#include "core/Database.h"
#include "core/DataPlace.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kTipsKey = QStringLiteral("Options/Show Tips at Startup");

}  // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
    }

    void splashShowsMainWindowThenLeavesWithATip_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("tipExpected");
        QTest::newRow("setting absent") << QVariant() << true;
        QTest::newRow("setting 1") << QVariant(QStringLiteral("1")) << true;
        QTest::newRow("setting 0") << QVariant(QStringLiteral("0")) << false;
    }

    void splashShowsMainWindowThenLeavesWithATip()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, tipExpected);
        TestApp app;
        QVERIFY(app.ok());
        if (stored.isValid())
            QSettings().setValue(kTipsKey, stored);

        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        frmSplash* splash = start.splash();
        frmMain* main = start.mainWindow();
        QVERIFY(splash && main);
        QVERIFY(Db::isOpen());
        QCOMPARE(pubAppPath, app.dir() + QLatin1Char('/'));
        // The status line names the database in use, and comes back to it after a long operation.
        const QString inUse = "Database: " + QDir::toNativeSeparators(app.dbPath());
        QCOMPARE(Child<QLabel>(main, QStringLiteral("lblStatus"))->text(), inUse);
        { ProgressScope work(QStringLiteral("Working...")); }
        QCOMPARE(Child<QLabel>(main, QStringLiteral("lblStatus"))->text(), inUse);
        QCOMPARE(Child<QLabel>(splash, QStringLiteral("lblProductName"))->text(), QStringLiteral("Sidelines"));
        QCOMPARE(Child<QLabel>(splash, QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 2.0.0"));
        QCOMPARE(Child<QLabel>(splash, QStringLiteral("lblPlatform"))->text(), QStringLiteral("for Windows 95"));

        // The splash is up in the middle of the screen, the main window loaded but not yet shown;
        // the ticks are driven here.
        QVERIFY(splash->isVisible());
        const QPoint offCentre = splash->frameGeometry().center() - splash->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(!main->isVisible());
        QVERIFY(splash->timer()->isActive());
        QCOMPARE(splash->timer()->interval(), 1000);
        splash->timer()->stop();

        splash->Timer1_Timer();
        QVERIFY(!main->isVisible());
        splash->Timer1_Timer();
        QVERIFY(main->isVisible());
        QVERIFY(splash->isVisible());
        splash->Timer1_Timer();
        splash->Timer1_Timer();
        QVERIFY(splash->isVisible());

        bool boxTicked = false;
        QString settingWhileShown;
        ModalWatch watch([&](QWidget* modal) {
            if (auto* box = Child<QCheckBox>(modal, QStringLiteral("chkLoadTipsAtStartup")))
                boxTicked = box->isChecked();
            settingWhileShown = QSettings().value(kTipsKey).toString();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        splash->Timer1_Timer();
        QCOMPARE(splash->iCount(), 5);
        QVERIFY(!splash->isVisible());
        QVERIFY(main->isVisible());
        QCOMPARE(watch.titles(), tipExpected ? QStringList{QStringLiteral("Tip of the Day")} : QStringList{});
        if (tipExpected) {
            QVERIFY(boxTicked);
            QCOMPARE(settingWhileShown, QStringLiteral("1"));
        } else {
            QCOMPARE(QSettings().value(kTipsKey).toString(), QStringLiteral("0"));
        }
        QVERIFY(MsgBoxHook::asked().isEmpty());
        main->hide();
    }

    void unusableDatabaseStopsTheStart_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not a database") << QByteArray("Rally sheet, not a database\n") << true;
        QTest::newRow("no tables") << QByteArray() << true;
    }

    void unusableDatabaseStopsTheStart()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        TestApp app;
        Db::close();
        QVERIFY(QFile::remove(app.dbPath()));
        if (present) {
            QFile f(app.dbPath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }

        SidelinesStart start(app.dir());
        QVERIFY(!start.begin());
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const auto asked = MsgBoxHook::asked().first();
        QVERIFY2(asked.prompt.contains(QDir::toNativeSeparators(app.dbPath())), qPrintable(asked.prompt));
        // Names the engine's reason as well as the file.
        QString reason;
        QVERIFY(!Db::open(app.dbPath(), &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY2(asked.prompt.contains(reason), qPrintable(asked.prompt));
        QCOMPARE(asked.icon, QMessageBox::Critical);
        QVERIFY(!Db::isOpen());
        QVERIFY(VisibleTopLevels().isEmpty());
        // Never made up silently.
        QCOMPARE(QFile::exists(app.dbPath()), present);
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
        QFile tips(shared + "TIPOFDAY.TXT");
        QVERIFY(tips.open(QIODevice::WriteOnly));
        tips.write("Installed tip\n");
        tips.close();
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
            QVERIFY(QFile::exists(user + Db::kFileName));
            QVERIFY(QFile::exists(user + SidelinesStart::LockFileName()));
            QCOMPARE(QDir(bin).entryList(QDir::Files | QDir::Hidden), QStringList());
            QCOMPARE(StatusText(), "Database: " + QDir::toNativeSeparators(user + Db::kFileName));
            QCOMPARE(frmTip(start.mainWindow()).tips(), QStringList{QStringLiteral("Installed tip")});
        }
        QCOMPARE(frmTip::TipsFile(), pubAppPath + "TIPOFDAY.TXT");
    }

    // A file the engine may only read (its header's write version, byte 18, past what the engine
    // writes: honoured for root too) starts with that said; it still reads and stays unchanged.
    void readOnlyDatabaseIsSaidAtStart()
    {
        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        Db::close();
        QFile file(app.dbPath());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(18) && file.write("\x03", 1) == 1 && file.seek(0));
        const QByteArray before = file.readAll();
        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        start.splash()->timer()->stop();
        start.splash()->hide();
        QCOMPARE(MsgBoxHook::prompts().size(), 1);
        for (const QString& part : {QDir::toNativeSeparators(app.dbPath()),
                                    QStringLiteral("cannot write to it: attempt to write a readonly database")})
            QVERIFY2(MsgBoxHook::prompts()[0].contains(part), qPrintable(MsgBoxHook::prompts()[0]));
        QCOMPARE(app.count(QStringLiteral("TEAM")), 1);
        Db::close();
        QVERIFY(file.seek(0) && file.readAll() == before);
    }

    void secondCopyOnTheSameFolderIsRefused()
    {

        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES ('2026-01-01 10:00:00', 'a', 'b')"));

        SidelinesStart first(app.dir());
        QVERIFY(first.begin());
        first.splash()->timer()->stop();
        // The first copy has been recording for an hour by now.
        {
            QFile lock(app.dir() + QLatin1Char('/') + SidelinesStart::LockFileName());
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }

        {
            SidelinesStart second(app.dir());
            QVERIFY(!second.begin());
            QCOMPARE(MsgBoxHook::asked().size(), 1);
            const auto asked = MsgBoxHook::asked().first();
            QCOMPARE(asked.prompt, QStringLiteral("Sidelines is already running."));
            QCOMPARE(asked.title, QStringLiteral("Sidelines"));
            QCOMPARE(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(asked.icon, QMessageBox::Information);
            QVERIFY(second.splash() == nullptr);
        }
        // The first copy keeps its database and its match.
        QVERIFY(Db::isOpen());
        QCOMPARE(app.count(QStringLiteral("MATCH")), 1);
        first.splash()->hide();
    }

    void folderIsFreeAgainAfterTheFirstCopyEnds()
    {

        TestApp app;
        {
            SidelinesStart first(app.dir());
            QVERIFY(first.begin());
            first.splash()->hide();
        }
        SidelinesStart again(app.dir());
        QVERIFY(again.begin());
        QVERIFY(MsgBoxHook::asked().isEmpty());
        again.splash()->hide();
    }

    // A lock file that no running copy holds never blocks a start: one whose process is long
    // gone, or one left empty or garbled by a power cut.
    void lockThatNoCopyHoldsDoesNotBlock_data()
    {
        QTest::addColumn<QByteArray>("content");
        qint64 deadPid = 999999;
        while (QFileInfo::exists(QStringLiteral("/proc/%1").arg(deadPid)))
            ++deadPid;
        QTest::newRow("process gone") << QByteArray::number(deadPid) + "\nsidelines\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock \n\n\n");
    }

    void lockThatNoCopyHoldsDoesNotBlock()
    {
        QFETCH(QByteArray, content);
        TestApp app;
        QFile stale(app.dir() + QLatin1Char('/') + SidelinesStart::LockFileName());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(content);
        stale.close();
        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        QVERIFY(MsgBoxHook::asked().isEmpty());
        start.splash()->hide();
    }

    // A second folder whose database is a link to the first's is the same database: its exit
    // would empty the first copy's live match.
    void linkedDatabaseSharesTheLock()
    {
        TestApp app;
        SidelinesStart first(app.dir());
        QVERIFY(first.begin());
        first.splash()->timer()->stop();
        first.splash()->hide();
        QTemporaryDir other;
        QVERIFY(QFile::link(app.dbPath(), other.filePath(QString::fromLatin1(Db::kFileName))));
        {
            SidelinesStart second(other.path());
            QVERIFY(!second.begin());
            QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("Sidelines is already running.")});
        }
        QVERIFY(Db::isOpen());
    }
};

SIDELINES_TEST(TestStartup)
#include "tst_startup.moc"
