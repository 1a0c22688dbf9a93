#pragma once

#include "core/RecordId.h"

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
    // Lets the user choose a stored match from the match listing.
    void PickMatch();

private:
    RecordId m_match;
    RecordId m_home;
    RecordId m_away;
};
