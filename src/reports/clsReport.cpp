#include "reports/clsReport.h"

#include "reports/ReportEngine.h"
#include "reports/frmReport.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "core/Database.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QScrollBar>
#include <QComboBox>
#include <QDate>
#include <QHash>
#include <QSignalBlocker>
#include <QSqlRecord>

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Entry {
    QString text;
    QVariant data;  // null for a catch-all entry
};

// Refills a list without letting the half-filled list raise its click; the final selection does
// raise it, as a user's choice would.
void FillList(QComboBox* list, const QList<Entry>& entries, int select)
{
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const Entry& e : entries)
            list->addItem(e.text, e.data);
        list->setCurrentIndex(-1);
        // Long entries (a match names both teams) are shown whole in the open list.
        QAbstractItemView* view = list->view();
        view->setMinimumWidth(std::max(list->width(), view->sizeHintForColumn(0) + view->verticalScrollBar()->sizeHint().width() + 8));
    }
    if (select >= 0 && select < list->count())
        list->setCurrentIndex(select);
}

bool IsCatchAll(const QComboBox* list)
{
    return list->currentIndex() >= 0 && !list->currentData().isValid();
}

QString Placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

QVariantList BindAll(const QList<RecordId>& ids)
{
    QVariantList values;
    values.reserve(ids.size());
    for (const RecordId& id : ids)
        values << Bind(id);
    return values;
}

QString DateText(const QDate& date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

// A piece of a WHERE clause and the values it binds, in order.
struct Filter {
    QString sql;
    QVariantList binds;
    void add(const QString& piece, const QVariantList& values)
    {
        sql += piece;
        binds += values;
    }
};

// The chosen dates on page 1 as a condition on a match identifier column: calendar dates, both
// ends included.
void AddDateFilter(Filter& w, const frmReport& form, const QString& column)
{
    if (form.cmbYear[0]->currentIndex() < 0 || IsCatchAll(form.cmbYear[0]))
        return;
    const QDate d1 = form.cmbYear[0]->currentData().toDate();
    const QVariant second = form.cmbYear[1]->currentIndex() >= 0 ? form.cmbYear[1]->currentData() : QVariant();
    if (form.chkThru[0]->isChecked() && second.isValid()) {
        w.add(QStringLiteral("AND (date(%1) BETWEEN ? AND ?) ").arg(column),
              {d1.toString(Qt::ISODate), second.toDate().toString(Qt::ISODate)});
    } else {
        w.add(QStringLiteral("AND (date(%1) = ?) ").arg(column), {d1.toString(Qt::ISODate)});
    }
}

QList<RecordId> IdsOf(const QComboBox* list)
{
    QList<RecordId> ids;
    if (list->currentIndex() < 0)
        return ids;
    if (!IsCatchAll(list)) {
        ids << list->currentData().value<RecordId>();
        return ids;
    }
    for (int i = 0; i < list->count(); ++i) {
        const QVariant data = list->itemData(i);
        if (data.isValid())
            ids << data.value<RecordId>();
    }
    return ids;
}

// The sort choices and the REPORT column each orders by.
const QList<QPair<QString, QString>>& SortChoices()
{
    static const QList<QPair<QString, QString>> choices{
        {QStringLiteral("By Teamname"), QStringLiteral("TEAMNAME")},
        {QStringLiteral("By Name"), QStringLiteral("PLAYERNAME")},
        {QStringLiteral("By Percentage"), QStringLiteral("PERCENTAGE")},
        {QStringLiteral("By Kills"), QStringLiteral("KILL")},
        {QStringLiteral("By Errors"), QStringLiteral("ERROR")},
        {QStringLiteral("By Attempts"), QStringLiteral("ATTEMPT")},
        {QStringLiteral("By Digs"), QStringLiteral("DIG")},
        {QStringLiteral("By Service Aces"), QStringLiteral("SERVEACE")},
        {QStringLiteral("By Service Errors"), QStringLiteral("SERVEERROR")},
        {QStringLiteral("By Receiving Errors"), QStringLiteral("RECEIVEERROR")},
        {QStringLiteral("By Solo Blocks"), QStringLiteral("SOLOBLOCK")},
        {QStringLiteral("By Block Assists"), QStringLiteral("BLOCKASSIST")},
        {QStringLiteral("By Block Errors"), QStringLiteral("BLOCKERROR")},
        {QStringLiteral("By Set Assists"), QStringLiteral("SETASSIST")},
    };
    return choices;
}

// The ORDER BY of the report rows for a REPORT column; only these fixed texts reach the statement.
QString SortClause(const QString& column)
{
    if (column == QLatin1String("TEAMNAME"))
        return QStringLiteral("tTEAMNAME, tPLAYERNAME");
    if (column == QLatin1String("PERCENTAGE"))
        return QStringLiteral("(sKILL - sERROR) / (sATTEMPT + 0.0000001) DESC, tPLAYERNAME");
    for (const auto& choice : SortChoices()) {
        if (choice.second == column && column != QLatin1String("PLAYERNAME"))
            return QStringLiteral("s%1 DESC, tPLAYERNAME").arg(column);
    }
    return QStringLiteral("tPLAYERNAME");
}

// The twelve totals in the order of both the report statement and the REPORT insert.
const QStringList& TotalColumns()
{
    static const QStringList columns{
        QStringLiteral("KILL"),        QStringLiteral("ATTEMPT"),      QStringLiteral("ERROR"),
        QStringLiteral("SERVEACE"),    QStringLiteral("SERVEERROR"),   QStringLiteral("DIG"),
        QStringLiteral("RECEIVEERROR"), QStringLiteral("SOLOBLOCK"),   QStringLiteral("BLOCKASSIST"),
        QStringLiteral("BLOCKERROR"),  QStringLiteral("BALLHANDLEERROR"), QStringLiteral("SETASSIST"),
    };
    return columns;
}

}  // namespace

