#include "readme_markup.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

// HTML folds a run of blanks into one; the non-breaking blanks keep the run's width.
QString keepBlankRuns(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const bool runContinues =
            s[i] == QLatin1Char(' ') && i + 1 < s.size() && s[i + 1] == QLatin1Char(' ');
        out += runContinues ? QStringLiteral("&nbsp;") : QString(s[i]);
    }
    return out;
}

class Builder {
public:
    Builder(const QHash<QString, QString>& values) : values_(values) {}

    bool feed(const QString& source, const QString& sourceDir) {
        const QStringList lines = source.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (!line(lines[i], sourceDir, i + 1)) {
                return false;
            }
        }
        endBlock();
        return true;
    }

    QString title;
    QString html;
    QString error;

private:
    bool line(QString text, const QString& sourceDir, int number) {
        text = text.trimmed().isEmpty() ? QString() : text;
        if (text.endsWith(QLatin1Char('\r'))) {
            text.chop(1);
        }
        const bool continues = text.startsWith(QLatin1Char(' ')) && kind_ == Kind::Item;
        const QString t = text.trimmed();
        if (t.isEmpty()) {
            endBlock();
        } else if (t.startsWith(QStringLiteral("@include "))) {
            endBlock();
            return include(QDir(sourceDir).filePath(t.mid(9).trimmed()), number);
        } else if (t.startsWith(QStringLiteral("### "))) {
            return heading(QStringLiteral("h3"), t.mid(4), number);
        } else if (t.startsWith(QStringLiteral("## "))) {
            return heading(QStringLiteral("h2"), t.mid(3), number);
        } else if (t.startsWith(QStringLiteral("# "))) {
            return heading(QStringLiteral("h1"), t.mid(2), number);
        } else if (t.startsWith(QStringLiteral("> "))) {
            endBlock();
            kind_ = Kind::Note;
            return append(t.mid(2), number);
        } else if (t.startsWith(QStringLiteral("- ")) && !continues) {
            if (kind_ != Kind::Item) {
                endBlock();
                html += QStringLiteral("<ul>");
                inList_ = true;
            } else {
                flushText();
            }
            kind_ = Kind::Item;
            return append(t.mid(2), number);
        } else {
            if (kind_ == Kind::None) {
                kind_ = Kind::Paragraph;
            }
            return append(t, number);
        }
        return true;
    }

    bool heading(const QString& tag, const QString& text, int number) {
        endBlock();
        QString inner;
        if (!inline_(text, number, &inner)) {
            return false;
        }
        if (tag == QStringLiteral("h1") && title.isEmpty()) {
            title = QString(inner)
                        .remove(QRegularExpression(QStringLiteral("<[^>]*>")))
                        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        }
        html += QStringLiteral("<%1>%2</%1>\n").arg(tag, inner);
        return true;
    }

    bool include(const QString& path, int number) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("line %1: cannot read %2").arg(number).arg(path);
            return false;
        }
        const QStringList paragraphs =
            QString::fromUtf8(file.readAll())
                .split(QRegularExpression(QStringLiteral("\\n\\s*\\n")), Qt::SkipEmptyParts);
        for (const QString& p : paragraphs) {
            const QString joined = p.simplified();
            if (!joined.isEmpty()) {
                html += QStringLiteral("<p class=\"quoted\">%1</p>\n").arg(joined.toHtmlEscaped());
            }
        }
        return true;
    }

    bool append(const QString& text, int number) {
        QString inner;
        if (!inline_(text, number, &inner)) {
            return false;
        }
        pending_ += (pending_.isEmpty() ? QString() : QStringLiteral(" ")) + inner;
        return true;
    }

    // Escapes the text, then applies bold and the named values.
    bool inline_(const QString& text, int number, QString* out) {
        QString s = text.toHtmlEscaped();
        static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
        s.replace(bold, QStringLiteral("<b>\\1</b>"));
        static const QRegularExpression name(QStringLiteral("\\{([A-Z_]+)\\}"));
        QString result;
        qsizetype last = 0;
        for (auto it = name.globalMatch(s); it.hasNext();) {
            const auto m = it.next();
            const auto value = values_.constFind(m.captured(1));
            if (value == values_.cend()) {
                error = QStringLiteral("line %1: unknown name {%2}").arg(number).arg(m.captured(1));
                return false;
            }
            result += s.mid(last, m.capturedStart() - last) + value->toHtmlEscaped();
            last = m.capturedEnd();
        }
        // Runs of blanks are kept, as in the version line.
        *out = keepBlankRuns(result + s.mid(last));
        return true;
    }

    void flushText() {
        if (pending_.isEmpty()) {
            return;
        }
        switch (kind_) {
            case Kind::Item:
                html += QStringLiteral("<li>%1</li>\n").arg(pending_);
                break;
            case Kind::Note:
                html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(pending_);
                break;
            default:
                html += QStringLiteral("<p>%1</p>\n").arg(pending_);
                break;
        }
        pending_.clear();
    }

    void endBlock() {
        flushText();
        if (inList_) {
            html += QStringLiteral("</ul>\n");
            inList_ = false;
        }
        kind_ = Kind::None;
    }

    enum class Kind { None, Paragraph, Item, Note };

    const QHash<QString, QString>& values_;
    Kind kind_ = Kind::None;
    bool inList_ = false;
    QString pending_;
};

}  // namespace

ReadmeMarkup readmeToHtml(const QString& source, const QString& sourceDir,
                          const QHash<QString, QString>& values) {
    Builder b(values);
    ReadmeMarkup result;
    if (!b.feed(source, sourceDir)) {
        result.error = b.error;
        return result;
    }
    if (b.title.isEmpty()) {
        result.error = QStringLiteral("the document has no title (a line starting with \"# \")");
        return result;
    }
    result.title = b.title;
    result.html = b.html;
    return result;
}
