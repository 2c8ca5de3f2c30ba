#include "launcher/launcher.h"

int main(int argc, char *argv[])
{
    return Launcher::run(argc, argv);
}
