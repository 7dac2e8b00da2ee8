// The virtual desktop read straight from the X server's root window, in device pixels: one
// request for any rectangle, whatever Qt's scale. Where the server offers MIT-SHM and shares
// this machine's memory, the server writes the pixels into a shared segment instead of sending
// them through the socket; a remote display, or a server without the extension, gets the plain
// request.
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>

#include <QImage>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/screen_grab.h"
#include "platform/x11/x11_connection.h"

namespace platform {

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Whether the root's pixels come as 32-bit little-endian 0x00RRGGBB words, as in RGB32.
bool rgb32Root(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (screen->root_depth != 24 && screen->root_depth != 32) {
        return false;
    }
    bool bits32 = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == screen->root_depth) {
            bits32 = f.data->bits_per_pixel == 32;
        }
    }
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == screen->root_visual) {
                return bits32 && v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                       v.data->blue_mask == 0xff;
            }
        }
    }
    return false;
}

// Copies the rows of 32-bit pixels of a picture of `size` into `out` at `at`, with the pad byte
// set.
void copyPixels(const uint8_t* data, const QSize& size, QImage& out, QPoint at) {
    const size_t row = static_cast<size_t>(size.width()) * 4;
    for (int y = 0; y < size.height(); ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(data + row * static_cast<size_t>(y));
        auto* to = reinterpret_cast<uint32_t*>(out.scanLine(at.y() + y)) + at.x();
        for (int x = 0; x < size.width(); ++x) {
            to[x] = from[x] | 0xff000000u;  // the pad byte is not always set
        }
    }
}

// Whether shared memory may be tried: the server offers it and no attach has failed yet (a
// remote display refuses the first one).
bool& shmUsable(xcb_connection_t* c) {
    static bool usable = [c] {
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_shm_id);
        return ext && ext->present;
    }();
    return usable;
}

// A System V segment of this process, attached here and (as `seg`) by the server; both let go
// of it when this ends, and it is already marked for removal, so nothing outlives the program.
class SharedSegment {
public:
    SharedSegment(xcb_connection_t* c, size_t bytes) : c_(c) {
        id_ = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id_ < 0) {
            return;
        }
        void* at = shmat(id_, nullptr, SHM_RDONLY);
        if (at == reinterpret_cast<void*>(-1)) {
            shmctl(id_, IPC_RMID, nullptr);
            return;
        }
        data_ = static_cast<const uint8_t*>(at);
        seg_ = xcb_generate_id(c);
        attach_ = xcb_shm_attach_checked(c, seg_, static_cast<uint32_t>(id_), 0);
    }
    ~SharedSegment() {
        if (attached_) {
            xcb_shm_detach(c_, seg_);
            xcb_flush(c_);
        }
        if (data_) {
            shmdt(data_);
        }
    }
    SharedSegment(const SharedSegment&) = delete;
    SharedSegment& operator=(const SharedSegment&) = delete;

    // After the server answered a request that used the segment: whether it could attach it.
    bool attachedByServer() {
        if (!data_) {
            return false;
        }
        std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(c_, attach_), &std::free);
        attached_ = !error;
        shmctl(id_, IPC_RMID, nullptr);  // gone once both sides have let go
        return attached_;
    }
    bool valid() const { return data_ != nullptr; }
    xcb_shm_seg_t seg() const { return seg_; }
    const uint8_t* data() const { return data_; }

private:
    xcb_connection_t* c_;
    int id_ = -1;
    const uint8_t* data_ = nullptr;
    xcb_shm_seg_t seg_ = 0;
    xcb_void_cookie_t attach_{};
    bool attached_ = false;
};

// `part` of the root through shared memory into `out` at `at`; false when it could not be.
bool grabShared(xcb_connection_t* c, xcb_window_t root, const QRect& part, QImage& out, QPoint at) {
    if (!shmUsable(c)) {
        return false;
    }
    const size_t bytes = static_cast<size_t>(part.width()) * 4 * static_cast<size_t>(part.height());
    SharedSegment segment(c, bytes);
    if (!segment.valid()) {
        return false;
    }
    const auto cookie =
        xcb_shm_get_image(c, root, static_cast<int16_t>(part.x()), static_cast<int16_t>(part.y()),
                          static_cast<uint16_t>(part.width()), static_cast<uint16_t>(part.height()),
                          ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, segment.seg(), 0);
    Reply<xcb_shm_get_image_reply_t> image(xcb_shm_get_image_reply(c, cookie, nullptr), &std::free);
    if (!segment.attachedByServer()) {
        shmUsable(c) = false;
        return false;
    }
    if (!image || image->size < bytes) {
        return false;
    }
    copyPixels(segment.data(), part.size(), out, at);
    return true;
}

}  // namespace

QImage realGrabDesktop(const QRect& area) {
    xcb_connection_t* c = x11::connection();
    if (!c || !rgb32Root(c)) {
        return qtGrabDesktop(area);
    }
    const xcb_window_t root = x11::root(c);
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, root), nullptr), &std::free);
    if (!geometry) {
        return {};
    }
    QImage out(area.size(), QImage::Format_RGB32);
    if (out.isNull()) {
        return {};
    }
    const QRect part = area.intersected(QRect(0, 0, geometry->width, geometry->height));
    if (part != area) {
        out.fill(Qt::black);
    }
    if (part.isEmpty()) {
        return out;
    }
    const QPoint at = part.topLeft() - area.topLeft();
    if (grabShared(c, root, part, out, at)) {
        return out;
    }
    const auto cookie =
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(part.x()),
                      static_cast<int16_t>(part.y()), static_cast<uint16_t>(part.width()),
                      static_cast<uint16_t>(part.height()), ~0u);
    Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(c, cookie, nullptr), &std::free);
    const size_t row = static_cast<size_t>(part.width()) * 4;
    if (!image || static_cast<size_t>(xcb_get_image_data_length(image.get())) <
                      row * static_cast<size_t>(part.height())) {
        return {};
    }
    copyPixels(xcb_get_image_data(image.get()), part.size(), out, at);
    return out;
}

}  // namespace platform
