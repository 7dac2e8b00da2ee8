// Reading the command line, and the messages between a second start and the running copy.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include "app/instance_message.h"
#include "platform/shortcut_files.h"

namespace {

CommandLine parsed(const QStringList& arguments) {
    const auto p = command_line::parse(arguments);
    EXPECT_TRUE(p.command.has_value()) << p.error.toStdString();
    return p.command.value_or(CommandLine{});
}

QString refusal(const QStringList& arguments) {
    const auto p = command_line::parse(arguments);
    EXPECT_FALSE(p.command.has_value()) << arguments.join(' ').toStdString();
    return p.error;
}

TEST(CommandLine, CaptureModesOutcomesDelayAndTray) {
    EXPECT_FALSE(parsed({}).capture.has_value());
    EXPECT_EQ(parsed({"--capture=selection"}).capture, CommandLine::Capture::Selection);
    EXPECT_EQ(parsed({"--capture", "area"}).capture, CommandLine::Capture::Area);
    const CommandLine c = parsed({"--capture=screen", "--copy", "--delay=60", "--tray"});
    EXPECT_EQ(c.capture, CommandLine::Capture::Screen);
    EXPECT_EQ(c.outcome, CommandLine::Outcome::Copy);
    EXPECT_EQ(c.delaySeconds, 60);
    EXPECT_TRUE(c.tray);
    EXPECT_EQ(parsed({"--capture=area", "--edit"}).outcome, CommandLine::Outcome::Edit);
    EXPECT_EQ(parsed({"--capture=area"}).outcome, CommandLine::Outcome::MainWindowChoice);
    EXPECT_EQ(parsed({"--capture=area", "--delay=0"}).delaySeconds, 0);
}

TEST(CommandLine, EveryRefusalNamesTheOptionAtFault) {
    EXPECT_EQ(refusal({"--window"}), "opção desconhecida: --window");
    EXPECT_EQ(refusal({"-x"}), "opção desconhecida: -x");
    EXPECT_EQ(refusal({"--capture"}), "a opção --capture precisa de um valor");
    EXPECT_EQ(refusal({"--tray=yes"}), "a opção --tray não aceita valor");
    EXPECT_EQ(refusal({"shot.png"}), "argumento inesperado: shot.png");
    EXPECT_TRUE(refusal({"--capture=Screen"}).startsWith("valor inválido para --capture"));
    for (const char* delay : {"-1", "61", "5s", "", " 5", "+5"}) {
        EXPECT_TRUE(refusal({"--capture=screen", QStringLiteral("--delay=%1").arg(delay)})
                        .startsWith("valor inválido para --delay"))
            << delay;
    }
    EXPECT_EQ(refusal({"--capture=screen", "--copy", "--edit"}),
              "--copy e --edit não podem ser usadas juntas");
    EXPECT_EQ(refusal({"--capture=screen", "--edit", "--output=a.png"}),
              "--output e --edit não podem ser usadas juntas");
    for (const char* needsCapture : {"--copy", "--edit", "--delay=3", "--output=a.png"}) {
        EXPECT_TRUE(refusal({needsCapture}).endsWith("só vale junto com --capture"))
            << needsCapture;
    }
}

TEST(CommandLine, OutputFormatComesFromTheNameAndRelativePathsFromTheStartFolder) {
    EXPECT_EQ(parsed({"--capture=screen", "--output=a.PNG"}).output, "a.PNG");
    EXPECT_EQ(parsed({"--capture=screen", "--output=a.jpeg"}).output, "a.jpeg");
    EXPECT_EQ(parsed({"--capture=screen", "--output=a.JPG"}).output, "a.JPG");
    EXPECT_EQ(parsed({"--capture=screen", "--output=dia 1"}).output, "dia 1.bmp");
    for (const char* bad : {"--output=a.gif", "--output=a.", "--output=", "--output=pasta/"}) {
        EXPECT_TRUE(refusal({"--capture=screen", bad}).startsWith("valor inválido para --output"))
            << bad;
    }
    const CommandLine relative = parsed({"--capture=screen", "--output=../fotos/a.png"});
    EXPECT_EQ(relative.resolvedAgainst("/home/ana/docs").output, "/home/ana/fotos/a.png");
    const CommandLine absolute = parsed({"--capture=screen", "--output=/tmp/a.png"});
    EXPECT_EQ(absolute.resolvedAgainst("/home/ana").output, "/tmp/a.png");
}

// A frame as it would come off the socket.
instance_message::FrameReader::State feed(instance_message::FrameReader& reader,
                                          const QByteArray& bytes) {
    return reader.add(bytes);
}

TEST(InstanceMessage, RequestsAndAnswersCrossIntactAndOnlyWithinTheirBound) {
    using State = instance_message::FrameReader::State;
    const instance_message::Request request{"/home/ana", {"--capture=screen", "--output=é.png"}};
    const QByteArray frame = instance_message::encode(request);
    instance_message::FrameReader reader;
    EXPECT_EQ(feed(reader, frame.left(3)), State::NeedMore);
    EXPECT_EQ(feed(reader, frame.mid(3, 10)), State::NeedMore);
    ASSERT_EQ(feed(reader, frame.mid(13)), State::Complete);
    QString why;
    const auto back = instance_message::decodeRequest(reader.payload(), &why);
    ASSERT_TRUE(back.has_value()) << why.toStdString();
    EXPECT_EQ(back->folder, request.folder);
    EXPECT_EQ(back->arguments, request.arguments);

    const QByteArray answerFrame = instance_message::encode({1, "", "Lumacap: falhou"});
    instance_message::FrameReader answerReader;
    ASSERT_EQ(feed(answerReader, answerFrame), State::Complete);
    const auto answer = instance_message::decodeAnswer(answerReader.payload());
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->status, 1);
    EXPECT_EQ(answer->err, "Lumacap: falhou");