void clsReport::Start()
{
    ProgressScope status(QStringLiteral("Loading the Report Wizard..."));
    frmReport form;
    m_form = &form;
    try {
        RefreshYear();
    } catch (...) {
        m_form = nullptr;
        throw;
    }
    m_form = nullptr;
}

void clsReport::RefreshYear()
{
    frmReport& f = *m_form;
    {
        ProgressScope progress(QStringLiteral("Loading all the years..."));
        const auto rows = SelectAll(QStringLiteral(
            "SELECT DISTINCT date(MATCHID) AS Year FROM MATCH WHERE date(MATCHID) IS NOT NULL ORDER BY 1"));
        if (rows.empty()) {
            MsgBox(QStringLiteral("You do not have any saved Matches"), QMessageBox::Ok, QMessageBox::NoIcon,
                   QStringLiteral("Matches"));
            return;
        }
        progress.setCount(int(rows.size()));
        QList<Entry> dates;
        int done = 0;
        for (const QSqlRecord& r : rows) {
            const QDate day = QDate::fromString(r.value(0).toString(), Qt::ISODate);
            dates << Entry{DateText(day), day};
            progress.step(++done);
        }
        if (dates.size() == 1) {
            f.chkThru[0]->setEnabled(false);
            FillList(f.cmbYear[0], dates, 0);
        } else {
            FillList(f.cmbYear[1], dates + QList<Entry>{{QString(), QVariant()}}, -1);
            FillList(f.cmbYear[0], dates + QList<Entry>{{QStringLiteral("All Dates"), QVariant()}},
                     int(dates.size()));
            f.chkThru[0]->setEnabled(true);
            f.cmbYear[1]->setEnabled(false);
        }
    }
    f.exec();
}

