#include "support/Drive.h"
#include "support/TestMain.h"

#include "core/ArchiveStore.h"
#include "core/mConstants.h"
#include "shell/frmMain.h"

#include <QAction>

namespace {
// A key that no longer closes the window fails the test instead of leaving it waiting.
void Guard(QWidget* window)
{
    QTimer::singleShot(3000, window, [window] { qobject_cast<QDialog*>(window)->reject(); });
}
}  // namespace
Q_DECLARE_METATYPE(drive::Step)

// File › Restore Saved Matches, driven as the user does it, on three matches left at an exit.
class TestRestoreWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<frmMain> m_main;
    QList<RecordId> m_matches;

    void seedAndLeave()
    {
        const RecordId home = m_app->addTeam(QStringLiteral("Falcons"));
        const RecordId away = m_app->addTeam(QStringLiteral("Hawks"));
        for (int n = 0; n < 3; ++n) {
            m_matches << RecordId::fromText(QStringLiteral("2026-03-0%1 18:00:00").arg(n + 1));
            Execute(QStringLiteral("INSERT INTO MATCH VALUES (?, ?, ?)"), {Bind(m_matches[n]), Bind(home), Bind(away)});
            for (int g = 1; g <= n + 1; ++g)
                Execute(QStringLiteral("INSERT INTO GAME VALUES (?, ?, ?, 25, ?)"),
                        {Bind(m_matches[n]), Bind(m_matches[n].addSecs(g)), g, 20 + g});
        }
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
    }

    // The working matches, as their places in the archive's list.
    QList<int> working() const
    {
        QList<int> rows;
        for (const QVariantList& row : m_app->rows(QStringLiteral("SELECT MATCHID FROM MATCH ORDER BY MATCHID")))
            rows << int(m_matches.indexOf(RecordId::fromText(row[0].toString())));
        return rows;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->ok());
        m_main = std::make_unique<frmMain>();
        QString error;
        QVERIFY2(m_main->Form_Load(m_app->dir(), &error), qPrintable(error));
        m_main->show();
    }

    void cleanup()
    {
        m_main->hide();
        drive::EndTest();
        m_main.reset();
        m_app.reset();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Enter takes the first match (chosen when the window opens), Escape and the close box
    // nothing; several may be chosen together.
    void chooseAndRestore_data()
    {
        QTest::addColumn<QList<int>>("select"); // empty: leave the window's own choice
        QTest::addColumn<drive::Step>("how");
        QTest::addColumn<QList<int>>("restored");
        using namespace drive;
        const Step enter = Key(Qt::Key_Return);
        QTest::newRow("Enter") << QList<int>{} << enter << QList<int>{0};
        QTest::newRow("Escape") << QList<int>{} << Key(Qt::Key_Escape) << QList<int>{};
        QTest::newRow("close box") << QList<int>{1} << CloseBox() << QList<int>{};
        QTest::newRow("two, OK") << QList<int>{0, 2} << Click(QStringLiteral("cmdOK")) << QList<int>{0, 2};
        QTest::newRow("Select All, Enter") << QList<int>{} << Steps({Click(QStringLiteral("cmdAll")), enter}) << QList<int>{0, 1, 2};
    }

    void chooseAndRestore()
    {
        QFETCH(QList<int>, select);
        QFETCH(drive::Step, how);
        QFETCH(QList<int>, restored);
        seedAndLeave();
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
        Child<QAction>(m_main.get(), QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Restore Saved Matches")});
        QCOMPARE(lines, (QStringList{QStringLiteral("Hawks vs Falcons on 2026-03-01 18:00:00   21-25"),
                                     QStringLiteral("Hawks vs Falcons on 2026-03-02 18:00:00   21-25, 22-25"),
                                     QStringLiteral("Hawks vs Falcons on 2026-03-03 18:00:00   21-25, 22-25, 23-25")}));
        QCOMPARE(working(), restored);
        QCOMPARE(statuses->contains(QStringLiteral("Restoring the saved matches...")), !restored.isEmpty());
        QVERIFY(MsgBoxHook::asked().isEmpty());
    }

    void matchAlreadyThereIsNamedAndLeftAlone()
    {
        seedAndLeave();
        ArchiveStore::Restore(ArchiveStore::DefaultPath(), {m_matches[1]});
        Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 30"));
        drive::Windows({drive::Steps({Guard, drive::Click(QStringLiteral("cmdAll")), drive::Key(Qt::Key_Return)})});
        Child<QAction>(m_main.get(), QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(working(), (QList<int>{0, 1, 2}));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral(
                     "These matches are already among the recorded matches and were left as they are:\n\n"
                     "Hawks vs Falcons on 2026-03-02 18:00:00")});
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT COUNT(*) FROM GAME WHERE HOMESCORE = 30")).toInt(), 2);
    }

    void noArchiveYetIsSaid()
    {
        Child<QAction>(m_main.get(), QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QVERIFY(MsgBoxHook::prompts().first().startsWith(QLatin1String("There are no saved matches yet.")));
    }
};

SIDELINES_TEST(TestRestoreWindow)
#include "tst_restorewindow.moc"
