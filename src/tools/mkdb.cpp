// Writes a fresh, empty Sidelines database at the path given, unless a file is already there.
#include "storage/DataPlace.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InitResources();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: sidelines_mkdb PATH/Rally2.db\n");
        return 2;
    }
    const QString path = args.at(1);
    if (QFileInfo::exists(path))
        return 0;  // never touch an existing database
    QString error;
    if (!Db::createFresh(path, &error)) {
        std::fprintf(stderr, "sidelines_mkdb: %s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    return 0;
}
