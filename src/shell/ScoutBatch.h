#pragma once

// The scout file commands without a window: a season's files imported, every match exported.
// They open the database where the program would (beside it, or in the user's data folder), keep
// a running copy of the program off it meanwhile, and answer on the terminal.

#include "scoutfile/ScoutFile.h"

#include <QStringList>
#include <QTextStream>

class QCommandLineParser;

namespace ScoutBatch {

// Adds --import, --encoding NAME and --export-scout DIR to the program's options.
void AddOptions(QCommandLineParser& parser);
// Whether the arguments ask for one of the commands; --import takes the file names that follow.
bool Wanted(const QCommandLineParser& parser);
bool TakesFiles(const QCommandLineParser& parser);
// Runs the command asked for on the database of the program in appDir; the exit status.
int Run(const QCommandLineParser& parser, const QString& appDir);

// The commands on the open database. Import: one line per file on out (imported, or refused with
// the line and the reason); 0 when every file was imported, else 1. With progress (a terminal),
// the file being read and imported is named there meanwhile ("Importing 3 of 50: a.dvw..."),
// and the line is cleared once its result is printed. Export: one file per match, named by date
// and teams, its path on out, a file of that name already there left as it is (the new one takes
// " (2)", " (3)", ...); 0, or 1 with the reasons on err.
int ImportFiles(const QStringList& files, Scout::Encoding encoding, QTextStream& out, QTextStream* progress = nullptr);
int ExportAll(const QString& folder, QTextStream& out, QTextStream& err);

} // namespace ScoutBatch
