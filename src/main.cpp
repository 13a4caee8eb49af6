#include "core/PellomarBrevantaLite.h"

int main(int argc, char* argv[])
{
    return PellomarMain(argc, argv);
}
