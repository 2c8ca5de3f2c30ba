// SPDX-License-Identifier: GPL-3.0-or-later
// The start of an empty Qt widget program, the yardstick for the program's own start: the
// application object is built and the program ends.
#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return 0;
}
