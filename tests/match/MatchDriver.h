#pragma once

// Helpers that drive the match windows the way a user does: pick teams in the chooser, answer the
// options window, select entries in the line-up lists and press buttons.

#include "game/frmGame.h"
#include "match/frmStarters.h"
#include "core/MsgBox.h"
#include "support/Fixture.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace match_test {

// A status line that remembers every text it was painted with.
class StatusRecorder : public QLabel
{
public:
    QStringList painted;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        if (!text().isEmpty() && (painted.isEmpty() || painted.last() != text()))
            painted << text();
        QLabel::paintEvent(e);
    }
};

using Step = std::function<void(QWidget*)>;

// Drives a sequence of modal windows, one step per window, each armed before the previous step
// acts so that a window opened from inside a handler is caught too.
inline void Chain(QList<Step> steps)
{
    if (steps.isEmpty())
        return;
    Step first = steps.takeFirst();
    OnNextModal([first, steps](QWidget* w) {
        Chain(steps);
        first(w);
    });
}

inline void Click(QWidget* window, const QString& button)
{
    auto* b = Child<QAbstractButton>(window, button);
    if (!b) {
        qWarning("no button %s in %s", qPrintable(button), qPrintable(window->objectName()));
        if (auto* d = qobject_cast<QDialog*>(window))
            d->done(QDialog::Rejected);
        return;
    }
    QTest::mouseClick(b, Qt::LeftButton);
}

// Chooser step: picks the team with this identifier and presses Ok.
inline Step PickTeamStep(const RecordId& team)
{
    return [team](QWidget* w) {
        auto* list = Child<QListWidget>(w, QStringLiteral("lstTeams"));
        for (int i = 0; list && i < list->count(); ++i) {
            // The entry carries the team's identifier, as a value or as its stored text.
            const QVariant id = list->item(i)->data(Qt::UserRole);
            if (id.value<RecordId>() == team || id.toString() == team.text()) {
                list->setCurrentRow(i);
                list->item(i)->setSelected(true);
                Click(w, QStringLiteral("cmdOk"));
                return;
            }
        }
        qWarning("team not in the chooser");
        Click(w, QStringLiteral("cmdCancel"));
    };
}

inline Step ClickStep(const QString& button)
{
    return [button](QWidget* w) { Click(w, button); };
}

inline Step CloseBoxStep()
{
    return [](QWidget* w) { w->close(); };
}

// The player list entries as the user reads them.
inline QStringList Entries(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Selects exactly these rows, by Ctrl-clicks as a user would.
inline void SelectRows(QListWidget* list, const QList<int>& rows)
{
    list->clearSelection();
    for (int row : rows) {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(item).center());
    }
}

// A double-click on an entry, as the item view sees one: a press, then the double-click.
inline void DoubleClick(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Line-up step: closes the line-up window, confirming the question.
inline Step ConfirmCloseStep()
{
    return [](QWidget* w) {
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        w->close();
    };
}

} // namespace match_test
