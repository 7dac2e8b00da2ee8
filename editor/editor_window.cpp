// The editor window's controls and their wiring.
#include "editor/editor_window.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScrollBar>

#include "app/forms.h"
#include "app/main_window.h"
#include "app/picture_button.h"
#include "app/pictures.h"
#include "app/units.h"
#include "app/window_drag.h"
#include "app/window_metrics.h"
#include "editor/canvas.h"
#include "editor/editor_tools.h"
#include "editor/picture_holder.h"
#include "editor/sticker_image.h"
#include "editor/swatch.h"

namespace {

// The window's size before a capture sizes it (twips, inside the border).
constexpr int kDesignClientWidthTw = 8400;
constexpr int kDesignClientHeightTw = 4440;
constexpr int kToolSizeTw = 210;

const QColor kShapeGrey(0xc0, 0xc0, 0xc0);

template <class W>
W* makeControl(QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* c = new W(parent);
    c->setObjectName(QString::fromLatin1(name));
    units::place(c, l, t, w, h);
    return c;
}

QFrame* makeFrame(QWidget* parent, const char* name, int l, int t, int w, int h,
                  const QColor& fill) {
    auto* f = makeControl<QFrame>(parent, name, l, t, w, h);
    f->setFrameShape(QFrame::NoFrame);
    swatch::setColor(f, fill);
    return f;
}

PictureButton* makeTool(QWidget* parent, const char* name, const char* picture, int l, int t,
                        const QString& tip, int size = kToolSizeTw) {
    auto* b = new PictureButton(QString::fromLatin1(name), parent);
    units::place(b, l, t, size, size);
    b->setPixmap(pictures::button(QString::fromLatin1(picture), units::px(size)));
    b->setToolTip(tip);
    return b;
}

QLabel* makeHiddenImage(QWidget* parent, const char* name) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->hide();
    return image;
}

}  // namespace

LC_Form3_pic::LC_Form3_pic() : LcForm("LC_Form3_pic") {
    setWindowTitle(QStringLiteral("Lumacap"));
    setWindowIcon(pictures::programIcon());
    window_metrics::setBorder(this, window_metrics::Border::Sizeable);
    resize(units::px(kDesignClientWidthTw), units::px(kDesignClientHeightTw));
    setMouseTracking(true);
    drag_ = new WindowDrag(this);

    buildHolders();
    buildControls();
    wireControls();
    installDrawSaveAndCopy(this);
}

LC_Form3_pic::~LC_Form3_pic() = default;

void LC_Form3_pic::buildHolders() {
    PicIni = new PictureHolder(QStringLiteral("PicIni"), this);
    picTemp = new PictureHolder(QStringLiteral("picTemp"), this);
    CommonDialog1 = new QWidget(this);
    CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    CommonDialog1->hide();
    PicBackBG = new PictureHolder(QStringLiteral("PicBackBG"), this);
    PicBack = new PictureHolder(QStringLiteral("PicBack"), this);
    Image1 = makeHiddenImage(this, "Image1");
    iconDefault = makeHiddenImage(this, "iconDefault");
    imgFill = makeHiddenImage(this, "imgFill");
    imgPen = makeHiddenImage(this, "imgPen");
    imgBalde = makeHiddenImage(this, "imgBalde");
    imgBalde->setPixmap(pictures::button(QStringLiteral("bucket"), units::px(kToolSizeTw)));
    imgLapis = makeHiddenImage(this, "imgLapis");
    imgLapis->setPixmap(pictures::button(QStringLiteral("pen"), units::px(kToolSizeTw)));
}

