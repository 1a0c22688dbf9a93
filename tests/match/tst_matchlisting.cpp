#include "MatchDriver.h"
#include "match/clsMatch.h"
#include "match/frmMatch.h"
#include "core/mConstants.h"
#include "support/TestMain.h"

#include <QTest>

using namespace match_test;

class TestMatchListing : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QList<RecordId> matches;

    RecordId addMatch(const RecordId& when, const RecordId& home, const RecordId& away)
    {
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
                {Bind(when), Bind(home), Bind(away)});
        return when;
    }

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        const RecordId london = app->addTeam(QStringLiteral("London"));
        const RecordId boston = app->addTeam(QStringLiteral("Boston on Sea"));
        const RecordId gone = app->addTeam(QStringLiteral("Gone"));
        // Stored out of order: the list shows them by date.
        const RecordId day(QDateTime(QDate(2026, 3, 1), QTime(18, 0, 0)));
        matches = {day, day.addSecs(86400), day.addSecs(2 * 86400)};
        addMatch(matches[2], gone, london);
        addMatch(matches[0], london, boston);
        addMatch(matches[1], boston, london);
        Execute(QStringLiteral("DELETE FROM TEAM WHERE TEAMID = ?"), {Bind(gone)});
    }

    void cleanup()
    {
        QVERIFY(VisibleTopLevels().isEmpty());
        app.reset();
    }

    void listsEveryMatchAwayFirst()
    {
        StatusRecorder status;
        status.show();
        QVERIFY(QTest::qWaitForWindowExposed(&status));
        SetStatusLabel(&status);
        frmMatch listing;
        SetStatusLabel(nullptr);
        status.hide();
        QCOMPARE(status.painted, QStringList{QStringLiteral("Loading all the matches...")});
        QCOMPARE(listing.windowTitle(), QStringLiteral("Match Listing"));
        auto* list = Child<QListWidget>(&listing, QStringLiteral("lstMatch"));
        QCOMPARE(Entries(list),
                 (QStringList{QStringLiteral("Boston on Sea vs London on 2026-03-01 18:00:00"),
                              QStringLiteral("London vs Boston on Sea on 2026-03-02 18:00:00"),
                              QStringLiteral("London vs (deleted team) on 2026-03-03 18:00:00")}));
        QCOMPARE(list->currentRow(), 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(list->item(i)->data(Qt::UserRole).value<RecordId>(), matches[i]);
        QVERIFY(Child<QPushButton>(&listing, QStringLiteral("cmdOK"))->isDefault());
        QCOMPARE(StatusText(), QString());
    }

    void pickingAMatch_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("chosen"); // -1: none
        QTest::newRow("OK without touching the list") << "ok" << 0;
        QTest::newRow("Enter") << "enter" << 0;
        QTest::newRow("second entry") << "click 1" << 1;
        QTest::newRow("match of a deleted team") << "click 2" << 2;
        QTest::newRow("double-click") << "double 1" << 1;
        QTest::newRow("Cancel") << "cancel" << -1;
        QTest::newRow("close box") << "close" << -1;
    }

    void pickingAMatch()
    {
        QFETCH(QString, how);
        QFETCH(int, chosen);
        OnNextModal([how](QWidget* w) {
            auto* list = Child<QListWidget>(w, QStringLiteral("lstMatch"));
            const int row = how.section(QLatin1Char(' '), 1).toInt();
            const QPoint at = list->visualItemRect(list->item(row)).center();
            if (how == QLatin1String("ok"))
                Click(w, QStringLiteral("cmdOK"));
            else if (how == QLatin1String("enter"))
                QTest::keyClick(list, Qt::Key_Return);
            else if (how.startsWith(QLatin1String("click"))) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                Click(w, QStringLiteral("cmdOK"));
            } else if (how.startsWith(QLatin1String("double")))
                DoubleClick(list, row);
            else if (how == QLatin1String("cancel"))
                Click(w, QStringLiteral("cmdCancel"));
            else
                w->close();
        });
        clsMatch match;
        const RecordId earlier(QDateTime(QDate(2020, 1, 1), QTime(0, 0, 0)));
        match.setMatchID(earlier);
        match.PickMatch();
        QCOMPARE(match.MatchID(), chosen < 0 ? earlier : matches[chosen]);
    }

    void okOnAnEmptyListIsCancel()
    {
        Execute(QStringLiteral("DELETE FROM MATCH"));
        bool empty = false;
        OnNextModal([&](QWidget* w) {
            empty = Child<QListWidget>(w, QStringLiteral("lstMatch"))->count() == 0;
            Click(w, QStringLiteral("cmdOK"));
        });
        clsMatch match;
        match.PickMatch();
        QVERIFY(empty);
        QVERIFY(match.MatchID().isNull());
        QVERIFY(!pubOK);
    }
};

SIDELINES_TEST(TestMatchListing)
#include "tst_matchlisting.moc"
