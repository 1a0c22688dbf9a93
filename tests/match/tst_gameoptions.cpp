#include "MatchDriver.h"
#include "match/frmGameOptions.h"
#include "match/frmStarters.h"
#include "core/mConstants.h"
#include "support/TestMain.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

using namespace match_test;

namespace {
// Which option of each pair is selected, as "3/5", "15/25", "L/R".
QString Chosen(QWidget* w)
{
    auto on = [w](const char* name) { return Child<QRadioButton>(w, QString::fromLatin1(name))->isChecked(); };
    QString games = on("opt3") ? QStringLiteral("3") : on("opt5") ? QStringLiteral("5") : QStringLiteral("?");
    QString points = on("opt15") ? QStringLiteral("15") : on("opt25") ? QStringLiteral("25") : QStringLiteral("?");
    QString side = on("optLeft") ? QStringLiteral("L") : on("optRight") ? QStringLiteral("R") : QStringLiteral("?");
    // Exactly one of each pair.
    if (on("opt3") == on("opt5") || on("opt15") == on("opt25") || on("optLeft") == on("optRight"))
        return QStringLiteral("two or none selected");
    return games + QLatin1Char(' ') + points + QLatin1Char(' ') + side;
}

void Store(const QString& key, const QString& value)
{
    if (!value.isNull())
        SaveSetting(QStringLiteral("Match"), key, value);
}
} // namespace

class TestGameOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;