void LC_Form3_pic::buildControls() {
    const QColor white(Qt::white);
    fraMain = makeFrame(this, "fraMain", 1440, 0, 5530, 3735, white);
    fraMain->setMouseTracking(true);

    // Back to front inside fraMain: the viewport, the toolbar, the text frame, the stickers.
    PicOuter =
        makeFrame(fraMain, "PicOuter", 120, 290, 4935, 2580, palette().color(QPalette::Base));
    PicOuter->setMouseTracking(true);
    PicDrawBox = new Canvas(PicOuter);
    QImage blank(Canvas::innerPixels(5295), Canvas::innerPixels(2535), QImage::Format_RGB32);
    blank.fill(PicDrawBox->backColor());
    PicDrawBox->setImage(blank);

    buildToolbar();
    buildTextFrame();
    buildStickerPanel();

    // The bars belong to the window and lie over fraMain.
    HBar = new QScrollBar(Qt::Horizontal, this);
    HBar->setObjectName(QStringLiteral("HBar"));
    HBar->resize(HBar->width(), units::px(255));
    HBar->hide();
    VBar = new QScrollBar(Qt::Vertical, this);
    VBar->setObjectName(QStringLiteral("VBar"));
    VBar->resize(units::px(255), VBar->height());
    VBar->hide();
}

void LC_Form3_pic::buildToolbar() {
    fraPicture = makeFrame(fraMain, "fraPicture", 0, 0, 2880, 270, Qt::white);
    fraPicture->setMouseTracking(true);
    QWidget* f = fraPicture;

    // Created back to front.
    Shape1 = makeControl<QFrame>(f, "Shape1", 0, 0, 2615, 230);
    Shape1->setFrameShape(QFrame::NoFrame);
    swatch::setColor(Shape1, Qt::white);
    shpCor = makeFrame(f, "shpCor", 590, 0, 220, 220, kShapeGrey);
    lblCorFG = makeTool(f, "lblCorFG", "", 600, 15, QStringLiteral(" Selecionar cor do traço "));
    units::place(lblCorFG, 600, 15, 180, 90);
    swatch::setColor(lblCorFG, Qt::black);
    btnText = makeTool(f, "btnText", "text", 45, 0, QStringLiteral(" Escrever texto "));
    btnDraw = makeTool(f, "btnDraw", "pen", 300, 0, QStringLiteral(" Pintar o fundo "));
    btnUpMais = makeTool(f, "btnUpMais", "growup", 1235, 0, QStringLiteral(" Aumentar para cima "));
    btnDownMais =
        makeTool(f, "btnDownMais", "growdown", 1805, 0, QStringLiteral(" Aumentar para baixo "));
    btnClipboard = makeTool(f, "btnClipboard", "clipboard", 2165, 0,
                            QStringLiteral(" Copiar para o clipboard "));
    btnReset = makeTool(f, "btnReset", "reset", 2640, 0, QStringLiteral(" Resetar "));
    btnSave = makeTool(f, "btnSave", "save", 2400, 0, QStringLiteral(" Salvar "));
    Shape3 = makeFrame(f, "Shape3", 1475, 0, 310, 225, kShapeGrey);
    lblCorBG = makeTool(f, "lblCorBG", "", 600, 100, QStringLiteral(" Selecionar cor do fundo "));
    units::place(lblCorBG, 600, 100, 180, 90);
    swatch::setColor(lblCorBG, Qt::white);
    btnIcons = makeTool(f, "btnIcons", "stickers", 855, 0, QStringLiteral(" Figurinhas "));

    txtNumHeight = makeControl<QLineEdit>(f, "txtNumHeight", 1475, 0, 300, 195);
    txtNumHeight->setText(QStringLiteral("20"));
    txtNumHeight->setToolTip(QStringLiteral(" Digitar a nova altura "));
    txtNumHeight->setFrame(false);
    txtNumHeight->setAlignment(Qt::AlignCenter);
    txtNumHeight->setTextMargins(0, 0, 0, 0);
    // Whole pixels only; five digits keep every sum of sizes far inside 32 bits.
    txtNumHeight->setMaxLength(5);
    txtNumHeight->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), f));
    swatch::setColor(txtNumHeight, kShapeGrey);
    QPalette p = txtNumHeight->palette();
    p.setColor(QPalette::Base, kShapeGrey);
    txtNumHeight->setPalette(p);
}

void LC_Form3_pic::buildTextFrame() {
    fraText = makeFrame(fraMain, "fraText", 3240, 0, 2605, 260, palette().color(QPalette::Window));
    TextPic = makeControl<QLineEdit>(fraText, "TextPic", 30, 0, 2605, 240);
    TextPic->setText(QStringLiteral("Escreva um texto aqui"));
    TextPic->setToolTip(QStringLiteral(" Arraste-me e solte na imagem "));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(9.75);
    TextPic->setFont(arial);
    fraText->hide();
}

