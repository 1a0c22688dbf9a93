#include "support/Drive.h"
#include "support/TestMain.h"

#include "core/CProgressBar.h"
#include "core/DataPlace.h"
#include "core/mConstants.h"
#include "core/PictureBox.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QSettings>

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
        if (stored.isValid())
            QSettings().setValue(kTipsKey, stored);

        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        frmSplash* splash = start.splash();
        frmMain* main = start.mainWindow();
        QVERIFY(splash && main);
        QVERIFY(Db::isOpen());
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

        // The splash is up in the middle of the screen, the main window loaded but not yet shown;
        // the ticks are driven here.
        QVERIFY(splash->isVisible());
        const QPoint offCentre = splash->frameGeometry().center() - splash->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(!main->isVisible());
        QVERIFY(splash->timer()->isActive());
        QCOMPARE(splash->timer()->interval(), 1000);
        splash->timer()->stop();

        // The main window shows at the second tick; the splash leaves at the fifth, with the tip
        // (its box ticked) unless the user turned it off.
        for (int tick = 1; tick <= 4; ++tick) {
            splash->Timer1_Timer();
            QCOMPARE(main->isVisible(), tick >= 2);
            QVERIFY(splash->isVisible());
        }
        bool boxTicked = false;
        ModalWatch watch([&](QWidget* modal) {
            boxTicked = Child<QCheckBox>(modal, QStringLiteral("chkLoadTipsAtStartup"))->isChecked();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        splash->Timer1_Timer();
        QVERIFY(!splash->isVisible() && main->isVisible());
        QCOMPARE(watch.titles(), tipExpected ? QStringList{QStringLiteral("Tip of the Day")} : QStringList{});
        QCOMPARE(boxTicked, tipExpected);
        QCOMPARE(QSettings().value(kTipsKey).toString(), QLatin1String(tipExpected ? "1" : "0"));
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
        QFile tips(shared + "TIPOFDAY.TXT");
        QVERIFY(tips.open(QIODevice::WriteOnly) && tips.write("Installed tip\n") > 0 && tips.flush());
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
            QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("Sidelines is already running.")});
            QCOMPARE(MsgBoxHook::asked().first().icon, QMessageBox::Information);
            QVERIFY(second.splash() == nullptr);
        }
        QVERIFY(Db::isOpen());
        QCOMPARE(app.count(QStringLiteral("MATCH")), 1);
    }

    // A lock file that no running copy holds never blocks a start: one left by a copy that
    // ended, one whose process is long gone, or one left empty or garbled by a power cut.
    void lockThatNoCopyHoldsDoesNotBlock_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: the lock of a first copy that ended
        qint64 deadPid = 999999;
        while (QFileInfo::exists(QStringLiteral("/proc/%1").arg(deadPid)))
            ++deadPid;
        QTest::newRow("copy ended") << QByteArray();
        QTest::newRow("process gone") << QByteArray::number(deadPid) + "\nsidelines\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock \n\n\n");
    }

    void lockThatNoCopyHoldsDoesNotBlock()
    {
        QFETCH(QByteArray, content);
        TestApp app;
        if (content.isNull()) {
            SidelinesStart first(app.dir());
            QVERIFY(first.begin());
            first.splash()->hide();
        } else {
            QFile stale(app.dir() + QLatin1Char('/') + SidelinesStart::LockFileName());
            QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write(content) == content.size());
        }
        SidelinesStart start(app.dir());
        QVERIFY(start.begin());
        QVERIFY(MsgBoxHook::asked().isEmpty());
        start.splash()->hide();
    }
};

SIDELINES_TEST(TestStartup)
#include "tst_startup.moc"
