#include "data_control_holder.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "wlr-data-control-unstable-v1-client-protocol.h"

namespace {

const char* const kPng = "image/png";
// A reader that stops taking the picture is given up on.
constexpr int kStallMs = 10000;

DataControlHolder* self(void* data) {
    return static_cast<DataControlHolder*>(data);
}

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    self(data)->onGlobal(registry, name, interface);
}
void globalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistry{global, globalRemove};

void offerType(void*, zwlr_data_control_offer_v1*, const char*) {}
const zwlr_data_control_offer_v1_listener kOffer{offerType};

void dataOffer(void*, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
    zwlr_data_control_offer_v1_add_listener(offer, &kOffer, nullptr);
}
void selection(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
    self(data)->onSelection(offer);
}
void finished(void* data, zwlr_data_control_device_v1*) {
    self(data)->onFinished();
}
const zwlr_data_control_device_v1_listener kDevice{dataOffer, selection, finished};

void send(void* data, zwlr_data_control_source_v1*, const char* mimeType, int fd) {
    self(data)->onSend(mimeType, fd);
}
void cancelled(void* data, zwlr_data_control_source_v1*) {
    self(data)->onCancelled();
}
const zwlr_data_control_source_v1_listener kSource{send, cancelled};

// Writes everything, waiting for a slow reader, but not for one that has stopped.
void writeAll(int fd, const uint8_t* p, size_t size) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    while (size > 0) {
        const ssize_t n = write(fd, p, size);
        if (n > 0) {
            p += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;  // the reader went away
        }
        pollfd w{fd, POLLOUT, 0};
        if (poll(&w, 1, kStallMs) <= 0) {
            return;
        }
    }
}

}  // namespace

DataControlHolder::DataControlHolder(std::vector<uint8_t> png) : png_(std::move(png)) {}

DataControlHolder::~DataControlHolder() {
    if (!display_) {
        return;
    }
    if (shown_) {
        zwlr_data_control_offer_v1_destroy(shown_);
    }
    if (source_) {
        zwlr_data_control_source_v1_destroy(source_);
    }
    if (device_) {
        zwlr_data_control_device_v1_destroy(device_);
    }
    if (manager_) {
        zwlr_data_control_manager_v1_destroy(manager_);
    }
    if (seat_) {
        wl_seat_destroy(seat_);
    }
    wl_display_disconnect(display_);
}

void DataControlHolder::onGlobal(wl_registry* registry, uint32_t name, const char* interface) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !seat_) {
        seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
        manager_ = static_cast<zwlr_data_control_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
    }
}

void DataControlHolder::onSelection(zwlr_data_control_offer_v1* offer) {
    if (shown_) {
        zwlr_data_control_offer_v1_destroy(shown_);
    }
    shown_ = offer;
    ++selections_;
}

void DataControlHolder::onSend(const char* mimeType, int fd) {
    if (std::strcmp(mimeType, kPng) == 0) {
        writeAll(fd, png_.data(), png_.size());
    }
    close(fd);
}

bool DataControlHolder::own(std::string* reason) {
    display_ = wl_display_connect(nullptr);
    if (!display_) {
        *reason = "nenhuma área de trabalho Wayland atende (WAYLAND_DISPLAY)";
        return false;
    }
    wl_registry* registry = wl_display_get_registry(display_);
    wl_registry_add_listener(registry, &kRegistry, this);
    wl_display_roundtrip(display_);
    wl_registry_destroy(registry);
    if (!manager_ || !seat_) {
        *reason =
            "a área de trabalho não oferece controle da área de transferência "
            "(wlr-data-control)";
        return false;
    }
    device_ = zwlr_data_control_manager_v1_get_data_device(manager_, seat_);
    zwlr_data_control_device_v1_add_listener(device_, &kDevice, this);
    wl_display_roundtrip(display_);  // the clipboard as it is now
    const int before = selections_;

    source_ = zwlr_data_control_manager_v1_create_data_source(manager_);
    zwlr_data_control_source_v1_add_listener(source_, &kSource, this);
    zwlr_data_control_source_v1_offer(source_, kPng);
    zwlr_data_control_device_v1_set_selection(device_, source_);
    // The desktop tells every data device, this one too, of the clipboard it took.
    if (wl_display_roundtrip(display_) < 0 || cancelled_ || selections_ == before || !shown_) {
        *reason = "a área de trabalho não aceitou a imagem na área de transferência";
        return false;
    }
    return true;
}

void DataControlHolder::serve() {
    while (!cancelled_ && wl_display_dispatch(display_) >= 0) {
    }
}
