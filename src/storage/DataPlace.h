#pragma once

#include <QString>

// Where this copy of the program keeps its database and finds its tips.
//
// A copy whose folder is writable and holds the database (the build tree, a copy carried on a
// stick) keeps everything beside the executable. An installed copy cannot write there: its
// database lives in the user's data folder, copied on first start from the empty template
// installed in ../share/sidelines/ next to the executable's folder.
struct DataPlace {
    // The folder of the database, with a trailing separator; reports are written there too.
    QString folder;
    QString database;
    QString tipsFile;
    // Set when the database is not there yet and must first be copied from this template.
    QString templateFile;
    // Set when there is no usable place: says why, for the user.
    QString error;

    bool ok() const { return error.isEmpty(); }
};

namespace DataPlaces {
// The installed folder of the template and the tips, relative to the executable's folder.
inline constexpr auto kSharedFolder = "../share/sidelines/";
inline constexpr auto kTipsFileName = "TIPOFDAY.TXT";

// The choice alone, from the files that exist. Whether appDir can be written is given, not
// probed, so that the choice can be checked by a user who may write everywhere.
DataPlace Choose(const QString& appDir, bool appDirWritable, const QString& userDataDir);

// True when a file can be created in dir; the folder's permission bits alone miss read-only
// mounts and access lists.
bool IsWritableFolder(const QString& dir);

// The user's own data folder (QStandardPaths::AppDataLocation).
QString UserDataFolder();

// Makes the chosen place ready: creates its folder and copies the template in when asked. The
// copy appears under its final name only once complete, so a start cut short never leaves a
// truncated database behind. False with the reason in *error.
bool Prepare(const DataPlace& place, QString* error);
}  // namespace DataPlaces

// The application's folder, with a trailing separator.
extern QString pubAppPath;

// Pulls the embedded files (schema, pictures, tips) into the executable that links the library.
void InitResources();
