#pragma once

// The whole start of the program, as main() runs it: it builds the windows, so it lives in the
// executable rather than in the application-shell library that the windows build on.
namespace Launcher {

int run(int argc, char *argv[]);

} // namespace Launcher
