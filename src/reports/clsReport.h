#pragma once

#include "base/RecordId.h"

#include <QList>
#include <QString>
#include <QVariant>

class QComboBox;
namespace ReportStore {
struct MatchResult;
}
class frmReport;

// The report wizard's logic: Start opens the wizard, the Refresh methods fill its lists page by
// page from the database (each narrowed by the earlier pages), and Finish makes the report.
class clsReport
{
public:
    clsReport() = default;
    // The wizard's own object, working on that wizard's lists.
    explicit clsReport(frmReport* form) : m_form(form) { }

    void Start();
    void RefreshYear();
    void RefreshMatch();
    void RefreshGames();
    void RefreshTeam();
    void RefreshPlayers();
    void RefreshPosition();
    void RefreshOrder();
    // The identifiers behind the chosen entry, or behind every entry when the catch-all is chosen.
    QList<RecordId> GetAllMatches() const;
    QList<RecordId> GetAllTeams() const;
    QList<RecordId> GetAllPlayers() const;
    // Fills REPORT and GAMECOUNT from the choices, closes the wizard and runs the report. A
    // failure says "Error Creating report please try again" and leaves the wizard open.
    void Finish();

private:
    frmReport* m_form = nullptr;
};

// "Eagles 1, Hawks 2 (20–25, 25–18, 10–15)": the away team first, as in every match caption
// ("Eagles vs Hawks on ..."), with the games won and every game's score in the same order. Only a
// game the rules decided counts as won, by the match's own length (guessed from its scores when it
// was not kept); any other is marked "unfinished" ("Owls 0, Hawks 1 (18–25, 4–2 unfinished)").
QString ResultText(const ReportStore::MatchResult& result);