    // A length past the bound is refused as soon as it is read, before the bytes come.
    QByteArray huge(4, '\0');
    qToBigEndian<quint32>(instance_message::kMaxFrameBytes, huge.data());
    instance_message::FrameReader hugeReader;
    EXPECT_EQ(feed(hugeReader, huge), State::TooLarge);
    instance_message::FrameReader longReader;
    EXPECT_EQ(feed(longReader, instance_message::encode(instance_message::Request{
                                   "/", QStringList(2000, QStringLiteral("--capture=screen"))})),
              State::TooLarge);
}

TEST(InstanceMessage, MalformedRequestsAreRefusedWhole) {
    QString why;
    for (const char* payload : {
             "", "[]", "{\"v\":1}", "not json",
             R"({"v":2,"folder":"/","arguments":[]})",           // another version
             R"({"v":1,"folder":"tmp","arguments":[]})",         // a relative folder
             R"({"v":1,"folder":"/","arguments":"--copy"})",     // not a list
             R"({"v":1,"folder":"/","arguments":["--copy",3]})"  // one argument not text
         }) {
        EXPECT_FALSE(instance_message::decodeRequest(payload, &why).has_value()) << payload;
    }
}

TEST(Shortcuts, DesktopEntryOffersTheThreeCaptureActions) {
    const QString entry = shortcuts::desktopEntry("/opt/Meus Programas/Lumacap", "/i.ico");
    EXPECT_TRUE(entry.contains("\nActions=capturar-selecao;capturar-area;capturar-tela;\n"));
    const struct {
        const char* id;
        const char* name;
        const char* mode;
    } actions[] = {{"capturar-selecao", "Capturar seleção", "selection"},
                   {"capturar-area", "Capturar área", "area"},
                   {"capturar-tela", "Capturar tela", "screen"}};
    for (const auto& a : actions) {
        EXPECT_TRUE(entry.contains(QStringLiteral("\n[Desktop Action %1]\nName=%2\n"
                                                  "Exec=\"/opt/Meus Programas/Lumacap\" "
                                                  "--capture=%3\n")
                                       .arg(a.id, QString::fromUtf8(a.name), a.mode)))
            << entry.toStdString();
    }
}

}  // namespace