void clsReport::RefreshMatch()
{
    frmReport& f = *m_form;
    ProgressScope progress(QStringLiteral("Loading all the matches..."));
    f.cmbMatch->clear();
    // Home and away names come from one row per match, so an entry can never pair one match's
    // home team with another's away team; a deleted team leaves its match listed.
    Filter w;
    AddDateFilter(w, f, QStringLiteral("MATCH.MATCHID"));
    const auto rows = SelectAll(
        QStringLiteral("SELECT MATCH.MATCHID, AWAY.TEAMNAME, HOME.TEAMNAME FROM MATCH "
                       "LEFT JOIN TEAM AS HOME ON HOME.TEAMID = MATCH.HOMETEAMID "
                       "LEFT JOIN TEAM AS AWAY ON AWAY.TEAMID = MATCH.AWAYTEAMID "
                       "WHERE 1 = 1 %1ORDER BY MATCH.MATCHID")
            .arg(w.sql),
        w.binds);
    progress.setCount(int(rows.size()));
    const QString deleted = QStringLiteral("(deleted team)");
    QList<Entry> matches;
    int done = 0;
    for (const QSqlRecord& r : rows) {
        const RecordId id = RecordId::fromText(r.value(0).toString());
        const QString away = r.value(1).isNull() ? deleted : r.value(1).toString();
        const QString home = r.value(2).isNull() ? deleted : r.value(2).toString();
        const QString when = id.isNull() ? r.value(0).toString() : id.displayText();
        matches << Entry{away + QStringLiteral(" vs ") + home + QStringLiteral(" on ") + when, QVariant::fromValue(id)};
        progress.step(++done);
    }
    if (matches.size() == 1) {
        FillList(f.cmbMatch, matches, 0);
    } else {
        matches << Entry{QStringLiteral("All Matches"), QVariant()};
        FillList(f.cmbMatch, matches, int(matches.size()) - 1);
    }
}

void clsReport::RefreshGames()
{
    frmReport& f = *m_form;
    f.cmbGames->clear();
    QList<Entry> games{{QStringLiteral("All Games"), QVariant()}};
    if (f.cmbMatch->currentIndex() < 0 || IsCatchAll(f.cmbMatch)) {
        ProgressScope progress(QStringLiteral("Loading the Game Options..."), 6);
        progress.step(1);
        for (int k = 1; k <= 5; ++k) {
            games << Entry{QStringLiteral("Game %1").arg(k), k};
            progress.step(k + 1);
        }
        FillList(f.cmbGames, games, 0);
        return;
    }
    const RecordId match = f.cmbMatch->currentData().value<RecordId>();
    const auto rows = SelectAll(QStringLiteral("SELECT COUNT(*) AS iGames FROM GAME WHERE MATCHID = ?"), {Bind(match)});
    const int played = rows.empty() ? 0 : rows.front().value(0).toInt();
    ProgressScope progress(QStringLiteral("Loading the Game Options..."), played + 1);
    // The game filter knows games 1 to 5; a longer match still lists only those.
    for (int k = 1; k <= 5; ++k) {
        if (played > k - 1) {
            progress.step(k);
            games << Entry{QStringLiteral("Game %1").arg(k), k};
        }
    }
    FillList(f.cmbGames, games, 0);
}

QList<RecordId> clsReport::GetAllMatches() const
{
    return IdsOf(m_form->cmbMatch);
}

void clsReport::RefreshTeam()
{
    frmReport& f = *m_form;
    ProgressScope progress(QStringLiteral("Loading all the teams..."));
    f.cmbTeam->clear();
    const QList<RecordId> matches = GetAllMatches();
    std::vector<QSqlRecord> rows;
    if (!matches.isEmpty()) {
        rows = SelectAll(QStringLiteral("SELECT DISTINCT TEAM.TEAMID, TEAM.TEAMNAME FROM TEAM INNER JOIN MATCH "
                                          "ON (TEAM.TEAMID = MATCH.HOMETEAMID OR TEAM.TEAMID = MATCH.AWAYTEAMID) "
                                          "WHERE MATCH.MATCHID IN (%1) ORDER BY TEAM.TEAMNAME, TEAM.TEAMID")
                               .arg(Placeholders(matches.size())),
                           BindAll(matches));
    }
    progress.setCount(int(rows.size()));
    QList<Entry> teams{{QStringLiteral("All Teams"), QVariant()}};
    int done = 0;
    for (const QSqlRecord& r : rows) {
        teams << Entry{r.value(1).toString(), QVariant::fromValue(RecordId::fromText(r.value(0).toString()))};
        progress.step(++done);
    }
    FillList(f.cmbTeam, teams, 0);
}

QList<RecordId> clsReport::GetAllTeams() const
{
    return IdsOf(m_form->cmbTeam);
}

