#pragma once

// Seeding and driving helpers shared by the report tests.

#include "support/Fixture.h"

#include "reports/clsReport.h"
#include "reports/frmReport.h"
#include "core/MsgBox.h"
#include "core/Database.h"
#include "core/RecordId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QPushButton>
#include <QStringList>
#include <QTest>

namespace seed {

inline RecordId at(int month, int day, int hour, int minute, int second = 0)
{
    return RecordId(QDateTime(QDate(2026, month, day), QTime(hour, minute, second)));
}

inline RecordId addMatch(const RecordId& id, const RecordId& home, const RecordId& away)
{
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
            {Bind(id), Bind(home), Bind(away)});
    return id;
}

// Game n of a match; its identifier lies n minutes after the match's.
inline RecordId addGame(const RecordId& match, int number)
{
    const RecordId id = match.addSecs(60 * number);
    Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, ?, 0, 0)"),
            {Bind(match), Bind(id), number});
    return id;
}

inline void addPlayed(const RecordId& game, const RecordId& player)
{
    Execute(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"), {Bind(game), Bind(player)});
}

// count actions of one kind, each its own PLAY row as the court screen writes them: a kill or an
// attack error also counts as an attempt. A negative count writes take-backs.
inline void addStat(const RecordId& game, const RecordId& player, int position, const QString& column, int count)
{
    static const QStringList known{QStringLiteral("ATTEMPT"),      QStringLiteral("KILL"),
                                   QStringLiteral("ERROR"),        QStringLiteral("SERVEACE"),
                                   QStringLiteral("SERVEERROR"),   QStringLiteral("DIG"),
                                   QStringLiteral("RECEIVEERROR"), QStringLiteral("SOLOBLOCK"),
                                   QStringLiteral("BLOCKASSIST"),  QStringLiteral("BLOCKERROR"),
                                   QStringLiteral("BALLHANDLEERROR"), QStringLiteral("SETASSIST")};
    Q_ASSERT(known.contains(column));
    const int value = count < 0 ? -1 : 1;
    const bool attack = column == QLatin1String("KILL") || column == QLatin1String("ERROR");
    // The column name comes from the fixed list above, never from data.
    const QString sql = attack ? QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, %1, ATTEMPT) "
                                                "VALUES (?, ?, ?, ?, ?, ?)")
                                     .arg(column)
                               : QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, %1) "
                                                "VALUES (?, ?, ?, ?, ?)")
                                     .arg(column);
    for (int i = 0; i < std::abs(count); ++i) {
        if (attack)
            Execute(sql, {Bind(game), Bind(game), Bind(player), position, value, value});
        else
            Execute(sql, {Bind(game), Bind(game), Bind(player), position, value});
    }
}

// One pass rating (negative: a pass taken back).
inline void addPass(const RecordId& game, const RecordId& player, int position, int rating)
{
    Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, PASSING) VALUES (?, ?, ?, ?, ?)"),
            {Bind(game), Bind(game), Bind(player), position, rating});
}

inline const QString& eaglesName()
{
    static const QString name = QStringLiteral("O'Brien's \"Eagles\"");
    return name;
}

// A small season with known totals:
//   03/05/2026 Hawks (home) v O'Brien's "Eagles": three games
//   03/12/2026 Vipers (home) v Hawks: one game
//   03/20/2026 Eagles (home) v Vipers: one game
struct Season {
    RecordId hawks, eagles, vipers;
    RecordId ann, bea, cat, dee, eve, fay, gus;
    RecordId m1, m2, m3;
    RecordId m1g1, m1g2, m1g3, m2g1, m3g1;
};

