#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <vector>

// The clipboard helper's work: owns the X clipboard with one PNG picture, offers it to the
// clipboard manager (ICCCM SAVE_TARGETS) where one runs, and serves it to whoever asks until
// the clipboard is taken (or the manager has it). Plain xcb: no toolkit, no window on screen,
// memory bounded by the one picture.
class SelectionHolder {
public:
    explicit SelectionHolder(std::vector<uint8_t> png);
    ~SelectionHolder();
    SelectionHolder(const SelectionHolder&) = delete;
    SelectionHolder& operator=(const SelectionHolder&) = delete;

    // Connects to the display and takes the clipboard. False with the reason.
    bool own(std::string* reason);
    // Serves requests until the helper is no longer needed.
    void serve();

private:
    struct Transfer {
        xcb_window_t requestor;
        xcb_atom_t property;
        size_t offset;
        int64_t lastMoveMs;
    };

    xcb_atom_t atom(const char* name);
    xcb_timestamp_t serverTime();
    void askManagerToSave();
    void onRequest(const xcb_selection_request_event_t& request);
    bool convert(xcb_atom_t target, xcb_window_t requestor, xcb_atom_t property);
    bool convertMultiple(xcb_window_t requestor, xcb_atom_t property);
    void onPropertyDeleted(xcb_window_t window, xcb_atom_t property);
    void dropStalledTransfers();
    bool finished() const;

    std::vector<uint8_t> png_;
    xcb_connection_t* c_ = nullptr;
    xcb_window_t window_ = 0;
    xcb_timestamp_t ownedSince_ = 0;
    size_t chunk_ = 0;
    std::vector<Transfer> transfers_;
    bool owner_ = false;
    bool savedByManager_ = false;
    int64_t managerAskedMs_ = -1;

    xcb_atom_t clipboard_ = 0, targets_ = 0, timestamp_ = 0, multiple_ = 0, atomPair_ = 0,
               incr_ = 0, png_type_ = 0, manager_ = 0, saveTargets_ = 0, saveList_ = 0;
};
