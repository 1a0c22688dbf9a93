#pragma once

#include "base/RecordId.h"

#include <QDialog>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

// A match offered for choosing: its record and its line.
struct MatchEntry
{
    RecordId id;
    QString text;
};

// "Match Listing": every stored match as "Away vs Home on <date and time>", to pick one; or, under a
// title of its own, the matches a command offers ("Continue Match").
class frmMatch : public QDialog
{
    Q_OBJECT

public:
    explicit frmMatch(QWidget* parent = nullptr);
    // The given matches, in their order; listName names the list for a screen reader.
    frmMatch(const QString& title, const QString& listName, const std::vector<MatchEntry>& entries,
             QWidget* parent = nullptr);

    // Shows the window; the match chosen with OK, nothing when it was left otherwise.
    std::optional<RecordId> choose();

    // Refills the list from the database, oldest match first.
    void FillMatchList();

    void reject() override;

private:
    void build(const QString& title, const QString& listName);
    void fill(const std::vector<MatchEntry>& entries);
    void cmdOk_Click();

    std::optional<RecordId> m_chosen;
    QListWidget* lstMatch;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};
