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
    void choosesAndPreparesThePlace_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("present");  // files there before the start
        QTest::addColumn<QString>("place");        // bin, user or error
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QString>("tips");         // bin or share
        QTest::addColumn<QString>("said");         // for an error: what stops the start

        const QString db = QString::fromLatin1(Db::kFileName);
        const QString binDb = "bin/" + db, shareDb = "share/sidelines/" + db, userDb = "user/" + db;
        const QString binTips = "bin/TIPOFDAY.TXT", shareTips = "share/sidelines/TIPOFDAY.TXT";
        const QString bin = "bin", user = "user", share = "share";
        const QStringList installed{shareDb, shareTips};
        const QString none;
        QTest::newRow("portable copy") << true << QStringList{binDb, binTips} << bin << false << bin << none;
        QTest::newRow("portable copy, installed layout") << true << installed + QStringList{binDb} << bin << false << share << none;
        QTest::newRow("build tree before its database") << true << QStringList{binTips} << bin << false << bin << none;
        QTest::newRow("installed in a writable prefix") << true << installed << user << true << share << none;
        QTest::newRow("installed, first start") << false << installed << user << true << share << none;
        QTest::newRow("installed, later start") << false << installed + QStringList{userDb} << user << false << share << none;
        QTest::newRow("read-only folder with a database") << false << installed + QStringList{binDb, binTips} << user << true << bin << none;
        QTest::newRow("template gone after the first start") << false << QStringList{userDb} << user << false << bin << none;
        // A copy on a read-only medium is told that its folder is read-only; one without a
        // database, that nothing was installed to start one from.
        QTest::newRow("read-only, with its database, no template")
            << false << QStringList{binDb, binTips} << "error" << false << bin
            << "bin/" + db + "\nbecause the folder that holds it is read-only.";
        QTest::newRow("read-only, no database, no template")
            << false << QStringList{binTips} << "error" << false << bin
            << "bin/\nbecause that folder cannot be written, and no database template was installed in\n%1share/sidelines/";
    }

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
