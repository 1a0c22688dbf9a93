#include "shell/mConstants.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InitResources();
    return 0;
}
