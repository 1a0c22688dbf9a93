#include "reports/clsReport.h"

#include "storage/MatchStore.h"
#include "widgets/MsgBox.h"
#include "storage/ReportStore.h"
#include "base/StatKinds.h"
#include "widgets/mConstants.h"
#include "reports/ReportEngine.h"
#include "reports/frmReport.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QLocale>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

namespace {

struct Entry
{
    QString text;
    QVariant data; // null for a catch-all entry
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
        view->setMinimumWidth(
            std::max(list->width(), view->sizeHintForColumn(0) + view->verticalScrollBar()->sizeHint().width() + 8));
    }
    if (select >= 0 && select < list->count())
        list->setCurrentIndex(select);
}

bool IsCatchAll(const QComboBox* list)
{
    return list->currentIndex() >= 0 && !list->currentData().isValid();
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

} // namespace

QString ResultText(const ReportStore::MatchResult& r)
{
    const QString deleted = QCoreApplication::translate("clsReport", "(deleted team)");
    const QString home = r.home.isNull() ? deleted : r.home.toString();
    const QString away = r.away.isNull() ? deleted : r.away.toString();
    if (r.games.empty())
        return QCoreApplication::translate("clsReport", "%1 v %2, no game recorded").arg(away, home);
    // Only a game the rules decided is won; one left before its end shows its score as it stood.
    const GameRules::MatchFormat format = r.format.value_or(GameRules::GuessedFormat(r.games));
    const std::pair<int, int> won = GameRules::GamesWon(r.games, format);
    QStringList scores;
    // The away team first, as every match caption names the teams.
    for (size_t i = 0; i < r.games.size(); ++i) {
        const auto& [h, a] = r.games[i];
        const QString score = QStringLiteral("%1\u2013%2").arg(a).arg(h);
        const int limit = GameRules::ScoreLimit(format.points, int(i) + 1, format.games);
        scores << (GameRules::Winner(h, a, limit) ? score
                                                   : QCoreApplication::translate("clsReport", "%1 unfinished").arg(score));
    }
    return QCoreApplication::translate("clsReport", "%1 %2, %3 %4 (%5)")
        .arg(away, QString::number(won.second), home, QString::number(won.first), scores.join(QStringLiteral(", ")));
}