private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup()
    {
        QVERIFY(VisibleTopLevels().isEmpty());
        app.reset();
    }

    void proposesLastAnswers_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first run") << QString() << QString() << QString() << "3 15 L";
        QTest::newRow("stored left, three, fifteen") << "LEFT"
                                                     << "3"
                                                     << "15"
                                                     << "3 15 L";
        QTest::newRow("stored right, five, twenty-five") << "RIGHT"
                                                         << "5"
                                                         << "25"
                                                         << "5 25 R";
        QTest::newRow("Left is not LEFT") << "Left"
                                          << "3"
                                          << "15"
                                          << "3 15 R";
        QTest::newRow("left is not LEFT") << "left"
                                          << "3"
                                          << "15"
                                          << "3 15 R";
        QTest::newRow("four games means five") << "LEFT"
                                               << "4"
                                               << "15"
                                               << "5 15 L";
        QTest::newRow("unreadable games means five") << "LEFT"
                                                     << "many"
                                                     << "15"
                                                     << "5 15 L";
        QTest::newRow("other points mean fifteen") << "LEFT"
                                                   << "3"
                                                   << "21"
                                                   << "3 15 L";
    }

    void proposesLastAnswers()
    {
        QFETCH(QString, side);
        QFETCH(QString, games);
        QFETCH(QString, points);
        QFETCH(QString, expected);
        Store(QStringLiteral("Side"), side);
        Store(QStringLiteral("Games"), games);
        Store(QStringLiteral("Points"), points);
        frmStarters L;
        QString chosen;
        QString title;
        OnNextModal([&](QWidget* w) {
            chosen = Chosen(w);
            title = w->windowTitle();
            Click(w, QStringLiteral("cmdCancel"));
        });
        frmGameOptions(&L).exec();
        QCOMPARE(chosen, expected);
        QCOMPARE(title, QStringLiteral("Game Options"));
    }

    void okWritesTheLineUpAndRemembers_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("points");
        QTest::newRow("defaults") << QStringList() << "LEFT" << 3 << 15;
        QTest::newRow("right, five, twenty-five") << QStringList{"optRight", "opt5", "opt25"} << "RIGHT" << 5 << 25;
        QTest::newRow("five only") << QStringList{"opt5"} << "LEFT" << 5 << 15;
    }

    void okWritesTheLineUpAndRemembers()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, side);
        QFETCH(int, games);
        QFETCH(int, points);
        frmStarters L;
        L.strSide = QStringLiteral("unset");
        L.igame = 0;
        L.iPoints = 0;
        pubOK = false;
        OnNextModal([&](QWidget* w) {
            for (const QString& c : clicks)
                Click(w, c);
            QTest::keyClick(w, Qt::Key_Return); // Ok is the default button
        });
        frmGameOptions(&L).exec();
        QVERIFY(pubOK);
        QCOMPARE(L.strSide, side);
        QCOMPARE(int(L.igame), games);
        QCOMPARE(int(L.iPoints), points);
        QCOMPARE(GetSetting(QStringLiteral("Match"), QStringLiteral("Side"), QString()), side);
        QCOMPARE(GetSetting(QStringLiteral("Match"), QStringLiteral("Games"), QString()), QString::number(games));
        QCOMPARE(GetSetting(QStringLiteral("Match"), QStringLiteral("Points"), QString()), QString::number(points));

        // The next match proposes these answers.
        QString chosen;
        OnNextModal([&](QWidget* w) {
            chosen = Chosen(w);
            Click(w, QStringLiteral("cmdCancel"));
        });
        frmGameOptions(&L).exec();
        QCOMPARE(chosen, QStringLiteral("%1 %2 %3").arg(games).arg(points).arg(side.left(1)));
    }

    void leavingWithoutOkWritesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
    }

    void leavingWithoutOkWritesNothing()
    {
        QFETCH(QString, how);
        frmStarters L;
        L.strSide = QStringLiteral("LEFT");
        L.igame = 3;
        L.iPoints = 15;
        pubOK = true; // as the team chooser leaves it
        OnNextModal([&](QWidget* w) {
            Click(w, QStringLiteral("optRight"));
            Click(w, QStringLiteral("opt5"));
            Click(w, QStringLiteral("opt25"));
            if (how == QLatin1String("cancel"))
                Click(w, QStringLiteral("cmdCancel"));
            else if (how == QLatin1String("escape"))
                QTest::keyClick(w, Qt::Key_Escape);
            else
                w->close();
        });
        frmGameOptions(&L).exec();
        QVERIFY(!pubOK);
        QCOMPARE(L.strSide, QStringLiteral("LEFT"));
        QCOMPARE(int(L.igame), 3);
        QCOMPARE(int(L.iPoints), 15);
        QVERIFY(QSettings().allKeys().isEmpty());
    }

    void decidingGameAsksOnlyForTheSide()
    {
        SaveSetting(QStringLiteral("Match"), QStringLiteral("Games"), QStringLiteral("5"));
        frmStarters L;
        L.igame = 5;
        bool gamesEnabled = true, pointsEnabled = true, sideEnabled = false;
        OnNextModal([&](QWidget* w) {
            gamesEnabled = Child<QGroupBox>(w, QStringLiteral("frameGames"))->isEnabled();
            pointsEnabled = Child<QGroupBox>(w, QStringLiteral("framePoints"))->isEnabled();
            sideEnabled = Child<QGroupBox>(w, QStringLiteral("frameSide"))->isEnabled();
            Click(w, QStringLiteral("optRight"));
            Click(w, QStringLiteral("opt3")); // disabled: does nothing
            Click(w, QStringLiteral("cmdOk"));
        });
        frmGameOptions(&L, true).exec();
        QVERIFY(!gamesEnabled);
        QVERIFY(!pointsEnabled);
        QVERIFY(sideEnabled);
        QCOMPARE(L.strSide, QStringLiteral("RIGHT"));
        QCOMPARE(int(L.igame), 5);
    }

    void accessKeysDoNotClash()
    {
        frmStarters L;
        frmGameOptions options(&L);
        QStringList keys;
        for (QAbstractButton* b : options.findChildren<QAbstractButton*>()) {
            const int amp = b->text().indexOf(QLatin1Char('&'));
            if (amp >= 0)
                keys << b->text().mid(amp + 1, 1).toLower();
        }
        QCOMPARE(keys.size(), 6);
        keys.removeDuplicates();
        QCOMPARE(keys.size(), 6);
    }
};

SIDELINES_TEST(TestGameOptions)
#include "tst_gameoptions.moc"