void clsReport::RefreshPlayers()
{
    frmReport& f = *m_form;
    ProgressScope progress(QStringLiteral("Loading all the Players..."));
    f.cmbPlayer->clear();
    const QList<RecordId> teams = GetAllTeams();
    std::vector<QSqlRecord> rows;
    if (!teams.isEmpty()) {
        rows = SelectAll(QStringLiteral("SELECT PLAYER.PLAYERID, PLAYER.PLAYERNAME, TEAM.TEAMNAME FROM PLAYER "
                                          "LEFT JOIN TEAM ON TEAM.TEAMID = PLAYER.TEAMID "
                                          "WHERE PLAYER.TEAMID IN (%1) "
                                          "ORDER BY PLAYER.PLAYERNAME, TEAM.TEAMNAME, PLAYER.PLAYERID")
                               .arg(Placeholders(teams.size())),
                           BindAll(teams));
    }
    progress.setCount(int(rows.size()));
    QHash<QString, int> uses;
    for (const QSqlRecord& r : rows)
        ++uses[r.value(1).toString()];
    QList<Entry> players{{QStringLiteral("All Players"), QVariant()}};
    int done = 0;
    for (const QSqlRecord& r : rows) {
        QString text = r.value(1).toString();
        // Two players of the chosen teams with one name are told apart by their team.
        if (uses.value(text) > 1)
            text += QStringLiteral(" (%1)").arg(r.value(2).toString());
        players << Entry{text, QVariant::fromValue(RecordId::fromText(r.value(0).toString()))};
        progress.step(++done);
    }
    FillList(f.cmbPlayer, players, 0);
}

QList<RecordId> clsReport::GetAllPlayers() const
{
    return IdsOf(m_form->cmbPlayer);
}

void clsReport::RefreshPosition()
{
    QList<Entry> positions{{QStringLiteral("All Positions"), QVariant()}};
    for (int p = 1; p <= 6; ++p)
        positions << Entry{QStringLiteral("Position %1").arg(p), p};
    FillList(m_form->cmbPosition, positions, 0);
}

void clsReport::RefreshOrder()
{
    QList<Entry> orders;
    for (const auto& choice : SortChoices())
        orders << Entry{choice.first, choice.second};
    FillList(m_form->cmbOrder, orders, 0);
}

