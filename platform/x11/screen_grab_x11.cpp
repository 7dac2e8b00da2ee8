// The virtual desktop read straight from the X server's root window, in device pixels: one
// request for any rectangle, whatever Qt's scale. Where the server offers MIT-SHM and shares
// this machine's memory, the pixels come through shared memory (shared_grab.cpp) instead of the
// socket; a remote display, or a server without the extension, gets the plain request.
#include <QImage>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/screen_grab.h"
#include "platform/x11/shared_grab.h"
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
    const QRect part = area.intersected(QRect(0, 0, geometry->width, geometry->height));
    QImage shared = part == area && !part.isEmpty()
                        ? x11::sharedGrab(c, root, {geometry->width, geometry->height}, part)
                        : QImage();
    if (!shared.isNull()) {
        return shared;
    }
    QImage out(area.size(), QImage::Format_RGB32);
    if (out.isNull()) {
        return {};
    }
    if (part != area) {
        out.fill(Qt::black);
    }
    if (part.isEmpty()) {
        return out;
    }
    const QPoint at = part.topLeft() - area.topLeft();
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
