// The clipboard helpers (lumacap-clipboard for X11, lumacap-wayland-clipboard for Wayland):
// started by Lumacap to keep its picture on the clipboard. Reads the PNG from descriptor 0 (an
// 8-byte little-endian length, then the bytes), takes the clipboard, answers "ok" (or the
// reason it could not) on the same descriptor, then serves the picture until it is no longer
// needed. system_holder.h, one per system, names the class that does the system's part.
#include <signal.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "system_holder.h"

namespace {

// Far above any screen's PNG; a length beyond it is not Lumacap talking.
constexpr uint64_t kMaxPictureBytes = 1ull << 30;

bool readAll(int fd, void* data, size_t size) {
    auto* p = static_cast<uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = read(fd, p, size);
        if (n <= 0) {
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

void answer(const std::string& line) {
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t n = write(0, text.data(), text.size());
}

}  // namespace

int main() {
    signal(SIGPIPE, SIG_IGN);
    uint8_t header[8];
    if (!readAll(0, header, sizeof header)) {
        return 1;
    }
    uint64_t size = 0;
    for (int i = 7; i >= 0; --i) {
        size = (size << 8) | header[i];
    }
    if (size == 0 || size > kMaxPictureBytes) {
        answer("tamanho de imagem inválido");
        return 1;
    }
    std::vector<uint8_t> png(size);
    if (!readAll(0, png.data(), png.size())) {
        answer("a imagem chegou incompleta");
        return 1;
    }
    SystemHolder holder(std::move(png));
    std::string reason;
    if (!holder.own(&reason)) {
        answer(reason);
        return 1;
    }
    answer("ok");
    close(0);
    holder.serve();
    return 0;
}
