#include "widgets/Accessible.h"
#include "storage/ArchiveStore.h"
#include "storage/MatchStore.h"
#include "widgets/mConstants.h"
#include "game/Court.h"
#include "match/frmGameOptions.h"
#include "match/frmMatch.h"
#include "match/frmRestore.h"
#include "match/frmStarters.h"
#include "reports/ReportData.h"
#include "reports/ReportSeed.h"
#include "reports/clsReport.h"
#include "reports/frmReport.h"
#include "reports/frmReportView.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "roster/frmPlayer.h"
#include "roster/frmTeam.h"
#include "shell/Texts.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "support/Access.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QLocale>
#include <QMenuBar>

using namespace reachable;

namespace {
bool German()
{
    return QLocale().language() == QLocale::German;
}

// Every accessible event of one kind, as a screen reader would be told of it.
struct Events
{
    struct Seen
    {
        QObject* object;
        QAccessible::Event type;
        QString name;
    };
    static QList<Seen>& seen()
    {
        static QList<Seen> list;
        return list;
    }
    Events()
    {
        seen().clear();
        a11y::SetEventObserver([](QWidget* w, QAccessible::Event type) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            seen() << Seen{w, type, iface ? iface->text(QAccessible::Name) : QString()};
        });
    }
    ~Events() { a11y::SetEventObserver({}); }
    QStringList names(QObject* object, QAccessible::Event type) const
    {
        QStringList out;
        for (const Seen& s : seen())
            if (s.object == object && s.type == type)
                out << s.name;
        return out;
    }
};

QString Name(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}
} // namespace

// Every window the user can open, as a screen reader and the keyboard meet it, in the language
// of the run (English, and German in its own test): every control that takes the focus has a
// name, the tab order follows the reading order, no access key is used twice.
class TestReachable : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> m_app;

