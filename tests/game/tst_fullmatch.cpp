#include "Keys.h"
#include "game/frmGame.h"
#include "match/MatchDriver.h"
#include "match/clsMatch.h"
#include "match/frmStarters.h"
#include "core/MsgBox.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <sys/resource.h>

using namespace game_test;

namespace {

long MaxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// What the database must hold after the match, kept by the test on its own: who stands where,
// the scores, every action and every player who took part.
struct Match
{
    QRandomGenerator rng{20261206};
    QList<RecordId> teams;
    int picks = 0;

    QString side = QStringLiteral("LEFT");
    bool flipSide = false;
    int gameNumber = 0;
    RecordId gameId;
    QList<RecordId> home, away; // zone order
    int homeScore = 0, awayScore = 0;
    bool subtract = false;
    int selected = 1;
    int segment = 0; // stretches played in this game
    QPointer<frmGame> screenOfGame;

    QStringList plays; // one line per PLAY row
    QSet<QString> played; // "game|player"
    QList<QPair<int, int>> scores; // per game: home, away
    QList<RecordId> gameIds;
    QList<int> widgetCounts;
    QList<long> rss;
    int actions = 0;
    int substitutions = 0;
    QStringList errors;
    bool finished = false;

    static constexpr int kActionsPerStretch = 100;

    void fail(const QString& what) { errors << QStringLiteral("game %1: %2").arg(gameNumber).arg(what); }

    QList<RecordId>& teamOnHalf(bool left) { return (left == (side == QLatin1String("LEFT"))) ? home : away; }
    RecordId playerIn(int box)
    {
        const bool left = box <= 6;
        return teamOnHalf(left)[(left ? box : box - 6) - 1];
    }

    void act(QWidget* w);
    void pickTeam(QWidget* w);
    void options(QWidget* w);
    void lineUps(frmStarters* L);
    void substitute(frmStarters* L);
    void play(frmGame* screen);
};

// Drives each modal window as it opens. The driver for the next window is armed before the
// current one is acted on, since windows open from inside others' handlers; it waits as long as
// the current window's stretch of play takes.
void Arm(const std::shared_ptr<Match>& m)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [m, before, timer, waited] {
        if (m->finished) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            Arm(m);
            m->act(modal);
            return;
        }
        *waited += 10;
        if (*waited > 120000) {
            timer->stop();
            timer->deleteLater();
            m->fail(QStringLiteral("no window opened"));
            m->finished = true;
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->done(QDialog::Rejected);
        }
    });
    timer->start(10);
}

void Match::act(QWidget* w)
{
    if (!errors.isEmpty()) {
        // Something went wrong already: leave without asking, so the test can report it.
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        if (auto* screen = qobject_cast<frmGame*>(w))
            screen->bShowMessage = false;
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        return;
    }
    const QString name = w->objectName();
    if (name == QLatin1String("frmPickTeam"))
        pickTeam(w);
    else if (name == QLatin1String("frmGameOptions"))
        options(w);
    else if (auto* L = qobject_cast<frmStarters*>(w))
        L->bSubMode ? substitute(L) : lineUps(L);
    else if (auto* screen = qobject_cast<frmGame*>(w))
        play(screen);
    else
        fail(QStringLiteral("unexpected window ") + name);
}

void Match::pickTeam(QWidget* w)
{
    match_test::PickTeamStep(teams[picks++])(w);
}

void Match::options(QWidget* w)
{
    if (gameNumber == 0) {
        // Best of five to 25, home team starting on the left.
        match_test::Click(w, QStringLiteral("opt5"));
        match_test::Click(w, QStringLiteral("opt25"));
        match_test::Click(w, QStringLiteral("optLeft"));
        side = QStringLiteral("LEFT");
    } else {
        // The deciding game: only the side is chosen again.
        const bool left = rng.bounded(2) == 0;
        match_test::Click(w, left ? QStringLiteral("optLeft") : QStringLiteral("optRight"));
        side = left ? QStringLiteral("LEFT") : QStringLiteral("RIGHT");
        flipSide = false;
    }
    match_test::Click(w, QStringLiteral("cmdOk"));
}

