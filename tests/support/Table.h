#pragma once

// Test data kept in text files under tests/data, so that a table of cases reads as a table and a
// long expected output as the output itself.
//
// A file holds sections, each opened by a line "=== name"; a section's lines are taken as they
// stand, blank ones and ones starting with "#" too (so a file's comments go above its first
// section or inside a table). A table's section is named after its test function: it gives its columns
// on a line "columns: name | name:type | ...", then a row a line, the row's name and then its
// values, each apart by " | ". Types: text (the default), bytes, int, bool (yes or no), list
// (texts apart by ";") and ints (numbers apart by blanks). Escapes: \n, \r, \t, \\, \xHH (a byte)
// and \uHHHH. A table leaves out blank lines and lines starting with "#".

#include <QFile>
#include <QTest>
#include <set>

namespace table {

inline QStringList Section(const QString& file, const QString& name)
{
    QFile f(QStringLiteral(SIDELINES_TEST_DATA "/") + file);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no test data %s", qPrintable(f.fileName()));
    QStringList out;
    bool in = false;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("=== ")))
            in = line.mid(4) == name;
        else if (in)
            out << line;
    }
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    if (out.isEmpty())
        qFatal("no section %s in %s", qPrintable(name), qPrintable(file));
    return out;
}

// A value with its escapes resolved, as bytes (what is not escaped stays UTF-8).
inline QByteArray Unescape(const QString& text)
{
    const QByteArray in = text.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i] == '\\' && i + 1 < in.size() ? in[++i] : 0;
        const int digits = c == 'x' ? 2 : c == 'u' ? 4 : 0;
        const uint code = in.mid(i + 1, digits).toUInt(nullptr, 16);
        if (digits)
            out += c == 'x' ? QByteArray(1, char(code)) : QString(QChar(char16_t(code))).toUtf8();
        else
            out += !c ? in[i] : c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        i += digits;
    }
    return out;
}

inline void Column(const QString& type, const char* name)
{
    if (type == QLatin1String("int"))
        QTest::addColumn<int>(name);
    else if (type == QLatin1String("bool"))
        QTest::addColumn<bool>(name);
    else if (type == QLatin1String("bytes"))
        QTest::addColumn<QByteArray>(name);
    else if (type == QLatin1String("list"))
        QTest::addColumn<QStringList>(name);
    else if (type == QLatin1String("ints"))
        QTest::addColumn<QList<int>>(name);
    else
        QTest::addColumn<QString>(name);
}

inline void Value(QTestData& row, const QString& type, const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QStringList items;
    QList<int> numbers;
    for (const QString& item : text.split(QLatin1Char(';'), Qt::KeepEmptyParts))
        items << item.trimmed();
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        numbers << item.toInt();
    if (type == QLatin1String("int"))
        row << text.toInt();
    else if (type == QLatin1String("bool"))
        row << (text == QLatin1String("yes"));
    else if (type == QLatin1String("bytes"))
        row << bytes;
    else if (type == QLatin1String("list"))
        row << (text.isEmpty() ? QStringList() : items);
    else if (type == QLatin1String("ints"))
        row << numbers;
    else
        row << text;
}

// Adds the columns and rows of the calling test function's section to its _data() function.
inline void Rows(const QString& file)
{
    static std::set<QByteArray> names; // the test table keeps a column's name by its address
    QStringList types;
    for (QString line : Section(file, QString::fromLatin1(QTest::currentTestFunction()))) {
        if (line.endsWith(QLatin1String(" |"))) // an empty last value, its blank trimmed by an editor
            line += QLatin1Char(' ');
        QStringList fields = line.split(QStringLiteral(" | "));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        } else if (line.startsWith(QLatin1String("columns: "))) {
            for (const QString& column : line.mid(9).split(QStringLiteral(" | "))) {
                types << column.section(QLatin1Char(':'), 1);
                Column(types.last(), names.insert(column.section(QLatin1Char(':'), 0, 0).toUtf8()).first->constData());
            }
            continue;
        } else if (fields.size() != types.size() + 1) {
            qFatal("%s: %d values for %d columns: %s", qPrintable(file), int(fields.size()) - 1, int(types.size()),
                   qPrintable(line));
        }
        QTestData& row = QTest::newRow(Unescape(fields.takeFirst().trimmed()).constData());
        for (qsizetype c = 0; c < types.size(); ++c)
            Value(row, types[c], Unescape(fields[c].trimmed()));
    }
}

} // namespace table
