#include "storage/MatchStore.h"
#include "game/Court.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include "storage/ArchiveStore.h"
#include "storage/Database.h"
#include "widgets/mConstants.h"
#include "storage/RosterStore.h"
#include "match/frmStarters.h"
#include "roster/clsTeam.h"
#include "support/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {
const QStringList kMatchTables{QStringLiteral("GAME"), QStringLiteral("MATCH"), QStringLiteral("PLAY"),
                               QStringLiteral("PLAYED")};

// Rows of each table, read through a connection of its own so that only what was committed to
// the file counts.
QMap<QString, int> CountsInFile(const QString& path, const QStringList& tables)
{
    QMap<QString, int> counts;
    for (const QString& table : tables) // names from the tests only
        counts[table]
            = FileRows(path, QStringLiteral("SELECT COUNT(*) FROM ") + table).value(0, QStringLiteral("-1")).toInt();
    return counts;
}
const QStringList kAllTables = kMatchTables + QStringList{QStringLiteral("TEAM"), QStringLiteral("PLAYER")};


// Two teams, a player, and three matches of one, two and three games; the first game has the
// player's action and participation.
QList<RecordId> SeedMatches(TestApp& app)
{
    const RecordId home = app.addTeam(QStringLiteral("Falcons"));
    const RecordId away = app.addTeam(QStringLiteral("O'Hara's Hawks"));
    const RecordId player = app.addPlayer(home, QStringLiteral("Ana"), 7);
    QList<RecordId> matches;
    for (int n = 0; n < 3; ++n) {
        matches << RecordId::fromText(QStringLiteral("2026-03-0%1 18:00:00").arg(n + 1));
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"), {Bind(matches[n]), Bind(home), Bind(away)});
        for (int g = 1; g <= n + 1; ++g)
            Execute(QStringLiteral("INSERT INTO GAME VALUES (?, ?, ?, 25, ?)"),
                    {Bind(matches[n]), Bind(matches[n].addSecs(g)), g, 20 + g});
    }
    const RecordId game = matches[0].addSecs(1);
    Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT) VALUES (?, ?, ?, 4, 1, 1)"),
            {Bind(game), Bind(game.addSecs(300)), Bind(player)});
    Execute(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"), {Bind(game), Bind(player)});
    return matches;
}

// The working matches, as their places in the archive's list.
QList<int> Working(const TestApp& app, const QList<RecordId>& matches)
{
    QList<int> rows;
    for (const QVariantList& row : app.rows(QStringLiteral("SELECT MATCHID FROM MATCH ORDER BY MATCHID")))
        rows << int(matches.indexOf(RecordId::fromText(row[0].toString())));
    return rows;
}

