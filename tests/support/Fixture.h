#pragma once

#include "core/Database.h"
#include "core/RecordId.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <memory>

class QWidget;

// A fresh application folder for one test: an empty database made from the program's schema and
// opened as pubDB, pubAppPath and the user's data folder in it, empty settings, the message hook
// installed. Create one in init() (or at the top of a test) and drop it in cleanup().
class TestApp
{
public:
    TestApp();
    ~TestApp();
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;

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

// Acts on the next modal window that opens (after the one active now, so nested windows work):
// arm it before the call that opens the window. If no such window opens within the timeout, the
// driver closes whatever modal window is up, so the test cannot hang, and *result stays false.
std::shared_ptr<bool> OnNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);

// A child of a window by object name, or null.
template <typename T>
T* Child(QWidget* window, const QString& name);

// Top-level windows still visible; a test must leave none.
QStringList VisibleTopLevels();
// Closes every visible top-level window (cleanup after a failed test).
void CloseAllWindows();

#include <QWidget>
template <typename T>
T* Child(QWidget* window, const QString& name)
{
    if (!window)
        return nullptr;
    if (window->objectName() == name)
        return qobject_cast<T*>(window);
    return window->findChild<T*>(name);
}
