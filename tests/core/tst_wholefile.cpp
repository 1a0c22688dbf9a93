#include "base/WholeFile.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// A file named by the user is read whole only when it is a regular file within the limit; what
// stands at the path is looked at before anything is read from it, and the bytes are counted as
// they come.
class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void readsOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("bytes"); // read, when read; -1: more than none
        const int none = int(WholeFile::Failure::None);
        QTest::newRow("a file") << "file" << qint64(100) << none << 64;
        QTest::newRow("a file as large as the limit") << "file" << qint64(64) << none << 64;
        QTest::newRow("a file a byte larger") << "file" << qint64(63) << int(WholeFile::Failure::TooLarge) << 0;
        QTest::newRow("an empty file") << "empty" << qint64(100) << none << 0;
        QTest::newRow("a link to a file") << "link" << qint64(100) << none << 64;
        QTest::newRow("a FIFO") << "fifo" << qint64(100) << int(WholeFile::Failure::NotRegular) << 0;
        QTest::newRow("a link to a FIFO") << "fifo link" << qint64(100) << int(WholeFile::Failure::NotRegular) << 0;
        QTest::newRow("/dev/zero") << "/dev/zero" << qint64(100) << int(WholeFile::Failure::NotRegular) << 0;
        QTest::newRow("a folder") << "folder" << qint64(100) << int(WholeFile::Failure::NotRegular) << 0;
        QTest::newRow("nothing") << "missing" << qint64(100) << int(WholeFile::Failure::Missing) << 0;
        // The system's own files say they are empty and are not: the bytes read count.
        QTest::newRow("a file whose size says nothing, small limit")
            << "/proc/self/status" << qint64(16) << int(WholeFile::Failure::TooLarge) << 0;
        QTest::newRow("a file whose size says nothing") << "/proc/self/status" << qint64(1 << 20) << none << -1;
    }
    void readsOnlyRegularFiles()
    {
        QFETCH(QString, what);
        QFETCH(qint64, limit);
        QFETCH(int, failure);
        QFETCH(int, bytes);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("file"));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(64, 'x')) == 64);
            QFile e(dir.filePath(QStringLiteral("empty")));
            QVERIFY(e.open(QIODevice::WriteOnly));
        }
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link"))));
        QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("fifo link"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = what.startsWith(QLatin1Char('/')) ? what : dir.filePath(what);

        const WholeFile::Result r = WholeFile::Read(path, limit);
        QCOMPARE(int(r.failure), failure);
        if (bytes >= 0)
            QCOMPARE(int(r.bytes.size()), bytes);
        else
            QVERIFY(!r.bytes.isEmpty() && r.bytes.size() <= limit);
        if (bytes > 0 && what != QLatin1String("/proc/self/status"))
            QCOMPARE(r.bytes, QByteArray(bytes, 'x'));
    }
};

SIDELINES_TEST(TestWholeFile)
#include "tst_wholefile.moc"
