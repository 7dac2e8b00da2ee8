#pragma once

#include <optional>
#include <string>

// Who is the running copy, settled before any toolkit is loaded and carried across exec into
// the program proper. Plain C++: the small starter settles with it.
namespace instance_handoff {

// The environment variable that carries the settlement into `lumacap-gui`.
inline constexpr char kVariable[] = "LUMACAP_INSTANCE";
// The settlement of a start that runs without the one-copy guard.
inline constexpr char kAlone[] = "alone";

// Where the running copy of this user on this display holds its lock and listens.
struct Place {
    std::string lock;
    std::string socket;
};
// Empty with the reason when this user's folder for it cannot be used.
std::optional<Place> place(std::string* reason);

// The settlement of the running copy: the held lock's descriptor and the socket to listen on.
struct First {
    int lockDescriptor = -1;
    std::string socket;
};
std::string text(const First& first);
// Empty when `text` is not a first copy's settlement (for one, kAlone).
std::optional<First> parse(const std::string& text);

}  // namespace instance_handoff
