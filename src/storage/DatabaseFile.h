#pragma once

// What the connection (Database.cpp) and the file's schema and upgrades (Schema.cpp) share; no
// other code uses it.

#include "storage/Database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

namespace Db::detail {
// The tables every Sidelines file has, however old.
const QStringList& requiredTables();
// The engine's own words for a failure, for the user.
QString engineMessage(const QSqlError& error);
// A write the engine must refuse on a file it opened read-only, rolled back whatever happens: the
// file is the same afterwards. Setting the version to the value it has (version) touches no table.
// busy, when given, tells a refusal because another connection is writing at that moment.
QString probeWrite(QSqlDatabase& db, int version, bool* busy = nullptr);
// An older file: copied beside itself first, then upgraded in one transaction, so that a
// failure at any point leaves the file as it was and the copy holds every row either way.
bool upgrade(const QString& path, int version, QString* error);
// Brings a database of schema version from to the version to (the program's by default): each
// upgrade script in turn, then the version, all on db's open transaction.
bool upgradeFrom(QSqlDatabase& db, int from, QString* error, int to = kSchemaVersion);
// The statement that makes the SUM_STATS view.
QString SumStatsView();
}  // namespace Db::detail
