// The quarnelo program: headless sub-commands, or the window without one.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/cli.h"

namespace {

// The window program lives next to this one; the command line itself links
// no widget library, so that it starts fast.
int FensterStarten(int argc, char** argv) {
    char selbst[4096];
    const ssize_t n = readlink("/proc/self/exe", selbst, sizeof selbst - 1);
    if (n <= 0) {
        std::fprintf(stderr, "quarnelo: cannot find the program folder: %s\n", std::strerror(errno));
        return 1;
    }
    std::string pfad(selbst, static_cast<std::size_t>(n));
    pfad = pfad.substr(0, pfad.rfind('/') + 1) + "quarnelo-gui";
    std::vector<char*> args(argv, argv + argc);
    args[0] = pfad.data();
    args.push_back(nullptr);
    execv(pfad.c_str(), args.data());
    std::fprintf(stderr, "quarnelo: cannot start the program window %s: %s\n", pfad.c_str(), std::strerror(errno));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && quarnelo::app::IstBefehl(args[0])) return quarnelo::app::Befehl(args, stdout, stderr);
    return FensterStarten(argc, argv);
}