// A key that no longer closes the window fails the test instead of leaving it waiting.
void Guard(QWidget* window)
{
    QTimer::singleShot(3000, window, [window] { qobject_cast<QDialog*>(window)->reject(); });
}
// What a label puts on the screen, decided the way the label decides: markup shows as its document.
QString Shown(const QLabel* label)
{
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text())))
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}
}  // namespace
Q_DECLARE_METATYPE(drive::Step)

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<frmMain> m_main;

    frmMain* load()
    {
        m_main = LoadMainWindow(*m_app);
        return m_main.get();
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->ok());
    }

    void cleanup()
    {
        if (m_main)
            m_main->hide();
        drive::EndTest();
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
        m_main.reset();
        m_app.reset();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Leaving asks first; Yes archives the matches and empties their tables, No keeps them. The
    // user can always leave: when the database refuses the emptying (read-only, or damaged while
    // running), that is said and the program still ends, with nothing half-emptied.
    // An archive that cannot take the matches is named by file and folder, each once, with what
    // frees the way.
    void leavingAsksAndForgetsOnlyTheMatches_data() { table::Rows(QStringLiteral("mainwindow.txt")); }

    void leavingAsksAndForgetsOnlyTheMatches()
    {
        QFETCH(QString, way);
        QFETCH(bool, yes);
        QFETCH(QString, damage);
        QFETCH(QByteArray, archive);
        QFETCH(QString, said);
        SeedMatches(*m_app);
        frmMain* main = load();
        if (!damage.isEmpty())
            Execute(damage);
        const QString archivePath = ArchiveStore::DefaultPath();
        if (!archive.isEmpty()) {
            QString error;
            QFile file(archivePath);
            if (archive == "read-only") {
                QVERIFY(Db::createFresh(archivePath, &error));
                QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(18) && file.write("\x03", 1) == 1);
            } else {
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(archive) == archive.size());
            }
        }
        const auto before = CountsInFile(m_app->dbPath(), kAllTables);
        QCOMPARE(before.value(QStringLiteral("PLAY")), 1);
        QSignalSpy leaving(main, &frmMain::leaving);

        MsgBoxHook::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        if (way == QLatin1String("menu"))
            Child<QAction>(main, QStringLiteral("mnuExit"))->trigger();
        else if (way == QLatin1String("tool bar"))
            QTest::mouseClick(Child<QToolButton>(main, QStringLiteral("cmdToolBar_4")), Qt::LeftButton);
        else
            main->windowHandle()->close();

        const QStringList prompts = MsgBoxHook::prompts();
        QCOMPARE(prompts.value(0), QStringLiteral("Are you sure you would like to leave Sidelines?\n\nYour recorded "
                                                  "matches are saved to the archive and cleared from the working tables."));
        QCOMPARE(MsgBoxHook::asked().first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(prompts.size(), said.isEmpty() ? 1 : 2);
        QVERIFY2(prompts.value(1).contains(said, Qt::CaseInsensitive), qPrintable(prompts.value(1)));
        if (!archive.isEmpty()) {
            const QString folder = QDir::toNativeSeparators(QFileInfo(archivePath).path());
            QVERIFY2(prompts.value(1).startsWith("The recorded matches could not be saved to the archive Archive.db in "
                                                 "the folder\n" + folder + "\n\n" + said + "\n\nMake room on that "
                                                 "drive, or move Archive.db aside; nothing was cleared"),
                     qPrintable(prompts.value(1)));
            QCOMPARE(prompts.value(1).count(folder), 1);
        }
        QCOMPARE(main->isVisible(), !yes);
        QCOMPARE(leaving.count(), yes ? 1 : 0);
        Execute(QStringLiteral("PRAGMA query_only = 0"));
        const auto after = CountsInFile(m_app->dbPath(), kAllTables);
        if (!yes || !said.isEmpty()) {
            QCOMPARE(after, before);
            QVERIFY(yes || !QFileInfo::exists(archivePath));
            return;
        }
        // Kept in the archive first; the roster stays.
        const auto archived = CountsInFile(ArchiveStore::DefaultPath(), kMatchTables);
        for (const QString& table : kMatchTables) {
            QCOMPARE(after.value(table), 0);
            QCOMPARE(archived.value(table), before.value(table));
        }
        QCOMPARE(after.value(QStringLiteral("TEAM")) + after.value(QStringLiteral("PLAYER")), 3);
    }

    // A database file taken away while the program runs is named as such.
    void vanishedDatabaseIsNamed()
    {
        load();
        QVERIFY(QFile::remove(m_app->dbPath()));
        QVERIFY(!RunCommand([] { throw DbError(QStringLiteral("attempt to write a readonly database"), QString()); }));
        QVERIFY2(MsgBoxHook::prompts().value(0).contains(QLatin1String("no longer there")),
                 qPrintable(MsgBoxHook::prompts().value(0)));
    }

    // Each command, from its menu and from its tool bar twin, shows the user the same windows and
    // messages; the five that wait do so over the main window only (the windows they open keep
    // the normal pointer), and no pointer is left behind.
    void commandsAndTheirToolBarTwins_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("toolBar"); // -1: none
        QTest::addColumn<bool>("busy");
        // The first five have tool bar buttons, in this order.
        const QStringList menus{"mnuStartMatch", "mnuAddPlayer", "mnuAddTeam", "mnuRepWiz", "mnuExit", "mnuMatch",
                                "mnuTips", "mnuEditTeam", "mnuEditPlayer", "mnuDelTeam", "mnuDelPlayer"};
        const QStringList busy{"mnuStartMatch", "mnuAddPlayer", "mnuAddTeam", "mnuMatch", "mnuTips"};
        for (int i = 0; i < menus.size(); ++i)
            QTest::newRow(qPrintable(menus[i])) << menus[i] << (i < 5 ? i : -1) << busy.contains(menus[i]);
    }

    void commandsAndTheirToolBarTwins()
    {
        QFETCH(QString, menu);
        QFETCH(int, toolBar);
        QFETCH(bool, busy);
        // Two teams with players, so that each command gets as far as its first window.
        for (const QString& name : {QStringLiteral("Falcons"), QStringLiteral("Hawks")}) {
            const RecordId team = m_app->addTeam(name);
            for (int i = 1; i <= 6; ++i)
                m_app->addPlayer(team, name + QString::number(i), i);
        }
        frmMain* main = load();
        // Every window is cancelled, every question answered No.
        using Seen = std::pair<QStringList, QStringList>;
        auto run = [&](const std::function<void()>& press) {
            MsgBoxHook::clear();
            MsgBoxHook::setNextAnswer(QMessageBox::No);
            ModalWatch watch;
            press();
            for (const auto& seen : watch.seen())
                [&] { QVERIFY2(seen.busyPointer == busy, qPrintable(seen.title)); }();
            [&] {
                QVERIFY(QApplication::overrideCursor() == nullptr);
                QVERIFY(main->cursor().shape() != Qt::WaitCursor);
            }();
            return Seen(watch.titles(), MsgBoxHook::prompts());
        };
        const Seen fromMenu = run([&] { Child<QAction>(main, menu)->trigger(); });
        QVERIFY2(!fromMenu.first.isEmpty() || !fromMenu.second.isEmpty(), "the command showed nothing at all");
        if (toolBar >= 0) {
            auto* button = Child<QToolButton>(main, QStringLiteral("cmdToolBar_%1").arg(toolBar));
            QWidget* before = main->focusWidget();
            const Seen fromToolBar = run([&] { QTest::mouseClick(button, Qt::LeftButton); });
            // The click leaves the keyboard where it was, on a control the user can see.
            QCOMPARE(main->focusWidget(), before);
            QVERIFY(!before || (before->isVisible() && before->width() > 1 && before->height() > 1));
            QCOMPARE(fromToolBar, fromMenu);
        }
        // Cancelled, so nothing was stored and the window is still there.
        QCOMPARE(m_app->count(QStringLiteral("TEAM")), 2);
        QCOMPARE(m_app->count(QStringLiteral("PLAYER")), 12);
        QCOMPARE(m_app->count(QStringLiteral("MATCH")), 0);
        QVERIFY(main->isVisible());
    }

    // File › Restore Saved Matches on three matches left at an exit. Enter takes the first match (chosen when the window opens), Escape and the close box
    // nothing; several may be chosen together.
    void restoreWindowChoosesAndRestores_data()
    {
        QTest::addColumn<QList<int>>("select"); // empty: leave the window's own choice
        QTest::addColumn<drive::Step>("how");
        QTest::addColumn<QList<int>>("restored");
        using namespace drive;
        QTest::newRow("Enter") << QList<int>{} << Key(Qt::Key_Return) << QList<int>{0};
        QTest::newRow("Escape") << QList<int>{} << Key(Qt::Key_Escape) << QList<int>{};
        QTest::newRow("close box") << QList<int>{1} << CloseBox() << QList<int>{};
        QTest::newRow("two, OK") << QList<int>{0, 2} << Click(QStringLiteral("cmdOK")) << QList<int>{0, 2};
        QTest::newRow("Select All, Enter") << QList<int>{} << Steps({Click(QStringLiteral("cmdAll")), Key(Qt::Key_Return)}) << QList<int>{0, 1, 2};
    }

    void restoreWindowChoosesAndRestores()
    {
        QFETCH(QList<int>, select);
        QFETCH(drive::Step, how);
        QFETCH(QList<int>, restored);
        frmMain* main = load();
        const QList<RecordId> matches = SeedMatches(*m_app);
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
        auto statuses = std::make_shared<QStringList>();
        SetStatusObserver([statuses](const QString& text) { *statuses << text; });
        QStringList lines;
        const auto seen = drive::Windows({[&](QWidget* w) {
            Guard(w);
            lines = drive::Lines(w, QStringLiteral("lstArchive"));
            if (!select.isEmpty())
                drive::SelectRows(Child<QListWidget>(w, QStringLiteral("lstArchive")), select);
            how(w);
        }});
        Child<QAction>(main, QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Restore Saved Matches")});
        const auto on = [](int day) { return MatchWhen(RecordId(QDateTime(QDate(2026, 3, day), QTime(18, 0)))); };
        QCOMPARE(lines, (QStringList{QStringLiteral("O'Hara's Hawks vs Falcons on %1   21-25").arg(on(1)),
                                     QStringLiteral("O'Hara's Hawks vs Falcons on %1   21-25, 22-25").arg(on(2)),
                                     QStringLiteral("O'Hara's Hawks vs Falcons on %1   21-25, 22-25, 23-25").arg(on(3))}));
        QCOMPARE(Working(*m_app, matches), restored);
        QCOMPARE(statuses->contains(QStringLiteral("Restoring the saved matches...")), !restored.isEmpty());
        QVERIFY(MsgBoxHook::asked().isEmpty());
    }

    // Before any exit there is nothing to restore; a match already there is named and left alone.
    void restoreWindowNamesAMatchAlreadyThere()
    {
        frmMain* main = load();
        Child<QAction>(main, QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(MsgBoxHook::prompts().size(), 1);
        QVERIFY(MsgBoxHook::prompts().first().startsWith(QLatin1String("There are no saved matches yet.")));
        MsgBoxHook::clear();
        const QList<RecordId> matches = SeedMatches(*m_app);
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
        ArchiveStore::Restore(ArchiveStore::DefaultPath(), {matches[1]});
        Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 30"));
        drive::Windows({drive::Steps({Guard, drive::Click(QStringLiteral("cmdAll")), drive::Key(Qt::Key_Return)})});
        Child<QAction>(main, QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(Working(*m_app, matches), (QList<int>{0, 1, 2}));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral(
                     "These matches are already among the recorded matches and were left as they are:\n\n"
                     "O'Hara's Hawks vs Falcons on %1")
                     .arg(MatchWhen(RecordId(QDateTime(QDate(2026, 3, 2), QTime(18, 0)))))});
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT COUNT(*) FROM GAME WHERE HOMESCORE = 30")).toInt(), 2);
    }
};

