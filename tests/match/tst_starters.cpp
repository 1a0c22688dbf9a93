#include "MatchDriver.h"
#include "game/frmGame.h"
#include "match/frmStarters.h"
#include "core/CProgressBar.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace match_test;

namespace {
const QString kSix = QStringLiteral("You can only have six Players.");
const QString kOne = QStringLiteral("You can only choose one Player at a time.");
} // namespace

class TestStarters : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    std::unique_ptr<frmStarters> L;
    RecordId home, away;
    QList<RecordId> homePlayers, awayPlayers;

    QListWidget* list(int i) const { return L->lstTeam(i); }
    void click(const QString& name) { Click(L.get(), name); }

    void fillSix()
    {
        SelectRows(list(0), {0, 1, 2, 3, 4, 5});
        click(QStringLiteral("cmdHMoveStart"));
        SelectRows(list(2), {0, 1, 2, 3, 4, 5});
        click(QStringLiteral("cmdAMoveStart"));
    }

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        home = app->addTeam(QStringLiteral("Hawks"));
        away = app->addTeam(QStringLiteral("Owls"));
        homePlayers.clear();
        awayPlayers.clear();
        for (int i = 1; i <= 9; ++i)
            homePlayers << app->addPlayer(home, QStringLiteral("H%1").arg(i), i);
        for (int i = 1; i <= 7; ++i)
            awayPlayers << app->addPlayer(away, QStringLiteral("A%1").arg(i), 20 + i);
        L = std::make_unique<frmStarters>();
        L->pubMatch().setHomeTeamID(home);
        L->pubMatch().setAwayTeamID(away);
        L->pubGame()->setGameNumber(1);
        L->pubGame()->setGameID(NewRecordId(RecordKind::Game));
        L->SetupTheHomeTeam();
        L->SetupTheAwayTeam();
        L->show();
        QVERIFY(QTest::qWaitForWindowExposed(L.get()));
    }

    void cleanup()
    {
        if (L && L->isVisible()) {
            MsgBoxHook::setNextAnswer(QMessageBox::Yes);
            L->close();
        }
        L.reset();
        QVERIFY(VisibleTopLevels().isEmpty());
        app.reset();
    }

    void showsBothRostersOnce()
    {
        QCOMPARE(L->windowTitle(), QStringLiteral("Starters"));
        QCOMPARE(Child<QLabel>(L.get(), QStringLiteral("lblHomeTeam"))->text(), QStringLiteral("Hawks"));
        QCOMPARE(Child<QLabel>(L.get(), QStringLiteral("lblAwayTeam"))->text(), QStringLiteral("Owls"));
        QCOMPARE(Entries(list(0)).size(), 9);
        QCOMPARE(Entries(list(0)).first(), QStringLiteral("H1 #1"));
        QCOMPARE(Entries(list(2)), (QStringList{"A1 #21", "A2 #22", "A3 #23", "A4 #24", "A5 #25", "A6 #26", "A7 #27"}));
        QCOMPARE(Entries(list(4)), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(Entries(list(5)), Entries(list(4)));
        QVERIFY(Entries(list(1)).isEmpty());
        QCOMPARE(StatusText(), QString()); // the status line is cleared after loading
        QVERIFY(Child<QPushButton>(L.get(), QStringLiteral("cmdGame"))->isDefault());
        QCOMPARE(Child<QPushButton>(L.get(), QStringLiteral("cmdGame"))->text(), QStringLiteral("&Go To Game"));
    }

    void statusLineWhileSettingUp()
    {
        StatusRecorder status;
        status.resize(400, 30);
        status.show();
        QVERIFY(QTest::qWaitForWindowExposed(&status));
        SetStatusLabel(&status);
        L->lstTeam(0)->clear();
        L->lstTeam(2)->clear();
        L->SetupTheHomeTeam();
        L->SetupTheAwayTeam();
        fillSix();
        click(QStringLiteral("cmdGame"));
        SetStatusLabel(nullptr);
        status.hide();
        QCOMPARE(status.painted,
                 (QStringList{"Setting up the Home Team...", "Setting up the Away Team...",
                              "Setting up the Home Starters...", "Setting up the Away Starters..."}));
        QCOMPARE(status.text(), QString());
        QCOMPARE(pubProgress().max(), 6);
        QCOMPARE(pubProgress().value(), 0);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(L->lstTeam(0)->count(), 3); // each roster once
    }

    void moves_data()
    {
        // side 0 home, 1 away; each step: button and the rows selected first.
        QTest::addColumn<int>("side");
        QTest::addColumn<QList<QList<int>>>("selections");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("roster");
        QTest::addColumn<QStringList>("starters");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("four chosen while four are in: the upper two move, one message")
            << 0 << QList<QList<int>>{{0, 1, 2, 3}, {0, 2, 3, 4}} << QStringList{">", ">"}
            << QStringList{"H6 #6", "H8 #8", "H9 #9"}
            << QStringList{"H1 #1", "H2 #2", "H3 #3", "H4 #4", "H5 #5", "H7 #7"} << QStringList{kSix};
        QTest::newRow("roster keeps the order of those who stayed")
            << 1 << QList<QList<int>>{{1, 3}} << QStringList{">"}
            << QStringList{"A1 #21", "A3 #23", "A5 #25", "A6 #26", "A7 #27"} << QStringList{"A2 #22", "A4 #24"}
            << QStringList();
        QTest::newRow("back goes to the end of the roster in starting order")
            << 0 << QList<QList<int>>{{0, 1, 2}, {0, 2}} << QStringList{">", "<"}
            << QStringList{"H4 #4", "H5 #5", "H6 #6", "H7 #7", "H8 #8", "H9 #9", "H1 #1", "H3 #3"}
            << QStringList{"H2 #2"} << QStringList();
        QTest::newRow("all back") << 1 << QList<QList<int>>{{4, 5, 6}, {}} << QStringList{">", "<<"}
                                  << QStringList{"A1 #21", "A2 #22", "A3 #23", "A4 #24", "A5 #25", "A6 #26", "A7 #27"}
                                  << QStringList() << QStringList();
        QTest::newRow("more than one back is fine outside a substitution")
            << 1 << QList<QList<int>>{{0, 1, 2, 3, 4, 5}, {1, 2}} << QStringList{">", "<"}
            << QStringList{"A7 #27", "A2 #22", "A3 #23"} << QStringList{"A1 #21", "A4 #24", "A5 #25", "A6 #26"}
            << QStringList();
        QTest::newRow("double-clicks move one at a time")
            << 0 << QList<QList<int>>{{2}, {0}} << QStringList{"dbl0", "dbl1"}
            << QStringList{"H1 #1", "H2 #2", "H4 #4", "H5 #5", "H6 #6", "H7 #7", "H8 #8", "H9 #9", "H3 #3"}
            << QStringList() << QStringList();
    }

    void moves()
    {
        QFETCH(int, side);
        QFETCH(QList<QList<int>>, selections);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, roster);
        QFETCH(QStringList, starters);
        QFETCH(QStringList, messages);
        const QString prefix = side == 0 ? QStringLiteral("cmdH") : QStringLiteral("cmdA");
        for (int i = 0; i < buttons.size(); ++i) {
            const QString& b = buttons[i];
            if (b.startsWith(QLatin1String("dbl"))) {
                QListWidget* l = list(side * 2 + b.mid(3).toInt());
                DoubleClick(l, selections[i].first());
                continue;
            }
            QListWidget* from = list(side * 2 + (b == QLatin1String(">") ? 0 : 1));
            SelectRows(from, selections[i]);
            click(prefix
                  + (b == QLatin1String(">")       ? QStringLiteral("MoveStart")
                         : b == QLatin1String("<") ? QStringLiteral("MoveBack")
                                                   : QStringLiteral("MoveAllBack")));
        }
        QCOMPARE(Entries(list(side * 2)), roster);
        QCOMPARE(Entries(list(side * 2 + 1)), starters);
        QCOMPARE(MsgBoxHook::prompts(), messages);
        for (const auto& a : MsgBoxHook::asked()) {
            QCOMPARE(a.title, QStringLiteral("Six Players"));
            QCOMPARE(a.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        // The other team is untouched.
        QCOMPARE(list((1 - side) * 2 + 1)->count(), 0);
    }

    void reorder_data()
    {
        QTest::addColumn<int>("button"); // cmdUpDown_n
        QTest::addColumn<int>("current"); // -1: none
        QTest::addColumn<QStringList>("starters");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("beeps");
        const QStringList start{"H1 #1", "H2 #2", "H3 #3", "H4 #4", "H5 #5", "H6 #6"};
        QTest::newRow("up on the first beeps") << 0 << 0 << start << 0 << 1;
        QTest::newRow("down on the last beeps") << 1 << 5 << start << 5 << 1;
        QTest::newRow("up with nothing chosen beeps") << 0 << -1 << start << -1 << 1;
        QTest::newRow("down with nothing chosen beeps") << 1 << -1 << start << -1 << 1;
        QTest::newRow("up on the third") << 0 << 2 << QStringList{"H1 #1", "H3 #3", "H2 #2", "H4 #4", "H5 #5", "H6 #6"}
                                         << 1 << 0;
        QTest::newRow("down on the first")
            << 1 << 0 << QStringList{"H2 #2", "H1 #1", "H3 #3", "H4 #4", "H5 #5", "H6 #6"} << 1 << 0;
        QTest::newRow("away up on the last")
            << 2 << 5 << QStringList{"A1 #21", "A2 #22", "A3 #23", "A4 #24", "A6 #26", "A5 #25"} << 4 << 0;
        QTest::newRow("away down on the last beeps")
            << 3 << 5 << QStringList{"A1 #21", "A2 #22", "A3 #23", "A4 #24", "A5 #25", "A6 #26"} << 5 << 1;
    }

    void reorder()
    {
        QFETCH(int, button);
        QFETCH(int, current);
        QFETCH(QStringList, starters);
        QFETCH(int, selected);
        QFETCH(int, beeps);
        fillSix();
        QListWidget* l = list(button < 2 ? 1 : 3);
        if (current >= 0)
            SelectRows(l, {current});
        else
            l->setCurrentRow(-1);
        const int before = BeepCount();
        click(QStringLiteral("cmdUpDown_%1").arg(button));
        QCOMPARE(BeepCount() - before, beeps);
        QCOMPARE(Entries(l), starters);
        QCOMPARE(l->currentRow(), selected);
        if (selected >= 0)
            QCOMPARE(l->selectedItems(), QList<QListWidgetItem*>{l->item(selected)});
        // The moved entry is still the same player.
        if (selected >= 0)
            QCOMPARE(frmStarters::EntryPlayer(l->item(selected))->PlayerName() + QStringLiteral(" #")
                         + QString::number(frmStarters::EntryPlayer(l->item(selected))->PlayerNumber()),
                     l->item(selected)->text());
    }

    void substitutionExchangesOnePlayerInPlace()
    {
        fillSix();
        click(QStringLiteral("cmdGame"));
        frmGame& screen = L->game();
        QCOMPARE(L->result(), int(frmStarters::GoToGame));
        auto game = L->pubGame();
        L->BeginSubstitution(screen.colHomePlayers, screen.colAwayPlayers, game);
        L->show();
        QVERIFY(L->bSubMode);
        for (const char* disabled :
             {"cmdHMoveAllBack", "cmdAMoveAllBack", "cmdUpDown_0", "cmdUpDown_1", "cmdUpDown_2", "cmdUpDown_3"})
            QVERIFY2(!Child<QPushButton>(L.get(), QString::fromLatin1(disabled))->isEnabled(), disabled);
        QCOMPARE(Entries(list(1)), (QStringList{"H1 #1", "H2 #2", "H3 #3", "H4 #4", "H5 #5", "H6 #6"}));
        QCOMPARE(Entries(list(0)), (QStringList{"H7 #7", "H8 #8", "H9 #9"})); // the bench stays

        // Two at once is refused.
        SelectRows(list(1), {1, 2});
        click(QStringLiteral("cmdHMoveBack"));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{kOne});
        QCOMPARE(MsgBoxHook::asked().first().title, QStringLiteral("One"));
        QCOMPARE(list(1)->count(), 6);

        // The third goes out: "<" waits until someone comes in.
        SelectRows(list(1), {2});
        click(QStringLiteral("cmdHMoveBack"));
        QCOMPARE(Entries(list(0)), (QStringList{"H7 #7", "H8 #8", "H9 #9", "H3 #3"}));
        auto* back = Child<QPushButton>(L.get(), QStringLiteral("cmdHMoveBack"));
        QVERIFY(!back->isEnabled());

        // Meanwhile the away team takes out its fifth.
        SelectRows(list(3), {4});
        click(QStringLiteral("cmdAMoveBack"));

        // The newcomer takes the freed third place, not the away team's fifth.
        SelectRows(list(0), {1});
        click(QStringLiteral("cmdHMoveStart"));
        QCOMPARE(Entries(list(1)), (QStringList{"H1 #1", "H2 #2", "H8 #8", "H4 #4", "H5 #5", "H6 #6"}));
        QVERIFY(back->isEnabled());
        SelectRows(list(2), {0});
        click(QStringLiteral("cmdAMoveStart"));
        QCOMPARE(Entries(list(3)), (QStringList{"A1 #21", "A2 #22", "A3 #23", "A4 #24", "A7 #27", "A6 #26"}));

        // A second one cannot come in while six are on court.
        SelectRows(list(0), {0});
        click(QStringLiteral("cmdHMoveStart"));
        QCOMPARE(MsgBoxHook::prompts().last(), kSix);
        QCOMPARE(list(1)->count(), 6);

        // Back to the same game, with the newcomers.
        click(QStringLiteral("cmdGame"));
        QCOMPARE(L->pubGame(), game);
        QCOMPARE(screen.pubGame, game);
        QCOMPARE(screen.colHomePlayers[2]->PlayerID(), homePlayers[7]);
        QCOMPARE(screen.colAwayPlayers[4]->PlayerID(), awayPlayers[6]);
    }

    void lineUpsCanBeMadeWithTheKeyboardAlone()
    {
        // Pick six with Shift+Down, Tab on to ">" and press it; the same for the away team.
        for (int side : {0, 2}) {
            list(side)->setFocus();
            list(side)->setCurrentRow(0);
            QTest::keyClick(list(side), Qt::Key_Space);
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(list(side), Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(list(side), Qt::Key_Tab);
            QWidget* move = QApplication::focusWidget();
            QVERIFY(move);
            QCOMPARE(move->objectName(), side == 0 ? QStringLiteral("cmdHMoveStart") : QStringLiteral("cmdAMoveStart"));
            QTest::keyClick(move, Qt::Key_Space);
            QCOMPARE(list(side + 1)->count(), 6);
        }
        // From the last reorder button, Tab reaches "Go To Game".
        QWidget* last = L->findChild<QWidget*>(QStringLiteral("cmdUpDown_3"));
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdGame"));
    }

    void goToGameNeedsSixEach_data()
    {
        QTest::addColumn<int>("homeCount");
        QTest::addColumn<int>("awayCount");
        QTest::newRow("six and five") << 6 << 5;
        QTest::newRow("five and six") << 5 << 6;
        QTest::newRow("none") << 0 << 0;
    }

    void goToGameNeedsSixEach()
    {
        QFETCH(int, homeCount);
        QFETCH(int, awayCount);
        QList<int> h, a;
        for (int i = 0; i < homeCount; ++i)
            h << i;
        for (int i = 0; i < awayCount; ++i)
            a << i;
        SelectRows(list(0), h);
        click(QStringLiteral("cmdHMoveStart"));
        SelectRows(list(2), a);
        click(QStringLiteral("cmdAMoveStart"));
        click(QStringLiteral("cmdGame"));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("Please fill in six players for each team.")});
        QCOMPARE(MsgBoxHook::asked().first().title, QStringLiteral("Six Players"));
        QCOMPARE(MsgBoxHook::asked().first().icon, QMessageBox::Information);
        QVERIFY(L->isVisible());
        QVERIFY(L->game().colHomePlayers.isEmpty());
        QCOMPARE(app->count(QStringLiteral("PLAYED")), 0);
    }

    void goToGameHandsTheLineUpsToTheCourt()
    {
        L->strSide = QStringLiteral("RIGHT");
        L->igame = 5;
        L->iPoints = 25;
        fillSix();
        SelectRows(list(1), {5});
        click(QStringLiteral("cmdUpDown_0")); // H6 becomes fifth
        click(QStringLiteral("cmdGame"));
        QVERIFY(!L->isVisible());
        QCOMPARE(L->result(), int(frmStarters::GoToGame));
        frmGame& screen = L->game();
        QCOMPARE(screen.strSide, QStringLiteral("RIGHT"));
        QCOMPARE(int(screen.igame), 5);
        QCOMPARE(int(screen.iPoints), 25);
        QCOMPARE(screen.pubGame, L->pubGame());
        QList<RecordId> ids;
        for (const auto& p : screen.colHomePlayers)
            ids << p->PlayerID();
        QCOMPARE(ids,
                 (QList<RecordId>{homePlayers[0], homePlayers[1], homePlayers[2], homePlayers[3], homePlayers[5],
                                  homePlayers[4]}));
        QCOMPARE(screen.colAwayPlayers.size(), 6);
        QCOMPARE(screen.colAwayPlayers[0]->PlayerID(), awayPlayers[0]);
        QCOMPARE(screen.colAwayPlayers[0]->PlayerName(), QStringLiteral("A1"));
        QCOMPARE(int(screen.colAwayPlayers[0]->PlayerNumber()), 21);
        QCOMPARE(StatusText(), QString());
        QCOMPARE(MsgBoxHook::asked().size(), 0);
    }

    void entriesMapToTheirPlayers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("apostrophe") << "O'Brien" << 4;
        QTest::newRow("hash in the name") << "Lee #7 Jr" << 12;
        QTest::newRow("quote, hash and semicolon") << "#'; DROP TABLE PLAYER; --" << 3;
        QTest::newRow("same name and number as a home player") << "H1" << 1;
    }

    void entriesMapToTheirPlayers()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        // A twin in another team, stored first, so that a lookup by name and number would find it.
        const RecordId twin = app->addPlayer(app->addTeam(QStringLiteral("Twins")), name, number);
        const RecordId mine = app->addPlayer(home, name, number);
        L->lstTeam(0)->clear();
        L->lstTeam(2)->clear();
        L->SetupTheHomeTeam();
        L->SetupTheAwayTeam();
        const int last = list(0)->count() - 1;
        QCOMPARE(list(0)->item(last)->text(), name + QStringLiteral(" #") + QString::number(number));
        SelectRows(list(0), {1, 2, 3, 4, 5, last});
        click(QStringLiteral("cmdHMoveStart"));
        SelectRows(list(2), {0, 1, 2, 3, 4, 5});
        click(QStringLiteral("cmdAMoveStart"));
        click(QStringLiteral("cmdGame"));
        QCOMPARE(L->result(), int(frmStarters::GoToGame));
        QList<RecordId> ids;
        for (const auto& p : L->game().colHomePlayers)
            ids << p->PlayerID();
        QCOMPARE(
            ids,
            (QList<RecordId>{homePlayers[1], homePlayers[2], homePlayers[3], homePlayers[4], homePlayers[5], mine}));
        QCOMPARE(L->game().colHomePlayers.last()->PlayerName(), name);
        QCOMPARE(int(L->game().colHomePlayers.last()->PlayerNumber()), number);
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM PLAYED WHERE PLAYERID = ?"), {Bind(mine)}).toInt(),
                 1);
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM PLAYED WHERE PLAYERID = ?"), {Bind(twin)}).toInt(),
                 0);
        QCOMPARE(app->count(QStringLiteral("PLAYER")), 16 + 2);
    }

    void closingAsksByGameNumber_data()
    {
        QTest::addColumn<int>("gameNumber");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("prompt");
        const QString cancel = QStringLiteral("Are you sure you would like to cancel this Match?");
        const QString end = QStringLiteral("Are you sure you would like to end the Match?");
        QTest::newRow("game 1, close box, No") << 1 << false << int(QMessageBox::No) << cancel;
        QTest::newRow("game 1, Escape, Yes") << 1 << true << int(QMessageBox::Yes) << cancel;
        QTest::newRow("game 2, close box, Yes") << 2 << false << int(QMessageBox::Yes) << end;
        QTest::newRow("game 4, Escape, No") << 4 << true << int(QMessageBox::No) << end;
    }

    void closingAsksByGameNumber()
    {
        QFETCH(int, gameNumber);
        QFETCH(bool, escape);
        QFETCH(int, answer);
        QFETCH(QString, prompt);
        L->pubGame()->setGameNumber(qint16(gameNumber));
        MsgBoxHook::setNextAnswer(QMessageBox::StandardButton(answer));
        if (escape)
            QTest::keyClick(L.get(), Qt::Key_Escape);
        else
            L->close();
        QCOMPARE(MsgBoxHook::prompts(), QStringList{prompt});
        const auto asked = MsgBoxHook::asked().first();
        QCOMPARE(asked.title, QStringLiteral("End Match"));
        QCOMPARE(asked.icon, QMessageBox::Question);
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.defaultButton, QMessageBox::No);
        QCOMPARE(L->isVisible(), answer == QMessageBox::No);
        if (answer == QMessageBox::Yes)
            QCOMPARE(L->result(), int(QDialog::Rejected));
    }
};

SIDELINES_TEST(TestStarters)
#include "tst_starters.moc"
