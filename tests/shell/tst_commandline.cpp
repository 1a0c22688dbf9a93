#include "support/TestMain.h"

#include "shell/Version.h"

#include <QProcess>
#include <QTest>

// The built program's answers to its arguments; none of these may open a window.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void argumentsAreAnsweredOrRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // start of the standard output, or else of the error output
        const QString version = QStringLiteral("Sidelines %1.%2.%3\n")
                                    .arg(SidelinesVersion::kMajor).arg(SidelinesVersion::kMinor).arg(SidelinesVersion::kRevision);
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: ";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: ";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version;
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version;
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "Unknown option 'bogus'.\nUsage: ";
        QTest::newRow("help with Qt's options") << QStringList{"--help-all"} << 2 << "Unknown option 'help-all'.\nUsage: ";
        QTest::newRow("a file name") << QStringList{"season.db"} << 2 << "Unexpected argument 'season.db'.\nUsage: ";
        QTest::newRow("version and more") << QStringList{"--version", "now"} << 2 << "Unexpected argument 'now'.\nUsage: ";
    }

    void argumentsAreAnsweredOrRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QProcess program;
        // No window system at all: the answers must not need one.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(SIDELINES_EXE), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        // Answers go to the standard output, refusals to the error output, and nothing else.
        QVERIFY2((status == 0 ? stdOut : stdErr).startsWith(out), qPrintable(stdOut + stdErr));
        QVERIFY2((status == 0 ? stdErr : stdOut).isEmpty(), qPrintable(stdOut + stdErr));
        if (out.contains(QLatin1String("Usage: ")))
            QVERIFY((stdOut + stdErr).contains(QLatin1String("--version")));
    }
};

SIDELINES_TEST(TestCommandLine)
#include "tst_commandline.moc"
