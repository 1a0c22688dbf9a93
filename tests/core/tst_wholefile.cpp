#include "base/WholeFile.h"
#include "support/Table.h"
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
    void readsOnlyRegularFiles_data() { table::Rows(QStringLiteral("wholefile.txt")); }
    void readsOnlyRegularFiles()
    {
        QFETCH(QString, what);
        QFETCH(int, limit);
        QFETCH(QString, failure);
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
        QCOMPARE(QStringList({"None", "Missing", "NotRegular", "TooLarge", "Unreadable"}).value(int(r.failure)), failure);
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
