#pragma once

#include "storage/Database.h"
#include "base/RecordId.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>

// A fresh application folder for one test: an empty database made from the program's schema and
// opened as pubDB, pubAppPath and the user's data folder in it, empty settings, the message hook
// installed. Create one in init() (or at the top of a test) and drop it in cleanup().
class TestApp
{
public:
    TestApp();
    ~TestApp();

    bool ok() const { return m_ok; }
    QString dir() const { return m_dir.path(); }
    QString dbPath() const;

    // Reads of the database file for checks.
    QVariant scalar(const QString& sql, std::initializer_list<QVariant> values = {}) const;
    int count(const QString& table) const;
    QList<QVariantList> rows(const QString& sql, std::initializer_list<QVariant> values = {}) const;

    // Seeding straight into the database, with distinct identifiers.
    RecordId addTeam(const QString& name);
    RecordId addPlayer(const RecordId& team, const QString& name, int number);

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// Top-level windows still visible; a test must leave none.
QStringList VisibleTopLevels();

// The rows a statement reads from a database file through a connection of its own (so only what
// was committed counts), each as its values joined by '|', sorted.
QStringList FileRows(const QString& path, const QString& sql);
// Closes every visible top-level window (cleanup after a failed test).
void CloseAllWindows();

// A child of a window (or the window itself) by object name, or null.
template <typename T> T* Child(QWidget* window, const QString& name)
{
    if (!window)
        return nullptr;
    return window->objectName() == name ? qobject_cast<T*>(window) : window->findChild<T*>(name);
}
