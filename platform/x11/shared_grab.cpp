// Reading the screen through a System V segment that this program and the X server both map:
// the server writes the pixels into it instead of through the socket. The segment is kept
// between the grabs of one capture (a new one costs a page fault for every page on both sides)
// and let go of a second after the last grab; it is marked for removal as soon as the server
// has attached it, so nothing outlives the program. The picture itself goes to memory of its
// own, in large pages where the system gives them, with the pad byte of each pixel set.
#include "platform/x11/shared_grab.h"

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>
#include <xcb/shm.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace platform::x11 {

namespace {

constexpr int kKeepSegmentMs = 1000;

class Segment {
public:
    Segment(xcb_connection_t* c, size_t bytes) : c_(c), bytes_(bytes) {
        const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0) {
            return;
        }
        void* at = shmat(id, nullptr, SHM_RDONLY);
        if (at == reinterpret_cast<void*>(-1)) {
            shmctl(id, IPC_RMID, nullptr);
            return;
        }
        seg_ = xcb_generate_id(c);
        std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> refused(
            xcb_request_check(c, xcb_shm_attach_checked(c, seg_, static_cast<uint32_t>(id), 0)),
            &std::free);
        shmctl(id, IPC_RMID, nullptr);  // gone once both sides have let go
        if (refused) {
            shmdt(at);
            return;
        }
        data_ = static_cast<const uint8_t*>(at);
    }
    ~Segment() {
        if (data_ && c_) {
            xcb_shm_detach(c_, seg_);
            xcb_flush(c_);
        }
        if (data_) {
            shmdt(data_);
        }
    }
    // The connection is gone (the server let go of the segment with it): only this side's
    // mapping remains to undo.
    void connectionGone() { c_ = nullptr; }
    Segment(const Segment&) = delete;
    Segment& operator=(const Segment&) = delete;

    bool attached() const { return data_ != nullptr; }
    size_t bytes() const { return bytes_; }
    xcb_shm_seg_t seg() const { return seg_; }
    const uint8_t* data() const { return data_; }

private:
    xcb_connection_t* c_;
    size_t bytes_;
    xcb_shm_seg_t seg_ = 0;
    const uint8_t* data_ = nullptr;
};

struct Kept {
    std::unique_ptr<Segment> segment;
    std::unique_ptr<QTimer> release;  // lets the segment go when grabs stop
    bool refused = false;             // the server cannot share memory with this program
};

Kept& kept() {
    static Kept k;
    return k;
}

// A segment of at least `bytes`, attached by the server; null when it cannot be.
const Segment* segmentFor(xcb_connection_t* c, size_t bytes) {
    Kept& k = kept();
    if (k.segment && k.segment->bytes() >= bytes) {
        return k.segment.get();
    }
    k.segment.reset();
    auto fresh = std::make_unique<Segment>(c, bytes);
    if (!fresh->attached()) {
        k.refused = true;
        return nullptr;
    }
    k.segment = std::move(fresh);
    return k.segment.get();
}

void keepForAWhile() {
    Kept& k = kept();
    if (!QCoreApplication::instance()) {
        k.segment.reset();
        return;
    }
    if (!k.release) {
        k.release = std::make_unique<QTimer>();
        k.release->setSingleShot(true);
        QObject::connect(k.release.get(), &QTimer::timeout, [] { kept().segment.reset(); });
        // The application takes the connection with it.
        QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [] {
            if (kept().segment) {
                kept().segment->connectionGone();
            }
            kept().segment.reset();
            kept().release.reset();
        });
    }
    k.release->start(kKeepSegmentMs);
}

struct Pages {
    void* data;
    size_t length;
};

void unmapPages(void* info) {
    auto* pages = static_cast<Pages*>(info);
    munmap(pages->data, pages->length);
    delete pages;
}

// A picture of `size` on pages of its own, large ones where the system gives them (one fault
// for 2 MiB instead of 512).
QImage pictureMemory(const QSize& size) {
    const size_t length =
        static_cast<size_t>(size.width()) * 4 * static_cast<size_t>(size.height());
    void* data = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED) {
        return {};
    }
#ifdef MADV_HUGEPAGE
    madvise(data, length, MADV_HUGEPAGE);
#endif
    return QImage(static_cast<uchar*>(data), size.width(), size.height(), size.width() * 4,
                  QImage::Format_RGB32, &unmapPages, new Pages{data, length});
}

}  // namespace

QImage sharedGrab(xcb_connection_t* c, xcb_window_t root, QSize rootSize, const QRect& part) {
    if (kept().refused) {
        return {};
    }
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_shm_id);
    if (!ext || !ext->present) {
        kept().refused = true;
        return {};
    }
    const size_t bytes = static_cast<size_t>(part.width()) * 4 * static_cast<size_t>(part.height());
    // Room for the whole root: the grabs of one capture share it, and pages never written cost
    // nothing.
    const size_t room = static_cast<size_t>(rootSize.width()) * 4 * rootSize.height();
    const Segment* segment = segmentFor(c, std::max(bytes, room));
    if (!segment) {
        return {};
    }
    keepForAWhile();
    const auto cookie =
        xcb_shm_get_image(c, root, static_cast<int16_t>(part.x()), static_cast<int16_t>(part.y()),
                          static_cast<uint16_t>(part.width()), static_cast<uint16_t>(part.height()),
                          ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, segment->seg(), 0);
    std::unique_ptr<xcb_shm_get_image_reply_t, decltype(&std::free)> image(
        xcb_shm_get_image_reply(c, cookie, nullptr), &std::free);
    if (!image || image->size < bytes) {
        return {};
    }
    QImage out = pictureMemory(part.size());
    if (out.isNull()) {
        return {};
    }
    const auto* from = reinterpret_cast<const uint32_t*>(segment->data());
    auto* to = reinterpret_cast<uint32_t*>(out.bits());
    for (size_t i = 0, n = bytes / 4; i < n; ++i) {
        to[i] = from[i] | 0xff000000u;  // the pad byte is not always set
    }
    return out;
}

}  // namespace platform::x11
