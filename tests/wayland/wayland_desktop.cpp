#include "wayland/wayland_desktop.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>
#include <stdexcept>

#include "support/run_process.h"
#include "support/test_pattern.h"

namespace {

// Variables of the desktop that its programs get.
const char* const kDesktopVariables[] = {
    "WAYLAND_DISPLAY", "SWAYSOCK",      "XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS",
    "XCURSOR_PATH",    "XCURSOR_THEME", "XCURSOR_SIZE"};

QString installDir() {
    const QString dir = qEnvironmentVariable("LUMACAP_INSTALL_DIR");
    if (dir.isEmpty()) {
        throw std::runtime_error("LUMACAP_INSTALL_DIR does not hold an installed Lumacap");
    }
    return dir;
}

void collect(const QJsonObject& node, std::vector<QJsonObject>& out) {
    if (node.contains(QStringLiteral("app_id")) && !node.value(QStringLiteral("app_id")).isNull()) {
        out.push_back(node);
    }
    for (const char* key : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node.value(QLatin1String(key)).toArray()) {
            collect(child.toObject(), out);
        }
    }
}

QRect rectOf(const QJsonValue& v) {
    const QJsonObject r = v.toObject();
    return {r.value(QStringLiteral("x")).toInt(), r.value(QStringLiteral("y")).toInt(),
            r.value(QStringLiteral("width")).toInt(), r.value(QStringLiteral("height")).toInt()};
}

}  // namespace

bool WaylandDesktop::available() {
    return qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("SWAYSOCK");
}

WaylandDesktop::WaylandDesktop() : user_(qEnvironmentVariable("LUMACAP_SESSION_USER")) {
    giveToUser(home_.path());
    pointer_ = start(QStringLiteral(LUMACAP_POINTER_PROGRAM), {});
    if (!pointer_->waitForReadyRead(5000) || !pointer_->readLine().startsWith("ready")) {
        throw std::runtime_error("the virtual pointer did not come up");
    }
    // Nothing a test before left on the clipboard (its holder ends with it).
    run(QStringLiteral("wl-copy"), {QStringLiteral("--clear")});
}

WaylandDesktop::~WaylandDesktop() {
    for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
        stop(it->get());
    }
    for (const QString& name : added_) {
        sway(QStringLiteral("output %1 scale 1").arg(name));
        sway(QStringLiteral("output %1 disable").arg(name));
    }
}

QProcessEnvironment WaylandDesktop::environment(const QString& home) const {
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
    for (const char* name : kDesktopVariables) {
        env.insert(QLatin1String(name), qEnvironmentVariable(name));
    }
    return env;
}

void WaylandDesktop::giveToUser(const QString& path) const {
    if (!user_.isEmpty()) {
        QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), user_, path});
    }
}

QStringList WaylandDesktop::asUser(const QString& program, const QStringList& args,
                                   const QProcessEnvironment& env) const {
    QStringList command;
    if (!user_.isEmpty()) {
        command << QStringLiteral("setpriv") << QStringLiteral("--reuid=") + user_
                << QStringLiteral("--regid=nogroup") << QStringLiteral("--clear-groups");
    }
    command << QStringLiteral("env") << QStringLiteral("-i");
    for (const QString& name : env.keys()) {
        command << name + QLatin1Char('=') + env.value(name);
    }
    return command << program << args;
}

QByteArray WaylandDesktop::run(const QString& program, const QStringList& args, int* status,
                               int timeoutMs, const QMap<QString, QString>& extra) const {
    QProcessEnvironment env = environment(home_.path());
    for (auto it = extra.cbegin(); it != extra.cend(); ++it) {
        env.insert(it.key(), it.value());
    }
    const QStringList command = asUser(program, args, env);
    return runToEnd(command.first(), command.mid(1), QProcessEnvironment(), status, timeoutMs);
}

