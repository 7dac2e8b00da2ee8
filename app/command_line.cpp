#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "info/maker_info.h"

namespace command_line {

namespace {

const QStringList kValueOptions{QStringLiteral("capture"), QStringLiteral("delay"),
                                QStringLiteral("output")};
const QStringList kFlagOptions{QStringLiteral("help"), QStringLiteral("version"),
                               QStringLiteral("copy"), QStringLiteral("edit"),
                               QStringLiteral("tray"), QStringLiteral("print-key")};

Parsed failure(const QString& message) {
    return {std::nullopt, message};
}

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// QCommandLineParser's own messages are English and name no option in a form we can show; the
// arguments themselves tell which one was at fault.
QString parserFailure(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        return QStringLiteral("opção desconhecida: %1")
            .arg(dashed(parser.unknownOptionNames().constFirst()));
    }
    for (const QString& argument : arguments) {
        for (const QString& flag : kFlagOptions) {
            if (argument.startsWith(QStringLiteral("--%1=").arg(flag))) {
                return QStringLiteral("a opção --%1 não aceita valor").arg(flag);
            }
        }
    }
    if (!arguments.isEmpty()) {
        for (const QString& option : kValueOptions) {
            if (arguments.constLast() == QStringLiteral("--") + option) {
                return QStringLiteral("a opção --%1 precisa de um valor").arg(option);
            }
        }
    }
    return QStringLiteral("argumentos inválidos (%1)").arg(parser.errorText());
}

std::optional<CommandLine::Capture> captureMode(const QString& value) {
    if (value == QLatin1String("selection")) {
        return CommandLine::Capture::Selection;
    }
    if (value == QLatin1String("area")) {
        return CommandLine::Capture::Area;
    }
    if (value == QLatin1String("screen")) {
        return CommandLine::Capture::Screen;
    }
    return std::nullopt;
}

// The picture's format comes from the name; a name without an extension gets ".bmp", as the
// editor's save dialog does.
std::optional<QString> outputName(const QString& value) {
    const QString suffix = QFileInfo(value).suffix().toLower();
    if (suffix.isEmpty() && !value.endsWith(QLatin1Char('.'))) {
        return value + QStringLiteral(".bmp");
    }
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("png") ||
        suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return value;
    }
    return std::nullopt;
}

}  // namespace

