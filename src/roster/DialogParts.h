#pragma once

#include "base/RecordId.h"

#include <QDialog>
#include <QString>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// What the four roster windows have in common: the cmdOk/cmdCancel pair and the ways out. Every
// way of accepting (Enter included) goes through the checks of the accepting button; Cancel,
// Escape and the title-bar close box all end in reject(), so no way of closing can hand back a
// result.
class RosterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RosterDialog(QWidget* parent = nullptr);

public slots:
    void accept() override;
    void reject() override;

protected:
    // The accepting button's checks; on success it keeps the result and ends with QDialog::done.
    virtual void cmdOk_Click() = 0;

    // Makes and connects the pair (the accepting one is the default button, the other never is)
    // and returns it as a row pushed to the right.
    QHBoxLayout* ButtonRow(const QString& ok, const QString& cancel);

    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// The team and player edit windows: labelled boxes above the buttons, at a fixed size, with the
// first box taking the focus each time the window is shown.
class RosterEditor : public RosterDialog
{
    Q_OBJECT

public:
    using RosterDialog::RosterDialog;

    // The edit commands relabel the buttons.
    void setButtonCaptions(const QString& ok, const QString& cancel);

protected:
    void showEvent(QShowEvent* event) override;
    virtual QWidget* FirstBox() const = 0;

    // Puts the button row across both columns of the given grid row and fixes the window's size.
    void AddButtonRow(QGridLayout* grid, int row, const QString& ok, const QString& cancel);

    // A name longer than a court box, a heading or a printed line can show is refused: the user
    // is told, titled as the box's other messages are, and the box takes the focus back.
    bool RefusedAsTooLong(const QString& name, const QString& title, QWidget* box);
};

// The team and player choosers: one list above Ok/Cancel, one line per stored record.
class RosterChooser : public RosterDialog
{
    Q_OBJECT

public:
    // What each list entry carries: its record's identifier in stored form, and its name.
    static constexpr int kIdRole = Qt::UserRole;
    static constexpr int kNameRole = Qt::UserRole + 1;

protected:
    RosterChooser(QWidget* parent, const QString& listName, const QString& toolTip);

    // One list entry, and the part of its line the list must be wide enough to show.
    struct Entry
    {
        QListWidgetItem* item = nullptr;
        QString widestPart;
    };

    // Selects the rows, with the status line and the gauge, and fills the list with an entry per
    // row (given the row's index and its identifier's shown form). With no rows it says nonePrompt
    // once and returns false; the window is then not to be shown.
    bool FillList(const QString& status, const std::function<QStringList()>& select, const QString& nonePrompt,
                  const QString& noneTitle, const std::function<Entry(int, const QString&)>& makeEntry);

    // The chosen entry, with its record's identifier in id. Null when nothing is selected (after
    // asking with choosePrompt), or, after saying so and naming the record, when its identifier
    // is not in the stored form or is carried by more than one row (storedCopies counts them):
    // a command must never act on another record than the one chosen.
    QListWidgetItem* ChosenEntry(const QString& choosePrompt, RecordId& id,
                                 const std::function<int(const RecordId&)>& storedCopies) const;

    QListWidget* lstChoices = nullptr;
};

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

// Whether a typed name holds a character that would break the lines it is shown in: a control
// character (tab, line break, ...) or one that reorders the text around it.
bool HasControlCharacters(const QString& name);

// A typed name as it is stored: without white space at its ends, which no one sees in a list or
// a report and which would make " Falcons" another team than "Falcons" (names read from a scout
// file lose theirs too). A name of white space alone comes out empty and is refused as one.
QString TypedName(const QString& typed);

// Widens a chooser's list to show its longest name next to the identifier.
void FitListWidth(QListWidget* list, int widestName);
