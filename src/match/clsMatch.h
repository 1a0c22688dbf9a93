#pragma once

#include "base/RecordId.h"

#include <QCoreApplication>

// One match: its identifier and its two teams, and the main window's two match commands.
class clsMatch
{
    Q_DECLARE_TR_FUNCTIONS(clsMatch)

public:
    RecordId MatchID() const { return m_match; }
    void setMatchID(const RecordId& id) { m_match = id; }
    RecordId HomeTeamID() const { return m_home; }
    void setHomeTeamID(const RecordId& id) { m_home = id; }
    RecordId AwayTeamID() const { return m_away; }
    void setAwayTeamID(const RecordId& id) { m_away = id; }

    // The whole start of a match, through the line-up window and the court screen; returns when
    // the match window has closed.
    void StartNewMatch();
    // Lists the matches that are not finished (neither decided by the rules nor ended by the
    // user), newest first, and takes up the one chosen.
    void ContinueMatch();
    // Takes up a stored match exactly as it stood: the court of its game under way (the line-up
    // window when that game has not started), both sides, the serve, the scores and its options,
    // all from what is stored. False when the match cannot be continued (not stored, no options).
    bool ContinueMatch(const RecordId& match);
    // At start: when the program stopped while a match was being recorded, asks whether to
    // continue it (Yes: it is continued now; No: it waits for Continue Match). Returns whether a
    // match was continued.
    static bool OfferToContinueAfterStop();
    // Lets the user choose a stored match from the match listing.
    void PickMatch();

private:
    // The match goes back and forth between the line-up window and the court until the user ends
    // it; onCourt: the court is shown first (a game under way continued).
    void RunMatch(class MatchSession& session, class frmStarters& lineUps, bool onCourt);

    RecordId m_match;
    RecordId m_home;
    RecordId m_away;
};