void Match::lineUps(frmStarters* L)
{
    ++gameNumber;
    if (flipSide)
        side = side == QLatin1String("LEFT") ? QStringLiteral("RIGHT") : QStringLiteral("LEFT");
    flipSide = false;
    gameId = L->pubGame()->GameID();
    gameIds << gameId;
    segment = 0;
    for (int s = 0; s < 2; ++s) {
        QListWidget* roster = L->lstTeam(s * 2);
        QList<RecordId>& team = s == 0 ? home : away;
        team.clear();
        // Six starters in a random order, brought in one at a time.
        for (int i = 0; i < 6; ++i) {
            const int row = int(rng.bounded(roster->count()));
            team << frmStarters::EntryPlayer(roster->item(row))->PlayerID();
            match_test::SelectRows(roster, {row});
            match_test::Click(L, s == 0 ? QStringLiteral("cmdHMoveStart") : QStringLiteral("cmdAMoveStart"));
        }
        for (const RecordId& p : team)
            played.insert(gameId.text() + QLatin1Char('|') + p.text());
    }
    match_test::Click(L, QStringLiteral("cmdGame"));
}

void Match::substitute(frmStarters* L)
{
    const int s = int(rng.bounded(2));
    QListWidget* roster = L->lstTeam(s * 2);
    QListWidget* court = L->lstTeam(s * 2 + 1);
    QList<RecordId>& team = s == 0 ? home : away;
    // The line-up window shows the players on court in their zones' order.
    QList<RecordId> shown;
    for (int i = 0; i < court->count(); ++i)
        shown << frmStarters::EntryPlayer(court->item(i))->PlayerID();
    if (shown != team)
        fail(QStringLiteral("the line-up window does not show the players on court in zone order"));
    const int out = int(rng.bounded(6));
    const RecordId newcomer = frmStarters::EntryPlayer(roster->item(int(rng.bounded(roster->count()))))->PlayerID();
    match_test::SelectRows(court, {out});
    match_test::Click(L, s == 0 ? QStringLiteral("cmdHMoveBack") : QStringLiteral("cmdAMoveBack"));
    for (int r = 0; r < roster->count(); ++r) {
        if (frmStarters::EntryPlayer(roster->item(r))->PlayerID() == newcomer) {
            match_test::SelectRows(roster, {r});
            break;
        }
    }
    match_test::Click(L, s == 0 ? QStringLiteral("cmdHMoveStart") : QStringLiteral("cmdAMoveStart"));
    team[out] = newcomer;
    played.insert(gameId.text() + QLatin1Char('|') + newcomer.text());
    ++substitutions;
    match_test::Click(L, QStringLiteral("cmdGame"));
}