void clsReport::Start()
{
    ProgressScope status(QCoreApplication::translate("clsReport", "Loading the Report Wizard..."));
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
        ProgressScope progress(QCoreApplication::translate("clsReport", "Loading all the years..."));
        const std::vector<QDate> days = ReportStore::MatchDates();
        if (days.empty()) {
            MsgBox(QCoreApplication::translate("clsReport", "You do not have any saved Matches"), QMessageBox::Ok,
                   QMessageBox::NoIcon, QCoreApplication::translate("clsReport", "Matches"));
            return;
        }
        progress.setCount(int(days.size()));
        QList<Entry> dates;
        int done = 0;
        for (const QDate& day : days) {
            dates << Entry{QLocale().toString(day, QLocale::ShortFormat), day};
            progress.step(++done);
        }
        if (dates.size() == 1) {
            f.chkThru[0]->setEnabled(false);
            FillList(f.cmbYear[0], dates, 0);
        } else {
            FillList(f.cmbYear[1], dates + QList<Entry>{{QString(), QVariant()}}, -1);
            FillList(f.cmbYear[0],
                     dates + QList<Entry>{{QCoreApplication::translate("clsReport", "All Dates"), QVariant()}},
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
    ProgressScope progress(QCoreApplication::translate("clsReport", "Loading all the matches..."));
    f.cmbMatch->clear();
    const std::vector<ReportStore::MatchRow> rows = ReportStore::Matches(f.Choices());
    progress.setCount(int(rows.size()));
    const auto name = [](const QVariant& team) {
        return team.isNull() ? std::nullopt : std::optional<QString>(team.toString());
    };
    QList<Entry> matches;
    int done = 0;
    for (const ReportStore::MatchRow& r : rows) {
        // In the user's own form, as the report's heading repeats it.
        const QString when = r.id.isNull() ? r.idText : QLocale().toString(r.id.dateTime(), QLocale::ShortFormat);
        matches << Entry{MatchCaption(name(r.away), name(r.home), when), QVariant::fromValue(r.id)};
        progress.step(++done);
    }
    if (matches.size() == 1) {
        FillList(f.cmbMatch, matches, 0);
    } else {
        matches << Entry{QCoreApplication::translate("clsReport", "All Matches"), QVariant()};
        FillList(f.cmbMatch, matches, int(matches.size()) - 1);
    }
}

void clsReport::RefreshGames()
{
    frmReport& f = *m_form;
    f.cmbGames->clear();
    QList<Entry> games{{QCoreApplication::translate("clsReport", "All Games"), QVariant()}};
    if (f.cmbMatch->currentIndex() < 0 || IsCatchAll(f.cmbMatch)) {
        ProgressScope progress(QCoreApplication::translate("clsReport", "Loading the Game Options..."), 6);
        progress.step(1);
        for (int k = 1; k <= 5; ++k) {
            games << Entry{QCoreApplication::translate("clsReport", "Game %1").arg(k), k};
            progress.step(k + 1);
        }
        FillList(f.cmbGames, games, 0);
        return;
    }
    const int played = ReportStore::GameCount(f.cmbMatch->currentData().value<RecordId>());
    ProgressScope progress(QCoreApplication::translate("clsReport", "Loading the Game Options..."), played + 1);
    // The game filter knows games 1 to 5; a longer match still lists only those.
    for (int k = 1; k <= 5; ++k) {
        if (played > k - 1) {
            progress.step(k);
            games << Entry{QCoreApplication::translate("clsReport", "Game %1").arg(k), k};
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
    ProgressScope progress(QCoreApplication::translate("clsReport", "Loading all the teams..."));
    f.cmbTeam->clear();
    const std::vector<ReportStore::NamedRow> rows = ReportStore::Teams(GetAllMatches());
    progress.setCount(int(rows.size()));
    QList<Entry> teams{{QCoreApplication::translate("clsReport", "All Teams"), QVariant()}};
    int done = 0;
    for (const ReportStore::NamedRow& r : rows) {
        teams << Entry{r.name, QVariant::fromValue(r.id)};
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
    ProgressScope progress(QCoreApplication::translate("clsReport", "Loading all the Players..."));
    f.cmbPlayer->clear();
    const std::vector<ReportStore::NamedRow> rows = ReportStore::Players(GetAllTeams());
    progress.setCount(int(rows.size()));
    QHash<QString, int> uses;
    for (const ReportStore::NamedRow& r : rows)
        ++uses[r.name];
    QList<Entry> players{{QCoreApplication::translate("clsReport", "All Players"), QVariant()}};
    int done = 0;
    for (const ReportStore::NamedRow& r : rows) {
        QString text = r.name;
        // Two players of the chosen teams with one name are told apart by their team.
        if (uses.value(text) > 1)
            text += QStringLiteral(" (%1)").arg(r.team);
        players << Entry{text, QVariant::fromValue(r.id)};
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
    QList<Entry> positions{{QCoreApplication::translate("clsReport", "All Positions"), QVariant()}};
    for (int p = 1; p <= 6; ++p)
        positions << Entry{QCoreApplication::translate("clsReport", "Position %1").arg(p), p};
    FillList(m_form->cmbPosition, positions, 0);
}

void clsReport::RefreshOrder()
{
    // The name orders, then every kind that has an order, as the stat table ranks them.
    QList<Entry> orders{
        {QCoreApplication::translate("clsReport", "By Teamname"), QString::fromLatin1(ReportOrder::kTeamName)},
        {QCoreApplication::translate("clsReport", "By Name"), QString::fromLatin1(ReportOrder::kPlayerName)},
        {QCoreApplication::translate("clsReport", "By Percentage"), QString::fromLatin1(ReportOrder::kPercentage)}};
    std::vector<const StatKind*> ranked;
    for (const StatKind& k : kStatKinds)
        if (k.sortCaption)
            ranked.push_back(&k);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const StatKind* a, const StatKind* b) { return a->sortRank < b->sortRank; });
    for (const StatKind* k : ranked)
        orders << Entry{StatText(k->sortCaption), QString::fromLatin1(k->column)};
    FillList(m_form->cmbOrder, orders, 0);
}

void clsReport::Finish()
{
    frmReport& f = *m_form;
    const ReportChoices choices = f.Choices();
    const ReportStatement statement = BuildReportStatement(choices);
    try {
        BusyPointer busy;
        ProgressScope progress(QCoreApplication::translate("clsReport", "Creating the report..."));
        VB_REPORT().SetReportFileName(pubAppPath
                                      + QLatin1String(statement.layout == ReportLayout::PositionsApart
                                                          ? ReportEngine::kPositionsApart
                                                          : ReportEngine::kPositionsTogether));
        // Two steps after the box score's: the games' rally logs read, the team numbers computed.
        const std::vector<ReportLine> lines = ReportStore::Fill(statement, &progress, nullptr, 2);
        ReportHeading heading = choices.heading;
        if (choices.match)
            heading.result = ResultText(ReportStore::Result(*choices.match));
        ReportModel model = MakeReportModel(statement.layout, heading, lines);
        std::vector<TeamNumbers::GameRecord> games = ReportStore::RallyGames(choices);
        ReportStore::LineUpRoster players = ReportStore::LineUpPlayers(games);
        progress.step(6);
        model.rallies = MakeReportRallies(std::move(games), std::move(players), choices);
        progress.step(7);
        VB_REPORT().SetReport(std::move(model));
    } catch (const ReportOverflow& e) {
        // Rows written by other tools: the user learns whose records to correct; no retry helps.
        qWarning("Report not created: %s", e.what());
        MsgBox(QCoreApplication::translate("clsReport",
                                           "The report cannot be made: the figures of %1 are too large to add up. "
                                           "Correct or delete those records and try again.")
                   .arg(e.who()),
               QMessageBox::Ok, QMessageBox::Warning);
        return;
    } catch (const std::exception& e) {
        qWarning("Report not created: %s", e.what());
        MsgBox(QCoreApplication::translate("clsReport", "Error Creating report please try again"));
        return;
    }

    f.Unload(true);
    try {
        VB_REPORT().Run();
    } catch (const std::exception& e) {
        qWarning("Report not shown: %s", e.what());
        MsgBox(QCoreApplication::translate("clsReport", "Error Creating report please try again"));
    }
}
