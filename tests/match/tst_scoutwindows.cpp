#include "storage/MatchStore.h"
#include "core/ScoutFixture.h"
#include "core/ScoutRecorder.h"
#include "storage/ScoutStore.h"
#include "widgets/mConstants.h"
#include "match/frmExportScout.h"
#include "match/frmImportScout.h"
#include "support/Drive.h"
#include "support/ScreenFit.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace scoutfixture;

namespace {
// A match's date as the lists and messages show it.
QString When(const char* stored)
{
    return MatchWhen(RecordId::fromText(QString::fromLatin1(stored)));
}
} // namespace

// The import window and the export's chooser, driven by keys as a user would.
class TestScoutWindows : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> app;
    QTemporaryDir files;

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile f(files.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }

    static QString text(QWidget* w, const char* label) { return Child<QLabel>(w, QString::fromLatin1(label))->text(); }

    // A game of Hawks against the visiting Owls, recorded on the court on 5 March 2026.
    void RecordGame()
    {
        scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 5), QTime(18, 0)));
        const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Hawks"), 6, 1);
        const scoutrecord::Team owls = r.addTeam(QStringLiteral("Owls"), 6, 10);
        r.startGame(hawks, owls, 1, Rally::kHome, true);
        r.playGame(25, 7);
    }

    // After the key that should have closed the window: one still open is closed, so that the test
    // fails instead of waiting for ever.
    static drive::Step Closed()
    {
        return drive::Look([](QWidget* w) {
            if (!w->isVisible())
                return;
            w->close();
            QFAIL("the window is still open");
        });
    }

