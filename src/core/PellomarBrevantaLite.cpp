#include "core/PellomarBrevantaLite.h"

#include <QApplication>

int PellomarMain(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return 0;
}
