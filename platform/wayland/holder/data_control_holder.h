#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwlr_data_control_manager_v1;
struct zwlr_data_control_device_v1;
struct zwlr_data_control_source_v1;
struct zwlr_data_control_offer_v1;

// The Wayland clipboard helper's work: takes the clipboard through data control
// (wlr-data-control, which needs neither a window nor the keyboard focus) with one PNG picture
// and serves it to whoever asks until another program takes the clipboard. Plain
// libwayland-client: no toolkit, no window, memory bounded by the one picture.
class DataControlHolder {
public:
    explicit DataControlHolder(std::vector<uint8_t> png);
    ~DataControlHolder();
    DataControlHolder(const DataControlHolder&) = delete;
    DataControlHolder& operator=(const DataControlHolder&) = delete;

    // Connects to the desktop and takes the clipboard: true once the desktop has shown the
    // picture's offer as its clipboard. False with the reason.
    bool own(std::string* reason);
    // Serves requests until the clipboard is taken by another program or the desktop is gone.
    void serve();

    // Called from the protocol's listeners.
    void onGlobal(wl_registry* registry, uint32_t name, const char* interface);
    void onSelection(zwlr_data_control_offer_v1* offer);
    void onSend(const char* mimeType, int fd);
    void onCancelled() { cancelled_ = true; }
    void onFinished() { cancelled_ = true; }

private:
    std::vector<uint8_t> png_;
    wl_display* display_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwlr_data_control_manager_v1* manager_ = nullptr;
    zwlr_data_control_device_v1* device_ = nullptr;
    zwlr_data_control_source_v1* source_ = nullptr;
    zwlr_data_control_offer_v1* shown_ = nullptr;  // the clipboard's offer as the desktop tells it
    int selections_ = 0;                           // selection events seen
    bool cancelled_ = false;
};
