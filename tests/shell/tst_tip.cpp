#include "support/Drive.h"
#include "support/TestMain.h"

#include "shell/frmMain.h"
#include "shell/frmTip.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSettings>

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

private slots:
    // Next Tip draws every line of the file at random (so now and then the same twice in a row);
    // a missing or empty file shows its one text and the window still closes.
    void nextTipShowsEveryLineOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
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
        QTest::newRow("missing") << QByteArray()
                                 << QStringList{QStringLiteral("That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named "
                                                               "TIPOFDAY.TXT using NotePad with 1 tip per line. Then place it in the "
                                                               "same directory as the application. ")};
        QTest::newRow("empty") << QByteArray("") << QStringList{QString()};
    }

    void nextTipShowsEveryLineOfTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        TestApp app;
        if (!content.isNull())
            WriteTips(app.dir(), content);
        frmTip tip;
        tip.show();
        QSet<QString> shown{TipText(&tip)};
        bool repeated = false;
        for (int i = 0; i < 300; ++i) {
            const QString previous = TipText(&tip);
            QTest::mouseClick(Child<QPushButton>(&tip, QStringLiteral("cmdNextTip")), Qt::LeftButton);
            repeated = repeated || TipText(&tip) == previous;
            shown.insert(TipText(&tip));
        }
        QCOMPARE(shown, QSet<QString>(expected.begin(), expected.end()));
        QVERIFY(repeated);
        QTest::mouseClick(Child<QPushButton>(&tip, QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!tip.isVisible());
    }

    // From the menu the box starts unticked and only a change is written; Enter (even with the
    // focus on Next Tip) and Escape both close the window.
    void fromTheMenuTheBoxStartsUntickedAndWritesOnlyChanges_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<int>("key");
        const int enter = Qt::Key_Return, escape = Qt::Key_Escape;
        QTest::newRow("absent, untouched") << QVariant() << 0 << QVariant() << enter;
        QTest::newRow("1, untouched") << QVariant(QStringLiteral("1")) << 0 << QVariant(QStringLiteral("1")) << escape;
        QTest::newRow("0, untouched") << QVariant(QStringLiteral("0")) << 0 << QVariant(QStringLiteral("0")) << enter;
        QTest::newRow("0, ticked") << QVariant(QStringLiteral("0")) << 1 << QVariant(QStringLiteral("1")) << escape;
        QTest::newRow("1, ticked and unticked") << QVariant(QStringLiteral("1")) << 2 << QVariant(QStringLiteral("0")) << enter;
        QTest::newRow("absent, ticked, unticked, ticked") << QVariant() << 3 << QVariant(QStringLiteral("1")) << enter;
    }

    void fromTheMenuTheBoxStartsUntickedAndWritesOnlyChanges()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, clicks);
        QFETCH(QVariant, expected);
        QFETCH(int, key);
        TestApp app;
        WriteTips(app.dir(), QByteArray("Rotate before you serve.\n"));
        if (stored.isValid())
            QSettings().setValue(kTipsKey, stored);
        frmMain main;
        QString error;
        QVERIFY2(main.Form_Load(app.dir(), &error), qPrintable(error));
        main.show();
        bool startedUnticked = false;
        QStringList seenTips;
        ModalWatch watch([&](QWidget* tip) {
            auto* box = Child<QCheckBox>(tip, QStringLiteral("chkLoadTipsAtStartup"));
            startedUnticked = box && !box->isChecked();
            seenTips << TipText(tip);
            for (int i = 0; i < clicks && box; ++i)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            Child<QPushButton>(tip, QStringLiteral("cmdNextTip"))->setFocus();
            QTest::keyClick(tip, Qt::Key(key));
        });
        Child<QAction>(&main, QStringLiteral("mnuTips"))->trigger();
        QCOMPARE(watch.titles(), QStringList{QStringLiteral("Tip of the Day")});
        QVERIFY(startedUnticked);
        QCOMPARE(seenTips, QStringList{QStringLiteral("Rotate before you serve.")});
        QCOMPARE(QSettings().contains(kTipsKey), expected.isValid());
        QCOMPARE(QSettings().value(kTipsKey).toString(), expected.toString());
        main.hide();
    }
};

SIDELINES_TEST(TestTip)
#include "tst_tip.moc"
