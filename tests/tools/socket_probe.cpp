// Tries the running copy's socket as another program would: connects to the path in argv[1]
// and, once connected, sends a well-formed request for a whole-screen copy. Prints what came of
// it: "refused <reason>" (no connection), "answered" or "closed" (dropped unanswered).
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: socket_probe <socket path>\n");
        return 2;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, argv[1], sizeof(address.sun_path) - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::printf("refused %s\n", std::strerror(errno));
        return 0;
    }
    const std::string json = R"({"v":1,"folder":"/","arguments":["--capture=screen","--copy"]})";
    const uint32_t size = static_cast<uint32_t>(json.size());
    const unsigned char length[4] = {
        static_cast<unsigned char>(size >> 24), static_cast<unsigned char>(size >> 16),
        static_cast<unsigned char>(size >> 8), static_cast<unsigned char>(size)};
    const std::string frame = std::string(reinterpret_cast<const char*>(length), 4) + json;
    // The copy may have hung up already: that is an answer too, not a reason to die.
    [[maybe_unused]] const ssize_t sent = send(fd, frame.data(), frame.size(), MSG_NOSIGNAL);
    char byte = 0;
    std::printf(read(fd, &byte, 1) > 0 ? "answered\n" : "closed\n");
    return 0;
}
