#include "Court.h"
#include "core/mConstants.h"
#include "support/TestMain.h"

#include <QTest>

using namespace game_test;

// Leaving the court screen: every way of closing asks whether the match is over.
class TestEndMatch : public QObject
{
    Q_OBJECT

    static QStringList counts(const Court& c)
    {
        QStringList out;
        for (const char* table : {"MATCH", "GAME", "PLAY", "PLAYED"})
            out << QString::number(c.app.count(QString::fromLatin1(table)));
        out << c.app.scalar(QStringLiteral("SELECT HOMESCORE || ':' || AWAYSCORE FROM GAME")).toString();
        return out;
    }

private slots:
    void initTestCase()
    {
        PreferMemoryBackedTemp();
        QuietOffscreenWarnings();
    }

    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(',')))); }

    void everyWayOutAsksFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        for (const char* how : {"button", "access key", "menu", "Escape", "close box"}) {
            QTest::addRow("%s, Yes", how) << QString::fromLatin1(how) << true;
            QTest::addRow("%s, No", how) << QString::fromLatin1(how) << false;
        }
    }

    void everyWayOutAsksFirst()
    {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(4, Qt::Key_K));
        c.click(QStringLiteral("cmdScore_1"));
        QTest::mouseClick(c.subtract(), Qt::LeftButton);
        const QStringList before = counts(c);
        MsgBoxHook::clear();
        MsgBoxHook::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        pubOK = true;

        if (how == QLatin1String("button")) {
            c.click(QStringLiteral("cmdEndMatch"));
        } else if (how == QLatin1String("access key")) {
            QVERIFY(c.accessKey(Qt::Key_N));
        } else if (how == QLatin1String("menu")) {
            // Alt+G opens the Game menu, N chooses "E&nd Match".
            c.refocus();
            QTest::keyClick(c.keyTarget(), Qt::Key_G, Qt::AltModifier);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QStringLiteral("mnuGame"));
            QTest::keyClick(menu, Qt::Key_N);
        } else if (how == QLatin1String("Escape")) {
            c.refocus();
            QTest::keyClick(c.keyTarget(), Qt::Key_Escape);
        } else {
            c.screen->close();
        }

        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const MsgBoxHook::Asked asked = MsgBoxHook::asked().first();
        QCOMPARE(asked.prompt, QStringLiteral("Are you sure you would like to end the Match?"));
        QCOMPARE(asked.title, QStringLiteral("End Match"));
        QCOMPARE(asked.icon, QMessageBox::Question);
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.defaultButton, QMessageBox::No);
        QTRY_COMPARE(c.screen->isVisible(), !yes);
        if (yes) {
            QCOMPARE(c.screen->result(), int(frmGame::EndMatch));
            QVERIFY(!pubOK);
        } else {
            // The game goes on as it was.
            QCOMPARE(c.score(1)->text(), QStringLiteral("1"));
            QVERIFY(c.subtract()->isChecked());
            QCOMPARE(c.whiteBoxes(), QList<int>{4});
        }
        QCOMPARE(counts(c), before);
    }

    void theNextGameClosesWithoutAsking()
    {
        Court c;
        QVERIFY(c.show());
        c.screen->closeForNextGame();
        QVERIFY(!c.screen->isVisible());
        QCOMPARE(c.screen->result(), int(frmGame::NextGame));
        QVERIFY(pubOK);
        QVERIFY(MsgBoxHook::asked().isEmpty());
    }
};

SIDELINES_TEST(TestEndMatch)
#include "tst_endmatch.moc"