private slots:
    void initTestCase()
    {
        court::Prepare();
        InstallTranslations(QStringLiteral(SIDELINES_QM_DIR));
        // The program follows the system's language: German where it is German, English for
        // any other.
        QCOMPARE(QCoreApplication::translate("frmGame", "Game") == QLatin1String("Spiel"), German());
    }
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->ok());
    }
    void cleanup()
    {
        drive::EndTest();
        CloseAllWindows();
        m_app.reset();
    }

    // Each window made as its command makes it and shown.
    void window_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* w : {"splash", "tip", "team", "player", "pick team", "pick player", "match", "options",
                              "deciding options", "restore", "starters", "substitution", "court", "report"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void window()
    {
        QFETCH(QString, window);
        // The match outlives its windows.
        std::unique_ptr<court::Seeded> seeded;
        std::unique_ptr<court::Court> court;
        std::unique_ptr<QWidget> w;
        // The windows made without anything to show.
        const std::map<QString, std::function<std::unique_ptr<QWidget>()>> plain{
            {"splash", [] { return std::make_unique<frmSplash>(); }},
            {"tip", [] { return std::make_unique<frmTip>(); }},
            {"team", [] { return std::make_unique<frmTeam>(); }},
            {"player", [] { return std::make_unique<frmPlayer>(); }},
            {"pick team", [] { return std::make_unique<frmPickTeam>(); }},
            {"pick player", [] { return std::make_unique<frmPickPlayer>(); }},
            {"match", [] { return std::make_unique<frmMatch>(); }},
            {"options", [] { return std::make_unique<frmGameOptions>(false); }},
            {"deciding options", [] { return std::make_unique<frmGameOptions>(true); }}};
        if (plain.count(window))
            w = plain.at(window)();
        else if (window == QLatin1String("restore")) {
            ArchiveStore::ArchivedMatch m;
            m.id = seed::at(3, 4, 18, 0);
            m.homeName = QStringLiteral("Harbour Hawks");
            m.awayName = QStringLiteral("Owls");
            m.scores = {{25, 20}};
            w = std::make_unique<frmRestore>(std::vector<ArchiveStore::ArchivedMatch>{m});
        } else if (window == QLatin1String("starters") || window == QLatin1String("substitution")) {
            seeded = std::make_unique<court::Seeded>();
            auto L = std::make_unique<frmStarters>(seeded->session);
            L->SetupTheHomeTeam();
            L->SetupTheAwayTeam();
            if (window == QLatin1String("substitution")) {
                for (int i = 0; i < 6; ++i)
                    L->game().colHomePlayers << frmStarters::EntryPlayer(L->lstTeam(0)->item(i));
                L->BeginSubstitution(L->game().colHomePlayers, {});
            }
            w = std::move(L);
        } else if (window == QLatin1String("court")) {
            court = std::make_unique<court::Court>();
            QVERIFY(court->show());
            QStringList faults = Faults(court->screen.get());
            // The stat menu as it pops up at a box, with its ratings.
            QTest::keyClick(court::Focus(court->screen.get()), Qt::Key_F3);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            faults << Unnamed(menu) << MenuKeyClashes(menu);
            menu->close();
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            return;
        } else {
            ReportLine line;
            line.team = QStringLiteral("Harbour Hawks");
            line.player = QStringLiteral("Hawk 1 #1");
            w = std::make_unique<frmReportView>(
                MakeReportModel(ReportLayout::PositionsTogether, ReportHeading{}, {line}));
        }
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QStringList faults = Faults(w.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The main window, and every window that each of its commands opens first: a window added to
    // the menus is checked without being named here.
    void mainWindowAndItsCommands()
    {
        for (const QString& name : {QStringLiteral("Falcons"), QStringLiteral("Hawks")}) {
            const RecordId team = m_app->addTeam(name);
            for (int i = 1; i <= 6; ++i)
                m_app->addPlayer(team, name + QString::number(i), i);
        }
        frmMain main;
        QString error;
        QVERIFY2(main.Form_Load(m_app->dir(), &error), qPrintable(error));
        main.resize(1000, 700);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QStringList faults = Faults(&main);
        QStringList opened;
        QList<QAction*> commands;
        for (QAction* top : main.menuBar()->actions())
            if (top->menu())
                for (QAction* a : top->menu()->actions())
                    if (!a->isSeparator() && !a->menu())
                        commands << a;
        QVERIFY(commands.size() >= 10);
        for (QAction* a : commands) {
            MsgBoxHook::clear();
            MsgBoxHook::setNextAnswer(QMessageBox::No);
            ModalWatch watch([&](QWidget* w) {
                opened << w->windowTitle();
                faults << Faults(w);
                if (auto* dialog = qobject_cast<QDialog*>(w))
                    dialog->reject();
                else
                    w->close();
            });
            a->trigger();
            QTest::qWait(20);
        }
        main.hide();
        QVERIFY2(opened.size() >= 8, qPrintable(opened.join(QLatin1Char(','))));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The court's boxes say who stands in them and follow the match: the selection, a rotation
    // (the selection goes with its player) and the serve passing to the other side.
    void courtBoxesFollowTheMatch()
    {
        const bool de = German();
        const QString box = de ? QStringLiteral("Feld %1: %2") : QStringLiteral("Box %1: %2");
        const QString selected = de ? QStringLiteral(", ausgewählt") : QStringLiteral(", selected");
        const QString serving = de ? QStringLiteral(", hat Aufschlag") : QStringLiteral(", serving");
        court::Court c;
        QVERIFY(c.show());
        auto boxName = [&](int n) { return Name(c.get(QStringLiteral("lblPlayer_%1").arg(n))); };
        auto who = [&](int n) {
            const QStringList caption = c.screen->boxCaption(n).split(QLatin1Char('\n'));
            return QStringLiteral("%1 %2").arg(caption.value(1), caption.value(0));
        };
        Events events;
        // Home (on the left) serves first: box 1's player.
        QCOMPARE(boxName(1), box.arg(1).arg(QStringLiteral("#1 Hawk 1")) + serving);
        QCOMPARE(boxName(9), box.arg(9).arg(QStringLiteral("#13 Owl 3")));
        QCOMPARE(Name(Child<QWidget>(c.screen.get(), "lblServe")),
                 (de ? QStringLiteral("Aufschlag: %1") : QStringLiteral("Serving: %1")).arg("#1 Hawk 1"));
        QVERIFY(c.get("lblPlayer_4")->accessibleDescription().contains(QStringLiteral("F4")));
        QVERIFY(c.get("lblPlayer_4")->accessibleDescription().contains(QStringLiteral("Harbour Hawks")));
        QVERIFY(c.get("lblPlayer_10")->accessibleDescription().contains(QStringLiteral("Owls d'Or")));

        // F3 selects box 3.
        QTest::keyClick(court::Focus(c.screen.get()), Qt::Key_F3);
        QApplication::activePopupWidget()->close();
        QCOMPARE(boxName(3), box.arg(3).arg(QStringLiteral("#3 Hawk 3")) + selected);
        QVERIFY(events.names(c.get("lblPlayer_3"), QAccessible::NameChanged).contains(boxName(3)));

        // Home turns: every box names its new player, the selection stays with Hawk 3.
        QVERIFY(court::AltKey(c.screen.get(), Qt::Key_R));
        int follow = 0;
        for (int n = 1; n <= 6; ++n) {
            QVERIFY2(boxName(n).startsWith(box.arg(n).arg(who(n))), qPrintable(boxName(n)));
            if (boxName(n).contains(selected))
                follow = n;
        }
        QVERIFY(follow != 3);
        QCOMPARE(who(follow), QStringLiteral("#3 Hawk 3"));
        QVERIFY(boxName(1).endsWith(serving));

        // A point for the away side: the serve goes over, and the names say so.
        QVERIFY(court::AltKey(c.screen.get(), Qt::Key_A));
        QVERIFY(!boxName(1).contains(serving));
        QCOMPARE(boxName(7), box.arg(7).arg(who(7)) + serving);
        // The score boxes name their team and score.
        QCOMPARE(Name(c.get("lblScore_1")),
                 (de ? QStringLiteral("Punkte %1: %2") : QStringLiteral("Score of %1: %2")).arg("Owls d'Or", "1"));
        QCOMPARE(Name(c.get("lblScore_0")),
                 (de ? QStringLiteral("Punkte %1: %2") : QStringLiteral("Score of %1: %2")).arg("Harbour Hawks", "0"));
        QVERIFY(events.names(c.get("lblScore_1"), QAccessible::NameChanged).contains(Name(c.get("lblScore_1"))));
        QVERIFY(events.names(c.get("lblPlayer_7"), QAccessible::NameChanged).contains(boxName(7)));
    }

    // The tips come in the user's language where their file is translated, in English otherwise.
    void tipsInTheUsersLanguage()
    {
        const QString folder = m_app->dir();
        for (const auto& [name, text] : {std::pair{"TIPOFDAY.TXT", "English tip"}, {"TIPOFDAY_de.TXT", "Deutscher Tipp"}}) {
            QFile file(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        frmTip::SetTipsFile(folder + QStringLiteral("/TIPOFDAY.TXT"));
        frmTip tip;
        frmTip::SetTipsFile(QString());
        QCOMPARE(Child<QLabel>(&tip, "lblTipText")->text(),
                 German() ? QStringLiteral("Deutscher Tipp") : QStringLiteral("English tip"));
    }

    // Each tip says the same in both languages, line for line: what the program does at its exit
    // (the matches go to the archive, and come back by Restore Saved Matches) is said alike.
    void tipsSayTheSameInBothLanguages()
    {
        const auto lines = [](const char* name) {
            QFile file(QStringLiteral(SIDELINES_TS_DIR "/../") + QLatin1String(name));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed().split(QLatin1Char('\n'))
                                                  : QStringList();
        };
        const QStringList english = lines("TIPOFDAY.TXT");
        const QStringList german = lines("TIPOFDAY_de.TXT");
        QVERIFY(!english.isEmpty());
        QCOMPARE(english.size(), german.size());
        for (qsizetype i = 0; i < german.size(); ++i) {
            const bool archive = german[i].contains(QLatin1String("Archiv"));
            QCOMPARE(english[i].contains(QLatin1String("archive")), archive);
            if (archive)
                QVERIFY2(english[i].contains(QLatin1String("Restore Saved Matches")), qPrintable(english[i]));
        }
    }

    // Every message of the court's status line is a notification, spoken once when the command
    // that set it has finished (however often the command set it, and again when a new command
    // says the same words); work under way, a line fitted anew and the score boxes are not spoken.
    void courtMessagesAreSpoken_data() { table::Rows(QStringLiteral("access.txt")); }
    void courtMessagesAreSpoken()
    {
        QFETCH(QString, commands);
        QFETCH(QString, spoken);
        court::Court c;
        QVERIFY(c.show());
        QWidget* line = c.get("lblStatus");
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->role(), QAccessible::Notification);
        QTest::qWait(0); // the game's start is said before the commands
        Events events;
        QStringList expected;
        for (qsizetype i = 0; i < commands.size(); ++i) {
            switch (commands[i].unicode()) {
            case 'H': c.screen->cmdScore_Click(0); break;
            case 'R': c.screen->cmdRotate_Click(0); break;
            case 'Z': c.screen->mnuUndo_Click(); break;
            case 'D': QVERIFY(c.record(1, Qt::Key_D)); break;
            case 'M': court::AltKey(c.screen.get(), Qt::Key_M); break;
            case 'S': c.screen->resize(c.screen->size() - QSize(40, 30)); break;
            case 'V': c.screen->mnuViewStats_Click(); break;
            }
            QTest::qWait(0);
            if (spoken[i] == QLatin1Char('1')) {
                QVERIFY(!c.status().isEmpty());
                expected << c.status();
            }
        }
        QCOMPARE(events.names(line, QAccessible::ObjectShow), expected);
        for (const char* score : {"lblScore_0", "lblScore_1"})
            QCOMPARE(events.names(c.get(score), QAccessible::ObjectShow), QStringList());
        QCOMPARE(Name(line), c.status());
    }

    // The main window's status line is read out when it changes.
    void mainStatusLineIsAnnounced()
    {
        Events events;
        frmMain main;
        QString error;
        QVERIFY2(main.Form_Load(m_app->dir(), &error), qPrintable(error));
        main.show();
        QWidget* mainLine = Child<QWidget>(&main, "lblStatus");
        SetStatus(QStringLiteral("Reading the teams..."));
        QVERIFY(QTest::qWaitFor(
            [&] { return events.names(mainLine, QAccessible::NameChanged).contains(QStringLiteral("Reading the teams...")); }));
        main.hide();
    }
};

SIDELINES_TEST(TestReachable)
#include "tst_access.moc"
