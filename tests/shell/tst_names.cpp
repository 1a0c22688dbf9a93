#include "game/Court.h"
#include "support/Drive.h"
#include "support/TestMain.h"

#include "core/RosterStore.h"
#include "core/mConstants.h"
#include "match/frmStarters.h"
#include "roster/clsTeam.h"

#include <QTextDocument>

using namespace drive;

// What a label puts on the screen, decided the way the label decides: markup shows as its document.
static QString Shown(const QLabel* label)
{
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text())))
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// Names are data: a name full of markup shows as typed everywhere it appears, never as the
// picture, bold text or nothing that the markup would make.
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
        RosterStore::RenameTeam(seeded.session.homeTeamId, name);
        RosterStore::UpdatePlayer(seeded.home[0], name, 1);
        seeded.session.loadRosters();
        QStringList wrong; // every place that went wrong, so that one run names them all
        auto expect = [&wrong](const char* place, const QString& shown, const QString& wanted) {
            if (!shown.contains(wanted))
                wrong << QStringLiteral("%1 shows [%2]").arg(QLatin1String(place), shown);
        };

        // The roster's chooser and delete question.
        Windows({Answer(QMessageBox::No, Steps({Look([&](QWidget* w) { expect("chooser", Lines(w, "lstTeams").value(0), name); }),
                                                Click("cmdOk")}))});
        QVERIFY(RunCommand([] { clsTeam().Delete(); }));
        const auto question = MsgBoxWindow(MsgBoxHook::prompts()[0], QMessageBox::Yes | QMessageBox::No,
                                           QMessageBox::NoIcon, QString(), QMessageBox::NoButton);
        expect("delete question", Shown(question->findChild<QLabel*>("qt_msgbox_label")), name);

        frmStarters lineUp(seeded.session);
        lineUp.SetupTheHomeTeam();
        expect("line-up label", Shown(Child<QLabel>(&lineUp, "lblHomeTeam")), name);

        // The court screen: the player's box, the status line after an action.
        frmGame screen(seeded.session);
        for (const PlayerRow& r : seeded.session.rosters[0].players.mid(0, 6))
            screen.colHomePlayers << std::make_shared<clsPlayer>(r);
        screen.SetUpHome();
        auto box = [&screen](int n) { return Child<QLabel>(&screen, QStringLiteral("lblPlayer_%1").arg(n)); };
        int n = 1;
        while (n < 12 && box(n)->property("playerId") != seeded.home[0].text())
            ++n;
        expect("court box", Shown(box(n)), name + "\n#1");
        screen.game().PlayerOnClick(qint16(n));
        QVERIFY(RunCommand([&] { screen.game().AddStat(QStringLiteral("Kill"), seeded.home[0]); }));
        expect("court status line", Shown(Child<QLabel>(&screen, "lblStatus")), name);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

SIDELINES_TEST(TestNamesAsData)
#include "tst_names.moc"
