#include "readme_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

#include "readme_markup.h"

namespace {

constexpr int kDpi = 300;
const QColor kAccent(0x1d, 0x4e, 0xd8);
const QColor kGrey(0x64, 0x74, 0x8b);

// Points to device pixels of the PDF writer.
int pt(qreal points) {
    return qRound(points * kDpi / 72.0);
}

QFont sans(qreal points, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Lengths in the style sheet are pixels of a 96-dpi screen; the layout scales them to the PDF.
QString styleSheet() {
    return QStringLiteral(
        "h1 { font-size: 20pt; font-weight: bold; color: #1d4ed8; margin-bottom: 2px; }"
        "h2 { font-size: 13.5pt; font-weight: bold; color: #1e3a8a; margin-top: 16px;"
        "     margin-bottom: 6px; }"
        "h3 { font-size: 11.5pt; font-weight: bold; color: #334155; margin-top: 10px;"
        "     margin-bottom: 4px; }"
        "p { margin-top: 0px; margin-bottom: 7px; text-align: justify; }"
        "p.note { color: #64748b; margin-bottom: 6px; text-align: left; }"
        "p.quoted { font-size: 9.5pt; color: #334155; text-align: left; }"
        "ul { margin-top: 0px; margin-bottom: 7px; }"
        "li { margin-bottom: 3px; }");
}

// No paragraph or list item is split between two pages, and no heading is left at the foot of
// a page without its text: such a block starts the next page instead.
void paginate(QTextDocument& doc, qreal pageHeight) {
    // The whole document is laid out before any block is measured, and again after every
    // change: measuring a block of a half-made layout leaves the rest of it unmade.
    const QAbstractTextDocumentLayout* layout = doc.documentLayout();
    layout->documentSize();
    auto pageOf = [pageHeight](qreal y) { return static_cast<int>(y / pageHeight); };
    auto breakBefore = [](const QTextBlock& b) {
        QTextBlockFormat f = b.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(b).setBlockFormat(f);
        b.document()->documentLayout()->documentSize();
    };
    QTextBlock previous;
    for (QTextBlock b = doc.begin(); b.isValid(); previous = b, b = b.next()) {
        const QRectF r = layout->blockBoundingRect(b);
        const bool split = pageOf(r.top()) != pageOf(r.bottom() - 1) && r.height() < pageHeight;
        const bool afterHeading = previous.isValid() && previous.blockFormat().headingLevel() > 0;
        if (afterHeading &&
            (split || pageOf(r.top()) > pageOf(layout->blockBoundingRect(previous).top()))) {
            breakBefore(previous);
        } else if (split) {
            breakBefore(b);
        }
    }
}

void fail(const QString& text) {
    std::fprintf(stderr, "mkassets: %s\n", qPrintable(text));
}

void drawFrame(QPainter& p, const QRect& area, int page, int pages, const QString& title,
               const QString& footerLeft) {
    p.save();
    p.setPen(QPen(kAccent, pt(1.2)));
    p.drawLine(0, pt(18), area.width(), pt(18));
    p.setFont(sans(9, true));
    p.drawText(QRect(0, 0, area.width(), pt(15)), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Lumacap"));
    p.setPen(kGrey);
    p.setFont(sans(9));
    p.drawText(QRect(0, 0, area.width(), pt(15)), Qt::AlignRight | Qt::AlignBottom, title);

    const int footerTop = area.height() - pt(18);
    p.setPen(QPen(QColor(0xcb, 0xd5, 0xe1), pt(0.8)));
    p.drawLine(0, footerTop, area.width(), footerTop);
    p.setPen(kGrey);
    p.setFont(sans(8.5));
    const QRect footer(0, footerTop + pt(4), area.width(), pt(14));
    p.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, footerLeft);
    p.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Página %1 de %2").arg(page).arg(pages));
    p.restore();
}

}  // namespace

int makeReadmePdf(const QString& sourcePath, const QString& outPath,
                  const QHash<QString, QString>& values) {
    // A failed run leaves no document behind, neither a partly written one nor an older one.
    QFile::remove(outPath);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(sourcePath, source.errorString()));
        return 1;
    }
    const ReadmeMarkup markup = readmeToHtml(QString::fromUtf8(source.readAll()),
                                             QFileInfo(sourcePath).absolutePath(), values);
    if (!markup.error.isEmpty()) {
        fail(QStringLiteral("%1: %2").arg(sourcePath, markup.error));
        return 1;
    }

    bool ok = false;
    {
        QPdfWriter writer(outPath);
        writer.setResolution(kDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(22, 14, 22, 12), QPageLayout::Millimeter));
        writer.setTitle(markup.title);
        writer.setCreator(QStringLiteral("Lumacap"));

        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(&writer);
        doc.setDefaultFont(sans(10.5));
        doc.setDefaultStyleSheet(styleSheet());
        doc.setDocumentMargin(0);
        doc.setIndentWidth(18);
        doc.setHtml(markup.html);

        const QRect area = writer.pageLayout().paintRectPixels(kDpi);
        const int bodyTop = pt(30);
        const int bodyHeight = area.height() - bodyTop - pt(28);
        doc.setPageSize(QSizeF(area.width(), bodyHeight));
        paginate(doc, bodyHeight);
        const int pages = doc.pageCount();

        QPainter painter;
        if (painter.begin(&writer)) {
            const QString footerLeft = values.value(QStringLiteral("MAKER")) +
                                       QStringLiteral("  ·  ") +
                                       values.value(QStringLiteral("SITE_SHOWN"));
            for (int page = 0; page < pages; ++page) {
                if (page > 0) {
                    writer.newPage();
                }
                drawFrame(painter, area, page + 1, pages, markup.title, footerLeft);
                painter.save();
                painter.translate(0, bodyTop - page * bodyHeight);
                // A block that only touches the page's edge belongs to the neighbouring page.
                doc.drawContents(&painter,
                                 QRectF(0, page * bodyHeight + 1, area.width(), bodyHeight - 2));
                painter.restore();
            }
            ok = painter.end();
        }
    }
    if (!ok || QFileInfo(outPath).size() == 0) {
        QFile::remove(outPath);
        fail(QStringLiteral("cannot write %1").arg(outPath));
        return 1;
    }
    return 0;
}