QProcess* WaylandDesktop::start(const QString& program, const QStringList& args,
                                const QMap<QString, QString>& extra) {
    QProcessEnvironment env = environment(home_.path());
    for (auto it = extra.cbegin(); it != extra.cend(); ++it) {
        env.insert(it.key(), it.value());
    }
    const QStringList command = asUser(program, args, env);
    auto p = std::make_unique<QProcess>();
    p->start(command.first(), command.mid(1));
    if (!p->waitForStarted()) {
        throw std::runtime_error(("cannot start " + program).toStdString());
    }
    processes_.push_back(std::move(p));
    return processes_.back().get();
}

void WaylandDesktop::stop(QProcess* p) {
    if (p && p->state() != QProcess::NotRunning) {
        p->closeWriteChannel();
        p->terminate();
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
}

void WaylandDesktop::sway(const QString& command) const {
    run(QStringLiteral("swaymsg"), {command});
}

std::vector<QJsonObject> WaylandDesktop::windows() const {
    const QJsonObject tree =
        QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), {"-t", "get_tree"})).object();
    std::vector<QJsonObject> out;
    collect(tree, out);
    return out;
}

QRect WaylandDesktop::content(const QJsonObject& window) {
    const QRect outer = rectOf(window.value(QStringLiteral("rect")));
    const QRect inner = rectOf(window.value(QStringLiteral("window_rect")));
    return inner.translated(outer.topLeft());
}

bool WaylandDesktop::drawnOver(const QRect& area) const {
    const int y = area.y() + 1;
    const QImage row =
        QImage::fromData(run(QStringLiteral("grim"),
                             {QStringLiteral("-s"), QStringLiteral("1"), QStringLiteral("-g"),
                              QStringLiteral("%1,%2 %3x1").arg(area.x()).arg(y).arg(area.width()),
                              QStringLiteral("-")}),
                         "PNG");
    if (row.width() != area.width() || row.height() != 1) {
        return false;
    }
    // A dimmed picture of the pattern keeps its darkest pixels: most must differ.
    int behind = 0;
    for (int x = 0; x < row.width(); ++x) {
        const QRgb shown = row.pixel(x, 0) | 0xff000000u;
        if (shown == test_pattern::at(area.x() + x, y) || shown == qRgb(0x33, 0x66, 0x99)) {
            ++behind;
        }
    }
    return behind < row.width() / 2;
}

std::vector<WaylandDesktop::Output> WaylandDesktop::outputs() const {
    std::vector<Output> out;
    const QJsonArray list =
        QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), {"-t", "get_outputs"})).array();
    for (const QJsonValue& v : list) {
        const QJsonObject o = v.toObject();
        if (o.value(QStringLiteral("active")).toBool()) {
            out.push_back({o.value(QStringLiteral("name")).toString(),
                           rectOf(o.value(QStringLiteral("rect"))),
                           o.value(QStringLiteral("scale")).toDouble()});
        }
    }
    return out;
}

QString WaylandDesktop::addOutput(const QString& settings) {
    QStringList before;
    for (const Output& o : outputs()) {
        before << o.name;
    }
    sway(QStringLiteral("create_output"));
    QString name;
    waitUntil([&] {
        for (const QString& n : allOutputs()) {
            if (!before.contains(n)) {
                name = n;
            }
        }
        return !name.isEmpty();
    });
    added_ << name;
    sway(QStringLiteral("output %1 enable %2").arg(name, settings));
    return name;
}

QStringList WaylandDesktop::allOutputs() const {
    QStringList names;
    const QJsonArray list =
        QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), {"-t", "get_outputs"})).array();
    for (const QJsonValue& v : list) {
        names << v.toObject().value(QStringLiteral("name")).toString();
    }
    return names;
}