void LC_Form3_pic::buildStickerPanel() {
    fraIcons = makeFrame(fraMain, "fraIcons", 0, 0, 2880, 270, Qt::white);
    fraIcons->setMouseTracking(true);
    btnClose = makeTool(fraIcons, "btnClose", "close", 60, 40, QStringLiteral(" Fechar "), 180);
    static constexpr int kLeft[9] = {600, 860, 1115, 1360, 1615, 1870, 2130, 2380, 2640};
    static constexpr int kBackLeft[9] = {580, 840, 1100, 1350, 1600, 1860, 2120, 2370, 2630};
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "lblImgFim" + QByteArray::number(i + 1);
        lblImgFim[i] = makeControl<QLabel>(fraIcons, name.constData(), kBackLeft[i], 15, 240, 240);
        swatch::setColor(lblImgFim[i], palette().color(QPalette::Base));
    }
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = (i == 6 ? "imgFim" : "ImgFim") + QByteArray::number(i + 1);
        ImgFim[i] = new StickerImage(QString::fromLatin1(name), fraIcons);
        units::place(ImgFim[i], kLeft[i], 30, kToolSizeTw, kToolSizeTw);
    }
    btnRotate = makeTool(fraIcons, "btnRotate", "rotate", 315, 15, QStringLiteral(" Rotacionar "));
    fraIcons->hide();
}

void LC_Form3_pic::wireControls() {
    for (QWidget* c : std::initializer_list<QWidget*>{
             btnText, btnDraw, lblCorFG, lblCorBG, btnIcons, btnUpMais, btnDownMais, btnClipboard,
             btnSave, btnReset, btnRotate, btnClose}) {
        wirePressEffect(c);
    }
    connect(btnUpMais, &PictureButton::clicked, this, &LC_Form3_pic::btnUpMais_Click);
    connect(btnDownMais, &PictureButton::clicked, this, &LC_Form3_pic::btnDownMais_Click);
    connect(btnReset, &PictureButton::clicked, this, &LC_Form3_pic::btnReset_Click);
    connect(HBar, &QScrollBar::valueChanged, this, [this] { scrollTo(HBar, true); });
    connect(VBar, &QScrollBar::valueChanged, this, [this] { scrollTo(VBar, false); });
    connect(PicDrawBox, &Canvas::keyPressed, this, &LC_Form3_pic::onCanvasKey);
    wireTextTool();
    wireStickers();
    for (QWidget* w : {static_cast<QWidget*>(fraMain), static_cast<QWidget*>(fraPicture),
                       static_cast<QWidget*>(PicOuter), static_cast<QWidget*>(fraIcons),
                       static_cast<QWidget*>(fraText)}) {
        w->installEventFilter(this);
    }
}

void LC_Form3_pic::wirePressEffect(QWidget* control) {
    auto* b = static_cast<PictureButton*>(control);
    connect(b, &PictureButton::pressed, this, [b] {
        if (auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>()) {
            main->desceBotao(b);
        }
    });
    connect(b, &PictureButton::released, this, [b] {
        if (auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>()) {
            main->sobeBotao(b);
        }
    });
}

bool LC_Form3_pic::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched != fraText && watched != fraIcons) {
        setCursor(Qt::ArrowCursor);
    } else if (event->type() == QEvent::MouseButtonPress) {
        // A press on a frame is the frame's own: only the window's bare surface drags it.
        return true;
    }
    return LcForm::eventFilter(watched, event);
}

void LC_Form3_pic::mousePressEvent(QMouseEvent* event) {
    drag_->begin(event->globalPosition().toPoint());
}

void LC_Form3_pic::mouseMoveEvent(QMouseEvent* event) {
    setCursor(Qt::ArrowCursor);
    LcForm::mouseMoveEvent(event);
}

const QImage& LC_Form3_pic::canvasImage() const {
    return PicDrawBox->image();
}
