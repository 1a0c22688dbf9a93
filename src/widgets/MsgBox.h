#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <memory>

// Every message the program shows goes through here, with its prompt, buttons, icon and title.
// The default button is the first of Ok, Yes when none is given. Details, when given, stand
// behind the box's "Show Details..." button in a text that scrolls, so that a long list keeps
// the message on the screen.
QMessageBox::StandardButton MsgBox(const QString& prompt,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                   QMessageBox::Icon icon = QMessageBox::NoIcon,
                                   const QString& title = QStringLiteral("Sidelines"),
                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                   const QString& details = QString());

// A list inside a message under its heading: whole while it is short; otherwise its first few and
// how many more, and the whole of it meant for the details ("Show Details..."), so that a season's
// worth of lines keeps the box on the screen.
struct ListedItems
{
    QString shown;
    QString whole;
    bool cut = false; // shown holds only the first few
};
ListedItems ListFirstFew(const QString& heading, const QStringList& items, int fewest = 5);

// The window MsgBox shows for a message.
std::unique_ptr<QMessageBox> MsgBoxWindow(const QString& prompt, QMessageBox::StandardButtons buttons,
                                          QMessageBox::Icon icon, const QString& title,
                                          QMessageBox::StandardButton defaultButton, QWidget* parent = nullptr);

// Lets tests answer messages without a window and read back what was asked. While installed, no
// message box is shown: each message takes the next queued answer, or, with none queued, the
// default button (or Ok, else No, else the first button offered).
namespace MsgBoxHook {
struct Asked {
    QString prompt;
    QString title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString details;
};
void install();
void uninstall();
bool installed();
void setNextAnswer(QMessageBox::StandardButton answer);
QList<Asked> asked();
// The prompts asked so far, in order; handy for comparing against an expected list.
QStringList prompts();
void clear();
}  // namespace MsgBoxHook