void Match::play(frmGame* screen)
{
    Keys keys(screen);
    auto* subtractBox = Child<QCheckBox>(screen, QStringLiteral("chkSubtractMode"));
    auto* status = Child<QLabel>(screen, QStringLiteral("lblStatus"));
    const bool homeLeft = side == QLatin1String("LEFT");
    QLabel* homeScoreBox
        = Child<QLabel>(screen, homeLeft ? QStringLiteral("lblScore_0") : QStringLiteral("lblScore_1"));
    QLabel* awayScoreBox
        = Child<QLabel>(screen, homeLeft ? QStringLiteral("lblScore_1") : QStringLiteral("lblScore_0"));

    if (segment == 0) {
        // A fresh screen for a new game.
        if (screen->pubGame->GameNumber() != gameNumber || screen->pubGame->GameID() != gameId)
            fail(QStringLiteral("the screen shows another game"));
        if (screen->strSide != side)
            fail(QStringLiteral("the home team is on the wrong half"));
        if (homeScoreBox->text() != QLatin1String("0") || awayScoreBox->text() != QLatin1String("0")
            || subtractBox->isChecked())
            fail(QStringLiteral("a new game does not start from nothing"));
        homeScore = awayScore = 0;
        subtract = false;
        selected = 1;
        screenOfGame = screen;
        widgetCounts << int(QApplication::allWidgets().size());
        rss << MaxRssKb();
    } else {
        // Back from a substitution: the same screen, with its scores, mode and selection.
        if (screen != screenOfGame)
            fail(QStringLiteral("the substitution did not come back to the same screen"));
        if (homeScoreBox->text().toInt() != homeScore || awayScoreBox->text().toInt() != awayScore
            || subtractBox->isChecked() != subtract)
            fail(QStringLiteral("the substitution lost the scores or the mode"));
        for (int box = 1; box <= 12; ++box) {
            const bool white
                = Child<QLabel>(screen, QStringLiteral("lblPlayer_%1").arg(box))->palette().color(QPalette::Window)
                == QColor(Qt::white);
            if (white != (box == selected))
                fail(QStringLiteral("the substitution lost the selection (box %1)").arg(box));
        }
    }
    for (int box = 1; box <= 12; ++box) {
        if (screen->boxPlayerId(box) != playerIn(box))
            fail(QStringLiteral("box %1 shows the wrong player").arg(box));
    }

    int recorded = 0;
    while (recorded < kActionsPerStretch && errors.isEmpty()) {
        const int roll = int(rng.bounded(100));
        if (subtract && roll < 50) {
            QTest::mouseClick(subtractBox, Qt::LeftButton);
            subtract = false;
        } else if (roll < 80) {
            const StatItem& item = StatItems()[int(rng.bounded(StatItems().size()))];
            const int box = int(rng.bounded(12)) + 1;
            if (!keys.record(box, item)) {
                fail(QStringLiteral("no stat menu for box %1").arg(box));
                break;
            }
            selected = box;
            const int value = (item.rating > 0 ? item.rating : 1) * (subtract ? -1 : 1);
            QStringList row{gameId.text(), playerIn(box).text(), QString::number(box)};
            for (const QString& column : StatColumns())
                row << (item.columns.contains(column) ? QString::number(value) : QString());
            plays << row.join(QLatin1Char('|'));
            const QString lead = subtract ? QStringLiteral("Subtracted ") : QStringLiteral("Added ");
            if (!status->text().startsWith(lead + (item.rating ? QStringLiteral("a ") : QStringLiteral("1 "))
                                           + QString::fromLatin1(item.stat)))
                fail(QStringLiteral("status line: ") + status->text());
            ++recorded;
            ++actions;
        } else if (roll < 90) {
            const int index = int(rng.bounded(2));
            const bool forHome = (index == 0) == homeLeft;
            int& score = forHome ? homeScore : awayScore;
            if ((subtract && score == 0) || (!subtract && score >= 12))
                continue;
            QTest::mouseClick(Child<QPushButton>(screen, QStringLiteral("cmdScore_%1").arg(index)), Qt::LeftButton);
            score += subtract ? -1 : 1;
        } else if (roll < 97) {
            const int index = int(rng.bounded(2));
            QTest::mouseClick(Child<QPushButton>(screen, QStringLiteral("cmdRotate_%1").arg(index)), Qt::LeftButton);
            QList<RecordId>& team = teamOnHalf(index == 0);
            if (!subtract) {
                team << team.takeFirst();
                if (index == 0 && selected < 7)
                    selected = selected == 1 ? 6 : selected - 1;
                else if (index == 1 && selected > 6)
                    selected = selected == 7 ? 12 : selected - 1;
            } else {
                team.prepend(team.takeLast());
                if (index == 0 && selected < 7)
                    selected = selected == 6 ? 1 : selected + 1;
                else if (index == 1 && selected > 6)
                    selected = selected == 12 ? 7 : selected + 1;
            }
            if (screen->boxPlayerId(selected) != playerIn(selected))
                fail(QStringLiteral("the selection did not follow its player"));
        } else {
            QTest::mouseClick(subtractBox, Qt::LeftButton);
            subtract = !subtract;
        }
        if (homeScoreBox->text().toInt() != homeScore || awayScoreBox->text().toInt() != awayScore)
            fail(QStringLiteral("score %1:%2, expected %3:%4")
                     .arg(homeScoreBox->text(), awayScoreBox->text())
                     .arg(homeScore)
                     .arg(awayScore));
    }
    ++segment;
    if (!errors.isEmpty()) {
        screen->bShowMessage = false;
        screen->reject();
        return;
    }

    if (segment < 3) {
        // "&Game", "&Substitute".
        if (!keys.menuCommand(Qt::Key_G, Qt::Key_S))
            fail(QStringLiteral("no Game menu"));
        return;
    }

    // The stats view of the last selected player agrees with the actions recorded for them.
    int kills = 0, attempts = 0;
    const QString prefix = gameId.text() + QLatin1Char('|') + playerIn(selected).text() + QLatin1Char('|');
    for (const QString& line : std::as_const(plays)) {
        if (!line.startsWith(prefix))
            continue;
        const QStringList f = line.split(QLatin1Char('|'));
        attempts += f[3 + int(StatColumns().indexOf(QStringLiteral("ATTEMPT")))].toInt();
        kills += f[3 + int(StatColumns().indexOf(QStringLiteral("KILL")))].toInt();
    }
    MsgBoxHook::clear();
    keys.record(selected, Qt::Key_V);
    const QString shown = MsgBoxHook::asked().isEmpty() ? QString() : MsgBoxHook::asked().first().prompt;
    if (!shown.contains(QStringLiteral("\nAttempts = %1\nKills = %2\n").arg(attempts).arg(kills)))
        fail(QStringLiteral("stats view: ") + shown);

    scores << qMakePair(homeScore, awayScore);
    MsgBoxHook::clear();
    MsgBoxHook::setNextAnswer(QMessageBox::Yes);
    if (gameNumber < 5) {
        flipSide = true;
        keys.accessKey(Qt::Key_E); // "N&ew Game"
        if (MsgBoxHook::prompts()
            != QStringList{QStringLiteral("Are you sure you want to go to game %1?").arg(gameNumber + 1)})
            fail(QStringLiteral("next game asked: ") + MsgBoxHook::prompts().join(QLatin1Char('/')));
    } else {
        keys.accessKey(Qt::Key_N); // "E&nd Match"
    }
}

} // namespace

