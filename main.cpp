// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/launcher.h"

int main(int argc, char *argv[])
{
    return Launcher::run(argc, argv);
}
