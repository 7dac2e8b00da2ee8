#include "selection_holder.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Larger pictures go in pieces (ICCCM INCR); a piece is well under any server's request limit.
constexpr size_t kChunkBytes = 1 << 20;
// A requestor that stops taking the pieces, or a manager that never answers, is given up on.
constexpr int64_t kStallMs = 10000;
constexpr int64_t kManagerWaitMs = 5000;

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SelectionHolder::SelectionHolder(std::vector<uint8_t> png) : png_(std::move(png)) {}

SelectionHolder::~SelectionHolder() {
    if (c_) {
        xcb_disconnect(c_);
    }
}

xcb_atom_t SelectionHolder::atom(const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The server's time now, read from the event of a property change that changes nothing: the
// clipboard is taken and served with a real time, as ICCCM asks.
xcb_timestamp_t SelectionHolder::serverTime() {
    xcb_change_property(c_, XCB_PROP_MODE_APPEND, window_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(c_);
    while (xcb_generic_event_t* e = xcb_wait_for_event(c_)) {
        Reply<xcb_generic_event_t> event(e, &std::free);
        if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            return reinterpret_cast<xcb_property_notify_event_t*>(e)->time;
        }
    }
    return XCB_CURRENT_TIME;
}

bool SelectionHolder::own(std::string* reason) {
    c_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c_)) {
        *reason = "nenhuma tela X11 atende (DISPLAY)";
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
    window_ = xcb_generate_id(c_);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    const char title[] = "Lumacap clipboard";
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof title - 1, title);
    const uint32_t pid = static_cast<uint32_t>(getpid());
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL,
                        32, 1, &pid);

    clipboard_ = atom("CLIPBOARD");
    targets_ = atom("TARGETS");
    timestamp_ = atom("TIMESTAMP");
    multiple_ = atom("MULTIPLE");
    atomPair_ = atom("ATOM_PAIR");
    incr_ = atom("INCR");
    png_type_ = atom("image/png");
    manager_ = atom("CLIPBOARD_MANAGER");
    saveTargets_ = atom("SAVE_TARGETS");
    saveList_ = atom("_LUMACAP_SAVE_TARGETS");
    const size_t limit = static_cast<size_t>(xcb_get_maximum_request_length(c_)) * 4;
    chunk_ = std::min(kChunkBytes, limit > 1024 ? limit - 1024 : limit / 2);

    ownedSince_ = serverTime();
    xcb_set_selection_owner(c_, window_, clipboard_, ownedSince_);
    Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, clipboard_), nullptr),
        &std::free);
    if (!owner || owner->owner != window_) {
        *reason = "a área de transferência não pôde ser tomada";
        return false;
    }
    owner_ = true;
    return true;
}

void SelectionHolder::askManagerToSave() {
    Reply<xcb_get_selection_owner_reply_t> manager(
        xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, manager_), nullptr),
        &std::free);
    if (!manager || manager->owner == XCB_NONE) {
        return;  // none runs: this helper keeps the picture itself
    }
    // Only the PNG is worth saving: it is what this helper holds.
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, saveList_, XCB_ATOM_ATOM, 32, 1,
                        &png_type_);
    xcb_convert_selection(c_, window_, manager_, saveTargets_, saveList_, ownedSince_);
    xcb_flush(c_);
    managerAskedMs_ = nowMs();
}

bool SelectionHolder::convert(xcb_atom_t target, xcb_window_t requestor, xcb_atom_t property) {
    if (target == targets_) {
        const xcb_atom_t offered[] = {targets_, timestamp_, multiple_, png_type_};
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32, 4,
                            offered);
        return true;
    }
    if (target == timestamp_) {
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER, 32, 1,
                            &ownedSince_);
        return true;
    }
    if (target != png_type_) {
        return false;
    }
    if (png_.size() <= chunk_) {
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, requestor, property, png_type_, 8,
                            static_cast<uint32_t>(png_.size()), png_.data());
        return true;
    }
    // In pieces: each one once the requestor has deleted the last.
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c_, requestor, XCB_CW_EVENT_MASK, &events);
    const uint32_t size = static_cast<uint32_t>(png_.size());
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, requestor, property, incr_, 32, 1, &size);
    transfers_.push_back({requestor, property, 0, nowMs()});
    return true;
}