void WaylandDesktop::showPattern() {
    pattern_ = start(QStringLiteral(LUMACAP_PATTERN_PROGRAM), {},
                     {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland")}});
    if (!waitUntil(
            [&] {
                pattern_->waitForReadyRead(50);
                return pattern_->peek(64).contains("ready");
            },
            10000)) {
        throw std::runtime_error("the test pattern did not come up");
    }
    // Each window onto its own output (sway opens new windows on the focused one).
    for (const Output& o : outputs()) {
        sway(QStringLiteral("[title=\"^pattern %1$\"] move container to output %1").arg(o.name));
    }
    QThread::msleep(300);
}

void WaylandDesktop::pointer(const QString& line) {
    pointer_->write(line.toUtf8() + '\n');
    if (!pointer_->waitForReadyRead(5000) || !pointer_->readLine().startsWith("ok")) {
        throw std::runtime_error("the virtual pointer did not answer");
    }
}

void WaylandDesktop::pointerTo(QPointF p) {
    QRect layout;
    for (const Output& o : outputs()) {
        layout |= o.logical;
    }
    pointer(QStringLiteral("move %1 %2 %3 %4")
                .arg(p.x() - layout.x())
                .arg(p.y() - layout.y())
                .arg(layout.width())
                .arg(layout.height()));
}

void WaylandDesktop::press() {
    pointer(QStringLiteral("down"));
}

void WaylandDesktop::release() {
    pointer(QStringLiteral("up"));
}

void WaylandDesktop::click(QPointF p) {
    pointerTo(p);
    QThread::msleep(50);
    press();
    release();
}

void WaylandDesktop::drag(QPointF from, QPointF to) {
    pointerTo(from);
    QThread::msleep(50);
    press();
    pointerTo((from + to) / 2);
    pointerTo(to);
    QThread::msleep(100);
    release();
}

void WaylandDesktop::key(const QString& name) {
    // wtype's keyboard is new to the desktop: the program binds it before the key comes.
    run(QStringLiteral("wtype"),
        {QStringLiteral("-s"), QStringLiteral("300"), QStringLiteral("-k"), name});
}

QImage WaylandDesktop::screenshot() const {
    return QImage::fromData(run(QStringLiteral("grim"), {QStringLiteral("-")}), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

QImage WaylandDesktop::clipboard() const {
    int status = -1;
    const QByteArray png = run(
        QStringLiteral("wl-paste"),
        {QStringLiteral("-n"), QStringLiteral("-t"), QStringLiteral("image/png")}, &status, 5000);
    return status == 0 ? QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32)
                       : QImage();
}

QImage WaylandDesktop::waitForNewClipboard(const QImage& previous, int timeoutMs) const {
    return waitForNewPicture([this] { return clipboard(); }, previous, timeoutMs);
}

WaylandProgram::WaylandProgram(WaylandDesktop& desktop) : desktop_(desktop), folder_(installDir()) {
    desktop_.giveToUser(folder_.path());
    desktop_.giveToUser(home_.path());
}

WaylandProgram::~WaylandProgram() {
    end();
}

QMap<QString, QString> WaylandProgram::overrides() const {
    QMap<QString, QString> all = changed_;
    all.insert(QStringLiteral("HOME"), home_.path());
    all.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/.config"));
    all.insert(QStringLiteral("XDG_DATA_HOME"), home_.path() + QStringLiteral("/.local/share"));
    return all;
}

bool WaylandProgram::start(const QStringList& arguments) {
    process_ = desktop_.start(folder_.path() + QStringLiteral("/Lumacap"), arguments, overrides());
    return waitUntil([&] { return mainWindow().has_value(); }, 10000);
}

WaylandProgram::Run WaylandProgram::runAgain(const QStringList& arguments, int timeoutMs) const {
    Run run;
    const QString err = home_.path() + QStringLiteral("/stderr.txt");
    // Through a shell, to keep its two outputs apart.
    const QByteArray out = desktop_.run(
        QStringLiteral("sh"),
        QStringList{QStringLiteral("-c"),
                    QStringLiteral("cd \"$HOME\" && exec \"$@\" 2>\"$HOME/stderr.txt\""),
                    QStringLiteral("sh"), folder_.path() + QStringLiteral("/Lumacap")}
            << arguments,
        &run.status, timeoutMs, overrides());
    run.out = QString::fromLocal8Bit(out);
    QFile file(err);
    if (file.open(QIODevice::ReadOnly)) {
        run.err = QString::fromLocal8Bit(file.readAll());
    }
    return run;
}

bool WaylandProgram::end() {
    if (!process_ || process_->state() == QProcess::NotRunning) {
        return true;
    }
    process_->terminate();
    return process_->waitForFinished(5000);
}

std::vector<QJsonObject> WaylandProgram::windows() const {
    std::vector<QJsonObject> out;
    for (const QJsonObject& w : desktop_.windows()) {
        if (w.value(QStringLiteral("app_id")).toString() == QLatin1String("lumacap-gui") &&
            w.value(QStringLiteral("visible")).toBool()) {
            out.push_back(w);
        }
    }
    return out;
}

std::optional<QRect> WaylandProgram::mainWindow() const {
    for (const QJsonObject& w : windows()) {
        const QRect r = WaylandDesktop::content(w);
        if (r.size() == QSize(248, 115)) {
            return r;
        }
    }
    return std::nullopt;
}

void WaylandProgram::clickMain(QPoint clientPoint) {
    // Where the main window has settled: just shown again, the desktop may still place it.
    std::optional<QRect> main = mainWindow();
    waitUntil(
        [&] {
            QThread::msleep(100);
            const std::optional<QRect> now = mainWindow();
            const bool settled = now && now == main;
            main = now;
            return settled;
        },
        3000);
    if (!main || !waitUntil([&] { return desktop_.drawnOver(*main); }, 3000)) {
        throw std::runtime_error("the main window is not shown");
    }
    desktop_.click(QPointF(main->topLeft() + clientPoint) + QPointF(0.5, 0.5));
    QThread::msleep(150);
}

bool WaylandProgram::waitForMainAlone(int timeoutMs) const {
    return waitUntil([&] { return windows().size() == 1 && mainWindow(); }, timeoutMs);
}

bool WaylandProgram::waitForOverlay(int timeoutMs) const {
    return waitUntil(
        [&] {
            size_t covered = 0;
            const auto outputs = desktop_.outputs();
            for (const QJsonObject& w : windows()) {
                for (const auto& o : outputs) {
                    if (w.value(QStringLiteral("fullscreen_mode")).toInt() == 1 &&
                        WaylandDesktop::content(w) == o.logical) {
                        ++covered;
                    }
                }
            }
            return covered == outputs.size();
        },
        timeoutMs);
}

bool WaylandProgram::markArea(QPointF from, QPointF to) {
    clickCapture();
    if (!waitForOverlay()) {
        return false;
    }
    QThread::msleep(200);  // mapped is not yet painted and taking the mouse
    desktop_.drag(from, to);
    return true;
}

QString WaylandProgram::describe() const {
    QString text = QStringLiteral("windows:");
    for (const QJsonObject& w : windows()) {
        const QRect r = WaylandDesktop::content(w);
        text += QStringLiteral("\n  \"%1\" %2x%3+%4+%5 fullscreen %6")
                    .arg(w.value(QStringLiteral("name")).toString())
                    .arg(r.width())
                    .arg(r.height())
                    .arg(r.x())
                    .arg(r.y())
                    .arg(w.value(QStringLiteral("fullscreen_mode")).toInt());
    }
    if (process_) {
        text += QStringLiteral("\nstandard error:\n") +
                QString::fromLocal8Bit(process_->readAllStandardError());
    }
    return text;
}

std::optional<QRect> WaylandProgram::waitForOtherWindow(int timeoutMs) const {
    std::optional<QRect> found;
    waitUntil(
        [&] {
            for (const QJsonObject& w : windows()) {
                const QRect r = WaylandDesktop::content(w);
                if (r.size() != QSize(248, 115)) {
                    found = r;
                }
            }
            return found.has_value();
        },
        timeoutMs);
    return found;
}
