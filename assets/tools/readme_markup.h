#pragma once

#include <QHash>
#include <QString>

// The plain-text source of a ReadMe document, turned into the HTML that the PDF is laid out
// from. The source is a small markup:
//   # Title            the document's title (the first one also names the PDF)
//   ## Heading         a section; ### a sub-section
//   > text             a note line in grey (under the title)
//   - item             a list item; lines indented by blanks continue it
//   @include FILE      the paragraphs of FILE (relative to the source's folder), as they stand
//   **text**           bold, inside any line
//   {NAME}             a value from `values`; an unknown name is an error
// Other lines are paragraph text; a blank line ends a paragraph or a list.
struct ReadmeMarkup {
    QString title;
    QString html;
    QString error;  // empty when the source was understood
};

ReadmeMarkup readmeToHtml(const QString& source, const QString& sourceDir,
                          const QHash<QString, QString>& values);