private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup()
    {
        drive::EndTest();
        app.reset();
    }

    // The window shows what the file holds before anything is written; Enter imports it, Escape
    // writes nothing. The closing message names the match and the new teams and players.
    void enterImportsEscapeWritesNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("matches");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0;
    }
    void enterImportsEscapeWritesNothing()
    {
        QFETCH(int, key);
        QFETCH(int, matches);
        const QString path = DataPath(QStringLiteral("example_data.dvw"));
        const auto seen = drive::Windows(
            {drive::Steps({drive::Look([](QWidget* w) {
                               QCOMPARE(w->windowTitle(), QStringLiteral("Import Scout File"));
                               QCOMPARE(text(w, "lblHome"), QStringLiteral("Home: Braslovče (new team)"));
                               QCOMPARE(text(w, "lblAway"), QStringLiteral("Visiting: Nova KBM Branik (new team)"));
                               QCOMPARE(text(w, "lblSets"), QStringLiteral("Sets: 16-25, 14-25, 22-25 (Nova KBM Branik first)"));
                               const QStringList home = drive::Lines(w, QStringLiteral("lstHome"));
                               QCOMPARE(home.size(), 14);
                               QCOMPARE(home.first(), QStringLiteral("#1  ŠPELA BEDNJANIČ  (new)"));
                               QCOMPARE(drive::Lines(w, QStringLiteral("lstAway")).size(), 11);
                               QVERIFY(!Child<QLabel>(w, QStringLiteral("lblProblem"))->isVisible());
                               QVERIFY(Child<QPushButton>(w, QStringLiteral("cmdImport"))->isDefault());
                           }),
                           drive::Key(Qt::Key(key)), Closed()})});
        QStringList statuses;
        SetStatusObserver([&](const QString& text) { statuses << text; });
        ImportScoutFiles(nullptr, [&] { return QStringList{path}; });
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Import Scout File")});
        // The status line says what is being done while the import runs, and what was done after.
        QCOMPARE(statuses.contains(QStringLiteral("Importing example_data.dvw...")), matches == 1);
        if (matches)
            QCOMPARE(StatusText(), QStringLiteral("Scout files imported: 1."));
        else
            QCOMPARE(statuses, QStringList());
        QCOMPARE(app->count(QStringLiteral("MATCH")), matches);
        QCOMPARE(app->count(QStringLiteral("TEAM")), 2 * matches);
        if (matches == 0) {
            QVERIFY(MsgBoxHook::prompts().isEmpty());
            return;
        }
        // The first few players in the message, every one of them behind Show Details.
        const MsgBoxHook::Asked closing = MsgBoxHook::asked().value(0);
        // The away team first, as the match's caption names them.
        const QString teams
            = QStringLiteral("Matches imported (1):\nNova KBM Branik vs Braslovče on %1\n\nNew teams (2):\n"
                             "Nova KBM Branik\nBraslovče\n\nNew players (25):\nMIA LEDINEK #3 (Nova KBM Branik)\n")
                  .arg(When("2015-01-25 14:31:13"));
        QVERIFY2(closing.prompt.startsWith(teams), qPrintable(closing.prompt));
        QVERIFY2(closing.prompt.endsWith(
                     QStringLiteral("\nMAJA ZEMLJARIČ #5 (Nova KBM Branik)\nKARMINA SUŠNIK #6 (Nova KBM Branik)\n"
                                    "...and 21 more (Show Details lists them all).")),
                 qPrintable(closing.prompt));
        QVERIFY2(closing.details.startsWith(teams), qPrintable(closing.details));
        QVERIFY2(closing.details.endsWith(QStringLiteral("\nANJA HRIBERNIK 96 #16 (Braslovče)")),
                 qPrintable(closing.details));
        QCOMPARE(closing.details.count(QLatin1Char('\n')), 32);
    }

    // A file declaring nothing useful, written in Windows-1250: read as the detector finds it in
    // the file's letters, which the window says; the encoding chosen with the keyboard reads the
    // names again at once (UTF-8 cannot read it at all, and offers no import; Windows-1252 reads
    // the letters wrongly), and the import takes the names as last shown.
    void encodingChosenRereadsTheNames()
    {
        const QString path = write(QStringLiteral("cp1250.dvw"), Encoded(Fixture(), QStringLiteral("windows-1250")));
        const auto home = [](QWidget* w) { return text(w, "lblHome"); };
        const auto seen = drive::Windows({drive::Steps(
            {drive::Look([&](QWidget* w) {
                 QCOMPARE(home(w), QStringLiteral("Home: Braslovče (new team)"));
                 QCOMPARE(text(w, "lblEncodingUsed"),
                          QStringLiteral("read as Windows-1250, found in the file's letters"));
             }),
             drive::Key(Qt::Key_E, Qt::AltModifier), drive::Key(Qt::Key_Down), drive::Look([&](QWidget* w) {
                 QCOMPARE(Child<QComboBox>(w, QStringLiteral("cboEncoding"))->currentText(), QStringLiteral("UTF-8"));
                 QVERIFY(text(w, "lblProblem").startsWith(QStringLiteral("This file cannot be imported. Line 19: ")));
                 QVERIFY(!Child<QPushButton>(w, QStringLiteral("cmdImport"))->isEnabled());
                 QCOMPARE(text(w, "lblEncodingUsed"), QString());
             }),
             drive::Key(Qt::Key_Return), // refused: nothing happens
             drive::Key(Qt::Key_Down), drive::Key(Qt::Key_Down), drive::Key(Qt::Key_Down), drive::Look([&](QWidget* w) {
                 QCOMPARE(Child<QComboBox>(w, QStringLiteral("cboEncoding"))->currentText(),
                          QStringLiteral("Windows-1252"));
                 QCOMPARE(home(w), QStringLiteral("Home: Braslovèe (new team)"));
             }),
             drive::Key(Qt::Key_Up), drive::Key(Qt::Key_Up), drive::Look([&](QWidget* w) {
                 QCOMPARE(home(w), QStringLiteral("Home: Braslovče (new team)"));
                 QVERIFY(
                     drive::Lines(w, QStringLiteral("lstAway")).contains(QStringLiteral("#6  KARMINA SUŠNIK  (new)")));
             }),
             drive::Key(Qt::Key_Return), Closed()})});
        ImportScoutFiles(nullptr, [&] { return QStringList{path}; });
        QCOMPARE(seen->titles.size(), 1);
        QCOMPARE(app->rows(QStringLiteral("SELECT TEAMNAME FROM TEAM ORDER BY 1")),
                 (QList<QVariantList>{{QStringLiteral("Braslovče")}, {QStringLiteral("Nova KBM Branik")}}));
    }

    // Several files: each shown in turn. A damaged one says why and can only be left; the same
    // match again is named and cannot be imported; what is not a regular file is never opened for
    // reading (a FIFO would hold the window for ever and a device never end) and never shown. The
    // closing message tells every file's fate.
    void severalFilesEachInTurn()
    {
        const QString fifo = files.filePath(QStringLiteral("pipe.dvw"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString good = DataPath(QStringLiteral("example_data.dvw"));
        const QString cut = write(QStringLiteral("cut.dvw"), Join(Lines().mid(0, 700)));
        const QString other = write(QStringLiteral("other.dvw"), Renamed("Hawks", "Owls", "02/02/2015"));
        const auto problem = [](QWidget* w) { return text(w, "lblProblem"); };
        const auto seen = drive::Windows(
            {drive::Steps({drive::Key(Qt::Key_Return), Closed()}),
             drive::Steps({drive::Look([&](QWidget* w) {
                               QCOMPARE(problem(w),
                                        QStringLiteral("This file cannot be imported. Line 700: set 2 ends "
                                                       "21-10 by its points, but [3SET] gives 25-14: the "
                                                       "file is cut short."));
                               QVERIFY(!Child<QPushButton>(w, QStringLiteral("cmdImport"))->isEnabled());
                           }),
                           drive::Key(Qt::Key_Return), drive::Key(Qt::Key_Escape)}),
             drive::Steps({drive::Look([&](QWidget* w) {
                               QVERIFY2(problem(w).startsWith(QStringLiteral("This match is already among the "
                                                                             "recorded matches: Nova KBM Branik vs "
                                                                             "Braslovče on ")
                                                              + When("2015-01-25 14:31:13")),
                                        qPrintable(problem(w)));
                           }),
                           drive::Key(Qt::Key_Return), drive::Key(Qt::Key_Escape)}),
             drive::Steps({drive::Key(Qt::Key_Return), Closed()})});
        ImportScoutFiles(nullptr,
                         [&] { return QStringList{good, fifo, cut, good, QStringLiteral("/dev/zero"), other}; });
        QCOMPARE(seen->titles.size(), 4);
        QCOMPARE(app->count(QStringLiteral("MATCH")), 2);
        const MsgBoxHook::Asked closing = MsgBoxHook::asked().value(0);
        QVERIFY2(
            closing.prompt.startsWith(QStringLiteral("Matches imported (2):\nNova KBM Branik vs Braslovče on %1\n"
                                                     "Owls vs Hawks on %2\n\n"
                                                     "New teams (4):\nNova KBM Branik\nBraslovče\nOwls\nHawks\n\n"
                                                     "New players (50):\n")
                                          .arg(When("2015-01-25 14:31:13"), When("2015-02-02 14:31:13"))),
            qPrintable(closing.prompt));
        QVERIFY2(closing.prompt.endsWith(QStringLiteral(
                     "Not imported (4):\npipe.dvw: not a regular file\ncut.dvw: Line 700: set 2 ends 21-10 by its "
                     "points, but [3SET] gives 25-14: the file is cut short.\nexample_data.dvw: the match is already "
                     "among the recorded matches: Nova KBM Branik vs Braslovče on %1.\nzero: not a regular file")
                     .arg(When("2015-01-25 14:31:13"))),
                 qPrintable(closing.prompt));
        QCOMPARE(StatusText(), QStringLiteral("Scout files imported: 2."));
        // Fifty new players and four files refused: the message as shown, its details open, on the screen.
        const auto box
            = MsgBoxWindow(closing.prompt, closing.buttons, closing.icon, closing.title, closing.defaultButton);
        box->setDetailedText(closing.details);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == QMessageBox::ActionRole)
                b->click();
        QCOMPARE(screenfit::Problems(box.get(), box->screen()->availableGeometry()), QStringList());
    }

    // The export's chooser: Enter writes the chosen match where the user says, whole; Escape
    // writes nothing and asks nothing more.
    void exportChooserByKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void exportChooserByKeys()
    {
        QFETCH(int, key);
        RecordGame();
        const QString path = files.filePath(QStringLiteral("out-%1.dvw").arg(key));
        QString proposed;
        const auto seen = drive::Windows(
            {drive::Steps({drive::Look([](QWidget* w) {
                               QCOMPARE(w->windowTitle(), QStringLiteral("Export Scout File"));
                               const QStringList lines = drive::Lines(w, QStringLiteral("lstMatches"));
                               QCOMPARE(lines.size(), 1);
                               QVERIFY2(lines[0].startsWith(QStringLiteral("Owls vs Hawks on ")
                                                            + QLocale().toString(QDate(2026, 3, 5), QLocale::ShortFormat)),
                                        qPrintable(lines[0]));
                           }),
                           drive::Key(Qt::Key(key)), Closed()})});
        ExportScoutFile(nullptr, [&](const QString& name) {
            proposed = name;
            return path;
        });
        QCOMPARE(seen->titles.size(), 1);
        if (key == Qt::Key_Escape) {
            QVERIFY(proposed.isEmpty());
            QVERIFY(!QFile::exists(path));
            return;
        }
        QCOMPARE(proposed, QStringLiteral("2026-03-05 Owls vs Hawks.dvw"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const Scout::ReadResult read = Scout::Read(f.readAll(), Scout::Encoding::Automatic, QDate(2026, 12, 31));
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(read.match->teams[0].name, QStringLiteral("Hawks"));
        QVERIFY2(StatusText().startsWith(QStringLiteral("Scout file written: ")), qPrintable(StatusText()));
    }

    // A file of the chosen name is replaced only when the user says Yes; No brings the dialog
    // back (here it is left with Cancel, or given another name), and nothing is written over.
    void exportAsksBeforeReplacing_data() { table::Rows(QStringLiteral("scoutwindows.txt")); }
    void exportAsksBeforeReplacing()
    {
        QFETCH(QString, answer);
        QFETCH(QString, second);
        QFETCH(int, asked);
        QFETCH(bool, replaced);
        QFETCH(bool, other);
        RecordGame();
        const QString path = write(QStringLiteral("taken.dvw"), "a file of the user's");
        MsgBoxHook::setNextAnswer(answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No);
        const auto seen = drive::Windows({drive::Steps({drive::Key(Qt::Key_Return), Closed()})});
        QStringList offered;
        ExportScoutFile(nullptr, [&](const QString& name) {
            offered << name;
            return offered.size() == 1 ? path : (second.isEmpty() ? QString() : files.filePath(second));
        });
        QCOMPARE(offered.size(), asked);
        if (asked > 1)
            QCOMPARE(offered[1], path);
        const MsgBoxHook::Asked question = MsgBoxHook::asked().value(0);
        QCOMPARE(question.prompt,
                 QStringLiteral("%1 already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(question.defaultButton, QMessageBox::No);
        QCOMPARE(question.title, QStringLiteral("Export Scout File"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().startsWith("[3DATAVOLLEYSCOUT]"), replaced);
        QCOMPARE(QFileInfo::exists(files.filePath(QStringLiteral("another name.dvw"))), other);
    }
};

SIDELINES_TEST(TestScoutWindows)
#include "tst_scoutwindows.moc"
