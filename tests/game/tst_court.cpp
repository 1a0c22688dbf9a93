#include "Court.h"
#include "widgets/mConstants.h"
#include "game/CourtMarks.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QDebug>
#include <QPushButton>
#include <QTest>

using namespace court;

namespace {
// Breaks the database as a row says: "refuse TABLE" makes a write to that table fail as a full
// disk would; anything else is a statement to run.
void Break(const QString& breakage)
{
    if (breakage.startsWith(QLatin1String("refuse ")))
        Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                    .arg(breakage.mid(7)));
    else if (!breakage.isEmpty())
        Execute(breakage);
}
} // namespace

// The court screen as the user works it: the stat menu, scores, turns, the stats view, the next
// game and the way out.
class TestCourt : public QObject
{
    Q_OBJECT

    // What the screen shows: the twelve boxes, both scores, the status line, the white boxes.
    static QStringList look(const Court& c)
    {
        QStringList out;
        for (int n = 1; n <= 12; ++n)
            out << c.get(QStringLiteral("lblPlayer_%1").arg(n))->text();
        out << c.score(0) + QLatin1Char(':') + c.score(1) << c.status();
        for (int n : c.white())
            out << QString::number(n);
        return out;
    }

private slots:
    void initTestCase() { Prepare(); }
    void cleanup() { drive::EndTest(); }

