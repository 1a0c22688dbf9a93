#pragma once

// Scout files (.dvw), as bytes and as a plain value: the reader with its text encodings and every
// check a file must pass before anything of it is stored, and the writer. Nothing here touches the
// database; the rally each set's lines describe is checked by building its log (ScoutGames), so a
// file the reader accepts is one the import can store.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

namespace Scout {

inline constexpr int kHome = 0;
inline constexpr int kAway = 1;
// The sets a file's player lines carry a starting zone for.
inline constexpr int kMaxSets = 5;
// No real scout file comes near this; a larger one is not read into memory.
inline constexpr qint64 kLargestFile = 64 * 1024 * 1024;

// How the names are read. Automatic: UTF-8 when the bytes are valid UTF-8, else the code page the
// file declares when it is one of these, else the one a detector finds in the file's letters,
// else Windows-1252.
enum class Encoding { Automatic, Utf8, Windows1250, Windows1251, Windows1252, Iso8859_2 };
// How the encoding a file was read in was found: chosen by the user, told by the bytes (UTF-8),
// declared by the file, found by the detector in its letters, or assumed for want of any other.
enum class EncodingFound { Chosen, Utf8Bytes, Declared, Detected, Assumed };
inline constexpr std::array<Encoding, 6> kEncodings{Encoding::Automatic,   Encoding::Utf8,        Encoding::Windows1250,
                                                    Encoding::Windows1251, Encoding::Windows1252, Encoding::Iso8859_2};
// "Automatic", "UTF-8", "Windows-1250", ... (the names the import window and --encoding use).
QString EncodingName(Encoding encoding);
// A name as a user may type it: the names above in any case, "cp1250", "1250", "latin2", "utf8".
std::optional<Encoding> EncodingFromName(const QString& name);
// How a file was read, in the user's language: "read as Windows-1250, found in the file's letters".
QString EncodingNote(Encoding used, EncodingFound found);

// Why a file is refused: the line of the file (from 1) and what is wrong with it.
struct Refusal
{
    int line = 0;
    QString reason;
    // "Line 12: ..." in the user's language.
    QString text() const;
};

class RefusalError : public std::runtime_error
{
public:
    explicit RefusalError(Refusal refusal);
    const Refusal& refusal() const { return m_refusal; }

private:
    Refusal m_refusal;
};

// The players in zones 1 to 6 of one side by shirt number; -1 where the file leaves a zone blank.
using Zones = std::array<int, 6>;
using Court = std::array<Zones, 2>; // home first
inline constexpr Zones kNoZones{-1, -1, -1, -1, -1, -1};
bool Complete(const Zones& zones);
bool Complete(const Court& court);

// The role field of a player line that marks a libero.
inline constexpr int kLiberoRole = 1;

struct Player
{
    int number = 0;
    QString code; // the file's own code for the player
    QString lastName;
    QString firstName;
    // Per set: the starting zone "1" to "6", "*" (came on during the set) or "" (did not play).
    std::array<QString, kMaxSets> sets;
    int role = 0; // 1 libero, 2 outside, 3 opposite, 4 middle, 5 setter; 0 none given
    int line = 0;

    // "First Last", or the one that is there.
    QString name() const;
    bool playedIn(int set) const; // set from 1
    bool libero() const { return role == kLiberoRole; }
};

struct Team
{
    QString code;
    QString name;
    int setsWon = 0;
    QString coach;
    QString assistant;
    int line = 0;
    std::vector<Player> players;

