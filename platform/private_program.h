#pragma once

#include <string>

// Plain C++ (no toolkit): the small starter finds the programs it hands over to with these.
namespace platform {

// The folder of the running program's own file (links followed); empty if the system does not
// say.
std::string ownFolder();

// The package's program `name` for the command in `commandDir`: beside it (portable folder),
// else in the system layout's programs folder.
std::string privateProgram(const std::string& commandDir, const char* name);

}  // namespace platform
