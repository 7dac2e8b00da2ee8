#include "ui/controls.h"

#include <QFrame>
#include <QLabel>

#include "ui/picture_button.h"
#include "ui/pictures.h"

namespace controls {

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
    // The classic dialog font; where the desktop lacks it, Arial and then any sans-serif.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

}  // namespace controls
