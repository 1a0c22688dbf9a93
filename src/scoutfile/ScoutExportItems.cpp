#include "scoutfile/ScoutExportItems.h"

#include "scoutfile/ScoutKinds.h"

#include <algorithm>
#include <cstring>

namespace Scout {

namespace {

bool IsKey(const ExportItem& i, const char* key)
{
    return std::strcmp(i.kind->key, key) == 0;
}

bool IsAssist(const ExportItem& i)
{
    return ScoutPairsWithKill(i.kind->key);
}

// Whether b cancels a, or a b: the same player and kind, the one as large as the other.
bool Cancels(const ExportItem& a, const ExportItem& b)
{
    return a.player == b.player && a.kind == b.kind && a.value == -b.value;
}

// The newest of the list that c cancels, in c's box where there is one, else in any.
std::vector<ExportItem>::iterator Cancelled(std::vector<ExportItem>& list, const ExportItem& c)
{
    const auto sameBox = std::find_if(list.rbegin(), list.rend(),
                                      [&](const ExportItem& s) { return Cancels(s, c) && s.position == c.position; });
    if (sameBox != list.rend())
        return std::next(sameBox).base();
    const auto anyBox = std::find_if(list.rbegin(), list.rend(), [&](const ExportItem& s) { return Cancels(s, c); });
    return anyBox == list.rend() ? list.end() : std::next(anyBox).base();
}

} // namespace

std::vector<ExportItem> Standing(std::vector<ExportItem> items, int* unmatched)
{
    std::vector<ExportItem> standing;
    std::vector<ExportItem> owed; // take-backs that came before anything they could cancel
    for (ExportItem& i : items) {
        if (i.value > 0) {
            if (const auto debt = Cancelled(owed, i); debt != owed.end()) {
                owed.erase(debt);
                continue;
            }
            standing.push_back(std::move(i));
            continue;
        }
        if (const auto it = Cancelled(standing, i); it != standing.end())
            standing.erase(it);
        else
            owed.push_back(std::move(i));
    }
    *unmatched += int(owed.size());
    return standing;
}

void PairAssists(std::vector<ExportItem>& items)
{
    const size_t n = items.size();
    for (size_t a = 0; a < n; ++a) {
        if (!IsAssist(items[a]))
            continue;
        auto freeKill = [&](size_t k) {
            return IsKey(items[k], "Kill") && items[k].side == items[a].side && items[k].pairedAssist < 0;
        };
        std::optional<size_t> kill;
        // Recorded next to it, only assists between.
        size_t before = a;
        while (before > 0 && IsAssist(items[before - 1]))
            --before;
        if (before > 0 && freeKill(before - 1))
            kill = before - 1;
        size_t after = a + 1;
        while (!kill && after < n && IsAssist(items[after]))
            ++after;
        if (!kill && after < n && freeKill(after))
            kill = after;
        // Else in its rally.
        for (size_t k = a; !kill && k-- > 0 && items[k].rally == items[a].rally;)
            if (freeKill(k))
                kill = k;
        for (size_t k = a + 1; !kill && k < n && items[k].rally == items[a].rally; ++k)
            if (freeKill(k))
                kill = k;
        if (kill) {
            items[*kill].pairedAssist = int(a);
            items[a].pairedAway = true;
        } else {
            items[a].assistMarked = true;
        }
    }
}

void PairBlocks(std::vector<ExportItem>& items,
                const std::function<bool(const ExportItem& line, const ExportItem& partner)>& joinable)
{
    const size_t n = items.size();
    auto single = [&](size_t k) {
        return IsKey(items[k], "BlockAssist") && items[k].blockPartner < 0 && !items[k].partnerAway;
    };
    for (size_t b = 0; b < n; ++b) {
        if (!single(b))
            continue;
        // Its partner: the block assist of its side recorded right after it (on the court the
        // first scores the point, so the second falls in the next rally), else the next one in
        // its rally.
        auto partner = [&](size_t k) {
            return single(k) && items[k].side == items[b].side && !(items[k].player == items[b].player);
        };
        std::optional<size_t> other;
        if (b + 1 < n && partner(b + 1))
            other = b + 1;
        for (size_t k = b + 1; !other && items[b].court && k < n && items[k].rally == items[b].rally; ++k)
            if (partner(k))
                other = k;
        if (!other)
            continue;
        if (joinable(items[b], items[*other])) {
            items[b].blockPartner = int(*other);
            items[*other].partnerAway = true;
        } else if (joinable(items[*other], items[b])) {
            items[*other].blockPartner = int(b);
            items[b].partnerAway = true;
        }
    }
}

} // namespace Scout
