#pragma once

#include "store/RecordId.h"

#include <QDialog>
#include <QString>
#include <QStyledItemDelegate>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// Draws a chooser line "name<tabs>identifier" as two columns: the name on the left and the
// identifier lined up on the right, instead of letting the tab characters run off the edge. The
// entry's text itself stays exactly as it is.
class ListLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The widest list that shows these lines without cutting a name.
    static int WidthFor(const QFontMetrics& metrics, int widestName, int widestRest);
    static QString NamePart(const QString& line);
    static QString RestPart(const QString& line);
};

// The team chooser: every stored team, one line each; the chosen one goes to pubPicked.
class frmPickTeam : public QDialog
{
    Q_OBJECT

public:
    explicit frmPickTeam(QWidget* parent = nullptr);
    ~frmPickTeam() override;

    // Fills the list from TEAM, with the status line and the gauge. With no team stored it says
    // so once, sets pubOK false and returns false; the window is then not to be shown.
    bool Load();

    // The list line of a team, as people see it: the name, five tabs, "TEAM ID: " and the
    // identifier.
    static QString LineText(const QString& name, const QString& idText);

    // What each list entry carries: the team's identifier in its stored form, and its name.
    static constexpr int kIdRole = Qt::UserRole;
    static constexpr int kNameRole = Qt::UserRole + 1;

public slots:
    void accept() override;
    void reject() override;

private:
    void cmdOk_Click();

    QListWidget* lstTeams = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// Turns stored identifier texts into their shown form. The two forms are the same today, and
// then nothing is converted (converting each identifier costs a time-zone lookup); should they
// ever differ, each one is converted.
class ShownIds
{
public:
    explicit ShownIds(const QString& sampleStoredText);
    QString operator()(const QString& storedText) const;

private:
    bool m_sameForm = true;
};

// Widens a chooser's list to show its longest name next to the identifier.
void FitListWidth(QListWidget* list, int widestName);

// Loads the team chooser, gives it the caption and shows it modally. Returns pubOK; on accept,
// pubPicked holds the chosen clsTeam. With no team stored it says "There are no teams loaded."
// once and returns false without showing the window.
bool PickTeam(const QString& caption);
