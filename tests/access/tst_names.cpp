#include "storage/ScoutStore.h"
#include "match/frmExportScout.h"
#include "reports/ReportSeed.h"
#include "reports/clsReport.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "shell/Texts.h"
#include "support/Access.h"
#include "support/Drive.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

QString Name(QObject* o)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The names a screen reader gives a list's entries.
QStringList EntryNames(QListWidget* list)
{
    QStringList out;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* entry = iface->child(i); entry && entry->role() == QAccessible::ListItem)
            out << entry->text(QAccessible::Name);
    return out;
}

} // namespace

// What a screen reader meets in the wizard and the lists, in the language of the run: each
// drop-down list named by the question it answers (not by the entry it shows), the keyboard on a
// page's first list after Next and Back, every page without the faults of reachable::Faults, and
// list entries named as people know them.
class TestNamesAndFocus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InstallTranslations(QStringLiteral(SIDELINES_QM_DIR)); }
    void cleanup() { drive::EndTest(); }

    void wizardListsAndFocus()
    {
        TestApp app;
        seed::addSeason(app);
        QStringList seen; // per page: the list with the focus, then each shown list as name=value
        QStringList faults;
        const auto look = drive::Look([&](QWidget* w) {
            faults << reachable::Faults(w);
            // Where the keyboard is in the window (the window itself may not be active yet).
            QStringList page{w->focusWidget() ? w->focusWidget()->objectName() : QString()};
            for (auto* list : w->findChildren<QComboBox*>()) {
                if (!list->isVisibleTo(w))
                    continue;
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
                QString label;
                for (const QLabel* l : w->findChildren<QLabel*>())
                    if (l->buddy() == list)
                        label = l->text();
                if (list->objectName() == QLatin1String("cmbYear_1"))
                    label = Child<QAbstractButton>(w, "chkThru_0")->text().remove(QLatin1Char('&'));
                QVERIFY2(!label.isEmpty(), qPrintable(list->objectName()));
                page << QStringLiteral("%1:%2").arg(list->objectName())
                            .arg(iface->text(QAccessible::Name) == label
                                         && iface->text(QAccessible::Value) == list->currentText()
                                     ? QStringLiteral("named by its label")
                                     : iface->text(QAccessible::Name));
            }
            page.sort();
            seen << page.join(QLatin1Char(' '));
        });
        drive::Windows({drive::Steps({look, drive::Key(Qt::Key_Return), look, drive::Key(Qt::Key_Return), look,
                                      drive::Click("cmdBack"), look, drive::Click("cmdNext"), drive::Click("cmdNext"),
                                      look, drive::Key(Qt::Key_Escape)})});
        clsReport().Start();
        const QString named = QStringLiteral("named by its label");
        QCOMPARE(seen, (QStringList{
                           QStringLiteral("cmbYear_0 cmbYear_0:%1 cmbYear_1:%1").arg(named),
                           QStringLiteral("cmbGames:%1 cmbMatch cmbMatch:%1").arg(named),
                           QStringLiteral("cmbTeam cmbTeam:%1").arg(named),
                           QStringLiteral("cmbGames:%1 cmbMatch cmbMatch:%1").arg(named),
                           QStringLiteral("cmbOrder:%1 cmbPlayer cmbPlayer:%1 cmbPosition:%1").arg(named),
                       }));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A chooser's entry is read as people know it: the team's name, the player's name and number,
    // without the identifier the line shows after them.
    void chooserEntriesWithoutIdentifiers()
    {
        TestApp app;
        const RecordId hawks = app.addTeam(QStringLiteral("Harbour Hawks"));
        app.addTeam(QStringLiteral("Owls"));
        app.addPlayer(hawks, QStringLiteral("Ann Lee"), 7);
        app.addPlayer(hawks, QStringLiteral("Bea Moreno"), 12);
        frmPickTeam teams;
        QVERIFY(teams.Load());
        QCOMPARE(EntryNames(Child<QListWidget>(&teams, "lstTeams")),
                 (QStringList{QStringLiteral("Harbour Hawks"), QStringLiteral("Owls")}));
        frmPickPlayer players;
        QVERIFY(players.LoadTeam(hawks));
        const QStringList names = EntryNames(players.findChild<QListWidget*>());
        QCOMPARE(names.size(), 2);
        for (const QString& name : names)
            QVERIFY2(!name.contains(QLatin1Char('\t')) && !name.contains(QStringLiteral("20")), qPrintable(name));
        QVERIFY(names.contains(QStringLiteral("Ann Lee 7")));
    }

    // The export's list of matches says what it lists.
    void exportListNamed()
    {
        TestApp app;
        ScoutStore::ListedMatch m;
        m.id = seed::at(3, 4, 18, 0);
        m.homeName = QStringLiteral("Harbour Hawks");
        m.awayName = QStringLiteral("Owls");
        frmExportScout window({m});
        QCOMPARE(Name(Child<QListWidget>(&window, "lstMatches")),
                 QCoreApplication::translate("frmExportScout", "Recorded matches"));
    }
};

SIDELINES_TEST(TestNamesAndFocus)
#include "tst_names.moc"
