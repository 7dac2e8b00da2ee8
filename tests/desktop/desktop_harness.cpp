#include "desktop/desktop_harness.h"

#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <functional>
#include <stdexcept>

#include "support/run_process.h"

namespace {

const QString kDesktopDir = QStringLiteral(LUMACAP_DESKTOP_DIR);
constexpr uid_t kNobody = 65534;  // also the group nogroup

void sleepMs(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace

QString installDir() {
    const QString dir = qEnvironmentVariable("LUMACAP_INSTALL_DIR");
    if (dir.isEmpty() || !QFile::exists(dir + QStringLiteral("/Lumacap"))) {
        throw std::runtime_error("LUMACAP_INSTALL_DIR does not hold an installed Lumacap");
    }
    return dir;
}

// The dummy driver's configuration for a framebuffer of `size` (xorg-dummy.conf filled in).
QByteArray xorgConfig(QSize size) {
    QFile f(kDesktopDir + QStringLiteral("/xorg-dummy.conf"));
    if (!f.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("xorg-dummy.conf is missing");
    }
    QByteArray text = f.readAll();
    const int w = size.width(), h = size.height();
    const std::pair<const char*, int> fields[] = {
        {"@VIDEORAM@", w * h * 4 / 1024 + 4096},
        {"@HSTART@", w + 96},
        {"@HEND@", w + 296},
        {"@HTOTAL@", w + 596},
        {"@VSTART@", h + 3},
        {"@VEND@", h + 10},
        {"@VTOTAL@", h + 39},
        {"@WIDTH@", w},
        {"@HEIGHT@", h},
    };
    for (const auto& [name, value] : fields) {
        text.replace(name, QByteArray::number(value));
    }
    return text;
}

void PrivateDesktop::startServer(const QString& displayFile) {
    QString command = QStringLiteral(
                          "exec Xvfb -displayfd 3 -screen 0 %1x%2x24 -nolisten tcp "
                          "-noreset 3>\"%3\"")
                          .arg(options_.width)
                          .arg(options_.height)
                          .arg(displayFile);
    if (!options_.monitors.empty()) {
        QRect all;
        for (const QRect& m : options_.monitors) {
            all |= m;
        }
        const QString config = work_.filePath(QStringLiteral("xorg.conf"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(xorgConfig(QSize(all.right() + 1, all.bottom() + 1))) < 0) {
            throw std::runtime_error("cannot write the X server's configuration");
        }
        f.close();
        command = QStringLiteral(
                      "exec Xorg -displayfd 3 -config \"%1\" -noreset -nolisten tcp "
                      "-logfile \"%2\" 3>\"%3\"")
                      .arg(config, work_.filePath(QStringLiteral("xorg.log")), displayFile);
    }
    auto server = std::make_unique<QProcess>();
    server->setProcessChannelMode(QProcess::MergedChannels);
    server->setStandardOutputFile(work_.filePath(QStringLiteral("server.log")));
    // The server writes the display number it chose to descriptor 3.
    server->start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    if (!server->waitForStarted()) {
        throw std::runtime_error("the X server did not start");
    }
    processes_.push_back(std::move(server));
}

void PrivateDesktop::addMonitors() {
    // The primary monitor, set last, takes the server's one output: Qt's primary screen.
    for (size_t n = options_.monitors.size(); n-- > 0;) {
        const QRect& m = options_.monitors[n];
        const QString geometry = QStringLiteral("%1/%2x%3/%4+%5+%6")
                                     .arg(m.width())
                                     .arg(m.width() * 254 / 960)
                                     .arg(m.height())
                                     .arg(m.height() * 254 / 960)
                                     .arg(m.x())
                                     .arg(m.y());
        const bool primary = n == 0;
        int status = -1;
        run(QStringLiteral("xrandr"),
            {QStringLiteral("--setmonitor"),
             (primary ? QStringLiteral("*M") : QStringLiteral("M")) + QString::number(n), geometry,
             primary ? QStringLiteral("DUMMY0") : QStringLiteral("none")},
            &status);
        if (status != 0) {
            throw std::runtime_error("xrandr could not add a monitor");
        }
    }
}

PrivateDesktop::PrivateDesktop(DesktopOptions options) : options_(options) {
    const QString displayFile = work_.filePath(QStringLiteral("display"));
    startServer(displayFile);
    const bool up = waitUntil(
        [&] {
            QFile f(displayFile);
            if (!f.open(QIODevice::ReadOnly)) {
                return false;
            }
            const QByteArray line = f.readLine().trimmed();
            if (line.isEmpty()) {
                return false;
            }
            display_ = QStringLiteral(":") + QString::fromLatin1(line);
            return true;
        },
        10000);
    if (!up) {
        throw std::runtime_error("the X server did not report its display");
    }
    if (!options_.monitors.empty()) {
        addMonitors();
    }
    if (options_.dpi > 0) {
        QProcess xrdb;
        xrdb.setProcessEnvironment(environment());
        xrdb.start(QStringLiteral("xrdb"), {QStringLiteral("-merge")});
        xrdb.write(QStringLiteral("Xft.dpi: %1\n").arg(options_.dpi).toLatin1());
        xrdb.closeWriteChannel();
        if (!xrdb.waitForFinished(10000) || xrdb.exitCode() != 0) {
            throw std::runtime_error("xrdb could not set Xft.dpi");
        }
    }
    if (options_.windowManager) {
        const QString config = kDesktopDir + (options_.tray ? QStringLiteral("/jwmrc")
                                                            : QStringLiteral("/jwmrc-no-tray"));
        startBackground(QStringLiteral("jwm"), {QStringLiteral("-f"), config});
        waitUntil(
            [&] {
                return run(QStringLiteral("xprop"),
                           {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                    .contains(QStringLiteral("window id"));
            },
            5000);
    }
    if (options_.compositor) {
        startCompositor();
    }
}

PrivateDesktop::~PrivateDesktop() {
    for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
        QProcess& p = **it;
        if (p.state() != QProcess::NotRunning) {
            p.terminate();
            if (!p.waitForFinished(3000)) {
                p.kill();
                p.waitForFinished(3000);
            }
        }
    }
}

QProcessEnvironment PrivateDesktop::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    if (!options_.qtScale.isEmpty()) {
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), options_.qtScale);
    }
    if (!options_.screenScales.isEmpty()) {
        env.insert(QStringLiteral("QT_SCREEN_SCALE_FACTORS"), options_.screenScales);
    }
    return env;
}

std::vector<QRect> PrivateDesktop::screens() const {
    if (options_.monitors.empty()) {
        return {QRect(0, 0, options_.width, options_.height)};
    }
    return options_.monitors;
}

double PrivateDesktop::scale() const {
    double s = options_.dpi > 0 ? options_.dpi / 96.0 : 1.0;
    if (!options_.qtScale.isEmpty()) {
        s *= options_.qtScale.toDouble();
    }
    for (const QString& entry : options_.screenScales.split(QLatin1Char(';'))) {
        if (entry.startsWith(QLatin1String("M0="))) {
            s *= entry.mid(3).toDouble();
        }
    }
    return s;
}

QByteArray PrivateDesktop::runBytes(const QString& program, const QStringList& args, int* status,
                                    int timeoutMs) const {
    return runToEnd(program, args, environment(), status, timeoutMs);
}

QString PrivateDesktop::run(const QString& program, const QStringList& args, int* status,
                            int timeoutMs) const {
    return QString::fromLocal8Bit(runBytes(program, args, status, timeoutMs));
}

QStringList PrivateDesktop::searchWindows(const QStringList& searchArgs) const {
    QByteArray out, err;
    for (int attempt = 0; attempt < 10; ++attempt) {
        out =
            runToEnd(QStringLiteral("xdotool"), QStringList{QStringLiteral("search")} + searchArgs,
                     environment(), nullptr, 15000, &err);
        if (!err.contains("X Error")) {
            break;
        }
    }
    return QString::fromLocal8Bit(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

qint64 PrivateDesktop::startBackground(const QString& program, const QStringList& args,
                                       const QMap<QString, QString>& extra) {
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = environment();
    for (auto it = extra.cbegin(); it != extra.cend(); ++it) {
        env.insert(it.key(), it.value());
    }
    p->setProcessEnvironment(env);
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    p->start(program, args);
    if (!p->waitForStarted()) {
        throw std::runtime_error(("cannot start " + program).toStdString());
    }
    const qint64 pid = p->processId();
    processes_.push_back(std::move(p));
    return pid;
}

void PrivateDesktop::stopBackground(qint64 pid) {
    for (auto& p : processes_) {
        if (p->processId() == pid && p->state() != QProcess::NotRunning) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }
}

void PrivateDesktop::startCompositor() {
    if (compositorPid_ == 0) {
        compositorPid_ = startBackground(QStringLiteral("xcompmgr"), {QStringLiteral("-n")});
        sleepMs(500);  // xcompmgr takes the compositing selection as it starts
    }
}

void PrivateDesktop::stopCompositor() {
    if (compositorPid_ != 0) {
        stopBackground(compositorPid_);
        compositorPid_ = 0;
    }
}

QImage PrivateDesktop::screenshot() const {
    const QByteArray png =
        runBytes(QStringLiteral("import"),
                 {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

InstalledProgram::InstalledProgram(PrivateDesktop& desktop, const QString& folderName)
    : desktop_(desktop),
      folder_(std::make_unique<TempProgramDir>(installDir(), folderName)),
      command_(folder_->path() + QStringLiteral("/Lumacap")) {}

InstalledProgram::InstalledProgram(PrivateDesktop& desktop, const SystemCommand& command)
    : desktop_(desktop), command_(command.path), asNobody_(::geteuid() == 0) {
    if (asNobody_ && ::chown(QFile::encodeName(home_.path()).constData(), kNobody, kNobody) != 0) {
        throw std::runtime_error("cannot give the test HOME to nobody");
    }
}

QString InstalledProgram::settingsFile() const {
    return folder_ ? folder_->dbPath()
                   : home_.path() + QStringLiteral("/.config/lumacap/BD/SO_Config.mdb");
}

void InstalledProgram::launch(QProcess& process, const QStringList& arguments) const {
    process.setProcessEnvironment(environment());
    if (asNobody_) {
        process.start(
            QStringLiteral("setpriv"),
            QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups"), QStringLiteral("--"), command_} +
                arguments);
    } else {
        process.start(command_, arguments);
    }
}

InstalledProgram::~InstalledProgram() {
    if (running()) {
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
}

QProcessEnvironment InstalledProgram::environment() const {
    QProcessEnvironment env = desktop_.environment();
    env.insert(QStringLiteral("HOME"), home_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/.config"));
    if (!folder_) {
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));  // a system install finds ~/.config
    }
    env.insert(QStringLiteral("XDG_DATA_HOME"), home_.path() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
    if (!pathPrefix_.isEmpty()) {
        env.insert(QStringLiteral("PATH"), pathPrefix_ + QLatin1Char(':') + env.value("PATH"));
    }
    for (auto it = changed_.cbegin(); it != changed_.cend(); ++it) {
        if (it.value().isNull()) {
            env.remove(it.key());
        } else {
            env.insert(it.key(), it.value());
        }
    }
    return env;
}

void InstalledProgram::start(const QStringList& arguments) {
    process_ = std::make_unique<QProcess>();
    process_->setWorkingDirectory(home_.path());
    launch(*process_, arguments);
    if (!process_->waitForStarted()) {
        throw std::runtime_error("the program did not start");
    }
}

InstalledProgram::Run InstalledProgram::runAgain(const QStringList& arguments,
                                                 const QString& folder, int timeoutMs) const {
    QProcess p;
    p.setWorkingDirectory(folder.isEmpty() ? home_.path() : folder);
    launch(p, arguments);
    Run run;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    } else if (p.exitStatus() == QProcess::NormalExit) {
        run.status = p.exitCode();
    }
    run.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(p.readAllStandardError());
    return run;
}

bool InstalledProgram::running() const {
    return process_ && process_->state() != QProcess::NotRunning;
}

qint64 InstalledProgram::pid() const {
    return process_ ? process_->processId() : 0;
}

std::optional<int> InstalledProgram::waitForExit(int timeoutMs) {
    if (!process_) {
        return std::nullopt;
    }
    if (process_->state() != QProcess::NotRunning && !process_->waitForFinished(timeoutMs)) {
        return std::nullopt;
    }
    if (process_->exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return process_->exitCode();
}

QString InstalledProgram::standardError() {
    return QString::fromLocal8Bit(process_ ? process_->readAllStandardError() : QByteArray());
}

QStringList InstalledProgram::windows() const {
    if (!running()) {
        return {};
    }
    return desktop_.searchWindows({QStringLiteral("--pid"), QString::number(pid())});
}

std::optional<QString> InstalledProgram::waitForWindow(const QString& title, int timeoutMs) const {
    std::optional<QString> found;
    waitUntil(
        [&] {
            const QStringList ids = desktop_.searchWindows(
                {QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid()),
                 QStringLiteral("--name"),
                 QStringLiteral("^") + QRegularExpression::escape(title) + QStringLiteral("$")});
            if (!ids.isEmpty()) {
                found = ids.first();
            }
            return found.has_value();
        },
        timeoutMs);
    return found;
}

WindowInfo windowInfo(const PrivateDesktop& desktop, const QString& windowId) {
    const QString out = desktop.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId});
    auto number = [&](const QString& key) {
        const QRegularExpression re(QRegularExpression::escape(key) +
                                    QStringLiteral(":\\s*(-?\\d+)"));
        const auto m = re.match(out);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    WindowInfo info;
    info.geometry = QRect(number(QStringLiteral("Absolute upper-left X")),
                          number(QStringLiteral("Absolute upper-left Y")),
                          number(QStringLiteral("Width")), number(QStringLiteral("Height")));
    const auto m = QRegularExpression(QStringLiteral("Map State:\\s*(\\w+)")).match(out);
    info.mapState = m.hasMatch() ? m.captured(1) : QString();
    info.viewable = info.mapState == QStringLiteral("IsViewable");
    return info;
}
