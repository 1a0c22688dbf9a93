#include "support/Table.h"
#include "support/TestMain.h"

#include "storage/DataPlace.h"
#include "storage/Database.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
void write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

// Where the database and the tips are taken from, in a scratch copy of the installed layout:
// prefix/bin (the program), prefix/share/sidelines (template, tips) and a user data folder.
class TestDataPlace : public QObject
{
    Q_OBJECT

private slots:
    void choosesAndPreparesThePlace_data() { table::Rows(QStringLiteral("dataplace.txt")); }

    void choosesAndPreparesThePlace()
    {
        QFETCH(bool, writable);
        QFETCH(QStringList, present);
        QFETCH(QString, place);
        QFETCH(bool, copied);
        QFETCH(QString, tips);
        QFETCH(QString, said);
        QTemporaryDir root;
        const QString prefix = root.path() + QLatin1Char('/');
        for (const QString& file : present)
            write(prefix + file, file.toUtf8());

        const DataPlace chosen = DataPlaces::Choose(prefix + "bin", writable, prefix + "user");
        const QString tipsFolder = QDir::cleanPath(prefix + tips + (tips == "bin" ? "" : "/sidelines"));
        QCOMPARE(chosen.tipsFile, tipsFolder + "/TIPOFDAY.TXT");
        QString error;
        if (place == "error") {
            QVERIFY(!chosen.ok());
            // The message names the places the user can act on, and what is wrong with them.
            const QString expected = prefix + (said.contains(QLatin1String("%1")) ? said.arg(prefix) : said);
            QVERIFY2(chosen.error.contains(expected), qPrintable(chosen.error));
            QVERIFY2(!said.contains(QLatin1String("read-only")) || !chosen.error.contains(QLatin1String("template")),
                     qPrintable(chosen.error));
            QVERIFY(!DataPlaces::Prepare(chosen, &error) && error == chosen.error);
            QVERIFY(!QFileInfo::exists(prefix + "user"));
            return;
        }
        QVERIFY2(chosen.ok(), qPrintable(chosen.error));
        QCOMPARE(chosen.folder, prefix + place + QLatin1Char('/'));
        QCOMPARE(chosen.database, chosen.folder + Db::kFileName);
        QCOMPARE(!chosen.templateFile.isEmpty(), copied);

        const QByteArray before = read(chosen.database);
        QVERIFY2(DataPlaces::Prepare(chosen, &error), qPrintable(error));
        // A copy is made only when no database is there, and an existing one is never replaced.
        const QString source = copied ? "share/sidelines/" : place + QLatin1Char('/');
        QCOMPARE(read(chosen.database), copied ? (source + Db::kFileName).toUtf8() : before);
        // Nothing half-written is left beside it.
        QCOMPARE(QDir(chosen.folder).entryList(QDir::Files | QDir::Hidden).filter(Db::kFileName),
                 QFileInfo::exists(chosen.database) ? QStringList{Db::kFileName} : QStringList{});
    }

    void writabilityIsProbed()
    {
        QTemporaryDir root;
        QVERIFY(DataPlaces::IsWritableFolder(root.path()) && !DataPlaces::IsWritableFolder(root.path() + "/missing"));
        QVERIFY(QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }
};

SIDELINES_TEST(TestDataPlace)
#include "tst_dataplace.moc"