    // Every item of the stat menu, in order, and what its access key records (the texts it says are the
    // game's, checked with the stores); then the stats view of the selected player.
    void statMenuByAccessKeys()
    {
        Court c;
        QVERIFY(c.show());
        QStringList shown, expected;
        for (QMenu* menu : {c.screen->statMenu(), c.screen->findChild<QMenu*>(QStringLiteral("mnuPassing"))})
            for (QAction* a : menu->actions())
                shown << a->objectName() + QLatin1Char('=') + a->text();
        for (int i = 0; i < kStats.size(); ++i) {
            const StatExpect& e = kStats[i];
            expected << QLatin1String(e.name) + QLatin1Char('=') + QLatin1String(e.caption);
            const int box = i % 12 + 1;
            QVERIFY(c.record(box, e.key(), e.value() == 2 ? 2 : 0));
            const QString column = e.columns.first();
            QCOMPARE(c.app.rows(QStringLiteral("SELECT POSITION, ") + column + QStringLiteral(" FROM PLAY WHERE ")
                                + column + QStringLiteral(" IS NOT NULL AND rowid = (SELECT MAX(rowid) FROM PLAY)")),
                     (QList<QVariantList>{{box, e.value()}}));
        }
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), kStats.size());
        expected << QStringList{"=", "mnuLibero=L&ibero In", "mnuViewStats=&View Stats", "mnuPass1=&1", "mnuPass2=&2",
                                "mnuPass3=&3"};
        QCOMPARE(shown, expected);
        // Box 2 has had a kill (with its attempt); one more attempt.
        QVERIFY(c.record(2, Qt::Key_A));
        QVERIFY(c.record(2, Qt::Key_V));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QCOMPARE(MsgBoxHook::asked()[0].title, QStringLiteral("Hawk 2 #2 Stats"));
        QVERIFY(
            MsgBoxHook::asked()[0].prompt.startsWith(QStringLiteral("Percentage = 0.500\nAttempts = 2\nKills = 1\n")));
        QCOMPARE(c.status(), QString());
        // The view (and every question of the court) reads at the court's text size.
        const int px = MsgBoxWindow("", {}, {}, "", {}, c.screen.get())->font().pixelSize();
        QVERIFY(px == c.screen->font().pixelSize() && px > QFontInfo(QApplication::font()).pixelSize());
    }

    // A function key selects its box and opens the stat menu, whatever Shift, Ctrl or Alt is held.
    void functionKeysWhateverTheModifiers_data()
    {
        QTest::addColumn<QString>("keys");
        for (const char* keys : {"F1", "Shift+F5", "Ctrl+F10", "Alt+F12", "Ctrl+Shift+F7", "Ctrl+Alt+Shift+F3"})
            QTest::newRow(keys) << QString::fromLatin1(keys);
    }
    void functionKeysWhateverTheModifiers()
    {
        QFETCH(QString, keys);
        const QKeyCombination key = QKeySequence(keys)[0];
        const int box = key.key() - Qt::Key_F1 + 1;
        Court c;
        QVERIFY(c.show());
        QTest::keyClick(Focus(c.screen.get()), key.key(), key.keyboardModifiers());
        QCOMPARE(QApplication::activePopupWidget(), c.screen->statMenu());
        c.screen->statMenu()->close();
        QCOMPARE(c.white(), QList<int>{box});
        QVERIFY(c.get(QStringLiteral("lblPlayer_%1").arg(box))->property("selected").toBool());
    }

    // Enter, Enter must not end the game: no button acts on Enter, even after a stat command and a
    // point by the mouse.
    void enterActsOnNothing()
    {
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(4, Qt::Key_K));
        c.click(QStringLiteral("cmdScore_0"));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(Focus(c.screen.get()), key);
        QCOMPARE(MsgBoxHook::prompts(), QStringList());
        QCOMPARE(c.score(0).toInt(), 1);
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), 1);
        for (auto* b : c.screen->findChildren<QPushButton*>())
            QVERIFY2(!b->isDefault() && b != QApplication::focusWidget(), qPrintable(b->objectName()));
    }

    // Each half's team name stands above it; the buttons keep their captions.
    void teamNamesAboveTheirHalves_data()
    {
        QTest::addColumn<QString>("shown"); // left name, right name, left score button; the tag is the home side
        QTest::newRow("LEFT") << QStringLiteral("Harbour Hawks|Owls d'Or|Score &Home");
        QTest::newRow("RIGHT") << QStringLiteral("Owls d'Or|Harbour Hawks|Score &Away");
    }
    void teamNamesAboveTheirHalves()
    {
        QFETCH(QString, shown);
        Court c(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(c.get(QStringLiteral("lblTeamName_0"))->text() + '|' + c.get(QStringLiteral("lblTeamName_1"))->text()
                     + '|' + c.get<QAbstractButton>(QStringLiteral("cmdScore_0"))->text(),
                 shown);
    }

    // A point the score rule refuses says why on the status line, with the game's limit.
    void refusedPointSaysWhy()
    {
        Court c(QStringLiteral("LEFT"), 1, 3, 25);
        for (int i = 0; i < 26; ++i)
            c.screen->cmdScore_Click(0);
        QCOMPARE(c.status() + c.score(0),
                 QStringLiteral("Not counted: this game is played to 25, won by two. \"Points "
                                "per Game\" can be changed in the match options.25"));
        QCOMPARE(MsgBoxHook::prompts(), QStringList());
    }

    // A point that wins a game says so and names the next step: the next game, or the end of a
    // match that is won; ending a match that nobody has won asks whether to end it anyway.
    void pointThatWinsTheGame_data() { table::Rows(QStringLiteral("court.txt")); }
    void pointThatWinsTheGame()
    {
        QFETCH(int, game);
        QFETCH(QString, earlier);
        QFETCH(QString, status);
        QFETCH(QString, question);
        Court c(QStringLiteral("LEFT"), game);
        QVERIFY(c.show());
        if (!earlier.isEmpty())
            Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                                   "VALUES (?, '2000-01-01 00:00:00', 1, ?, ?)"),
                    {Bind(c.session.matchId), earlier.section(':', 0, 0).toInt(), earlier.section(':', 1).toInt()});
        for (int i = 0; i < 10; ++i)
            c.screen->cmdScore_Click(1);
        for (int i = 0; i < 14; ++i)
            c.screen->cmdScore_Click(0);
        QVERIFY(!c.status().contains(QLatin1String(" win ")));
        c.screen->cmdScore_Click(0);
        QCOMPARE(c.status(), status);
        MsgBoxHook::setNextAnswer(QMessageBox::No);
        c.screen->mnuEndMatch_Click();
        QCOMPARE(MsgBoxHook::prompts(), QStringList{question});
        QCOMPARE(MsgBoxHook::asked()[0].defaultButton, QMessageBox::No);
    }

    // A long name on the selected box stays inside the thick selection frame, at every size.
    void longNameInsideTheSelectionFrame_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("smallest") << QSize(640, 460);
        QTest::newRow("laptop") << QSize(1100, 700);
        QTest::newRow("large") << QSize(1800, 1000);
    }
    void longNameInsideTheSelectionFrame()
    {
        QFETCH(QSize, size);
        Court c;
        c.screen->colHomePlayers[0]->setPlayerName(QStringLiteral("Maximiliana Konstantinopoulou-Vanderbilt"));
        c.screen->SetUpHome();
        c.screen->resize(size);
        QVERIFY(c.show());
        c.screen->game().PlayerOnClick(1);
        QLabel* box = c.get(QStringLiteral("lblPlayer_1"));
        // The frame as drawn: the selection colour from the box's edge inwards.
        const QImage picture = box->grab().toImage();
        int frame = 0;
        while (frame < picture.width() / 2 && picture.pixelColor(frame, picture.height() / 2) == QColor(0, 90, 255))
            ++frame;
        QVERIFY(frame >= 4);
        const QRect need = box->fontMetrics().boundingRect(box->contentsRect().marginsRemoved(QMargins() + box->margin()),
                                                           int(box->alignment()) | Qt::TextWordWrap, box->text());
        const QRect inside = box->rect().adjusted(frame, frame, -frame, -frame);
        QVERIFY2(inside.contains(need), qPrintable(QDebug::toString(need) + " in " + QDebug::toString(inside)));
        // The status line names the player whole.
        QVERIFY(c.record(1, Qt::Key_D));
        QVERIFY(c.status().contains(QLatin1String("Maximiliana Konstantinopoulou-Vanderbilt")));
    }

    void rotationMovesPlayersAndSelection()
    {
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(3, Qt::Key_D));
        QVERIFY(AltKey(c.screen.get(), Qt::Key_R)); // "&Rotate Home"
        QCOMPARE(c.screen->boxPlayerId(1), c.home[1]);
        QCOMPARE(c.screen->boxPlayerId(6), c.home[0]);
        QCOMPARE(c.white(), QList<int>{2});
        QVERIFY(!c.get(QStringLiteral("lblSubtractBanner"))->isVisible());
        c.get<QCheckBox>(QStringLiteral("chkSubtractMode"))->setChecked(true);
        QVERIFY(c.get(QStringLiteral("lblSubtractBanner"))->isVisible());
        QVERIFY(AltKey(c.screen.get(), Qt::Key_R));
        QCOMPARE(c.screen->boxPlayerId(1), c.home[0]);
        QCOMPARE(c.white(), QList<int>{3});
    }

    // A write the engine refuses shows its message and leaves the screen exactly as it was.
    void refusedWritesLeaveTheScreen_data() { table::Rows(QStringLiteral("court.txt")); }
    void refusedWritesLeaveTheScreen()
    {
        QFETCH(QString, breakage);
        QFETCH(int, command);
        Court c;
        Execute(QStringLiteral("DELETE FROM PLAYED"));
        QVERIFY(c.show());
        QVERIFY(c.record(4, Qt::Key_K));
        c.click(QStringLiteral("cmdScore_0"));
        if (command == 1)
            c.screen->showStatus(QString()); // a turn clears the status line on every way out
        const QStringList before = look(c);
        Break(breakage);
        if (command == 0)
            c.click(QStringLiteral("cmdScore_0"));
        else if (command == 1)
            c.click(QStringLiteral("cmdRotate_0"));
        else
            QVERIFY(c.record(4, Qt::Key_D));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QCOMPARE(look(c), before);
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), 1);
    }

    // The question, with No as its default, however the user leaves; only Yes closes the screen.
    void everyWayOutAsksFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        for (const char* how : {"button", "access key", "menu", "Escape"})
            for (bool yes : {true, false})
                QTest::addRow("%s, %s", how, yes ? "Yes" : "No") << QString::fromLatin1(how) << yes;
    }
    void everyWayOutAsksFirst()
    {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        Court c;
        QVERIFY(c.show());
        c.click(QStringLiteral("cmdScore_1"));
        MsgBoxHook::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        if (how == QLatin1String("button")) {
            c.click(QStringLiteral("cmdEndMatch")); // closes the window as its close box does
        } else if (how == QLatin1String("access key")) {
            QVERIFY(AltKey(c.screen.get(), Qt::Key_N));
        } else if (how == QLatin1String("menu")) {
            QTest::keyClick(Focus(c.screen.get()), Qt::Key_G, Qt::AltModifier);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu && menu->objectName() == QLatin1String("mnuGame"));
            QTest::keyClick(menu, Qt::Key_N);
        } else {
            QTest::keyClick(Focus(c.screen.get()), Qt::Key_Escape);
        }
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const MsgBoxHook::Asked asked = MsgBoxHook::asked().first();
        QCOMPARE(asked.title + '|' + asked.prompt,
                 QStringLiteral("End Match|The match is not decided (0\u20130). End it anyway?"));
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.defaultButton, QMessageBox::No);
        QTRY_COMPARE(c.screen->isVisible(), !yes);
        if (yes)
            QCOMPARE(c.screen->result(), int(frmGame::EndMatch));
        QCOMPARE(c.score(1), QStringLiteral("1"));
    }

    // The next game's question says where the game under way stands: decided, not decided with its
    // score, or the match won already. No stays the answer Enter gives.
    void nextGameQuestion_data() { table::Rows(QStringLiteral("court.txt")); }
    void nextGameQuestion()
    {
        QFETCH(int, games);
        QFETCH(int, points);
        QFETCH(QList<int>, scores);
        QFETCH(QString, question);
        const int number = int(scores.size() / 2);
        Seeded s(QStringLiteral("LEFT"), number, games, points);
        // The games before stored before the one under way, each with its score.
        for (int g = 1; g <= number; ++g) {
            const RecordId game = g == number ? s.session.game->GameID() : s.session.game->GameID().addSecs(g - number);
            if (g < number)
                MatchStore::AddGame(s.session.matchId, game, g);
            Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = ?, AWAYSCORE = ? WHERE GAMEID = ?"),
                    {scores[2 * (g - 1)], scores[2 * (g - 1) + 1], Bind(game)});
        }
        QCOMPARE(clsGame::NextGameQuestion(s.session), question);
    }

    // What the status line says after each kind of step: the point and its score, the action and
    // the point it decided as two sentences, a point taken off, and nothing of a plain turn.
    void statusSaysWhatTheStepDid_data() { table::Rows(QStringLiteral("court.txt")); }
    void statusSaysWhatTheStepDid()
    {
        QFETCH(bool, fromAction);
        QFETCH(bool, sideOut);
        QFETCH(QString, keys);
        QFETCH(QString, status);
        Court c;
        c.session.scoreFromAction = fromAction;
        c.session.sideOutRotate = sideOut;
        QVERIFY(c.show());
        QVERIFY(Play(c.screen.get(), keys));
        QCOMPARE(c.status(), status);
    }

    // Once a game is won, an action that would end a rally is refused as a point is, whichever
    // way points are kept; one that ends none, and a take-back, still go in.
    void noRallyAfterTheGameIsWon_data() { table::Rows(QStringLiteral("court.txt")); }
    void noRallyAfterTheGameIsWon()
    {
        QFETCH(bool, fromAction);
        QFETCH(QString, key);
        QFETCH(bool, subtract);
        QFETCH(bool, recorded);
        Court c;
        QVERIFY(c.show());
        // A kill in the last rally, then the game: 15-0.
        QVERIFY(c.record(4, Qt::Key_K));
        for (int i = 0; i < 15; ++i)
            c.click(QStringLiteral("cmdScore_0"));
        QCOMPARE(c.score(0), QStringLiteral("15"));
        c.session.scoreFromAction = fromAction;
        if (subtract)
            QVERIFY(AltKey(c.screen.get(), Qt::Key_M));
        const int rows = c.app.count(QStringLiteral("PLAY"));
        const int entries = c.app.count(QStringLiteral("RALLY"));
        const int beeps = BeepCount();
        QVERIFY(c.record(4, Qt::Key(key.front().unicode())));
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), rows + (recorded ? 1 : 0));
        QCOMPARE(c.app.count(QStringLiteral("RALLY")), entries + (recorded ? 1 : 0));
        QCOMPARE(BeepCount() - beeps, recorded ? 0 : 1);
        if (!recorded)
            QCOMPARE(c.status(), QStringLiteral("Not recorded: Harbour Hawks win game 1, 15\u20130. Alt+E goes to game 2."));
        QCOMPARE(c.score(0) + c.score(1), QStringLiteral("150"));
    }

    // A point taken off by the score button takes back the turn its side-out brought, as the
    // take-back does; a turn made by hand stays.
    void scoreButtonTakesBackItsTurn_data() { table::Rows(QStringLiteral("court.txt")); }
    void scoreButtonTakesBackItsTurn()
    {
        QFETCH(bool, sideOut);
        QFETCH(QString, keys);
        QFETCH(QString, zoneOne);
        QFETCH(int, servingBox);
        Court c;
        c.session.sideOutRotate = sideOut;
        QVERIFY(c.show());
        QVERIFY(Play(c.screen.get(), keys));
        QCOMPARE(c.get(QStringLiteral("lblPlayer_7"))->text(), zoneOne);
        QCOMPARE(c.get(QStringLiteral("lblServe"))->property("box").toInt(), servingBox);
    }

    // The strip of the last entries shows as many whole entries as its height holds, newest
    // first; a name too long for its width loses its middle, never its ends, and each entry is
    // whole for a screen reader.
    void entriesStripFitsItsHeight_data() { table::Rows(QStringLiteral("court.txt")); }
    void entriesStripFitsItsHeight()
    {
        QFETCH(int, height);
        QFETCH(int, shown);
        QWidget parent;
        parent.resize(200, height + 20);
        LogStrip strip(&parent);
        strip.setPixelSize(14);
        strip.setGeometry(0, 0, 160, height);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        const QString longName = QStringLiteral("Kill, #7 Annabelle-Marie-Louise-Bernadette-Charlotte");
        QStringList entries;
        for (int i = 12; i >= 1; --i)
            entries << (i == 12 ? longName : QStringLiteral("Point Hawks, %1\u20130").arg(i));
        strip.showEntries(entries);
        QVERIFY(strip.count() >= 1);
        if (shown > 0)
            QCOMPARE(strip.count(), shown);
        else
            QVERIFY(strip.count() > 1 && strip.count() < 12);
        // Whole entries only, within the height (one entry always shows).
        int used = 0;
        for (int r = 0; r < strip.count(); ++r)
            used += strip.item(r)->sizeHint().height();
        QVERIFY(strip.count() == 1 || used <= strip.viewport()->height());
        QCOMPARE(strip.entries(), entries.mid(0, strip.count()));
        // The long name: shortened in its middle, its start and end kept, every line within the width.
        const QString first = strip.item(0)->text();
        QVERIFY2(first.contains(QChar(0x2026)), qPrintable(first));
        QVERIFY(first.startsWith(QLatin1String("Kill, #7 Ann")));
        QVERIFY(first.endsWith(QLatin1String("tte")));
        for (const QString& word : first.split(QLatin1Char(' ')))
            QVERIFY(strip.fontMetrics().horizontalAdvance(word) <= strip.viewport()->width() - 8);
        QCOMPARE(strip.item(0)->data(Qt::AccessibleTextRole).toString(), longName);
    }

    // Refused, declined or failed: the game under way goes on as it was.
    void nextGameNotReached_data() { table::Rows(QStringLiteral("court.txt")); }
    void nextGameNotReached()
    {
        QFETCH(int, games);
        QFETCH(int, number);
        QFETCH(QString, breakage);
        QFETCH(QStringList, prompts);
        Court c(QStringLiteral("LEFT"), number, games);
        QVERIFY(c.show());
        const auto game = c.session.game;
        Break(breakage);
        MsgBoxHook::setNextAnswer(breakage.isEmpty() ? QMessageBox::No : QMessageBox::Yes);
        c.click(QStringLiteral("cmdGame"));
        QCOMPARE(MsgBoxHook::prompts(), prompts);
        QCOMPARE(MsgBoxHook::asked()[0].title, number < games ? QStringLiteral("New Game") : QStringLiteral("Match"));
        QCOMPARE(MsgBoxHook::asked()[0].defaultButton, number < games ? QMessageBox::No : QMessageBox::NoButton);
        QCOMPARE(c.session.game, game);
        QCOMPARE(c.session.side, QStringLiteral("LEFT"));
        QCOMPARE(c.app.count(QStringLiteral("GAME")), 1);
        QVERIFY(c.screen->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }
};

SIDELINES_TEST(TestCourt)
#include "tst_court.moc"
