#pragma once

#include "support/Drive.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QUuid>

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