inline Season addSeason(TestApp& app)
{
    Season s;
    s.hawks = app.addTeam(QStringLiteral("Hawks"));
    s.eagles = app.addTeam(eaglesName());
    s.vipers = app.addTeam(QStringLiteral("Vipers"));
    s.ann = app.addPlayer(s.hawks, QStringLiteral("Ann"), 1);
    s.bea = app.addPlayer(s.hawks, QStringLiteral("Bea"), 2);
    s.cat = app.addPlayer(s.hawks, QStringLiteral("Cat"), 3);
    s.dee = app.addPlayer(s.eagles, QStringLiteral("Dee"), 4);
    s.eve = app.addPlayer(s.eagles, QStringLiteral("Eve"), 5);
    s.fay = app.addPlayer(s.vipers, QStringLiteral("Fay"), 6);
    s.gus = app.addPlayer(s.vipers, QStringLiteral("Gus"), 7);

    s.m1 = addMatch(at(3, 5, 18, 0), s.hawks, s.eagles);
    s.m1g1 = addGame(s.m1, 1);
    s.m1g2 = addGame(s.m1, 2);
    s.m1g3 = addGame(s.m1, 3);
    s.m2 = addMatch(at(3, 12, 19, 0), s.vipers, s.hawks);
    s.m2g1 = addGame(s.m2, 1);
    s.m3 = addMatch(at(3, 20, 18, 30), s.eagles, s.vipers);
    s.m3g1 = addGame(s.m3, 1);

    for (const RecordId& p : {s.ann, s.bea, s.cat, s.dee, s.eve})
        addPlayed(s.m1g1, p);
    addPlayed(s.m1g2, s.ann);
    addPlayed(s.m1g2, s.cat);
    addPlayed(s.m1g3, s.dee);
    addPlayed(s.m2g1, s.ann);
    addPlayed(s.m2g1, s.fay);
    addPlayed(s.m3g1, s.eve);
    addPlayed(s.m3g1, s.gus);

    // Ann: 5 kills, 1 error, 6 more attempts in zone 2; a dig and passes 2, 3, 3 taken back in zone 8.
    addStat(s.m1g1, s.ann, 2, QStringLiteral("KILL"), 5);
    addStat(s.m1g1, s.ann, 2, QStringLiteral("ERROR"), 1);
    addStat(s.m1g1, s.ann, 2, QStringLiteral("ATTEMPT"), 6);
    addStat(s.m1g2, s.ann, 8, QStringLiteral("DIG"), 1);
    addPass(s.m1g2, s.ann, 8, 2);
    addPass(s.m1g2, s.ann, 8, 3);
    addPass(s.m1g2, s.ann, 8, -3);
    // Bea played game 1 and recorded nothing.
    // Cat: zone 3 in game 1 (an ace, a service error, three passes of 3), zone 9 in game 2 (an ace,
    // a pass of 1): merged, the pass average is 10 / 4, not the mean of 3.00 and 1.00.
    addStat(s.m1g1, s.cat, 3, QStringLiteral("SERVEACE"), 1);
    addStat(s.m1g1, s.cat, 3, QStringLiteral("SERVEERROR"), 1);
    for (int i = 0; i < 3; ++i)
        addPass(s.m1g1, s.cat, 3, 3);
    addStat(s.m1g2, s.cat, 9, QStringLiteral("SERVEACE"), 1);
    addPass(s.m1g2, s.cat, 9, 1);
    // Dee: a solo block and two block assists in zone 7, a kill in zone 1 of game 3.
    addStat(s.m1g1, s.dee, 7, QStringLiteral("SOLOBLOCK"), 1);
    addStat(s.m1g1, s.dee, 7, QStringLiteral("BLOCKASSIST"), 2);
    addStat(s.m1g3, s.dee, 1, QStringLiteral("KILL"), 1);
    // Eve: setter's game in zone 4; a kill in zone 6 of the third match.
    addStat(s.m1g1, s.eve, 4, QStringLiteral("SETASSIST"), 3);
    addStat(s.m1g1, s.eve, 4, QStringLiteral("BALLHANDLEERROR"), 1);
    addStat(s.m1g1, s.eve, 4, QStringLiteral("RECEIVEERROR"), 1);
    addStat(s.m1g1, s.eve, 4, QStringLiteral("BLOCKERROR"), 1);
    addStat(s.m3g1, s.eve, 6, QStringLiteral("KILL"), 1);
    // Ann again in the second match: 2 kills and a plain attempt in zone 5.
    addStat(s.m2g1, s.ann, 5, QStringLiteral("KILL"), 2);
    addStat(s.m2g1, s.ann, 5, QStringLiteral("ATTEMPT"), 1);
    // Fay: two digs, a pass of 3 taken back.
    addStat(s.m2g1, s.fay, 1, QStringLiteral("DIG"), 2);
    addPass(s.m2g1, s.fay, 1, 3);
    addPass(s.m2g1, s.fay, 1, -3);
    // Gus: one attack error in zone 2.
    addStat(s.m3g1, s.gus, 2, QStringLiteral("ERROR"), 1);
    return s;
}

}  // namespace seed

