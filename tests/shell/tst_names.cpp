#include "game/Court.h"
#include "support/Drive.h"
#include "support/TestMain.h"

#include "core/MsgBox.h"
#include "core/RosterStore.h"
#include "core/mConstants.h"
#include "match/frmMatch.h"
#include "match/frmStarters.h"
#include "roster/DialogParts.h"
#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QTextDocument>

using namespace drive;

namespace {
// What a label puts on the screen, read the way the label itself decides: a text it takes for
// markup is shown as the document that markup makes.
QString Shown(const QLabel* label)
{
    if (!label)
        return QStringLiteral("(no such label)");
    const bool markup = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!markup)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// A message as its window shows it.
QString ShownMessage(const MsgBoxHook::Asked& asked)
{
    const auto box = MsgBoxWindow(asked.prompt, asked.buttons, asked.icon, asked.title, asked.defaultButton);
    return Shown(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
}
}  // namespace

// Names are data: a name full of markup shows as typed everywhere it appears, never as what the
// markup would make of it (a picture read from a file, bold text, nothing at all).
class TestNamesAsData : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { EndTest(); }

    void markupInANameShowsAsTyped()
    {
        court::Prepare();
        const QString name = QStringLiteral("<b>Bo</b><img src=\"nowhere.png\"><i>Lee</i>");
        court::Seeded seeded;
        MatchSession& session = seeded.session;
        RosterStore::RenameTeam(session.homeTeamId, name);
        RosterStore::UpdatePlayer(seeded.home[0], name, 1);
        session.loadRosters();

        // Every place that went wrong, so that one run names them all.
        QStringList wrong;
        auto expect = [&wrong](const char* place, const QString& shown, const QString& wanted) {
            if (!shown.contains(wanted))
                wrong << QStringLiteral("%1 shows [%2]").arg(QLatin1String(place), shown);
        };

        // Roster windows: the choosers' lines, the edit boxes, the delete questions.
        Windows({Steps({Look([&](QWidget* w) {
                            expect("team chooser", ListLineDelegate::NamePart(Lines(w, "lstTeams").value(0)), name);
                        }),
                        ChooseRow("lstTeams", 0), Click("cmdOk")}),
                 Steps({Look([&](QWidget* w) { expect("team box", Child<QLineEdit>(w, "txtTeamName")->text(), name); }),
                        Click("cmdCancel")})});
        QVERIFY(RunCommand([] { clsTeam().Update(); }));
        Windows({Steps({ChooseRow("lstTeams", 0), Click("cmdOk")}),
                 Steps({Look([&](QWidget* w) {
                            expect("player chooser", ListLineDelegate::NamePart(Lines(w, "lstPlayers").value(0)), name);
                        }),
                        ChooseRow("lstPlayers", 0), Click("cmdOk")}),
                 Steps({Look([&](QWidget* w) { expect("player box", Child<QLineEdit>(w, "txtPlayerName")->text(), name); }),
                        Click("cmdCancel")})});
        QVERIFY(RunCommand([] { clsPlayer().Update(); }));
        Windows({Answer(QMessageBox::No, Steps({ChooseRow("lstTeams", 0), Click("cmdOk")}))});
        QVERIFY(RunCommand([] { clsTeam().Delete(); }));
        Windows({Steps({ChooseRow("lstTeams", 0), Click("cmdOk")}),
                 Answer(QMessageBox::No, Steps({ChooseRow("lstPlayers", 0), Click("cmdOk")}))});
        QVERIFY(RunCommand([] { clsPlayer().Delete(); }));
        QCOMPARE(MsgBoxHook::asked().size(), 2);
        expect("team delete question", ShownMessage(MsgBoxHook::asked()[0]), name);
        expect("player delete question", ShownMessage(MsgBoxHook::asked()[1]), name);
        MsgBoxHook::clear();

        // The line-up window: the team's label and its roster.
        {
            frmStarters lineUp(session);
            lineUp.SetupTheHomeTeam();
            expect("line-up team label", Shown(Child<QLabel>(&lineUp, "lblHomeTeam")), name);
            expect("line-up roster", lineUp.lstTeam(0)->item(0)->text(), name + QStringLiteral(" #1"));
        }

        // The court screen: the player's box, the status line after an action, the stats view.
        {
            frmGame screen(session);
            for (int t = 0; t < 2; ++t) {
                for (const PlayerRow& r : session.rosters[size_t(t)].players.mid(0, 6))
                    (t == 0 ? screen.colHomePlayers : screen.colAwayPlayers) << std::make_shared<clsPlayer>(r);
            }
            screen.SetUpHome();
            screen.SetUpAway();
            int box = 0;
            for (int n = 1; n <= 12 && !box; ++n) {
                if (Child<QLabel>(&screen, QStringLiteral("lblPlayer_%1").arg(n))->property("playerId")
                    == seeded.home[0].text())
                    box = n;
            }
            QVERIFY(box > 0);
            expect("court box", Shown(Child<QLabel>(&screen, QStringLiteral("lblPlayer_%1").arg(box))),
                   name + QStringLiteral("\n#1"));
            QVERIFY(RunCommand([&] {
                screen.game().PlayerOnClick(qint16(box));
                screen.game().AddStat(QStringLiteral("Kill"), seeded.home[0]);
            }));
            expect("court status line", Shown(Child<QLabel>(&screen, "lblStatus")), name);
            screen.mnuViewStats_Click();
            QCOMPARE(MsgBoxHook::asked().size(), 1);
            expect("stats view", MsgBoxHook::asked()[0].title, name);
            screen.bShowMessage = false;
        }

        // The match listing.
        Windows({Steps({Look([&](QWidget* w) { expect("match listing", Lines(w, "lstMatch").value(0), name); }),
                        Click("cmdCancel")})});
        QCOMPARE(frmMatch().choose(), std::optional<RecordId>());

        // The main window's status line.
        {
            frmMain main;
            SetStatus(name);
            expect("main status line", Shown(Child<QLabel>(&main, "lblStatus")), name);
            SetStatus(QString());
        }

        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
    }
};

SIDELINES_TEST(TestNamesAsData)
#include "tst_names.moc"