bool SelectionHolder::convertMultiple(xcb_window_t requestor, xcb_atom_t property) {
    Reply<xcb_get_property_reply_t> pairs(
        xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, requestor, property, atomPair_, 0, 1 << 16), nullptr),
        &std::free);
    if (!pairs || pairs->type != atomPair_ || pairs->format != 32) {
        return false;
    }
    const int count = xcb_get_property_value_length(pairs.get()) / 4;
    auto* atoms = static_cast<xcb_atom_t*>(xcb_get_property_value(pairs.get()));
    std::vector<xcb_atom_t> answered(atoms, atoms + count);
    for (int i = 0; i + 1 < count; i += 2) {
        // A target that cannot be given is marked None in the answer, as ICCCM asks.
        if (answered[i] == multiple_ || !convert(answered[i], requestor, answered[i + 1])) {
            answered[i] = XCB_ATOM_NONE;
        }
    }
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, requestor, property, atomPair_, 32,
                        static_cast<uint32_t>(answered.size()), answered.data());
    return true;
}

void SelectionHolder::onRequest(const xcb_selection_request_event_t& request) {
    // Obsolete requestors name no property: the target names it.
    const xcb_atom_t property = request.property ? request.property : request.target;
    bool done = false;
    if (request.selection == clipboard_ && owner_ &&
        (request.time == XCB_CURRENT_TIME || request.time >= ownedSince_)) {
        done = request.target == multiple_ ? convertMultiple(request.requestor, property)
                                           : convert(request.target, request.requestor, property);
    }
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = done ? property : xcb_atom_t{XCB_ATOM_NONE};
    xcb_send_event(c_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(c_);
}

void SelectionHolder::onPropertyDeleted(xcb_window_t window, xcb_atom_t property) {
    for (auto it = transfers_.begin(); it != transfers_.end(); ++it) {
        if (it->requestor != window || it->property != property) {
            continue;
        }
        const size_t size = std::min(chunk_, png_.size() - it->offset);
        // The last piece is empty: it tells the requestor that the picture is complete.
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window, property, png_type_, 8,
                            static_cast<uint32_t>(size), png_.data() + it->offset);
        xcb_flush(c_);
        if (size == 0) {
            transfers_.erase(it);
        } else {
            it->offset += size;
            it->lastMoveMs = nowMs();
        }
        return;
    }
}

void SelectionHolder::dropStalledTransfers() {
    const int64_t now = nowMs();
    std::erase_if(transfers_, [now](const Transfer& t) { return now - t.lastMoveMs > kStallMs; });
    if (managerAskedMs_ >= 0 && now - managerAskedMs_ > kManagerWaitMs) {
        managerAskedMs_ = -1;  // a manager that never answers: the helper keeps serving
    }
}

bool SelectionHolder::finished() const {
    return transfers_.empty() && (!owner_ || savedByManager_);
}

void SelectionHolder::serve() {
    askManagerToSave();
    const int fd = xcb_get_file_descriptor(c_);
    while (!finished()) {
        xcb_generic_event_t* e = xcb_poll_for_event(c_);
        if (!e) {
            if (xcb_connection_has_error(c_)) {
                return;  // the display is gone, and the clipboard with it
            }
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 1000);
            dropStalledTransfers();
            continue;
        }
        Reply<xcb_generic_event_t> event(e, &std::free);
        switch (e->response_type & 0x7f) {
            case XCB_SELECTION_REQUEST:
                onRequest(*reinterpret_cast<xcb_selection_request_event_t*>(e));
                break;
            case XCB_SELECTION_CLEAR:
                owner_ = false;  // another program has the clipboard now
                break;
            case XCB_SELECTION_NOTIFY: {
                const auto* n = reinterpret_cast<xcb_selection_notify_event_t*>(e);
                if (n->selection == manager_ && n->target == saveTargets_) {
                    managerAskedMs_ = -1;
                    savedByManager_ = n->property != XCB_ATOM_NONE;
                }
                break;
            }
            case XCB_PROPERTY_NOTIFY: {
                const auto* n = reinterpret_cast<xcb_property_notify_event_t*>(e);
                if (n->state == XCB_PROPERTY_DELETE) {
                    onPropertyDeleted(n->window, n->atom);
                }
                break;
            }
            default:
                break;
        }
    }
}
