#pragma once

#include <string>

// Plain C++ (no toolkit): the small starter uses these too.
namespace platform {

// The folder of this user's running copy: "lumacap" in $XDG_RUNTIME_DIR, or /tmp/lumacap-UID
// where that is missing or not the user's own. Made when needed, and used only when it is a
// real folder of this user that nobody else can enter. Empty with the reason otherwise.
std::string privateRuntimeFolder(std::string* reason);

// This desktop's display as a file-name part ("x11-0" for DISPLAY=:0.0), so that copies on
// different displays keep apart.
std::string displayKey();

}  // namespace platform