void clsReport::Finish()
{
    frmReport& f = *m_form;
    const int position = f.cmbPosition->currentData().toInt();  // 0: all positions
    const bool apart = position != 0 || f.chkShowPositionsSep->isChecked();
    const QString sortColumn = f.cmbOrder->currentIndex() >= 0 ? f.cmbOrder->currentData().toString()
                                                                : QStringLiteral("TEAMNAME");

    ReportSelection selection;
    if (f.cmbYear[0]->currentIndex() >= 0 && !IsCatchAll(f.cmbYear[0])) {
        selection.dates = DateText(f.cmbYear[0]->currentData().toDate());
        const QVariant second = f.cmbYear[1]->currentIndex() >= 0 ? f.cmbYear[1]->currentData() : QVariant();
        if (f.chkThru[0]->isChecked() && second.isValid())
            selection.dates += QStringLiteral(" thru ") + DateText(second.toDate());
    }
    selection.match = f.cmbMatch->currentText();
    selection.game = f.cmbGames->currentText();
    selection.team = f.cmbTeam->currentText();
    selection.player = f.cmbPlayer->currentText();
    selection.position = f.cmbPosition->currentText();
    selection.order = f.cmbOrder->currentText();
    selection.sortColumn = sortColumn;

    // Each filter applies only when its list does not show its catch-all entry.
    const int gameNumber = f.cmbGames->currentData().toInt();
    const bool onePlayer = f.cmbPlayer->currentIndex() >= 0 && !IsCatchAll(f.cmbPlayer);
    const bool oneTeam = f.cmbTeam->currentIndex() >= 0 && !IsCatchAll(f.cmbTeam);
    const bool oneMatch = f.cmbMatch->currentIndex() >= 0 && !IsCatchAll(f.cmbMatch);

    // The chosen games each player took part in.
    Filter taken;
    if (gameNumber > 0)
        taken.add(QStringLiteral("AND GAME.GAMENUMBER = ? "), {gameNumber});
    if (onePlayer)
        taken.add(QStringLiteral("AND PLAYED.PLAYERID = ? "), {Bind(f.cmbPlayer->currentData().value<RecordId>())});
    if (oneTeam)
        taken.add(QStringLiteral("AND TEAM.TEAMID = ? "), {Bind(f.cmbTeam->currentData().value<RecordId>())});
    if (oneMatch)
        taken.add(QStringLiteral("AND MATCH.MATCHID = ? "), {Bind(f.cmbMatch->currentData().value<RecordId>())});
    AddDateFilter(taken, f, QStringLiteral("MATCH.MATCHID"));
    // Written as CROSS JOINs so that the engine walks PLAYED first and seeks each player-game's
    // actions in the covering PLAY index, which hands them over by zone: they are summed as they
    // come, and no action is ever sorted.
    const QString playerGames =
        QStringLiteral("FROM PLAYED CROSS JOIN GAME CROSS JOIN MATCH CROSS JOIN PLAYER CROSS JOIN TEAM %1"
                       "WHERE GAME.GAMEID = PLAYED.GAMEID AND MATCH.MATCHID = GAME.MATCHID "
                       "AND PLAYER.PLAYERID = PLAYED.PLAYERID AND TEAM.TEAMID = PLAYER.TEAMID %2");
    // The report takes only the player-games whose match has the player's team on court.
    const QString onCourt = QStringLiteral("AND (TEAM.TEAMID = MATCH.HOMETEAMID OR TEAM.TEAMID = MATCH.AWAYTEAMID) ");

    // One pass over the actions of the chosen player-games, summed per player-game and raw zone
    // (the covering PLAY index hands them over in that order), then per player and raw zone. A
    // player-game without actions joins one empty row, which counts once and makes the player's
    // line without a zone. With a zone chosen, only its actions count and a player-game without
    // them adds nothing. Most action rows fill one or two statistics; the FILTERs skip the
    // summing of the empty ones, which is most of the work of the pass.
    Filter zone;
    if (position > 0)
        zone.add(QStringLiteral("AND P.POSITION IN (?,?) "), {position, position + 6});
    QString innerSums;
    QString sums;
    QString lineSums;
    auto sumOf = [](const QString& value, const QString& column) {
        return QStringLiteral("SUM(%1) FILTER (WHERE %2 IS NOT NULL)").arg(value, column);
    };
    for (const QString& c : TotalColumns()) {
        const QString inner = QStringLiteral("i") + c;
        innerSums += QStringLiteral("%1 AS %2, ").arg(sumOf(QStringLiteral("P.") + c, QStringLiteral("P.") + c), inner);
        sums += QStringLiteral("COALESCE(%1,0) AS s%2, ").arg(sumOf(inner, inner), c);
        lineSums += QStringLiteral("R.s%1, ").arg(c);
    }
    const QString perGame =
        QStringLiteral("SELECT PLAYER.rowid AS tPLAYER, P.POSITION AS tPOSITION, %1%2 AS iPASSSUM, "
                       "%3 AS iPASSNET, COUNT(*) AS iROWS ")
            .arg(innerSums, sumOf(QStringLiteral("P.PASSING"), QStringLiteral("P.PASSING")),
                 sumOf(QStringLiteral("CASE WHEN P.PASSING > 0 THEN 1 WHEN P.PASSING < 0 THEN -1 END"),
                       QStringLiteral("P.PASSING")))
        + playerGames.arg(QStringLiteral("LEFT JOIN PLAY AS P ON P.PLAYERID = PLAYED.PLAYERID "
                                         "AND P.GAMEID = PLAYED.GAMEID "),
                          onCourt + taken.sql + zone.sql)
        + QStringLiteral("GROUP BY PLAYED.rowid, P.POSITION");
    // Players are regrouped by their row number: sorting numbers is cheaper than sorting texts.
    const QString perLine =
        QStringLiteral("SELECT tPLAYER, tPOSITION, %1COALESCE(%2,0) AS sPASSSUM, COALESCE(%3,0) AS sPASSNET, "
                       "SUM(iROWS) AS sROWS FROM (%4) GROUP BY tPLAYER, tPOSITION")
            .arg(sums, sumOf(QStringLiteral("iPASSSUM"), QStringLiteral("iPASSSUM")),
                 sumOf(QStringLiteral("iPASSNET"), QStringLiteral("iPASSNET")), perGame);
    // The zone is folded onto 1 to 6 when positions are shown apart; together, every row is 0.
    const QString linePosition = apart ? QStringLiteral("CASE WHEN R.tPOSITION > 6 THEN R.tPOSITION - 6 "
                                                        "ELSE R.tPOSITION END")
                                       : QStringLiteral("0");
    const QString reportSelect =
        QStringLiteral("SELECT TEAM.TEAMNAME AS tTEAMNAME, PLAYER.PLAYERID, PLAYER.PLAYERNAME AS tPLAYERNAME, %1, "
                       "%2R.sPASSSUM, R.sPASSNET, R.sROWS, (R.sKILL - R.sERROR) / (R.sATTEMPT + 0.0000001) "
                       "FROM (%3) AS R CROSS JOIN PLAYER CROSS JOIN TEAM "
                       "WHERE PLAYER.rowid = R.tPLAYER AND TEAM.TEAMID = PLAYER.TEAMID ORDER BY %4")
            .arg(linePosition, lineSums, perLine, SortClause(sortColumn));
    const QVariantList reportBinds = taken.binds + zone.binds;
    // Games played have no position: the game count takes every filter but the zone, and counts
    // a game the player took part in even when the player's team is not in its match.
    const QString gameCount = QStringLiteral("INSERT INTO GAMECOUNT (PLAYERID, GAMESPLAYED) "
                                             "SELECT PLAYED.PLAYERID, COUNT(*) ")
                              + playerGames.arg(QString(), taken.sql)
                              + QStringLiteral("GROUP BY PLAYED.PLAYERID");

    try {
        BusyPointer busy;
        ProgressScope progress(QStringLiteral("Creating the report..."));
        Transaction transaction;
        Execute(QStringLiteral("DELETE FROM REPORT"));
        VB_REPORT().SetReportFileName(pubAppPath + QLatin1String(apart ? ReportEngine::kPositionsApart
                                                                       : ReportEngine::kPositionsTogether));
        // The values are copied out of the statement as they come, without a record (and its
        // field names) per row.
        constexpr int kLineColumns = 20;
        std::vector<std::array<QVariant, kLineColumns>> rows;
        {
            Query select(reportSelect, reportBinds);
            select.raw().setForwardOnly(true);
            select.exec();
            while (select.next()) {
                std::array<QVariant, kLineColumns>& r = rows.emplace_back();
                for (int i = 0; i < kLineColumns; ++i)
                    r[size_t(i)] = select.value(i);
            }
        }
        progress.setCount(int(rows.size()) + 1);
        Query insert(QStringLiteral(
            "INSERT INTO REPORT (TEAMNAME, PLAYERID, PLAYERNAME, POSITION, KILL, ATTEMPT, ERROR, "
            "SERVEACE, SERVEERROR, DIG, RECEIVEERROR, SOLOBLOCK, BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, "
            "SETASSIST, PASSING, GAMESPLAYED, PERCENTAGE) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        QSqlQuery& q = insert.raw();
        int done = 0;
        for (const auto& r : rows) {
            int i = 0;
            for (int c = 0; c < 4 + TotalColumns().size(); ++c)
                q.bindValue(i++, r[size_t(c)]);
            const PassTally tally{r[16].toLongLong(), r[17].toLongLong()};
            // A pass taken back is no pass: the ratings left are averaged over the passes left.
            q.bindValue(i++, tally.average());
            q.bindValue(i++, r[18]);
            q.bindValue(i++, r[19]);
            insert.exec();
            PassTally& line = selection.passes[LineKey(r[1].toString(), r[3])];
            line.sum += tally.sum;
            line.net += tally.net;
            progress.step(++done);
        }
        Execute(QStringLiteral("DELETE FROM GAMECOUNT"));
        Execute(gameCount, taken.binds);
        progress.step(++done);
        transaction.commit();
    } catch (const std::exception& e) {
        qWarning("Report not created: %s", e.what());
        MsgBox(QStringLiteral("Error Creating report please try again"));
        return;
    }

    VB_REPORT().SetSelection(selection);
    f.Unload(true);
    try {
        VB_REPORT().Run();
    } catch (const std::exception& e) {
        qWarning("Report not shown: %s", e.what());
        MsgBox(QStringLiteral("Error Creating report please try again"));
    }
}
