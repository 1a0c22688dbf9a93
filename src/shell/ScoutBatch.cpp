#include "shell/ScoutBatch.h"

#include "storage/ArchiveStore.h"
#include "storage/DataPlace.h"
#include "storage/Database.h"
#include "base/RecordId.h"
#include "storage/ScoutStore.h"
#include "base/WholeFile.h"
#include "widgets/mConstants.h"
#include "shell/InstanceLock.h"
#include "shell/frmSplash.h"
#include "storage/RecordIssue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>

#include <future>

#include <unistd.h>

namespace ScoutBatch {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ScoutBatch)
};

const QString kImport = QStringLiteral("import");
const QString kEncoding = QStringLiteral("encoding");
const QString kExport = QStringLiteral("export-scout");

// A file read and checked, ready to import; or why it was not read.
struct Loaded
{
    WholeFile::Result file;
    Scout::ReadResult read;
};

Loaded Load(const QString& path, Scout::Encoding encoding, const QDate& today)
{
    Loaded l;
    try {
        l.file = WholeFile::Read(path, Scout::kLargestFile);
        if (l.file.ok())
            l.read = Scout::Read(l.file.bytes, encoding, today);
    } catch (const std::exception& e) {
        // Memory for a file within the limit: said as the system says it, for this file alone.
        l.file = WholeFile::Result{};
        l.file.failure = WholeFile::Failure::Unreadable;
        l.file.reason = QString::fromLocal8Bit(e.what());
    }
    l.file.bytes.clear();
    return l;
}

} // namespace

void AddOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(
        kImport,
        Words::tr("Imports the scout files (.dvw) named after the options into the season's matches, each in "
                  "one transaction, and prints one line per file.")));
    parser.addOption(QCommandLineOption(
        kEncoding,
        Words::tr("With --import: reads the names in this text encoding (UTF-8, Windows-1250, Windows-1251, "
                  "Windows-1252, ISO-8859-2) instead of finding it out."),
        Words::tr("name")));
    parser.addOption(
        QCommandLineOption(kExport, Words::tr("Writes every recorded match into the folder as a scout file (.dvw)."),
                           Words::tr("folder")));
    parser.addPositionalArgument(Words::tr("files"), Words::tr("With --import: the scout files."),
                                 Words::tr("[files...]"));
}

bool TakesFiles(const QCommandLineParser& parser)
{
    return parser.isSet(kImport);
}

bool Wanted(const QCommandLineParser& parser)
{
    return parser.isSet(kImport) || parser.isSet(kExport) || parser.isSet(kEncoding);
}

