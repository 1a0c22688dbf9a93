#include "ShellTestSupport.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include "shell/frmMain.h"
#include "shell/frmTip.h"
#include "core/mConstants.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTest>

namespace {
const QString kTipsKey = QStringLiteral("Options/Show Tips at Startup");

void WriteTips(const QString& dir, const QByteArray& content)
{
    QFile f(dir + QStringLiteral("/TIPOFDAY.TXT"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QString TipText(QWidget* tip)
{
    return Child<QLabel>(tip, QStringLiteral("lblTipText"))->text();
}
}  // namespace

class TestTip : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->ok());
    }

    void cleanup()
    {
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
        m_app.reset();
    }

    void nextTipShowsEveryLineOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three lines, one empty, one padded")
            << QByteArray("Serve to the seams.\n\n  Call the ball early.  \n")
            << QStringList{QStringLiteral("Serve to the seams."), QString(), QStringLiteral("  Call the ball early.  ")};
        QTest::newRow("Windows line ends, no final line end")
            << QByteArray("Dig low.\r\nPass high.\r\nSet tight.")
            << QStringList{QStringLiteral("Dig low."), QStringLiteral("Pass high."), QStringLiteral("Set tight.")};
        QTest::newRow("UTF-8 text")
            << QByteArray("Kill % = (K \xe2\x88\x92 E) / A\nJo\xc3\xabl blocks\n")
            << QStringList{QStringLiteral("Kill % = (K \u2212 E) / A"), QStringLiteral("Jo\u00ebl blocks")};
        QTest::newRow("one line") << QByteArray("Only tip\n") << QStringList{QStringLiteral("Only tip")};
    }

    void nextTipShowsEveryLineOfTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        WriteTips(m_app->dir(), content);
        frmTip tip;
        tip.show();
        auto* next = Child<QPushButton>(&tip, QStringLiteral("cmdNextTip"));
        QVERIFY(next);
        QVERIFY(expected.contains(TipText(&tip)));

        QSet<QString> shown{TipText(&tip)};
        bool repeated = false;
        QString previous = TipText(&tip);
        for (int i = 0; i < 300; ++i) {
            QTest::mouseClick(next, Qt::LeftButton);
            const QString now = TipText(&tip);
            QVERIFY2(expected.contains(now), qPrintable(now));
            repeated = repeated || now == previous;
            previous = now;
            shown.insert(now);
        }
        QCOMPARE(shown, QSet<QString>(expected.begin(), expected.end()));
        // Drawn at random, so the same tip now and then comes twice in a row.
        QVERIFY(repeated);
        tip.close();
    }

    void missingOrEmptyFile_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << false
                                 << QStringLiteral("That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named "
                                                   "TIPOFDAY.TXT using NotePad with 1 tip per line. Then place it in the "
                                                   "same directory as the application. ");
        QTest::newRow("empty") << true << QString();
    }

    void missingOrEmptyFile()
    {
        QFETCH(bool, present);
        QFETCH(QString, expected);
        if (present)
            WriteTips(m_app->dir(), QByteArray());
        frmTip tip;
        tip.show();
        QCOMPARE(TipText(&tip), expected);
        QTest::mouseClick(Child<QPushButton>(&tip, QStringLiteral("cmdNextTip")), Qt::LeftButton);
        QCOMPARE(TipText(&tip), expected);
        // The buttons still work.
        QTest::mouseClick(Child<QPushButton>(&tip, QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!tip.isVisible());
    }

    void fromTheMenuTheBoxStartsUntickedAndWritesOnlyChanges_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("absent, untouched") << QVariant() << 0 << QVariant();
        QTest::newRow("1, untouched") << QVariant(QStringLiteral("1")) << 0 << QVariant(QStringLiteral("1"));
        QTest::newRow("0, untouched") << QVariant(QStringLiteral("0")) << 0 << QVariant(QStringLiteral("0"));
        QTest::newRow("0, ticked") << QVariant(QStringLiteral("0")) << 1 << QVariant(QStringLiteral("1"));
        QTest::newRow("1, ticked and unticked") << QVariant(QStringLiteral("1")) << 2 << QVariant(QStringLiteral("0"));
        QTest::newRow("absent, ticked, unticked, ticked") << QVariant() << 3 << QVariant(QStringLiteral("1"));
    }

    void fromTheMenuTheBoxStartsUntickedAndWritesOnlyChanges()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, clicks);
        QFETCH(QVariant, expected);
        WriteTips(m_app->dir(), QByteArray("Rotate before you serve.\n"));
        if (stored.isValid())
            QSettings().setValue(kTipsKey, stored);

        frmMain main;
        QString error;
        QVERIFY2(main.Form_Load(m_app->dir(), &error), qPrintable(error));
        main.show();
        bool startedUnticked = false;
        QStringList seenTips;
        ModalWatch watch([&](QWidget* tip) {
            auto* box = Child<QCheckBox>(tip, QStringLiteral("chkLoadTipsAtStartup"));
            startedUnticked = box && !box->isChecked();
            seenTips << TipText(tip);
            for (int i = 0; i < clicks && box; ++i)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            QTest::keyClick(tip, Qt::Key_Return);
        });
        Child<QAction>(&main, QStringLiteral("mnuTips"))->trigger();
        QCOMPARE(watch.titles(), QStringList{QStringLiteral("Tip of the Day")});
        QVERIFY(startedUnticked);
        QCOMPARE(seenTips, QStringList{QStringLiteral("Rotate before you serve.")});
        QSettings settings;
        QCOMPARE(settings.contains(kTipsKey), expected.isValid());
        if (expected.isValid())
            QCOMPARE(settings.value(kTipsKey).toString(), expected.toString());
        main.hide();
    }

    void enterAndEscapeBothClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void enterAndEscapeBothClose()
    {
        QFETCH(int, key);
        WriteTips(m_app->dir(), QByteArray("Track every serve.\n"));
        frmTip tip;
        ModalWatch watch([&](QWidget* modal) {
            // Even with the focus on the other button, Enter means OK.
            Child<QPushButton>(modal, QStringLiteral("cmdNextTip"))->setFocus();
            QTest::keyClick(modal, Qt::Key(key));
        });
        tip.exec();
        QCOMPARE(watch.titles(), QStringList{QStringLiteral("Tip of the Day")});
        QVERIFY(!tip.isVisible());
        QCOMPARE(TipText(&tip), QStringLiteral("Track every serve."));
    }
};

SIDELINES_TEST(TestTip)
#include "tst_tip.moc"
