#include "club/ClubMapping.h"

#include "club/ClubConnection.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlRecord>

#include <optional>

namespace ClubStore {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubStore)
};

} // namespace

// The mapping's connection: the working tables' file with the archive attached, in a transaction
// of its own.
class MappingFile
{
public:
    explicit MappingFile(const QString& archivePath)
    {
        QString error;
        if (!Db::prepareFile(archivePath, &error))
            throw DbError(Words::tr("The archive of saved matches %1 cannot be used: %2").arg(archivePath, error),
                          QStringLiteral("ATTACH"));
        m_file.emplace(Db::connection().databaseName());
        m_file->run(QStringLiteral("ATTACH DATABASE ? AS clubarchive"), {archivePath});
        m_file->run(QStringLiteral("PRAGMA clubarchive.synchronous = FULL"), {});
        // Deferred: it writes the archive only; the working file's write lock is the rows'.
        m_file->run(QStringLiteral("BEGIN"), {});
        m_open = true;
    }
    ~MappingFile()
    {
        if (!m_open)
            return;
        try {
            m_file->run(QStringLiteral("ROLLBACK"), {});
        } catch (const DbError&) {
            // Closing the connection rolls back as well.
        }
    }
    MappingFile(const MappingFile&) = delete;
    MappingFile& operator=(const MappingFile&) = delete;

    // The first row a statement finds, or an empty record when it finds none.
    QSqlRecord first(const QString& sql, const QVariantList& values)
    {
        QSqlQuery& q = m_file->run(sql, values);
        const QSqlRecord row = q.next() ? q.record() : QSqlRecord();
        q.finish();
        return row;
    }
    void execute(const QString& sql, const QVariantList& values) { m_file->run(sql, values).finish(); }

    void commit()
    {
        m_file->commit();
        m_open = false;
    }

private:
    std::optional<LocalFile> m_file;
    bool m_open = false;
};

// Gives another bench's records their identifiers on this computer.
class Mapper
{
public:
    Mapper(MappingFile& file, const QString& bench) : m_file(file), m_bench(bench) {}

    QVariant map(const char* kind, const QVariant& serverId)
    {
        if (serverId.isNull() || serverId.toString().isEmpty())
            return serverId;
        const QString id = serverId.toString();
        const QString key = QLatin1String(kind) + QLatin1Char('|') + id;
        if (const auto at = m_known.constFind(key); at != m_known.constEnd())
            return *at;
        const QSqlRecord found = m_file.first(QStringLiteral("SELECT LOCALID FROM clubarchive.CLUBRECORD WHERE BENCH = ? "
                                                            "AND KIND = ? AND SERVERID = ?"),
                                             {m_bench, QLatin1String(kind), id});
        QString local;
        if (!found.isEmpty()) {
            local = found.value(0).toString();
        } else {
            local = id;
            const RecordId asTime = RecordId::fromText(id);
            for (int tries = 0; taken(kind, local); ++tries) {
                if (asTime.isNull() || !RecordId::isStoredForm(id) || tries > 100000)
                    throw DbError(Words::tr("Another bench's record %1 cannot be restored: this computer has a "
                                            "record with the same identifier.")
                                      .arg(id),
                                  QString());
                local = asTime.addSecs(tries + 1).text();
            }
            m_file.execute(QStringLiteral("INSERT INTO clubarchive.CLUBRECORD (BENCH, KIND, SERVERID, LOCALID) VALUES (?, "
                                          "?, ?, ?)"),
                           {m_bench, QLatin1String(kind), id, local});
        }
        m_known.insert(key, local);
        return local;
    }

private:
    // Whether a record of this computer (working tables, archive) or another bench's record
    // already has the identifier.
    bool taken(const char* kind, const QString& id)
    {
        static const QHash<QString, QString> tables{{QStringLiteral("TEAM"), QStringLiteral("TEAM WHERE TEAMID")},
                                                    {QStringLiteral("PLAYER"), QStringLiteral("PLAYER WHERE PLAYERID")},
                                                    {QStringLiteral("MATCH"), QStringLiteral("MATCH WHERE MATCHID")},
                                                    {QStringLiteral("GAME"), QStringLiteral("GAME WHERE GAMEID")}};
        const QString where = tables.value(QLatin1String(kind));
        return !m_file
                    .first(QStringLiteral("SELECT 1 FROM main.%1 = ? UNION ALL SELECT 1 FROM clubarchive.%1 = ? "
                                          "UNION ALL SELECT 1 FROM clubarchive.CLUBRECORD WHERE KIND = ? AND LOCALID = ?")
                               .arg(where),
                           {id, id, QLatin1String(kind), id})
                    .isEmpty();
    }

    MappingFile& m_file;
    QString m_bench;
    QHash<QString, QString> m_known;
};

namespace {

// Another bench's identifiers in a match: its rows given their identifiers here, and those that
// differ from the server's, for writing the bulk.
struct Changed
{
    QString kind;
    QString serverId;
    QString localId;
};

QList<Changed> MapOtherBench(MatchRows& m, Mapper& mapper)
{
    QList<Changed> changed;
    auto map = [&](const char* kind, QVariant& id) {
        const QVariant local = mapper.map(kind, id);
        if (local != id)
            changed.append({QLatin1String(kind), id.toString(), local.toString()});
        id = local;
    };
    for (QVariantList& row : m.teams)
        map("TEAM", row[0]);
    for (QVariantList& row : m.players) {
        map("PLAYER", row[0]);
        map("TEAM", row[1]);
    }
    map("MATCH", m.match[0]);
    map("TEAM", m.match[1]);
    map("TEAM", m.match[2]);
    for (QVariantList& row : m.games) {
        map("MATCH", row[0]);
        map("GAME", row[1]);
    }
    for (const QString& id : m.playerIds) {
        QVariant player(id);
        map("PLAYER", player);
    }
    // Each identifier once: an earlier row of the match may have met it already.
    QList<Changed> once;
    QSet<QString> seen;
    for (const Changed& c : changed)
        if (!seen.contains(c.kind + QLatin1Char('|') + c.serverId)) {
            seen.insert(c.kind + QLatin1Char('|') + c.serverId);
            once.append(c);
        }
    return once;
}

BulkIds BulkIdsOf(const QList<Changed>& changed)
{
    BulkIds ids;
    for (const Changed& c : changed) {
        if (c.kind == QLatin1String("GAME"))
            ids.games.emplace(c.serverId.toStdString(), c.localId.toStdString());
        else if (c.kind == QLatin1String("PLAYER"))
            ids.players.emplace(c.serverId.toStdString(), c.localId.toStdString());
    }
    return ids;
}

} // namespace

OtherBenches::OtherBenches(const QString& archivePath) : m_file(std::make_unique<MappingFile>(archivePath)) {}

OtherBenches::~OtherBenches() = default;

BulkIds OtherBenches::map(MatchRows& m)
{
    std::unique_ptr<Mapper>& mapper = m_mappers[m.bench];
    if (!mapper)
        mapper = std::make_unique<Mapper>(*m_file, m.bench);
    return BulkIdsOf(MapOtherBench(m, *mapper));
}

void OtherBenches::commit()
{
    m_mappers.clear();
    m_file->commit();
}

} // namespace ClubStore