SIDELINES_TEST(TestMainWindow)
// Names are data: a name full of markup shows as typed everywhere it appears, never as the
// picture, bold text or nothing that the markup would make.
class TestNamesAsData : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { drive::EndTest(); }

    void markupInANameShowsAsTyped()
    {
        using namespace drive;
        court::Prepare();
        const QString name = QStringLiteral("<b>Bo</b><img src=\"nowhere.png\"><i>Lee</i>");
        court::Seeded seeded;
        RosterStore::RenameTeam(seeded.session.homeTeamId, name);
        QVERIFY(!RosterStore::UpdatePlayer({seeded.home[0], seeded.session.homeTeamId, name, 1}));
        seeded.session.loadRosters();
        QStringList wrong; // every place that went wrong, so that one run names them all
        auto expect = [&wrong](const char* place, const QString& shown, const QString& wanted) {
            if (!shown.contains(wanted))
                wrong << QStringLiteral("%1 shows [%2]").arg(QLatin1String(place), shown);
        };

        // The roster's chooser and delete question.
        Windows({Answer(QMessageBox::No, Steps({Look([&](QWidget* w) { expect("chooser", Lines(w, "lstTeams").value(0), name); }),
                                                Click("cmdOk")}))});
        QVERIFY(RunCommand([] { clsTeam().Delete(); }));
        const auto question = MsgBoxWindow(MsgBoxHook::prompts()[0], QMessageBox::Yes | QMessageBox::No,
                                           QMessageBox::NoIcon, QString(), QMessageBox::NoButton);
        expect("delete question", Shown(question->findChild<QLabel*>("qt_msgbox_label")), name);

        frmStarters lineUp(seeded.session);
        lineUp.SetupTheHomeTeam();
        expect("line-up label", Shown(Child<QLabel>(&lineUp, "lblHomeTeam")), name);

        // The court screen: the player's box, the status line after an action.
        const auto owned = court::CourtScreen(seeded.session);
        frmGame& screen = *owned;
        auto box = [&screen](int n) { return Child<QLabel>(&screen, QStringLiteral("lblPlayer_%1").arg(n)); };
        int n = 1;
        while (n < 12 && box(n)->property("playerId") != seeded.home[0].text())
            ++n;
        // A name too long for the box loses its middle there, and still shows its markup as typed.
        const QString shownBox = Shown(box(n));
        if (!shownBox.startsWith(name.left(5)) || !shownBox.endsWith(name.right(5) + "\n#1"))
            wrong << QStringLiteral("court box shows [%1]").arg(shownBox);
        screen.game().PlayerOnClick(qint16(n));
        QVERIFY(RunCommand([&] { screen.game().AddStat(QStringLiteral("Kill"), seeded.home[0]); }));
        expect("court status line", Shown(Child<QLabel>(&screen, "lblStatus")), name);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

SIDELINES_TEST(TestNamesAsData)
#include "tst_mainwindow.moc"
