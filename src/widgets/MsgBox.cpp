#include "widgets/MsgBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>

namespace {
// The texts of this file, under the context translators know them by.
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(MsgBox)
};

struct HookState {
    bool installed = false;
    QList<QMessageBox::StandardButton> answers;
    QList<MsgBoxHook::Asked> asked;
};

HookState& hook()
{
    static HookState state;
    return state;
}

QMessageBox::StandardButton fallbackAnswer(QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton)
{
    if (defaultButton != QMessageBox::NoButton)
        return defaultButton;
    for (auto b : {QMessageBox::Ok, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Yes}) {
        if (buttons.testFlag(b))
            return b;
    }
    return QMessageBox::NoButton;
}
}  // namespace

ListedItems ListFirstFew(const QString& heading, const QStringList& items, int fewest)
{
    ListedItems out;
    out.whole = heading + QLatin1Char('\n') + items.join(QLatin1Char('\n'));
    if (items.size() <= fewest) {
        out.shown = out.whole;
        return out;
    }
    out.cut = true;
    out.shown = heading + QLatin1Char('\n') + items.mid(0, fewest - 1).join(QLatin1Char('\n')) + QLatin1Char('\n')
                + Words::tr("...and %n more (Show Details lists them all).", nullptr, int(items.size()) - (fewest - 1));
    return out;
}

std::unique_ptr<QMessageBox> MsgBoxWindow(const QString& prompt, QMessageBox::StandardButtons buttons,
                                          QMessageBox::Icon icon, const QString& title,
                                          QMessageBox::StandardButton defaultButton, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(icon, title, prompt, buttons, parent);
    // Prompts carry names the user typed: they are text, never markup that could load a file.
    box->setTextFormat(Qt::PlainText);
    // A message takes its window's font, so that one over the court reads at the court's size.
    box->setAttribute(Qt::WA_WindowPropagation);
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    // A Yes/No question must not be answered by the title-bar close box as if it were Yes.
    if (buttons.testFlag(QMessageBox::No))
        box->setEscapeButton(QMessageBox::No);
    return box;
}

QMessageBox::StandardButton MsgBox(const QString& prompt, QMessageBox::StandardButtons buttons,
                                   QMessageBox::Icon icon, const QString& title,
                                   QMessageBox::StandardButton defaultButton, const QString& details)
{
    HookState& h = hook();
    if (h.installed) {
        h.asked.append({prompt, title, buttons, icon, defaultButton, details});
        if (!h.answers.isEmpty())
            return h.answers.takeFirst();
        return fallbackAnswer(buttons, defaultButton);
    }

    const std::unique_ptr<QMessageBox> window
        = MsgBoxWindow(prompt, buttons, icon, title, defaultButton, QApplication::activeWindow());
    QMessageBox& box = *window;
    if (!details.isEmpty())
        box.setDetailedText(details);
    // A command may be showing the busy pointer; the user has to answer this, so the normal
    // pointer stands over it until it is answered.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    const auto pressed = box.standardButton(box.clickedButton());
    if (pressed != QMessageBox::NoButton)
        return pressed;
    return static_cast<QMessageBox::StandardButton>(answer);
}

namespace MsgBoxHook {
void install()
{
    hook() = HookState{};
    hook().installed = true;
}

void uninstall()
{
    hook() = HookState{};
}

bool installed()
{
    return hook().installed;
}

void setNextAnswer(QMessageBox::StandardButton answer)
{
    hook().answers.append(answer);
}

QList<Asked> asked()
{
    return hook().asked;
}

QStringList prompts()
{
    QStringList list;
    for (const Asked& a : hook().asked)
        list << a.prompt;
    return list;
}

void clear()
{
    hook().asked.clear();
    hook().answers.clear();
}
}  // namespace MsgBoxHook
