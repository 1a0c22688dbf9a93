#pragma once

// How the skills and evaluations of a scout file (.dvw) become our stat kinds, and back: the one
// table that the import, the export and their tests read. It sits beside kStatKinds, whose keys it
// names. The import reads a row as "this skill with one of these evaluations records this kind";
// the export writes each kind with the evaluation of the row marked for writing. The rows were
// chosen so that our reports agree with the box scores other tools make from the same file.

#include "base/StatKinds.h"

#include <array>
#include <cstring>

// What a row asks beyond its skill and evaluation.
enum class ScoutRule {
    Plain,
    // A set is an assist when the next action of the file is a kill of the same side; the export
    // writes the set just before the kill it is paired with.
    BeforeKill,
    // Our own kinds that no standard code carries (a block shared by two players; an assist with
    // no kill of its side left to pair with) are written with a custom code of their own in the
    // code's custom field, and only that code reads back as them.
    Marked,
};

struct ScoutKind
{
    char skill; // S serve, R reception, A attack, B block, D dig, E set
    const char* evaluations; // the evaluations this row reads; empty: any evaluation no other row of
                             // the skill reads
    const char* statKey; // the kStatKinds key recorded, or null: nothing is recorded
    int value; // 1, or the pass rating
    char written; // the evaluation the export writes for this kind and value; 0: none
    ScoutRule rule;
    const char* mark; // Marked: the custom code
};

inline constexpr std::array<ScoutKind, 19> kScoutKinds{{
    // Attacks: a kill and an error also count their attempt (the kind's shape); a blocked attack
    // is the attacker's error.
    {'A', "#", "Kill", 1, '#', ScoutRule::Plain, nullptr},
    {'A', "=/", "Error", 1, '=', ScoutRule::Plain, nullptr},
    {'A', "", "Attempt", 1, '+', ScoutRule::Plain, nullptr},
    {'S', "#", "ServeAce", 1, '#', ScoutRule::Plain, nullptr},
    {'S', "=", "ServeError", 1, '=', ScoutRule::Plain, nullptr},
    // A serve that was neither: no kind of ours, but it says who served.
    {'S', "", nullptr, 1, '!', ScoutRule::Plain, nullptr},
    // Passes on our scale of 1 to 3.
    {'R', "#+", "Pass", 3, '#', ScoutRule::Plain, nullptr},
    {'R', "!", "Pass", 2, '!', ScoutRule::Plain, nullptr},
    {'R', "-/", "Pass", 1, '-', ScoutRule::Plain, nullptr},
    {'R', "=", "ReceiveError", 1, '=', ScoutRule::Plain, nullptr},
    {'D', "=", nullptr, 1, 0, ScoutRule::Plain, nullptr},
    {'D', "", "Dig", 1, '+', ScoutRule::Plain, nullptr},
    {'B', "#", "SoloBlock", 1, '#', ScoutRule::Plain, nullptr},
    {'B', "#", "BlockAssist", 1, '#', ScoutRule::Marked, "BA"},
    {'B', "=/", "BlockError", 1, '=', ScoutRule::Plain, nullptr},
    {'E', "=", "BallHandleError", 1, '=', ScoutRule::Plain, nullptr},
    {'E', "#", "SetAssist", 1, '#', ScoutRule::Marked, "SA"},
    {'E', "", "SetAssist", 1, '#', ScoutRule::BeforeKill, nullptr},
    // A freeball is never a kind of ours; listed so that the skill is known.
    {'F', "", nullptr, 1, 0, ScoutRule::Plain, nullptr},
}};

// The skills a scout code may name.
inline bool IsScoutSkill(char skill)
{
    for (const ScoutKind& k : kScoutKinds)
        if (k.skill == skill)
            return true;
    return false;
}

// The plain or marked row that reads this skill, evaluation and custom code; a BeforeKill row is
// left to the caller, which alone knows what follows. Null: nothing is recorded.
inline const ScoutKind* ScoutKindFor(char skill, char evaluation, const char* customCode)
{
    // A marked row wins when its code is there; then a row that names the evaluation; then the
    // skill's row for any other evaluation.
    for (const ScoutKind& k : kScoutKinds)
        if (k.skill == skill && k.rule == ScoutRule::Marked && std::strchr(k.evaluations, evaluation)
            && std::strcmp(k.mark, customCode) == 0)
            return &k;
    for (const ScoutKind& k : kScoutKinds)
        if (k.skill == skill && k.rule == ScoutRule::Plain && *k.evaluations && std::strchr(k.evaluations, evaluation))
            return &k;
    for (const ScoutKind& k : kScoutKinds)
        if (k.skill == skill && k.rule == ScoutRule::Plain && !*k.evaluations)
            return &k;
    return nullptr;
}

// The row a set is read by when it comes just before a kill of its side, unless its evaluation
// already records something else (a set error is never an assist).
inline const ScoutKind* ScoutAssistBeforeKill(char evaluation)
{
    const ScoutKind* plain = ScoutKindFor('E', evaluation, "");
    if (plain && plain->statKey)
        return nullptr;
    for (const ScoutKind& k : kScoutKinds)
        if (k.rule == ScoutRule::BeforeKill)
            return &k;
    return nullptr;
}

// The row the export writes a kind and value by, following the given rule; null when there is
// none. The export asks for BeforeKill where a kind pairs with kills and a kill is there to pair
// with, then Plain, then Marked.
inline const ScoutKind* ScoutKindToWrite(const char* statKey, int value, ScoutRule rule)
{
    for (const ScoutKind& k : kScoutKinds)
        if (k.statKey && k.written && k.rule == rule && k.value == value && std::strcmp(k.statKey, statKey) == 0)
            return &k;
    return nullptr;
}

// Whether a kind is written just before a kill of its side (a set assist).
inline bool ScoutPairsWithKill(const char* statKey)
{
    return ScoutKindToWrite(statKey, 1, ScoutRule::BeforeKill) != nullptr;
}

// The kind of a row, from kStatKinds.
inline const StatKind* ScoutStat(const ScoutKind& row)
{
    if (!row.statKey)
        return nullptr;
    for (const StatKind& k : kStatKinds)
        if (std::strcmp(k.key, row.statKey) == 0)
            return &k;
    return nullptr;
}