// Driving the wizard as a user does.
namespace drive {

inline QStringList entries(const QComboBox* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

// Picks an entry with the keyboard: Home, then Down until it shows. False when it is not listed.
inline bool choose(QComboBox* list, const QString& text)
{
    if (!list || list->findText(text, Qt::MatchExactly) < 0)
        return false;
    if (list->currentText() == text && list->currentIndex() >= 0)
        return true;
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i <= list->count() && list->currentText() != text; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    return list->currentText() == text;
}

inline void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

inline void toggle(QCheckBox* box)
{
    QTest::keyClick(box, Qt::Key_Space);
}

template <typename T>
T* get(QWidget* w, const char* name)
{
    return Child<T>(w, QString::fromLatin1(name));
}

inline QWidget* visibleFrame(QWidget* w)
{
    for (const char* name : {"frameReport1", "frameReport2", "frameReport3", "frameReport4"}) {
        QWidget* f = get<QWidget>(w, name);
        if (f && f->isVisible())
            return f;
    }
    return nullptr;
}

inline int page(QWidget* w)
{
    QWidget* f = visibleFrame(w);
    return f ? f->objectName().right(1).toInt() : 0;
}

// Opens the wizard through the report command and runs action on it. Whatever the action leaves
// open is cancelled, so a failed check inside cannot leave the test hanging in the modal window.
inline bool runWizard(const std::function<void(QWidget*)>& action)
{
    auto opened = OnNextModal([action](QWidget* w) {
        action(w);
        if (w->isVisible()) {
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
        }
    });
    clsReport().Start();
    return *opened;
}

struct Choices {
    QString first = QStringLiteral("All Dates");
    QString second;  // with "&Thru"
    QString match = QStringLiteral("All Matches");  // entry prefix
    QString game = QStringLiteral("All Games");
    QString team = QStringLiteral("All Teams");
    QString player = QStringLiteral("All Players");
    QString position = QStringLiteral("All Positions");
    bool apart = false;
    QString order = QStringLiteral("By Teamname");
};

// Walks the wizard to page 4 with the choices; false when a choice is not offered.
inline bool walk(QWidget* w, const Choices& c)
{
    // With one date, or one match, there is no catch-all entry: the only entry is the choice.
    auto* first = get<QComboBox>(w, "cmbYear_0");
    if (!(c.first == QLatin1String("All Dates") && first->count() == 1) && !choose(first, c.first))
        return false;
    if (!c.second.isEmpty()) {
        drive::toggle(get<QCheckBox>(w, "chkThru_0"));
        if (!choose(get<QComboBox>(w, "cmbYear_1"), c.second))
            return false;
    }
    click(get<QPushButton>(w, "cmdNext"));
    auto* match = get<QComboBox>(w, "cmbMatch");
    QString entry = c.match;
    for (int i = 0; i < match->count(); ++i)
        if (match->itemText(i).startsWith(c.match))
            entry = match->itemText(i);
    const bool onlyOne = c.match == QLatin1String("All Matches") && match->count() == 1;
    if ((!onlyOne && !choose(match, entry)) || !choose(get<QComboBox>(w, "cmbGames"), c.game))
        return false;
    click(get<QPushButton>(w, "cmdNext"));
    if (!choose(get<QComboBox>(w, "cmbTeam"), c.team))
        return false;
    click(get<QPushButton>(w, "cmdNext"));
    if (!choose(get<QComboBox>(w, "cmbPlayer"), c.player) || !choose(get<QComboBox>(w, "cmbPosition"), c.position))
        return false;
    if (c.apart)
        drive::toggle(get<QCheckBox>(w, "chkShowPositionsSep"));
    return choose(get<QComboBox>(w, "cmbOrder"), c.order) && drive::page(w) == 4;
}

// Opens the wizard, makes the choices and presses Finish.
inline bool finishWith(const Choices& c)
{
    bool walked = false;
    drive::runWizard([&](QWidget* w) {
        walked = walk(w, c);
        if (walked)
            click(get<QPushButton>(w, "cmdFinish"));
    });
    return walked;
}

}  // namespace drive