// A whole best-of-five match through the real windows, as a statistician records it.
class TestFullMatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreferMemoryBackedTemp();
        QuietOffscreenWarnings();
    }
    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(',')))); }

    void bestOfFiveWithEveryKindOfCommand()
    {
        TestApp app;
        auto m = std::make_shared<Match>();
        const RecordId homeTeam = app.addTeam(QStringLiteral("Harbour Hawks"));
        const RecordId awayTeam = app.addTeam(QStringLiteral("Owls d'Or"));
        for (int i = 1; i <= 10; ++i) {
            app.addPlayer(homeTeam, QStringLiteral("Hawk %1").arg(i), i);
            app.addPlayer(awayTeam, QStringLiteral("Owl %1").arg(i), 20 + i);
        }
        m->teams = {homeTeam, awayTeam};

        Arm(m);
        clsMatch().StartNewMatch();
        m->finished = true;
        QCoreApplication::processEvents();

        QVERIFY2(m->errors.isEmpty(), qPrintable(m->errors.join(QLatin1Char('\n'))));
        QCOMPARE(m->gameNumber, 5);
        QCOMPARE(m->actions, 1500);
        QCOMPARE(m->substitutions, 10);
        QVERIFY(!frmStarters::current());
        QVERIFY(!frmGame::current());

        // Exactly the expected rows.
        QCOMPARE(app.rows(QStringLiteral("SELECT HOMETEAMID, AWAYTEAMID FROM MATCH")),
                 (QList<QVariantList>{{homeTeam.text(), awayTeam.text()}}));
        const auto games = app.rows(QStringLiteral("SELECT GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME "
                                                   "ORDER BY GAMENUMBER"));
        QCOMPARE(games.size(), 5);
        for (int g = 0; g < 5; ++g) {
            QCOMPARE(games[g][0].toString(), m->gameIds[g].text());
            QCOMPARE(games[g][1].toInt(), g + 1);
            QCOMPARE(games[g][2].toInt(), m->scores[g].first);
            QCOMPARE(games[g][3].toInt(), m->scores[g].second);
        }
        QStringList stored;
        for (const QVariantList& row :
             app.rows(QStringLiteral("SELECT GAMEID, PLAYERID, POSITION, ") + StatColumns().join(QStringLiteral(", "))
                      + QStringLiteral(" FROM PLAY"))) {
            QStringList fields;
            for (const QVariant& v : row)
                fields << (v.isNull() ? QString() : v.toString());
            stored << fields.join(QLatin1Char('|'));
        }
        QStringList expected = m->plays;
        stored.sort();
        expected.sort();
        QCOMPARE(stored.size(), 1500);
        QCOMPARE(stored, expected);
        QSet<QString> played;
        for (const QVariantList& row : app.rows(QStringLiteral("SELECT GAMEID, PLAYERID FROM PLAYED")))
            played.insert(row[0].toString() + QLatin1Char('|') + row[1].toString());
        QCOMPARE(app.count(QStringLiteral("PLAYED")), played.size());
        QCOMPARE(played, m->played);

        // Nothing piles up from game to game: the same widgets at the start of every game, and
        // the peak memory stays in the same region (loosely: the sanitizer keeps freed memory).
        QCOMPARE(m->widgetCounts.size(), 5);
        for (int g = 1; g < 5; ++g)
            QCOMPARE(m->widgetCounts[g], m->widgetCounts[0]);
        QVERIFY2(m->rss[4] - m->rss[1] < 300 * 1024,
                 qPrintable(QStringLiteral("peak memory grew by %1 kB").arg(m->rss[4] - m->rss[1])));
    }
};

SIDELINES_TEST(TestFullMatch)
#include "tst_fullmatch.moc"