int ImportFiles(const QStringList& files, Scout::Encoding encoding, QTextStream& out, QTextStream* progress)
{
    int failures = 0;
    int done = 0;
    // Each file's match is looked for in the archive too: attached once for them all.
    // An archive that cannot be used is named for each file by its import.
    std::optional<ArchiveStore::Attached> archive;
    try {
        if (const QString path = ArchiveStore::DefaultPath(); QFileInfo::exists(path))
            archive.emplace(path);
    } catch (const DbError&) {
        archive.reset();
    }
    // Each file is read and checked on a thread of its own while the one before is written: the
    // two take about as long, and the database stays with this thread.
    const QDate today = Clock::now().date();
    std::future<Loaded> next;
    auto load = [&](qsizetype i) { next = std::async(std::launch::async, Load, files[i], encoding, today); };
    if (!files.isEmpty())
        load(0);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString shown = QDir::toNativeSeparators(files[i]);
        // What is being done now, on the terminal's line; the result takes its place.
        if (progress)
            *progress << Words::tr("Importing %1 of %2: %3...").arg(++done).arg(files.size()).arg(shown) << '\r'
                      << Qt::flush;
        const auto cleared = qScopeGuard([progress] {
            if (progress)
                *progress << "\x1b[K" << Qt::flush;
        });
        const Loaded loaded = next.get();
        if (i + 1 < files.size())
            load(i + 1);
        const WholeFile::Result& file = loaded.file;
        if (!file.ok()) {
            QString why = file.reason;
            if (file.failure == WholeFile::Failure::Missing)
                why = Words::tr("no such file");
            else if (file.failure == WholeFile::Failure::NotRegular)
                why = Words::tr("not a regular file");
            else if (file.failure == WholeFile::Failure::TooLarge)
                why = Words::tr("too large to be a scout file");
            out << Words::tr("%1: not read: %2").arg(shown, why) << Qt::endl;
            ++failures;
            continue;
        }
        const Scout::ReadResult& read = loaded.read;
        try {
            if (!read.ok())
                throw Scout::RefusalError(read.refusal);
            const ScoutStore::Imported result = ScoutStore::Import(*read.match);
            // Names read in a code page say which, so that wrong letters can be put right with
            // --encoding.
            if (read.used == Scout::Encoding::Utf8)
                out << Words::tr("%3: imported: %4 (%1 new teams, %2 new players)")
                           .arg(result.newTeams.size())
                           .arg(result.newPlayers.size())
                           .arg(shown, result.caption)
                    << Qt::endl;
            else
                out << Words::tr("%3: imported: %4 (%1 new teams, %2 new players; %5)")
                           .arg(result.newTeams.size())
                           .arg(result.newPlayers.size())
                           .arg(shown, result.caption, read.note())
                    << Qt::endl;
        } catch (const Scout::RefusalError& e) {
            out << Words::tr("%1: refused: %2").arg(shown, e.refusal().text()) << Qt::endl;
            ++failures;
        } catch (const DbError& e) {
            out << Words::tr("%1: refused: %2").arg(shown, DescribeFailure(e)) << Qt::endl;
            ++failures;
        } catch (const RecordIdError& e) {
            out << Words::tr("%1: refused: %2").arg(shown, QString::fromUtf8(e.what())) << Qt::endl;
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

int ExportAll(const QString& folder, QTextStream& out, QTextStream& err)
{
    if (!QDir().mkpath(folder)) {
        err << Words::tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)) << Qt::endl;
        return 1;
    }
    int failures = 0;
    QSet<QString> taken;
    const std::vector<ScoutStore::ListedMatch> matches = ScoutStore::ListMatches();
    if (matches.empty())
        out << Words::tr("There are no recorded matches to export.") << Qt::endl;
    for (const ScoutStore::ListedMatch& m : matches) {
        // Two matches of the same teams on one day are told apart by a number, and so is a file
        // of the same name already in the folder, which is never written over.
        const QString name = ScoutStore::FileName(m);
        QString unique = name;
        for (int n = 2; taken.contains(unique.toLower()) || QFileInfo::exists(QDir(folder).filePath(unique)); ++n)
            unique = name.chopped(4) + QStringLiteral(" (%1).dvw").arg(n);
        taken.insert(unique.toLower());
        const QString path = QDir(folder).filePath(unique);
        try {
            ScoutStore::WriteFile(path, ScoutStore::ExportMatch(m.id));
            out << QDir::toNativeSeparators(path) << Qt::endl;
        } catch (const Scout::ExportError& e) {
            err << Words::tr("%1: not written: %2").arg(m.id.displayText(), e.message()) << Qt::endl;
            ++failures;
        } catch (const DbError& e) {
            err << Words::tr("%1: not written: %2").arg(m.id.displayText(), DescribeFailure(e)) << Qt::endl;
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

int Run(const QCommandLineParser& parser, const QString& appDir)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool importing = parser.isSet(kImport);
    const bool exporting = parser.isSet(kExport);
    if (importing == exporting || (parser.isSet(kEncoding) && !importing)) {
        err << Words::tr("Give either --import with scout files (and --encoding if need be) or --export-scout with a "
                         "folder.")
            << Qt::endl
            << parser.helpText();
        return 2;
    }
    Scout::Encoding encoding = Scout::Encoding::Automatic;
    if (parser.isSet(kEncoding)) {
        const std::optional<Scout::Encoding> e = Scout::EncodingFromName(parser.value(kEncoding));
        if (!e) {
            err << Words::tr("Unknown text encoding '%1': use UTF-8, Windows-1250, Windows-1251, Windows-1252 or "
                             "ISO-8859-2.")
                       .arg(parser.value(kEncoding))
                << Qt::endl;
            return 2;
        }
        encoding = *e;
    }
    if (importing && parser.positionalArguments().isEmpty()) {
        err << Words::tr("--import needs the scout files to import.") << Qt::endl;
        return 2;
    }

    // The database the program itself would open, and the lock that keeps a running copy off it:
    // that copy would not know the identifiers written here.
    const QString dir = appDir.endsWith(QLatin1Char('/')) ? appDir : appDir + QLatin1Char('/');
    const DataPlace place = DataPlaces::Choose(dir, DataPlaces::IsWritableFolder(dir), DataPlaces::UserDataFolder());
    if (!place.ok() || !QDir().mkpath(place.folder)) {
        err << (place.ok() ? Words::tr("Sidelines cannot create its data folder %1")
                                 .arg(QDir::toNativeSeparators(place.folder))
                           : place.error)
            << Qt::endl;
        return 1;
    }
    InstanceLock lock(SidelinesStart::LockPathFor(place.database));
    if (lock.state() == InstanceLock::State::HeldElsewhere) {
        err << Words::tr("Sidelines is running on this database; close it first.") << Qt::endl;
        return 1;
    }
    // As at the start: only a database nothing can write is safe without the lock.
    if (lock.state() == InstanceLock::State::Unavailable && !Db::isReadOnlyFile(place.database)) {
        err << Words::tr("The lock file %1 cannot be used: %2")
                   .arg(QDir::toNativeSeparators(lock.path()), lock.reason())
            << Qt::endl;
        return 1;
    }
    QString error;
    if (!DataPlaces::Prepare(place, &error) || !Db::open(place.database, &error)) {
        err << Words::tr("Sidelines cannot open its database %1: %2")
                   .arg(QDir::toNativeSeparators(place.database), error)
            << Qt::endl;
        return 1;
    }
    int status = 1;
    if (importing && !Db::writeRefusal().isEmpty()) {
        err << Words::tr("Sidelines cannot write to its database %1: %2")
                   .arg(QDir::toNativeSeparators(place.database), Db::writeRefusal())
            << Qt::endl;
    } else {
        try {
            status = importing
                ? ImportFiles(parser.positionalArguments(), encoding, out, ::isatty(STDERR_FILENO) ? &err : nullptr)
                : ExportAll(parser.value(kExport), out, err);
        } catch (const DbError& e) {
            err << e.message() << Qt::endl;
            status = 1;
        }
    }
    Db::close();
    return status;
}

} // namespace ScoutBatch
