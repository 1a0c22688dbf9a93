#pragma once

// What a screen reader is told about a control whose meaning its caption alone does not carry
// (a box on the court, a score, a button marked ">"), and when what it shows changes.

#include <QAccessible>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

namespace a11y {
// Gives w its accessible name, and tells a screen reader when the name has changed.
void SetName(QWidget* w, const QString& name);
// Gives w its accessible description, telling a screen reader when it has changed.
void SetDescription(QWidget* w, const QString& description);
// Our accessible interfaces where Qt's say too little, asked before Qt's own: every drop-down list
// that cannot be typed in is named by its accessible name, else by the label it is the buddy of (Qt
// on Linux names it by the entry it shows), the entry being its value; a line made spoken is a
// notification. Called once the application object exists, before the first window.
void InstallInterfaces();
// Makes line a line that a screen reader speaks by itself, wherever the focus is: each message
// Announce() reports is spoken once. Call it where the line is made, before anything asks the
// line for its accessible interface.
void MakeSpoken(QLabel* line);
// A line whose text is its name (a status line, a label without an accessible name of its own)
// shows a new message, even the same words again. A screen reader reads it out once the command
// that set it has finished: once, however often the command set the line, and not at all when the
// line is empty by then.
void Announce(QWidget* line);
// Lets a test see each event as it is sent: Qt hands events on only while a screen reader is
// listening, which no test has.
void SetEventObserver(std::function<void(QWidget*, QAccessible::Event)> observer);
} // namespace a11y
