#include "ui/controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

#include "ui/picture_button.h"
#include "ui/pictures.h"

namespace controls {

namespace {

// The least height at which the style draws `w` whole; 0 for a control this rule leaves alone.
int wholeHeight(QWidget* w) {
    w->ensurePolished();
    const int text = w->fontMetrics().height();
    if (qobject_cast<QRadioButton*>(w)) {
        return std::max(w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, w),
                        text);
    }
    if (qobject_cast<QCheckBox*>(w)) {
        return std::max(w->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, w), text);
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        // One line of text inside the frame and the box's own margins.
        const int frame =
            box->hasFrame() ? w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w) : 0;
        const QMargins inner = box->textMargins() + box->contentsMargins();
        return text + 2 * frame + inner.top() + inner.bottom();
    }
    return 0;
}

// A frame (not a window) that `w` sticks out of grows to hold it.
void holdInParent(QWidget* w) {
    QWidget* parent = w->parentWidget();
    if (!parent || parent->isWindow() || !parent->rect().intersects(w->geometry()) ||
        parent->rect().contains(w->geometry())) {
        return;
    }
    const QRect needed = parent->rect() | w->geometry();
    parent->setMinimumSize(std::max(parent->minimumWidth(), needed.right() + 1),
                           std::max(parent->minimumHeight(), needed.bottom() + 1));
}

}  // namespace

void fitToStyle(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const int needed = wholeHeight(w);
        if (needed == 0) {
            continue;
        }
        // A minimum, so that a later move or resize by the program keeps it too.
        w->setMinimumHeight(needed);
        holdInParent(w);
    }
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h) {
    auto* label = make<QLabel>(parent, name, l, t, w, h);
    label->setText(text);
    return label;
}

PictureButton* pictureButton(QWidget* parent, const char* name, const char* picture, int l, int t,
                             int size, const QString& tip) {
    auto* b = new PictureButton(QString::fromLatin1(name), parent);  // owned by its parent
    units::place(b, l, t, size, size);
    b->setPixmap(pictures::button(QString::fromLatin1(picture), units::px(size)));
    b->setToolTip(tip);
    return b;
}

QFrame* solidFrame(QWidget* parent, const char* name, int l, int t, int w, int h,
                   const QColor& fill) {
    auto* f = make<QFrame>(parent, name, l, t, w, h);
    f->setFrameShape(QFrame::NoFrame);
    setBackground(f, fill);
    return f;
}

QFrame* outline(QWidget* parent, const char* name, int l, int t, int w, int h,
                const QColor& colour) {
    auto* f = make<QFrame>(parent, name, l, t, w, h);
    f->setFrameShape(QFrame::Box);
    f->setLineWidth(1);
    setTextColour(f, colour);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

QButtonGroup* exclusive(QWidget* owner, std::initializer_list<QAbstractButton*> buttons) {
    auto* group = new QButtonGroup(owner);  // owned by `owner`
    group->setExclusive(true);
    for (QAbstractButton* b : buttons) {
        group->addButton(b);
    }
    return group;
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFont dialogFont(bool bold) {
    // The classic dialog font; where the desktop lacks it, Arial and then any sans-serif. Only
    // an installed family is named: the font database looks a missing one up through every
    // alias of the desktop's font configuration, which costs the start-up more than half a
    // millisecond.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& wanted : {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")}) {
            if (installed.contains(wanted, Qt::CaseInsensitive)) {
                return wanted;
            }
        }
        return QStringLiteral("Liberation Sans");
    }();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

}  // namespace controls
