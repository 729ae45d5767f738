// The headless sub-commands of the quarnelo program.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quarnelo::app {

/// True when `wort` names a sub-command (or a help option) of the command line.
bool IstBefehl(const std::string& wort);

/// Runs a sub-command; args[0] is the command. Returns the exit code.
int Befehl(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace quarnelo::app