    const Player* player(int number) const;
};

// A line of [3SET]: an unplayed set has no final score.
struct SetResult
{
    bool played = false;
    int home = 0;
    int away = 0;
    int minutes = -1;
    int line = 0;
};

// A line of [3SCOUT].
struct Line
{
    enum class Kind {
        Action, // *06SH#...: a player's (or $$: nobody's) contact
        Point, // *p25:23: the side that won the rally, the scores after it
        Rotation, // *z3: the side turned, its setter now in zone 3
        Substitution, // *c15:08: player out : player in
        LineUp, // *P04>LUp, *z3>LUp: the start of a set
        SetEnd, // **1set
        Timeout, // *T: the side took a timeout
        Other, // a rally's end credited to nobody (*$$&H#) and whatever else a scout writes
    };
    Kind kind = Kind::Other;
    int line = 0; // in the file; 0 for a line made by the writer
    QString code; // the code as written
    int side = kHome;
    int number = -1; // Action: the shirt (-1 for $$); Substitution: who came on; LineUp *P: the setter
    int out = -1; // Substitution: who went off
    char skill = 0;
    char hitType = 0;
    char evaluation = 0;
    QString customCode; // Action: the custom field of the code (from its 16th place)
    // What the program's own custom field says (empty or none where it is another's): the mark of
    // a kind no standard code carries ("BA", "SA"), a block's partner, the zone of a player whom
    // the line-ups do not place.
    QString mark;
    int partner = -1;
    int zone = 0;
    int homeScore = 0; // Point
    int awayScore = 0;
    int setterZone = 0; // Rotation, LineUp *z
    int setNumber = 0; // SetEnd
    QTime time; // invalid when the line gives none
    int set = 0; // the set number the line gives (0: none)
    std::array<int, 2> setterZones{0, 0}; // home, away; 0: none
    Court zones{kNoZones, kNoZones};

    bool isPlayerAction() const { return kind == Kind::Action && number >= 0; }
};

// One set as the scout lines tell it.
struct Set
{
    int number = 0; // from 1
    std::vector<int> lines; // indexes into ScoutMatch::lines, in order
    bool ended = false; // closed by its **Nset line
    bool hasPoints = false;
    bool hasActions = false;
    int home = 0; // final score: the last point, else [3SET]
    int away = 0;
};

struct ScoutMatch
{
    QDate date;
    QTime time; // invalid: the file gives none
    QString season;
    QString league;
    QString phase;
    QString declaredEncoding; // as the file writes it
    Encoding encodingUsed = Encoding::Utf8;
    EncodingFound encodingFound = EncodingFound::Utf8Bytes;
    int regulation = 1; // 0 side-out scoring, 1 indoor rally point, 2 beach
    std::array<Team, 2> teams;
    std::vector<SetResult> setResults; // [3SET], in order
    bool hasSetSection = false;
    QStringList comments;
    std::vector<Line> lines; // [3SCOUT]
    std::vector<Set> sets; // the sets played, from the lines (and [3SET] where they have none)
    int lineCount = 0; // lines in the file
    int matchLine = 0; // the line of the match's date

    // The date and time the match is stored under: the file's time, else that of its first timed
    // line, else midnight.
    QTime startTime() const;
};

// What the file says of its match, the same in whatever encoding its names are read: its date and
// time, its two teams' codes (home first) and every set's score,
// "2015-01-25 14:31:13|BR4|MB4|25-16 25-14 25-22".
QString FileKey(const ScoutMatch& match);

struct ReadResult
{
    std::optional<ScoutMatch> match;
    Refusal refusal; // when there is no match
    Encoding used = Encoding::Utf8; // how the names were read (or would have been)
    EncodingFound found = EncodingFound::Chosen;
    bool ok() const { return match.has_value(); }
    QString note() const { return EncodingNote(used, found); }
};

// Reads a whole file. The lines are split at CR, LF or CR LF; everything is checked before the
// match is handed back, so a refusal names the first line at fault. today bounds the match's date
// (a match cannot have been played after it).
ReadResult Read(const QByteArray& bytes, Encoding encoding, const QDate& today);

// The bytes of a file: UTF-8 declared, CR LF line ends, the sections in the order readers expect.
QByteArray Write(const ScoutMatch& match);

// A scout line's code for an action: team mark, two-digit shirt, skill, hitting type, evaluation,
// and the custom code in its own place when there is one.
QString ActionCode(int side, int number, char skill, char evaluation, const QString& customCode = {});

} // namespace Scout
