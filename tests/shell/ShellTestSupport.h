#pragma once

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUuid>
#include <QWidget>

// Watches for modal windows while a command runs: notes each one's title and the mouse pointer
// that was in force while it was up, then lets `respond` handle it (by default it is cancelled).
// Unlike a one-shot driver it keeps watching until it is destroyed, so it also sees a window that
// should never have opened.
class ModalWatch
{
public:
    struct Seen {
        QString title;
        QString objectName;
        bool busyPointer = false;
    };

    explicit ModalWatch(std::function<void(QWidget*)> respond = {}) : m_respond(std::move(respond))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }

    const QList<Seen>& seen() const { return m_seen; }
    QStringList titles() const
    {
        QStringList out;
        for (const Seen& s : m_seen)
            out << s.title;
        return out;
    }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == m_last)
            return;
        m_last = modal;
        // The command waits over the main window only: the window it opens must keep the normal
        // pointer, or the user could not tell that it is waiting for them.
        const QCursor* cursor = QApplication::overrideCursor();
        bool mainBusy = false;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmMain"))
                mainBusy = w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::WaitCursor;
        }
        const bool appBusy = cursor && cursor->shape() == Qt::WaitCursor;
        m_seen.push_back({modal->windowTitle(), modal->objectName(), mainBusy && !appBusy});
        if (m_respond) {
            m_respond(modal);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    std::function<void(QWidget*)> m_respond;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    QList<Seen> m_seen;
};

// Rows of a table read through a connection of its own, so that only what was committed to the
// database file counts.
inline int CountInFile(const QString& path, const QString& table)
{
    const QString name = QStringLiteral("check-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    int result = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            // Table names come from the tests, never from input.
            QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM ") + table, db);
            if (q.next())
                result = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}
