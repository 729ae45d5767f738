// The quarnelo program: headless sub-commands, or the window without one.
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && quarnelo::app::IstBefehl(args[0])) return quarnelo::app::Befehl(args, stdout, stderr);
    if (args.empty()) {
        std::fputs("The program window is not available in this build; see quarnelo --help.\n", stderr);
        return quarnelo::app::Befehl({"--help"}, stdout, stderr);
    }
    std::fprintf(stderr, "quarnelo: unknown command %s (see quarnelo --help)\n", args[0].c_str());
    return 2;
}
