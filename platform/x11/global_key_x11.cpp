#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/global_key.h"

namespace platform {

namespace {

constexpr xcb_keysym_t kEscapeKeysym = 0xff1b;
constexpr xcb_keysym_t kPrintKeysym = 0xff61;
constexpr uint8_t kBadAccess = 10;

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Every key code that gives `keysym`, as the keyboard is mapped now.
std::vector<xcb_keycode_t> keycodesOf(xcb_connection_t* c, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> map(
        xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<uint8_t>(count)),
            nullptr),
        &std::free);
    std::vector<xcb_keycode_t> codes;
    if (!map) {
        return codes;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int perCode = map->keysyms_per_keycode;
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < perCode; ++j) {
            if (syms[i * perCode + j] == keysym) {
                codes.push_back(static_cast<xcb_keycode_t>(setup->min_keycode + i));
                break;
            }
        }
    }
    return codes;
}

}  // namespace

struct GlobalKey::Grab : QAbstractNativeEventFilter {
    // Caps Lock and Num Lock (usually the second modifier) must not hide the key.
    static constexpr uint16_t kLockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                              XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

    Grab(GlobalKey* owner, xcb_connection_t* c, xcb_window_t root)
        : owner(owner), connection(c), root(root) {}

    ~Grab() override {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        for (const auto& [code, mask] : taken) {
            xcb_ungrab_key(connection, code, root, mask);
        }
        xcb_flush(connection);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_KEY_PRESS) {
            return false;
        }
        const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
        for (const auto& [code, mask] : taken) {
            if (key->detail == code && key->event == root) {
                Q_EMIT owner->pressed();
                return true;
            }
        }
        return false;
    }

    GlobalKey* owner;
    xcb_connection_t* connection;
    xcb_window_t root;
    std::vector<std::pair<xcb_keycode_t, uint16_t>> taken;
};

GlobalKey::GlobalKey(Key key, QObject* parent) : QObject(parent), key_(key) {}

GlobalKey::~GlobalKey() = default;

bool GlobalKey::grab(QString* reason) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11) {
        *reason = QStringLiteral("só no X11 um programa pode reservar uma tecla");
        return false;
    }
    xcb_connection_t* c = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const QString name = key_ == Key::Escape ? QStringLiteral("Esc") : QStringLiteral("Print");
    const auto codes = keycodesOf(c, key_ == Key::Escape ? kEscapeKeysym : kPrintKeysym);
    if (codes.empty()) {
        *reason = QStringLiteral("o teclado não tem a tecla %1").arg(name);
        return false;
    }
    auto grab = std::make_unique<Grab>(this, c, root);
    for (const xcb_keycode_t code : codes) {
        for (const uint16_t mask : Grab::kLockMasks) {
            Reply<xcb_generic_error_t> error(
                xcb_request_check(c,
                                  xcb_grab_key_checked(c, 1, root, mask, code, XCB_GRAB_MODE_ASYNC,
                                                       XCB_GRAB_MODE_ASYNC)),
                &std::free);
            if (error) {
                // What was taken so far goes back with `grab`.
                *reason = error->error_code == kBadAccess
                              ? QStringLiteral("a tecla %1 já está reservada por outro programa")
                                    .arg(name)
                              : QStringLiteral("o X11 recusou reservar a tecla %1").arg(name);
                return false;
            }
            grab->taken.emplace_back(code, mask);
        }
    }
    QCoreApplication::instance()->installNativeEventFilter(grab.get());
    grab_ = std::move(grab);
    return true;
}

}  // namespace platform
