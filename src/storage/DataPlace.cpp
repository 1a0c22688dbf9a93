#include "storage/DataPlace.h"

#include "storage/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
QString withSlash(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString tr(const char* text)
{
    return QCoreApplication::translate("DataPlace", text);
}
}  // namespace

DataPlace DataPlaces::Choose(const QString& appDir, bool appDirWritable, const QString& userDataDir)
{
    const QString app = withSlash(appDir);
    const QString shared = QDir::cleanPath(app + QString::fromLatin1(kSharedFolder)) + QLatin1Char('/');
    const QString dbName = QString::fromLatin1(Db::kFileName);
    const QString tipsName = QString::fromLatin1(kTipsFileName);
    const QString templateFile = shared + dbName;
    const bool besideExists = QFileInfo::exists(app + dbName);
    const bool templateExists = QFileInfo(templateFile).isFile();

    DataPlace place;
    // A tips file beside the program wins, as a portable copy carries its own.
    place.tipsFile = !QFileInfo::exists(app + tipsName) && QFileInfo::exists(shared + tipsName) ? shared + tipsName
                                                                                               : app + tipsName;

    if (appDirWritable && (besideExists || !templateExists)) {
        // Without a database beside it, this copy starts as it always has: the open reports the
        // missing file.
        place.folder = app;
    } else {
        const QString user = userDataDir.isEmpty() ? QString() : withSlash(QDir::cleanPath(userDataDir));
        const bool userExists = !user.isEmpty() && QFileInfo::exists(user + dbName);
        if (user.isEmpty() || (!userExists && !templateExists)) {
            // A copy carried on a read-only medium has its database and no template: what stops
            // it is that the folder is read-only, not a missing installation.
            place.error = besideExists
                              ? tr("Sidelines cannot use its database\n%1\nbecause the folder that holds it is "
                                   "read-only. Copy the folder to a place you can write to, or make it writable.")
                                    .arg(QDir::toNativeSeparators(app + dbName))
                              : tr("Sidelines cannot keep its database beside the program in\n%1\nbecause that "
                                   "folder cannot be written, and no database template was installed in\n%2")
                                    .arg(QDir::toNativeSeparators(app), QDir::toNativeSeparators(shared));
            return place;
        }
        place.folder = user;
        if (!userExists)
            place.templateFile = templateFile;
    }
    place.database = place.folder + dbName;
    return place;
}

bool DataPlaces::IsWritableFolder(const QString& dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(withSlash(dir) + QStringLiteral(".sidelines-probe-XXXXXX"));
    return probe.open();
}

QString DataPlaces::UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool DataPlaces::Prepare(const DataPlace& place, QString* error)
{
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!place.ok())
        return fail(place.error);
    if (!QDir().mkpath(place.folder))
        return fail(tr("Sidelines cannot create its data folder\n%1").arg(QDir::toNativeSeparators(place.folder)));
    if (place.templateFile.isEmpty() || QFileInfo::exists(place.database))
        return true;

    QFile source(place.templateFile);
    QSaveFile copy(place.database);
    bool copied = source.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly);
    while (copied && !source.atEnd()) {
        const QByteArray block = source.read(1 << 16);
        copied = !block.isEmpty() && copy.write(block) == block.size();
    }
    copied = copied && copy.commit();
    if (!copied)
        return fail(tr("Sidelines cannot copy the empty database\n%1\nto\n%2\n\n%3")
                        .arg(QDir::toNativeSeparators(place.templateFile), QDir::toNativeSeparators(place.database),
                             source.error() != QFileDevice::NoError ? source.errorString() : copy.errorString()));
    return true;
}

QString pubAppPath;

void InitResources()
{
    Q_INIT_RESOURCE(sidelines);
}
