#pragma once

// The main window's club server commands: its settings window, sending the saved matches on
// demand and at the exit, and what the start does for it (the password, the matches waiting).

#include <QString>

class QWidget;

namespace ClubCommands {

// File > Club Server...
void ShowSettings(QWidget* parent);

// File > Send Matches to Club Server: every waiting match, then what came of it.
void SendNow(QWidget* parent);

// After the exit's archive has been committed: every waiting match, within the exit's few seconds.
// Says nothing: whatever could not be sent waits, and the next start says how many.
void SendAtExit();

// Once the program has started: the password from the key store (where none can be reached, the
// user is told and asked for this run), and how many matches wait.
void AtStart(QWidget* parent);

// Puts the number of matches waiting for the club server on the status line (nothing when no club
// server is set up), and returns it.
int ShowWaiting();

// "3 matches waiting for the club server".
QString WaitingText(int count);

} // namespace ClubCommands
