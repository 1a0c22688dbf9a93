#pragma once

// Another bench's records restored on this computer, for the club code only. They keep their
// identifiers unless one of this computer already has it, in which case they take the next free
// second; the archive remembers which, so that the same team comes back as the same team, and so
// that no other bench's match is ever sent as this bench's own.

#include "storage/BlockInsert.h"
#include "club/ClubStore.h"

#include <QString>

#include <map>
#include <memory>

namespace ClubStore {

class MappingFile;
class Mapper;

// The identifiers of another bench's games and players that differ here, for the bulk's rows.
struct BulkIds
{
    BlockInsert::IdMap games, players;

    bool empty() const { return games.empty() && players.empty(); }
};

// Where another bench's identifiers are kept: the archive, a file of its own. A commit that spans
// two files of a write-ahead log is not one, so the mapping is written on a connection of its own
// (the working tables' file with the archive attached), in a transaction committed just before
// the rows' own: a stop in between leaves a mapping that nothing uses yet, never a match of
// another bench that this bench would take for its own. Being apart, the mapping is made match by
// match while the rows are written. Rolled back unless committed.
class OtherBenches
{
public:
    explicit OtherBenches(const QString& archivePath);
    ~OtherBenches();
    OtherBenches(const OtherBenches&) = delete;
    OtherBenches& operator=(const OtherBenches&) = delete;

    // Gives the rows of a match of another bench (m.bench) their identifiers here; those of its
    // games and players that differ from the server's, for writing the bulk.
    BulkIds map(MatchRows& m);
    void commit();

private:
    std::unique_ptr<MappingFile> m_file;
    std::map<QString, std::unique_ptr<Mapper>> m_mappers;
};

} // namespace ClubStore
