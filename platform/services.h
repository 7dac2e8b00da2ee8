#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QObject;
class QWidget;

// The operating-system services the program uses, each a replaceable function. The defaults
// are the real implementations (one unit each in this folder); tests swap in fakes with
// ScopedService and get the real one back when the guard ends.
namespace platform {

enum class MessageIcon { Information, Critical };

// What the save-file dialog shows, and the file name it writes for a name typed into it.
struct SaveDialogRequest {
    QString title;
    // The file types offered, in Qt's form: "Bitmap Files (*.bmp)", several separated by ";;";
    // the first is chosen at first.
    QString filter;
    // The file name written in the folder the dialog shows for the name typed with the filter
    // at that index chosen; an empty text, with the reason in `refusal`, for a name that cannot
    // be taken as typed.
    std::function<QString(const QString& typed, int filter, QString* refusal)> fileName;
};

// What the font dialog gave back: the font shown when it closed, and whether the user confirmed.
struct FontChoice {
    QFont font;
    bool accepted = false;
};

// A picture of the whole virtual desktop that the desktop itself took: device pixels, `area` of
// the virtual desktop; or a null picture and why (a message for the user).
struct DesktopShot {
    QImage picture;
    QRect area;
    QString failure;
};

struct Services {
    // The desktop's default beep.
    std::function<void()> beep;
    // A modal message box with one OK button.
    std::function<void(QWidget* parent, const QString& title, const QString& text, MessageIcon)>
        message;
    // Modifier keys held at this moment (not those of the event being handled).
    std::function<Qt::KeyboardModifiers()> keyboardModifiers;
    // The pointer's position on the virtual desktop, in device pixels.
    std::function<QPoint()> cursorPos;
    // Where the system put the mouse event of a top-level window stamped `timestamp`, lying
    // within `slack` device pixels of `estimate`: device pixels from the window's top-left
    // corner (Qt rounds event positions to logical pixels). Nullopt where it cannot say.
    std::function<std::optional<QPoint>(const QWidget* window, quint64 timestamp, QPoint estimate,
                                        int slack)>
        eventPixel;
    // Opens a document or a web address with the desktop's default program. `done` runs later,
    // on the interface thread, with whether the desktop's opener succeeded.
    std::function<void(const QUrl&, std::function<void(bool opened)> done)> openUrl;
    // Whether the desktop offers a system tray.
    std::function<bool()> trayAvailable;
    // Whether a compositing manager is running (owner of _NET_WM_CM_S0 on X11).
    std::function<bool()> compositorActive;
    // Why this session does not let the program read the screen (a message for the user), or
    // an empty text when it does. Asked before every capture.
    std::function<QString()> captureRefusal;
    // A rectangle of the virtual desktop, device pixels one for one (RGB32, the rectangle's
    // size); null when the system gave no picture.
    std::function<QImage(const QRect&)> grabDesktop;
    // Whether the screen is read through the desktop's Screenshot portal (a Wayland session, where
    // a program cannot grab the screen nor place its windows) rather than grabbed.
    std::function<bool()> capturesThroughPortal;
    // The portal's picture of the whole desktop, handed to `done` later on the interface thread
    // (not once `context` is gone).
    std::function<void(QObject* context, std::function<void(const DesktopShot&)> done)>
        takeDesktopShot;
    // Runs `leave`, which takes `windows` (those of them on the screen) off the screen, then
    // calls `done` once the screen no longer shows them (each off it, and its place drawn again
    // by what lies below or by the compositor), `maxMs` after `leave` at the latest; nothing is
    // called once `context` is gone.
    std::function<void(QObject* context, const QList<QWidget*>& windows, int maxMs,
                       const std::function<void()>& leave, std::function<void()> done)>
        windowsGone;
    // Empties the clipboard and puts a picture on it; false with a reason when it failed.
    std::function<bool(const QImage&, QString* error)> putImageOnClipboard;
    // The colour dialog preset to a colour, custom colours open and all black; nullopt only
    // when cancelled.
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColor;
    // The save-file dialog: the path to write (the folder it shows and the request's file name
    // for the name typed), after asking before an existing file is replaced; an empty text when
    // cancelled.
    std::function<QString(QWidget* parent, const SaveDialogRequest&)> chooseSaveFile;
    // The font dialog (screen fonts), opened on `initial`.
    std::function<FontChoice(QWidget* parent, const QFont& initial)> chooseFont;
    // Makes what was written to an open file or folder durable (fsync): 0, or the error number.
    std::function<int(int fd)> syncToDisk;
};

Services& services();

// Replaces one service for the lifetime of the guard.
template <class F>
class ScopedService {
public:
    ScopedService(F& slot, F replacement) : slot_(slot), saved_(slot) {
        slot_ = std::move(replacement);
    }
    ~ScopedService() { slot_ = std::move(saved_); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    F& slot_;
    F saved_;
};

}  // namespace platform