Parsed parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, {}},
        {QStringLiteral("version"), {}},
        {QStringLiteral("capture"), {}, QStringLiteral("mode")},
        {QStringLiteral("copy"), {}},
        {QStringLiteral("edit"), {}},
        {QStringLiteral("delay"), {}, QStringLiteral("seconds")},
        {QStringLiteral("output"), {}, QStringLiteral("path")},
        {QStringLiteral("tray"), {}},
        {QStringLiteral("print-key"), {}},
    });
    if (!parser.parse(QStringList{QStringLiteral("Lumacap")} + arguments)) {
        return failure(parserFailure(parser, arguments));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(QStringLiteral("argumento inesperado: %1")
                           .arg(parser.positionalArguments().constFirst()));
    }

    CommandLine c;
    c.help = parser.isSet(QStringLiteral("help"));
    c.version = parser.isSet(QStringLiteral("version"));
    c.tray = parser.isSet(QStringLiteral("tray"));
    c.printKey = parser.isSet(QStringLiteral("print-key"));
    if (parser.isSet(QStringLiteral("capture"))) {
        const QString value = parser.value(QStringLiteral("capture"));
        c.capture = captureMode(value);
        if (!c.capture) {
            return failure(QStringLiteral("valor inválido para --capture: \"%1\" (use "
                                          "selection, area ou screen)")
                               .arg(value));
        }
    }
    const bool copy = parser.isSet(QStringLiteral("copy"));
    const bool edit = parser.isSet(QStringLiteral("edit"));
    if (copy && edit) {
        return failure(QStringLiteral("--copy e --edit não podem ser usadas juntas"));
    }
    c.outcome = copy   ? CommandLine::Outcome::Copy
                : edit ? CommandLine::Outcome::Edit
                       : CommandLine::Outcome::MainWindowChoice;
    if (parser.isSet(QStringLiteral("delay"))) {
        const QString value = parser.value(QStringLiteral("delay"));
        bool number = false;
        c.delaySeconds = value.toInt(&number);
        // toInt takes a sign and surrounding blanks; a count of seconds is plain digits.
        const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(),
                                                            [](QChar ch) { return ch.isDigit(); });
        if (!number || !digits || c.delaySeconds > kMaxDelaySeconds) {
            return failure(QStringLiteral("valor inválido para --delay: \"%1\" (use um número "
                                          "inteiro de segundos, de 0 a %2)")
                               .arg(value)
                               .arg(kMaxDelaySeconds));
        }
    }
    if (parser.isSet(QStringLiteral("output"))) {
        const QString value = parser.value(QStringLiteral("output"));
        if (value.isEmpty() || value.endsWith(QLatin1Char('/'))) {
            return failure(QStringLiteral("valor inválido para --output: \"%1\" não é um nome "
                                          "de arquivo")
                               .arg(value));
        }
        const auto name = outputName(value);
        if (!name) {
            return failure(QStringLiteral("valor inválido para --output: \"%1\" (use um nome "
                                          "terminado em .bmp, .png, .jpg ou .jpeg)")
                               .arg(value));
        }
        if (edit) {
            return failure(QStringLiteral("--output e --edit não podem ser usadas juntas"));
        }
        c.output = *name;
    }
    if (!c.capture) {
        for (const QString& needsCapture : {QStringLiteral("copy"), QStringLiteral("edit"),
                                            QStringLiteral("delay"), QStringLiteral("output")}) {
            if (parser.isSet(needsCapture)) {
                return failure(
                    QStringLiteral("a opção --%1 só vale junto com --capture").arg(needsCapture));
            }
        }
    }
    return {c, {}};
}

QString helpText(const QString& command) {
    const QString text = QStringLiteral(
        "Uso: %1 [opções]\n"
        "\n"
        "Captura de tela. Sem opções, abre o Lumacap, ou traz para a frente o que já está\n"
        "aberto (também da bandeja). Com o Lumacap aberto, as opções são levadas a ele.\n"
        "\n"
        "Opções:\n"
        "  -h, --help            mostra esta ajuda e sai\n"
        "      --version         mostra a versão e sai\n"
        "      --capture=MODO    captura agora; MODO é selection (arrastar uma área), area\n"
        "                        (área de tamanho fixo) ou screen (a tela inteira)\n"
        "      --copy            copia a captura para a área de transferência\n"
        "      --edit            abre a captura no editor\n"
        "                        (sem --copy nem --edit vale a escolha da janela principal)\n"
        "      --delay=N         espera N segundos (0 a 60) antes de capturar; Esc cancela\n"
        "      --output=ARQUIVO  salva a captura no arquivo, sem o editor, e mostra o\n"
        "                        caminho; BMP, ou PNG e JPEG pelo final do nome (.png, .jpg,\n"
        "                        .jpeg); um nome sem final recebe .bmp\n"
        "      --tray            começa escondido na bandeja (ou na barra de tarefas)\n"
        "      --print-key       reserva a tecla Print (X11) para --capture=selection; se\n"
        "                        outro programa já a tem, diz qual é o problema\n"
        "\n"
        "Saída: 0 feito, 1 falhou, 2 opções inválidas (nada foi feito).\n");
    return text.arg(command);
}

QString versionText() {
    return QStringLiteral("Lumacap %1\n").arg(QString::fromUtf8(maker_info::kVersionLine));
}

}  // namespace command_line

CommandLine CommandLine::resolvedAgainst(const QString& folder) const {
    CommandLine c = *this;
    if (!c.output.isEmpty()) {
        c.output = QDir::cleanPath(QDir(folder).absoluteFilePath(c.output));
    }
    return c;
}
