#include "game/Court.h"
#include "support/TestMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace court;

namespace {
// How long Orca may take to say something: it asks the program over the accessibility bus for
// every object it speaks of, and the test build answers slowly.
constexpr int kPatience = 45000;

// What Orca has said, from its debug file, a line an utterance.
class Orca
{
public:
    explicit Orca(QString log) : m_log(std::move(log)) { }

    // The utterances said since the last call.
    QStringList said()
    {
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(m_read))
            return {};
        const QByteArray bytes = file.readAll();
        const qsizetype whole = bytes.lastIndexOf('\n') + 1;
        m_read += whole;
        // "SPEECH OUTPUT: 'text'" and, after it, the voice it would be spoken in.
        static const QRegularExpression speech(
            QStringLiteral("SPEECH OUTPUT: '(.*)'(?: voice=\\S+?)?\\s*(?:\\{.*\\})?$"));
        QStringList out;
        for (const QString& line : QString::fromUtf8(bytes.left(whole)).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = speech.match(line);
            if (m.hasMatch())
                out << m.captured(1);
        }
        return out;
    }

    // Everything said until an utterance holds words (and that utterance); empty when it never does.
    QStringList until(const QString& words)
    {
        QStringList heard;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < kPatience) {
            heard += said();
            for (const QString& u : heard)
                if (u.contains(words))
                    return heard;
            QTest::qWait(50);
        }
        qWarning("Orca did not say \"%s\"; it said: %s", qPrintable(words), qPrintable(heard.join(QStringLiteral(" | "))));
        return {};
    }

private:
    QString m_log;
    qint64 m_read = 0;
};

// Keys pressed on the X display as the user presses them, through the X server, so that the
// screen reader hears them as it hears a user's.
bool Press(const QString& keys)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
    // The program keeps answering the screen reader while the keys go.
    return QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 10000)
        && xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
}
} // namespace

// The court with Debian's screen reader listening: every entry is spoken where it is made, with
// the score, and nothing else is said of the court (neither the score boxes' new names nor the
// whole court again).
class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Prepare();
        QVERIFY2(!qEnvironmentVariableIsEmpty("SIDELINES_SPEECH_LOG"),
                 "the screen reader's test runs through tests/speech/with_orca.sh");
    }
    void cleanup() { CloseAllWindows(); }

    void entriesAreSpoken()
    {
        Orca orca(qEnvironmentVariable("SIDELINES_SPEECH_LOG"));
        Court c;
        QVERIFY(c.show());
        QVERIFY(QProcess::execute(QStringLiteral("xdotool"),
                                  {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                   QString::number(c.screen->winId())})
                == 0);
        // The game's start, spoken as the court opens: Orca follows the program from here on.
        QVERIFY(!orca.until(QStringLiteral("Game starts, Harbour Hawks serve first.")).isEmpty());

        // Each step: its keys, and what the status line and so the screen reader say after it.
        const QList<std::pair<QStringList, QString>> steps{
            {{"F1", "d"}, "Added 1 Dig to Hawk 1 #1"},
            {{"alt+h"}, "Point Harbour Hawks: 1\u20130."},
            {{"alt+r"}, "Harbour Hawks rotate."},
            {{"ctrl+z"}, "Took back: Harbour Hawks rotate."},
            {{"ctrl+z"}, "Took back: Point Harbour Hawks, 1\u20130. Score 0\u20130."},
            {{"alt+m"}, "Subtraction mode on: an action, point or rotation chosen now is taken back."},
            {{"alt+m"}, "Subtraction mode off: recording again."}};
        QStringList heard;
        for (const auto& [keys, words] : steps) {
            for (const QString& key : keys) {
                QVERIFY(Press(key));
                // The stat menu is up before its key is pressed.
                if (key == QLatin1String("F1"))
                    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 10000));
            }
            QVERIFY(QTest::qWaitFor([&] { return c.status() == words; }, 10000));
            const QStringList step = orca.until(words);
            QVERIFY2(!step.isEmpty(), qPrintable(words));
            // Spoken once, as a notification of the status line.
            QCOMPARE(step.filter(words).size(), 1);
            heard += step;
        }
        // Whatever the last step set off is said before this, the end of the test.
        c.screen->showStatus(QStringLiteral("End of the test."));
        heard += orca.until(QStringLiteral("End of the test."));
        const QString all = heard.join(QStringLiteral(" | "));
        QVERIFY2(all.contains(QStringLiteral("End of the test.")), qPrintable(all));
        // The score boxes' changes are not spoken on their own: the entry says the score.
        QVERIFY2(!all.contains(QStringLiteral("Score of ")), qPrintable(all));
        // The court is not read out again: no utterance names the players' boxes.
        QVERIFY2(!all.contains(QStringLiteral("Box ")), qPrintable(all));
    }
};

SIDELINES_TEST(TestSpeech)
#include "tst_speech.moc"
