// The ReadMe documents' maker (the build tool) on sources of our own, read back with the PDF
// tools, and the maker's details that the documents and the about window share.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "info/maker_info.h"

namespace {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

ToolRun run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    ToolRun r;
    if (p.waitForStarted() && p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit) {
        r.status = p.exitCode();
    }
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

class ReadmeMaker : public ::testing::Test {
protected:
    QString write(const QString& name, const QString& text) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
        return f.fileName();
    }
    ToolRun make(const QString& source, const QString& pdf) {
        return run(QStringLiteral(LUMACAP_MKASSETS), {QStringLiteral("pdf"), source, pdf});
    }
    static QString text(const QString& pdf, int page = 0) {
        QStringList args;
        if (page > 0) {
            args << "-f" << QString::number(page) << "-l" << QString::number(page);
        }
        return run("pdftotext", args << pdf << "-").out;
    }
    static int pages(const QString& pdf) {
        const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf}).out);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }

    QTemporaryDir dir;
};

TEST_F(ReadmeMaker, LongDocumentKeepsEveryParagraphOnceAndHeadingsWithTheirText) {
    QString source = "# Documento de teste\n\n";
    const QString words =
        "palavras de enchimento que fazem o parágrafo ocupar várias linhas da página ";
    for (int section = 1; section <= 12; ++section) {
        source += QString("## Seção %1\n\n").arg(section);
        for (int p = 1; p <= 4; ++p) {
            source += QString("Marca%1x%2 ").arg(section).arg(p) + words.repeated(6) + "\n\n";
        }
        source += QString("- Item%1 primeiro\n- Item%1 segundo\n  continua aqui\n\n").arg(section);
    }
    const QString pdf = dir.filePath("longo.pdf");
    const ToolRun r = make(write("longo.txt", source), pdf);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const int n = pages(pdf);
    ASSERT_GE(n, 3);

    // Every paragraph once: none lost, none drawn twice at a page's edge.
    const QString all = text(pdf);
    for (int section = 1; section <= 12; ++section) {
        for (int p = 1; p <= 4; ++p) {
            EXPECT_EQ(all.count(QString("Marca%1x%2 ").arg(section).arg(p)), 1)
                << section << "/" << p;
        }
        EXPECT_EQ(all.count(QString("Item%1 segundo continua aqui").arg(section)), 1) << section;
    }
    // No page ends with a heading, and every page carries its number.
    for (int page = 1; page <= n; ++page) {
        QStringList lines = text(pdf, page).split('\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines.last().trimmed(), QString("Página %1 de %2").arg(page).arg(n));
        const int lastBody = lines.size() - 3;  // before the footer's two parts
        ASSERT_GE(lastBody, 0);
        EXPECT_FALSE(lines[lastBody].startsWith("Seção"))
            << page << ": " << lines[lastBody].toStdString();
    }
}

TEST_F(ReadmeMaker, NamesAreFilledInAndTheTitleNamesThePdf) {
    const QString pdf = dir.filePath("nomes.pdf");
    const ToolRun r =
        make(write("nomes.txt",
                   "# Título & teste\n> {VERSION}\n\nFeito por **{MAKER}**, {AUTHOR}, "
                   "em {YEAR}: {SITE} ({SITE_SHOWN}).\n"),
             pdf);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString t = text(pdf).simplified();
    EXPECT_TRUE(t.contains(
        QString("Feito por %1, %2, em %3: %4 (%5).")
            .arg(QString::fromUtf8(maker_info::kMaker), QString::fromUtf8(maker_info::kAuthor),
                 QString::fromUtf8(maker_info::kCopyrightYear),
                 QString::fromUtf8(maker_info::kSiteUrl), "www.morvellsoftware.com.br")))
        << t.toStdString();
    EXPECT_TRUE(t.contains("Novembro/2024"));
    EXPECT_FALSE(t.contains('{'));
    EXPECT_TRUE(run("pdfinfo", {pdf}).out.contains("Título & teste"));
}

TEST_F(ReadmeMaker, IncludedFileIsQuotedParagraphByParagraph) {
    write("quoted.txt", "First line\nof the first.\n\nThe second.\n");
    const QString pdf = dir.filePath("inc.pdf");
    const ToolRun r =
        make(write("inc.txt", "# Com inclusão\n\n@include quoted.txt\n\nDepois.\n"), pdf);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString t = text(pdf);
    EXPECT_TRUE(t.contains("First line of the first.")) << t.toStdString();
    EXPECT_LT(t.indexOf("The second."), t.indexOf("Depois."));
}

TEST_F(ReadmeMaker, BadSourcesFailTheBuildNamingTheCauseAndLeaveNoPdf) {
    struct Case {
        const char* what;
        QString source;  // empty: no source file at all
        QString pdf;
        QString mentions;
    };
    const QString pdf = dir.filePath("out.pdf");
    const std::vector<Case> cases{
        {"missing source", QString(), pdf, dir.filePath("nada.txt")},
        {"unknown name", "# T\n\nFeito por {MAKR}.\n", pdf, "{MAKR}"},
        {"missing include", "# T\n\n@include nada.txt\n", pdf, "nada.txt"},
        {"no title", "Só texto.\n", pdf, "title"},
        {"unwritable output", "# T\n\nTexto.\n", dir.filePath("sem/pasta/out.pdf"), "cannot write"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString source =
            c.source.isEmpty() ? dir.filePath("nada.txt") : write("fonte.txt", c.source);
        const ToolRun r = make(source, c.pdf);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(c.mentions)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(c.pdf));
    }
    // A failure also removes the document of an earlier, good run.
    ASSERT_EQ(make(write("bom.txt", "# Bom\n\nTexto.\n"), pdf).status, 0);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(make(write("mau.txt", "# Mau\n\n{NADA}\n"), pdf).status, 1);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(MakerInfo, ShownAddressLicenceAndVersionAgree) {
    using namespace maker_info;
    EXPECT_EQ(QString("https://") + kSiteShownStart + kSiteShownMiddle + kSiteShownEnd,
              QString(kSiteUrl));
    EXPECT_EQ(QString::fromUtf8(kVersionLine), QString("Versão: 1.0  -  Novembro/2024"));
    QFile licence(QStringLiteral(LUMACAP_SOURCE_DIR "/LICENSE"));
    ASSERT_TRUE(licence.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(licence.readAll());
    EXPECT_TRUE(text.startsWith("MIT License"));
    EXPECT_TRUE(text.contains(QString("Copyright (c) %1 %2").arg(kCopyrightYear, kMaker)));
}

}  // namespace
