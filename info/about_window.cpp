#include "info/about_window.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

#include "info/info_pictures.h"
#include "info/maker_info.h"
#include "info/open_target.h"
#include "ui/controls.h"
#include "ui/picture_button.h"
#include "ui/press_effect.h"
#include "ui/units.h"

namespace {

using controls::label;
using controls::make;
using controls::setTextColour;

QFont font(const QStringList& families, qreal points, bool bold) {
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont arial(qreal points) {
    return font({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, points, true);
}

QFont arialNarrow(qreal points) {
    return font({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")}, points,
                true);
}

// Widens a one-line label whose text does not fit (fonts differ between desktops), keeping
// the side its text is aligned to where it was.
void fitText(QLabel* label) {
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
    if (needed > label->width()) {
        const int grow = needed - label->width();
        const bool right = label->alignment() & Qt::AlignRight;
        const bool centre = label->alignment() & Qt::AlignHCenter;
        const int shift = right ? grow : centre ? grow / 2 : 0;
        label->setGeometry(label->x() - shift, label->y(), needed, label->height());
    }
}

// The program's name written around the capture mark: as many blanks between its two halves
// as it takes for the second half to start right after the mark.
QString nameAroundMark(const QFont& f, int markEndPx) {
    const QFontMetrics fm(f);
    QString name = QStringLiteral("Luma");
    while (fm.horizontalAdvance(name) < markEndPx && name.size() < 40) {
        name += QLatin1Char(' ');
    }
    return name + QStringLiteral("cap");
}

}  // namespace

LC_Form6_about::LC_Form6_about() : InfoWindow("LC_Form6_about") {
    buildHeading();
    buildLink();
    units::place(imgMouse, 3240, 2520, 480, 480);
}

void LC_Form6_about::buildHeading() {
    Shape1 = make<QFrame>(this, "Shape1", 150, 135, 3400, 1020);
    Shape1->setStyleSheet(QStringLiteral(
        "QFrame#Shape1 { background: #f3f6fb; border: 1px solid #d5dce8; border-radius: 6px; }"));

    Image1 = make<QLabel>(this, "Image1", 460, 240, 840, 840);
    Image1->setScaledContents(true);
    Image1->setPixmap(info_pictures::logo());

    Label1 = label(this, "Label1", QString::fromUtf8(maker_info::kMaker), 1740, 320, 1815, 195);
    Label1->adjustSize();

    Image2 = make<QLabel>(this, "Image2", 2345, 460, 315, 315);
    Image2->setPixmap(info_pictures::nameMark());
    Label4 = make<QLabel>(this, "Label4", 1740, 490, 1815, 255);
    Label4->setFont(arial(9.75));
    setTextColour(Label4, QColor(192, 0, 0));
    Label4->setText(nameAroundMark(Label4->font(), units::px(2345 + 315 - 1740)));
    Image2->raise();

    lblVersao =
        label(this, "lblVersao", QString::fromUtf8(maker_info::kVersionLine), 35, 1200, 3630, 255);
    lblVersao->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(lblVersao, QColor(64, 64, 64));

    Label7 = label(this, "Label7", QStringLiteral("Autor: "), 1120, 1430, 495, 255);
    setTextColour(Label7, QColor(64, 64, 64));
    Label8 = label(this, "Label8", QString::fromUtf8(maker_info::kAuthor), 1590, 1425, 1305, 270);

    Label2 = make<QFrame>(this, "Label2", 150, 1800, 3400, 15);
    controls::setBackground(Label2, palette().color(QPalette::Mid));
}

void LC_Form6_about::buildLink() {
    const QString tip = QStringLiteral(" Acessar ") + QString::fromUtf8(maker_info::kSiteUrl);

    btnSite = new PictureButton(QStringLiteral("btnSite"), this);
    units::place(btnSite, 1580, 1920, 855, 570);
    btnSite->setPixmap(info_pictures::siteButton());
    btnSite->setToolTip(tip);

    // The address reads as one line: its first part ends where the middle starts and the last
    // part starts where the middle ends.
    Label5 =
        label(this, "Label5", QString::fromUtf8(maker_info::kSiteShownStart), 750, 2235, 495, 255);
    Label5->setFont(arialNarrow(9));
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setTextColour(Label5, QColor(128, 128, 128));

    lblAuthor = new PictureButton(QStringLiteral("lblAuthor"), this);
    units::place(lblAuthor, 1175, 2250, 1575, 255);
    lblAuthor->setText(QString::fromUtf8(maker_info::kSiteShownMiddle));
    lblAuthor->setFont(arial(9));
    lblAuthor->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAuthor->setToolTip(tip);
    setTextColour(lblAuthor, QColor(107, 107, 107));

    Label16 =
        label(this, "Label16", QString::fromUtf8(maker_info::kSiteShownEnd), 2650, 2235, 495, 255);
    Label16->setFont(arialNarrow(9));
    setTextColour(Label16, QColor(107, 107, 107));
    for (QLabel* part : {Label5, static_cast<QLabel*>(lblAuthor), Label16}) {
        fitText(part);
    }

    Label15 = label(this, "Label15",
                    QStringLiteral("Clique no link acima e conheça mais sobre meu trabalho. "), 420,
                    2505, 2895, 375);
    Label15->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label15->setWordWrap(true);
    setTextColour(Label15, QColor(109, 109, 109));  // the desktop's grey text

    // The shown address lies over the button's lower part; a press there belongs to it.
    lblAuthor->raise();

    for (PictureButton* b : {btnSite, lblAuthor}) {
        connect(b, &PictureButton::pressed, this, &LC_Form6_about::pressLink);
        connect(b, &PictureButton::released, this, &LC_Form6_about::releaseLink);
        usePointerOf(b);
    }
    connect(btnSite, &PictureButton::clicked, this,
            [this] { OpenLink(QString::fromUtf8(maker_info::kSiteUrl)); });
}

void LC_Form6_about::pressLink() {
    press_effect::press(btnSite, {labels_.lblPosLeft, labels_.lblPosTop});
    press_effect::press(lblAuthor, {labels_.lblPosLeft2, labels_.lblPosTop2});
}

void LC_Form6_about::releaseLink() {
    press_effect::release(btnSite, {labels_.lblPosLeft, labels_.lblPosTop});
    press_effect::release(lblAuthor, {labels_.lblPosLeft2, labels_.lblPosTop2});
}

void LC_Form6_about::OpenLink(const QString& address) {
    open_target::openAddress(address, this);
}
