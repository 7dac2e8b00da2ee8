#include "support/run_process.h"

#include <QProcess>

QByteArray runToEnd(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                    int* status, int timeoutMs, QByteArray* standardError) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        if (status) {
            *status = -1;
        }
        return {};
    }
    if (status) {
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    if (standardError) {
        *standardError = p.readAllStandardError();
    }
    return p.readAllStandardOutput();
}
