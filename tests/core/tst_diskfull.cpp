#include "storage/Database.h"
#include "support/TestMain.h"

#include <QDir>
#include <QTest>

// A write the disk had no room for is told as that, with the file and the room left, whichever of
// its words the engine chose; other failures keep the engine's own words.
class TestDiskFull : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskNamedWithItsFile_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<qint64>("free");
        QTest::addColumn<QString>("told"); // empty: nothing said beyond the engine's words
        const QString full = QStringLiteral("The disk holding %1 is full (%2 free)");
        const qint64 mib = 1024 * 1024;
        QTest::newRow("the engine says full") << "database or disk is full" << 20 * mib << full.arg("%1", "20.00 MiB");
        QTest::newRow("the log could not grow") << "disk I/O error" << 3 * mib << full.arg("%1", "3.00 MiB");
        QTest::newRow("nothing left") << "disk I/O error" << qint64(0) << full.arg("%1", "0 bytes");
        QTest::newRow("the system's words") << "unable to open: No space left on device" << 5 * mib
                                            << full.arg("%1", "5.00 MiB");
        QTest::newRow("full, room unknown") << "database or disk is full" << qint64(-1)
                                            << QStringLiteral("The disk holding %1 is full: nothing more");
        QTest::newRow("an I/O error with room left") << "disk I/O error" << 2048 * mib << QString();
        QTest::newRow("an I/O error, room unknown") << "disk I/O error" << qint64(-1) << QString();
        QTest::newRow("another refusal") << "UNIQUE constraint failed: TEAM.TEAMID" << qint64(0) << QString();
    }
    void fullDiskNamedWithItsFile()
    {
        QFETCH(QString, engine);
        QFETCH(qint64, free);
        QFETCH(QString, told);
        const QString file = QDir::temp().filePath(QStringLiteral("Rally2.db"));
        const QString reason = DiskFullReason(engine, file, free);
        if (told.isEmpty()) {
            QCOMPARE(reason, QString());
            return;
        }
        QVERIFY2(reason.startsWith(told.arg(QDir::toNativeSeparators(file))), qPrintable(reason));
        QVERIFY(reason.contains(QStringLiteral("Make room on that disk")));
    }
};

SIDELINES_TEST(TestDiskFull)
#include "tst_diskfull.moc"
