#include "reports/clsReport.h"

#include "reports/ReportEngine.h"
#include "reports/frmReport.h"
#include "shell/MsgBox.h"
#include "shell/mConstants.h"
#include "store/Database.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QScrollBar>
#include <QComboBox>
#include <QDate>
#include <QHash>
#include <QSignalBlocker>
#include <QSqlRecord>

#include <algorithm>

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

std::vector<QSqlRecord> SelectBound(const QString& sql, const QVariantList& values)
{
    Query q(sql);
    for (const QVariant& v : values)
        q.bind(v);
    q.raw().setForwardOnly(true);
    q.exec();
    std::vector<QSqlRecord> rows;
    while (q.next())
        rows.push_back(q.record());
    return rows;
}

int ExecuteBound(const QString& sql, const QVariantList& values)
{
    Query q(sql);
    for (const QVariant& v : values)
        q.bind(v);
    q.exec();
    return q.numRowsAffected();
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
        return QStringLiteral("TEAM.TEAMNAME, PLAYER.PLAYERNAME");
    if (column == QLatin1String("PERCENTAGE"))
        return QStringLiteral("(sKILL - sERROR) / (sATTEMPT + 0.0000001) DESC, PLAYER.PLAYERNAME");
    for (const auto& choice : SortChoices()) {
        if (choice.second == column && column != QLatin1String("PLAYERNAME"))
            return QStringLiteral("s%1 DESC, PLAYER.PLAYERNAME").arg(column);
    }
    return QStringLiteral("PLAYER.PLAYERNAME");
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
    const auto rows = SelectBound(
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
        rows = SelectBound(QStringLiteral("SELECT DISTINCT TEAM.TEAMID, TEAM.TEAMNAME FROM TEAM INNER JOIN MATCH "
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
        rows = SelectBound(QStringLiteral("SELECT PLAYER.PLAYERID, PLAYER.PLAYERNAME, TEAM.TEAMNAME FROM PLAYER "
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

    // The filter, in the order the pieces have always had; each applies only when its list does
    // not show its catch-all entry.
    const int gameNumber = f.cmbGames->currentData().toInt();
    const bool onePlayer = f.cmbPlayer->currentIndex() >= 0 && !IsCatchAll(f.cmbPlayer);
    const bool oneTeam = f.cmbTeam->currentIndex() >= 0 && !IsCatchAll(f.cmbTeam);
    const bool oneMatch = f.cmbMatch->currentIndex() >= 0 && !IsCatchAll(f.cmbMatch);
    const QVariant player = onePlayer ? Bind(f.cmbPlayer->currentData().value<RecordId>()) : QVariant();
    const QVariant team = oneTeam ? Bind(f.cmbTeam->currentData().value<RecordId>()) : QVariant();
    const QVariant match = oneMatch ? Bind(f.cmbMatch->currentData().value<RecordId>()) : QVariant();

    Filter w;
    if (gameNumber > 0)
        w.add(QStringLiteral("AND GAME.GAMENUMBER = ? "), {gameNumber});
    Filter positionPiece;
    if (position > 0)
        positionPiece.add(QStringLiteral("AND A.POSITION IN (?,?) "), {position, position + 6});
    Filter rest;
    if (onePlayer)
        rest.add(QStringLiteral("AND PLAYER.PLAYERID = ? "), {player});
    if (oneTeam)
        rest.add(QStringLiteral("AND TEAM.TEAMID = ? "), {team});
    if (oneMatch)
        rest.add(QStringLiteral("AND MATCH.MATCHID = ? "), {match});
    AddDateFilter(rest, f, QStringLiteral("MATCH.MATCHID"));

    // The actions are first summed per player, game and zone, so that the outer statement joins
    // a few rows per game instead of every action; the same filters narrow that first step.
    Filter inner;
    if (position > 0)
        inner.add(QStringLiteral("AND P.POSITION IN (?,?) "), {position, position + 6});
    if (onePlayer)
        inner.add(QStringLiteral("AND P.PLAYERID = ? "), {player});
    if (oneTeam)
        inner.add(QStringLiteral("AND P.PLAYERID IN (SELECT PLAYERID FROM PLAYER WHERE TEAMID = ?) "), {team});
    Filter games;
    if (gameNumber > 0)
        games.add(QStringLiteral("AND GAME.GAMENUMBER = ? "), {gameNumber});
    if (oneMatch)
        games.add(QStringLiteral("AND MATCH.MATCHID = ? "), {match});
    AddDateFilter(games, f, QStringLiteral("MATCH.MATCHID"));
    if (!games.sql.isEmpty())
        inner.add(QStringLiteral("AND P.GAMEID IN (SELECT GAME.GAMEID FROM GAME INNER JOIN MATCH "
                                 "ON MATCH.MATCHID = GAME.MATCHID WHERE 1 = 1 %1) ")
                      .arg(games.sql),
                  games.binds);

    // The zone is folded onto 1 to 6 when positions are shown apart; together, every row is 0.
    const QString linePosition = apart ? QStringLiteral("CASE WHEN A.POSITION > 6 THEN A.POSITION - 6 "
                                                        "ELSE A.POSITION END")
                                       : QStringLiteral("0");
    QString innerSums;
    QString sums;
    for (const QString& c : TotalColumns()) {
        innerSums += QStringLiteral("SUM(P.%1) AS i%1, ").arg(c);
        sums += QStringLiteral("COALESCE(SUM(A.i%1),0) AS s%1, ").arg(c);
    }
    const QString actions =
        QStringLiteral("SELECT P.PLAYERID, P.GAMEID, P.POSITION, %1SUM(P.PASSING) AS iPASSSUM, "
                       "SUM(CASE WHEN P.PASSING > 0 THEN 1 WHEN P.PASSING < 0 THEN -1 END) AS iPASSNET, "
                       "COUNT(*) AS iROWS FROM PLAY AS P WHERE 1 = 1 %2"
                       "GROUP BY P.PLAYERID, P.GAMEID, P.POSITION")
            .arg(innerSums, inner.sql);
    // A game without actions still joins one row (the player took part): it counts once.
    const QString reportSelect =
        QStringLiteral("SELECT TEAM.TEAMNAME, PLAYER.PLAYERID, PLAYER.PLAYERNAME, %1 AS sPOSITION, %2"
                       "COALESCE(SUM(A.iPASSSUM),0) AS sPASSSUM, COALESCE(SUM(A.iPASSNET),0) AS sPASSNET, "
                       "SUM(COALESCE(A.iROWS,1)) AS sROWS "
                       "FROM PLAYED INNER JOIN PLAYER ON PLAYER.PLAYERID = PLAYED.PLAYERID "
                       "INNER JOIN TEAM ON TEAM.TEAMID = PLAYER.TEAMID "
                       "INNER JOIN GAME ON GAME.GAMEID = PLAYED.GAMEID "
                       "INNER JOIN MATCH ON MATCH.MATCHID = GAME.MATCHID "
                       "LEFT JOIN (%3) AS A ON A.GAMEID = PLAYED.GAMEID AND A.PLAYERID = PLAYED.PLAYERID "
                       "WHERE (TEAM.TEAMID = MATCH.HOMETEAMID OR TEAM.TEAMID = MATCH.AWAYTEAMID) %4"
                       "GROUP BY TEAM.TEAMNAME, PLAYER.PLAYERNAME, PLAYER.PLAYERID, A.POSITION "
                       "ORDER BY %5")
            .arg(linePosition, sums, actions, w.sql + positionPiece.sql + rest.sql, SortClause(sortColumn));
    // The values in the order their marks stand in the text: the inner statement comes first.
    const QVariantList reportBinds = inner.binds + w.binds + positionPiece.binds + rest.binds;
    // Games played have no position: the game count takes every filter but the zone.
    const QString gameCount =
        QStringLiteral("INSERT INTO GAMECOUNT (PLAYERID, GAMESPLAYED) SELECT PLAYED.PLAYERID, COUNT(PLAYED.PLAYERID) "
                       "FROM GAME, MATCH, PLAYED, PLAYER, TEAM WHERE PLAYER.PLAYERID = PLAYED.PLAYERID "
                       "AND PLAYER.TEAMID = TEAM.TEAMID AND GAME.MATCHID = MATCH.MATCHID "
                       "AND GAME.GAMEID = PLAYED.GAMEID %1GROUP BY PLAYED.PLAYERID")
            .arg(w.sql + rest.sql);
    const QVariantList gameCountBinds = w.binds + rest.binds;

    try {
        BusyPointer busy;
        ProgressScope progress(QStringLiteral("Creating the report..."));
        Transaction transaction;
        Execute(QStringLiteral("DELETE FROM REPORT"));
        VB_REPORT().SetReportFileName(pubAppPath + QLatin1String(apart ? ReportEngine::kPositionsApart
                                                                       : ReportEngine::kPositionsTogether));
        const auto rows = SelectBound(reportSelect, reportBinds);
        progress.setCount(int(rows.size()) + 2);
        Query insert(QStringLiteral(
            "INSERT INTO REPORT (TEAMNAME, PLAYERID, PLAYERNAME, POSITION, PERCENTAGE, KILL, ATTEMPT, ERROR, "
            "SERVEACE, SERVEERROR, DIG, RECEIVEERROR, SOLOBLOCK, BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, "
            "SETASSIST, PASSING, GAMESPLAYED) VALUES (?,?,?,?,0,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        int done = 0;
        for (const QSqlRecord& r : rows) {
            QSqlQuery& q = insert.raw();
            int i = 0;
            q.bindValue(i++, r.value(0));
            q.bindValue(i++, r.value(1));
            q.bindValue(i++, r.value(2));
            q.bindValue(i++, r.value(3));
            for (int c = 0; c < TotalColumns().size(); ++c)
                q.bindValue(i++, r.value(4 + c));
            const PassTally tally{r.value(16).toLongLong(), r.value(17).toLongLong()};
            // A pass taken back is no pass: the ratings left are averaged over the passes left.
            q.bindValue(i++, tally.average());
            q.bindValue(i++, r.value(18));
            insert.exec();
            PassTally& line = selection.passes[LineKey(r.value(1).toString(), r.value(3))];
            line.sum += tally.sum;
            line.net += tally.net;
            progress.step(++done);
        }
        Execute(QStringLiteral("UPDATE REPORT SET PERCENTAGE = (KILL - ERROR) / (ATTEMPT + 0.0000001)"));
        progress.step(++done);
        Execute(QStringLiteral("DELETE FROM GAMECOUNT"));
        ExecuteBound(gameCount, gameCountBinds);
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
