#include "support/Fixture.h"

#include "widgets/MsgBox.h"
#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "storage/RecordIssue.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QSettings>
#include <QUuid>
#include <QSqlRecord>
#include <QSqlQuery>
#include <QSqlDatabase>

TestApp::TestApp()
{
    QString error;
    m_ok = m_dir.isValid() && Db::createFresh(dbPath(), &error) && Db::open(dbPath(), &error);
    if (!m_ok)
        qWarning("TestApp: %s", qPrintable(error));
    pubAppPath = m_dir.path() + QLatin1Char('/');
    // The user's data folder (an installed copy's database) inside the test's own folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
    QSettings().clear();
    MsgBoxHook::install();
    Clock::setOverride({});
}

TestApp::~TestApp()
{
    CloseAllWindows();
    MsgBoxHook::uninstall();
    SetStatusObserver({});
    Clock::setOverride({});
    Db::close();
}

QString TestApp::dbPath() const
{
    return m_dir.filePath(QString::fromLatin1(Db::kFileName));
}

QVariant TestApp::scalar(const QString& sql, std::initializer_list<QVariant> values) const
{
    const auto result = SelectAll(sql, values);
    return result.empty() ? QVariant() : result.front().value(0);
}

int TestApp::count(const QString& table) const
{
    // Table names come from the tests themselves, never from input.
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

QList<QVariantList> TestApp::rows(const QString& sql, std::initializer_list<QVariant> values) const
{
    QList<QVariantList> out;
    for (const QSqlRecord& r : SelectAll(sql, values)) {
        QVariantList row;
        for (int i = 0; i < r.count(); ++i)
            row << r.value(i);
        out << row;
    }
    return out;
}

RecordId TestApp::addTeam(const QString& name)
{
    const RecordId id = NewRecordId(RecordKind::Team);
    RosterStore::AddTeam(id, name);
    return id;
}

RecordId TestApp::addPlayer(const RecordId& team, const QString& name, int number)
{
    const RecordId id = NewRecordId(RecordKind::Player);
    // A test that wants two players with one number (a file from before numbers were checked)
    // writes them itself.
    if (const std::optional<NumberTaken> taken = RosterStore::AddPlayer({id, team, name, number}))
        qFatal("Seeding %s: number %d is worn by %s already", qPrintable(name), number, qPrintable(taken->wearer.name));
    return id;
}

QStringList VisibleTopLevels()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->inherits("QMenu"))
            names << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    return names;
}

void CloseAllWindows()
{
    // Hidden, not closed: a window's own close would ask its questions again.
    for (int round = 0; round < 5; ++round) {
        bool any = false;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            any = true;
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
            else
                w->hide();
        }
        if (!any)
            return;
        QApplication::processEvents();
    }
}

QStringList FileRows(const QString& path, const QString& sql)
{
    QStringList out;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(sql, db);
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i).toString();
            out << row.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(name);
    out.sort();
    return out;
}
