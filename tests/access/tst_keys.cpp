#include "support/Access.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTest>
#include <QXmlStreamReader>

using namespace reachable;

namespace {
struct Message
{
    QString source;
    QString translation;
    bool finished = false;
};

// Each context of a translation file (one window, or one part of one) with its messages.
QMap<QString, QList<Message>> ReadTs(const QString& path)
{
    QMap<QString, QList<Message>> contexts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return contexts;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("context"))
            context.clear();
        else if (xml.name() == QLatin1String("name") && context.isEmpty())
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = Message{};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            message.finished = type.isEmpty();
            // Texts gone from the program are kept by lupdate as vanished or obsolete.
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                contexts[context] << message;
        }
    }
    return contexts;
}

QStringList TsFiles()
{
    QStringList out;
    const QDir dir(QStringLiteral(SIDELINES_TS_DIR));
    for (const QString& name : dir.entryList({QStringLiteral("*.ts")}, QDir::Files))
        out << dir.filePath(name);
    return out;
}
} // namespace

// The translations as a translator leaves them: every text finished, and the access keys of each
// window as usable as in English.
class TestTranslationKeys : public QObject
{
    Q_OBJECT

private slots:
    void keysOfEachWindow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("context");
        const QStringList files = TsFiles();
        QVERIFY(!files.isEmpty());
        for (const QString& file : files)
            for (const QString& context : ReadTs(file).keys())
                QTest::addRow("%s %s", qPrintable(QFileInfo(file).baseName()), qPrintable(context)) << file << context;
    }
    // Each translated text keeps exactly the access keys of its source (none lost, none doubled),
    // and two texts of one window whose English keys differ keep different keys.
    void keysOfEachWindow()
    {
        QFETCH(QString, file);
        QFETCH(QString, context);
        const QList<Message> messages = ReadTs(file).value(context);
        QStringList faults;
        for (const Message& m : messages) {
            if (!m.finished)
                faults << QStringLiteral("unfinished: \"%1\"").arg(m.source);
            else if (AccessKeyCount(m.translation) != AccessKeyCount(m.source))
                faults << QStringLiteral("\"%1\" has %2 access keys, \"%3\" %4")
                              .arg(m.source)
                              .arg(AccessKeyCount(m.source))
                              .arg(m.translation)
                              .arg(AccessKeyCount(m.translation));
        }
        for (int i = 0; i < messages.size(); ++i)
            for (int j = i + 1; j < messages.size(); ++j) {
                const Message& a = messages[i];
                const Message& b = messages[j];
                const QChar ka = AccessKey(a.source);
                const QChar kb = AccessKey(b.source);
                if (ka.isNull() || kb.isNull() || ka == kb || !a.finished || !b.finished)
                    continue;
                if (AccessKey(a.translation) == AccessKey(b.translation))
                    faults << QStringLiteral("\"%1\" and \"%2\" share Alt+%3")
                                  .arg(a.translation, b.translation, QString(AccessKey(a.translation)));
            }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The rule itself: a key is the character after a single '&'.
    void accessKeyOfACaption_data() { table::Rows(QStringLiteral("keys.txt")); }
    void accessKeyOfACaption()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(int, count);
        QCOMPARE(AccessKey(caption).isNull() ? QString() : QString(AccessKey(caption)), key);
        QCOMPARE(AccessKeyCount(caption), count);
    }
};

SIDELINES_TEST(TestTranslationKeys)
#include "tst_keys.moc"
