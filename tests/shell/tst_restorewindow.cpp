#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include "core/ArchiveStore.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QMenu>
#include <QTest>

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
            const RecordId match = RecordId::fromText(QStringLiteral("2026-03-0%1 18:00:00").arg(n + 1));
            m_matches << match;
            Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
                    {Bind(match), Bind(home), Bind(away)});
            for (int g = 1; g <= n + 1; ++g)
                Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                                       "VALUES (?, ?, ?, 25, ?)"),
                        {Bind(match), Bind(match.addSecs(g)), g, 20 + g});
        }
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
    }

    QStringList working() const
    {
        QStringList ids;
        for (const QVariantList& row : m_app->rows(QStringLiteral("SELECT MATCHID FROM MATCH ORDER BY MATCHID")))
            ids << row[0].toString();
        return ids;
    }

    QStringList texts(const QList<int>& rows) const
    {
        QStringList out;
        for (int row : rows)
            out << m_matches[row].text();
        return out;
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

    void menuItemSitsInTheFileMenuWithItsOwnKey()
    {
        auto* file = Child<QMenu>(m_main.get(), QStringLiteral("mnuFile"));
        QStringList keys;
        for (QAction* a : file->actions()) {
            const int amp = a->text().indexOf(QLatin1Char('&'));
            if (amp >= 0)
                keys << a->text().mid(amp + 1, 1).toUpper();
        }
        QCOMPARE(Child<QAction>(m_main.get(), QStringLiteral("mnuRestore"))->text(),
                 QStringLiteral("Restore Saved &Matches…"));
        QCOMPARE(keys.count(QStringLiteral("M")), 1);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }

    // Enter takes the first match (chosen when the window opens), Escape and the close box
    // nothing; several may be chosen together.
    void chooseAndRestore_data()
    {
        QTest::addColumn<QList<int>>("select"); // empty: leave the window's own choice
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<int>>("restored");
        QTest::newRow("Enter") << QList<int>{} << QStringLiteral("enter") << QList<int>{0};
        QTest::newRow("Escape") << QList<int>{} << QStringLiteral("escape") << QList<int>{};
        QTest::newRow("close box") << QList<int>{1} << QStringLiteral("close") << QList<int>{};
        QTest::newRow("two, OK") << QList<int>{0, 2} << QStringLiteral("cmdOK") << QList<int>{0, 2};
        QTest::newRow("Select All, Enter") << QList<int>{} << QStringLiteral("all") << QList<int>{0, 1, 2};
    }

    void chooseAndRestore()
    {
        QFETCH(QList<int>, select);
        QFETCH(QString, how);
        QFETCH(QList<int>, restored);
        seedAndLeave();
        auto statuses = std::make_shared<QStringList>();
        SetStatusObserver([statuses](const QString& text) { *statuses << text; });
        QStringList lines;
        const auto seen = drive::Windows({[&](QWidget* w) {
            auto* list = Child<QListWidget>(w, QStringLiteral("lstArchive"));
            lines = drive::Lines(list);
            if (!select.isEmpty())
                drive::SelectRows(list, select);
            if (how == QLatin1String("all"))
                QTest::mouseClick(Child<QAbstractButton>(w, QStringLiteral("cmdAll")), Qt::LeftButton);
            if (how == QLatin1String("enter") || how == QLatin1String("all"))
                drive::Key(Qt::Key_Return)(w);
            else if (how == QLatin1String("escape"))
                drive::Key(Qt::Key_Escape)(w);
            else if (how == QLatin1String("close"))
                drive::CloseBox()(w);
            else
                drive::Click(how)(w);
        }});
        Child<QAction>(m_main.get(), QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(seen->titles, QStringList{QStringLiteral("Restore Saved Matches")});
        QCOMPARE(lines, (QStringList{QStringLiteral("Hawks vs Falcons on 2026-03-01 18:00:00   21-25"),
                                     QStringLiteral("Hawks vs Falcons on 2026-03-02 18:00:00   21-25, 22-25"),
                                     QStringLiteral("Hawks vs Falcons on 2026-03-03 18:00:00   21-25, 22-25, 23-25")}));
        QCOMPARE(working(), texts(restored));
        QCOMPARE(statuses->contains(QStringLiteral("Restoring the saved matches...")), !restored.isEmpty());
        QVERIFY(MsgBoxHook::asked().isEmpty());
    }

    void matchAlreadyThereIsNamedAndLeftAlone()
    {
        seedAndLeave();
        ArchiveStore::Restore(ArchiveStore::DefaultPath(), {m_matches[1]});
        Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 30"));
        drive::Windows({drive::Steps({drive::Click(QStringLiteral("cmdAll")), drive::Key(Qt::Key_Return)})});
        Child<QAction>(m_main.get(), QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(working(), texts({0, 1, 2}));
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
