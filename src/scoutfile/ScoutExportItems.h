#pragma once

// The actions of one game as the export writes them: what stands once the take-backs of
// subtraction mode have cancelled what they take back, each set assist paired with the kill it
// went with, and the two block assists of one block joined into one line. Used by ScoutExport.

#include "rules/RallyLog.h"
#include "base/StatKinds.h"

#include <QDateTime>
#include <functional>
#include <optional>
#include <vector>

namespace Scout {

// An action as the export writes it: from a log entry (with the court it was recorded on) or
// from a PLAY row of a game without a usable log.
struct ExportItem
{
    int order = 0; // in the order recorded
    RecordId player;
    int side = Rally::kHome;
    int position = 0;
    const StatKind* kind = nullptr;
    int value = 1; // the rating of a pass, else 1; negative for a take-back in subtraction mode
    QDateTime at;
    std::optional<Rally::Court> court;
    int rally = 0; // the standing points before it, in a game with a log

    int pairedAssist = -1; // a kill: the assist written just before it
    bool pairedAway = false; // an assist written before its kill instead of in its place
    bool assistMarked = false; // an assist with no kill to pair with
    int blockPartner = -1; // a block assist: the other blocker, named in its line
    bool partnerAway = false; // a block assist written in its partner's line
};

// Take-backs in subtraction mode (a negative value) cancel the newest action still standing of
// the same player, kind and size, in the same box where there is one, else in any box (a player
// taken back after a rotation stands in another box): what stands is what the report counts for
// the player. A take-back recorded before its action cancels the next one. One with nothing to
// cancel at all is counted in *unmatched and not written.
std::vector<ExportItem> Standing(std::vector<ExportItem> items, int* unmatched);

// Each set assist is written just before the kill it went with: the kill of its side recorded
// next to it (only other assists between them), the one before it first (on the court a kill
// scores the rally and its assist follows); else a kill of its side in its rally (the nearest
// before it, else the first after it). With none, it keeps its place and its own code.
void PairAssists(std::vector<ExportItem>& items);

// Two block assists of one side recorded one right after the other, or in one rally, are one
// block: written as one winning block line that names the partner, so that other readers count
// one block point. joinable(line, partner) says whether the line written for one places the other
// in the box recorded; where neither way does, each keeps a line of its own.
void PairBlocks(std::vector<ExportItem>& items,
                const std::function<bool(const ExportItem& line, const ExportItem& partner)>& joinable);

} // namespace Scout
