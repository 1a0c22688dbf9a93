#include "core/CProgressBar.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "roster/Picked.h"
#include "roster/clsTeam.h"
#include "roster/frmPickTeam.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
QString TeamLine(const QString& name, const RecordId& id)
{
    return name + QStringLiteral("\t\t\t\t\tTEAM ID: ") + id.text();
}

QStringList ListLines(QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}
} // namespace

class TestPickTeam : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(VisibleTopLevels(), QStringList()); }

    void showsEveryTeamOnItsOwnLine()
    {
        TestApp app;
        const RecordId a = app.addTeam(QStringLiteral("Falcons"));
        const RecordId b = app.addTeam(QStringLiteral("Herons"));
        pubProgress().setMax(100);
        QStringList seen;
        QString title;
        auto ran = OnNextModal([&](QWidget* w) {
            title = w->windowTitle();
            auto* list = Child<QListWidget>(w, QStringLiteral("lstTeams"));
            QVERIFY(list);
            seen = ListLines(list);
            QCOMPARE(list->currentRow(), 0);
            QCOMPARE(list->item(1)->data(Qt::UserRole).toString(), b.text());
            QCOMPARE(Child<QPushButton>(w, QStringLiteral("cmdOk"))->text(), QStringLiteral("Ok"));
            QCOMPARE(Child<QPushButton>(w, QStringLiteral("cmdCancel"))->text(), QStringLiteral("Cancel"));
            QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdCancel")), Qt::LeftButton);
        });
        QVERIFY(!PickTeam(QStringLiteral("Please Choose the Home Team")));
        QVERIFY(*ran);
        QCOMPARE(title, QStringLiteral("Please Choose the Home Team"));
        QCOMPARE(seen, (QStringList{TeamLine(QStringLiteral("Falcons"), a), TeamLine(QStringLiteral("Herons"), b)}));
        QVERIFY(!pubOK);
        // The gauge was sized to the rows and is back at rest, as is the status line.
        QCOMPARE(pubProgress().max(), 2);
        QCOMPARE(pubProgress().value(), 0);
        QCOMPARE(StatusText(), QString());
    }

    // Each way of leaving: the chosen entry must come back as exactly its own team.
    void choosingReturnsThatTeam_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter takes the preselected first line") << 0 << QStringLiteral("enter");
        QTest::newRow("Ok on the second of two same-named teams") << 1 << QStringLiteral("ok");
        QTest::newRow("Ok on the first of two same-named teams") << 0 << QStringLiteral("ok");
        QTest::newRow("double-click on the second line") << 1 << QStringLiteral("double-click");
    }

    void choosingReturnsThatTeam()
    {
        QFETCH(int, row);
        QFETCH(QString, how);
        TestApp app;
        const QList<RecordId> ids{app.addTeam(QStringLiteral("Twins")), app.addTeam(QStringLiteral("Twins"))};
        auto ran = OnNextModal([&](QWidget* w) {
            auto* list = Child<QListWidget>(w, QStringLiteral("lstTeams"));
            if (how == QStringLiteral("enter")) {
                QTest::keyClick(list, Qt::Key_Return);
                return;
            }
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            if (how == QStringLiteral("double-click")) {
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                return;
            }
            QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        QVERIFY(PickTeam(QStringLiteral("Teams")));
        QVERIFY(*ran);
        QVERIFY(pubOK);
        auto team = PickedTeam();
        QVERIFY(team);
        QCOMPARE(team->TeamID(), ids[row]);
        QCOMPARE(team->TeamName(), QStringLiteral("Twins"));
    }

    void everyWayOutIsCancel_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }

    void everyWayOutIsCancel()
    {
        QFETCH(int, how);
        TestApp app;
        app.addTeam(QStringLiteral("Falcons"));
        pubOK = true;
        auto ran = OnNextModal([&](QWidget* w) {
            if (how == 0)
                QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdCancel")), Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(Child<QListWidget>(w, QStringLiteral("lstTeams")), Qt::Key_Escape);
            else
                w->close();
        });
        QVERIFY(!PickTeam(QStringLiteral("Teams")));
        QVERIFY(*ran);
        QVERIFY(!pubOK);
        QVERIFY(!pubPicked);
    }

    void noTeamsSaysSoOnceAndShowsNothing()
    {
        TestApp app;
        pubOK = true;
        QVERIFY(!PickTeam(QStringLiteral("Please Choose the Home Team")));
        QVERIFY(!pubOK);
        const auto asked = MsgBoxHook::asked();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, QStringLiteral("There are no teams loaded."));
        QCOMPARE(asked[0].title, QStringLiteral("Teams"));
        QCOMPARE(asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(asked[0].icon, QMessageBox::Information);
        QCOMPARE(StatusText(), QString());
    }

    void okWithNothingSelectedAsksForATeam()
    {
        TestApp app;
        const RecordId id = app.addTeam(QStringLiteral("Falcons"));
        auto ran = OnNextModal([&](QWidget* w) {
            auto* list = Child<QListWidget>(w, QStringLiteral("lstTeams"));
            list->clearSelection();
            list->setCurrentItem(nullptr);
            QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdOk")), Qt::LeftButton);
            QVERIFY(w->isVisible()); // stays open
            list->setCurrentRow(0);
            QTest::mouseClick(Child<QPushButton>(w, QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        QVERIFY(PickTeam(QStringLiteral("Teams")));
        QVERIFY(*ran);
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("Please Choose a Team Name.")});
        QCOMPARE(MsgBoxHook::asked()[0].title, QStringLiteral("Teams"));
        QCOMPARE(MsgBoxHook::asked()[0].icon, QMessageBox::NoIcon);
        QCOMPARE(PickedTeam()->TeamID(), id);
    }
};

SIDELINES_TEST(TestPickTeam)
#include "tst_pickteam.moc"
