// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/fastpath.h"
#include "launcher/fullstart.h"

int main(int argc, char *argv[])
{
    return FastPath::start(argc, argv, FullStart::loadAndRun);
}
