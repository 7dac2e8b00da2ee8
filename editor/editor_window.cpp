// The editor window's controls and their wiring.
#include "editor/editor_window.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScrollBar>

#include "editor/canvas.h"
#include "editor/canvas_layout.h"
#include "editor/colour_swatches.h"
#include "editor/draw_tool.h"
#include "editor/editor_shortcuts.h"
#include "editor/picture_holder.h"
#include "editor/save_copy.h"
#include "editor/sticker_image.h"
#include "editor/sticker_panel.h"
#include "editor/swatch.h"
#include "editor/text_tool.h"
#include "editor/tool_selector.h"
#include "platform/memory_return.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/main_face.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/units.h"
#include "ui/window_drag.h"
#include "ui/window_metrics.h"

namespace {

// The window's size before a capture sizes it (twips, inside the border).
constexpr int kDesignClientWidthTw = 8400;
constexpr int kDesignClientHeightTw = 4440;
constexpr int kToolSizeTw = 210;

const QColor kShapeGrey(0xc0, 0xc0, 0xc0);

using controls::make;
using controls::solidFrame;

PictureButton* tool(QWidget* parent, const char* name, const char* picture, int l, int t,
                    const QString& tip, int size = kToolSizeTw) {
    return controls::pictureButton(parent, name, picture, l, t, size, tip);
}

QLabel* makeHiddenImage(QWidget* parent, const char* name) {
    auto* image = new QLabel(parent);  // owned by its parent
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
    // Closed, the editor frees its canvas, the unedited capture and the undo history: what the
    // C library would keep of them goes back to the system.
    connect(this, &QObject::destroyed, [] { platform::giveMemoryBack(); });

    buildHolders();
    buildControls();
    controls::fitToStyle(this);
    wireControls();
    textTool_ = new TextTool(this);          // owned by the editor
    stickerPanel_ = new StickerPanel(this);  // owned by the editor
    drawTool_ = new DrawTool(this);          // owned by the editor
    tools_ = new ToolSelector(this);         // owned by the editor
    wireColourSwatches(this);
    wireSaveAndCopy(this);
    installEditorShortcuts(this);
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
    fraMain = solidFrame(this, "fraMain", 1440, 0, 5530, 3735, white);
    fraMain->setMouseTracking(true);

    // Back to front inside fraMain: the viewport, the toolbar, the text frame, the stickers.
    PicOuter =
        solidFrame(fraMain, "PicOuter", 120, 290, 4935, 2580, palette().color(QPalette::Base));
    PicOuter->setMouseTracking(true);
    PicDrawBox = new Canvas(PicOuter);
    QImage blank(Canvas::innerPixels(5295), Canvas::innerPixels(2535), QImage::Format_RGB32);
    blank.fill(PicDrawBox->backColor());
    PicDrawBox->setImage(blank);

    buildToolbar();
    // The pen draws in the colour its swatch shows from the first stroke, whatever the
    // desktop theme's text colour is.
    PicDrawBox->setForeColor(swatch::color(lblCorFG));
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
    // Two rows: the design's toolbar, and the canvas tools under it (ToolSelector fills it).
    fraPicture = solidFrame(fraMain, "fraPicture", 0, 0, 2880, kViewportTopTw - 15, Qt::white);
    fraPicture->setMouseTracking(true);
    QWidget* f = fraPicture;

    // Created back to front.
    Shape1 = make<QFrame>(f, "Shape1", 0, 0, 2615, 230);
    Shape1->setFrameShape(QFrame::NoFrame);
    swatch::setColor(Shape1, Qt::white);
    shpCor = solidFrame(f, "shpCor", 590, 0, 220, 220, kShapeGrey);
    lblCorFG = tool(f, "lblCorFG", "", 600, 15, QStringLiteral(" Selecionar cor do traço "));
    units::place(lblCorFG, 600, 15, 180, 90);
    swatch::setColor(lblCorFG, Qt::black);
    btnText = tool(f, "btnText", "text", 45, 0, QStringLiteral(" Escrever texto "));
    btnDraw = tool(f, "btnDraw", "pen", 300, 0, QStringLiteral(" Pintar o fundo "));
    btnUpMais = tool(f, "btnUpMais", "growup", 1235, 0, QStringLiteral(" Aumentar para cima "));
    btnDownMais =
        tool(f, "btnDownMais", "growdown", 1805, 0, QStringLiteral(" Aumentar para baixo "));
    btnClipboard =
        tool(f, "btnClipboard", "clipboard", 2165, 0, QStringLiteral(" Copiar para o clipboard "));
    btnReset = tool(f, "btnReset", "reset", 2640, 0, QStringLiteral(" Resetar "));
    btnSave = tool(f, "btnSave", "save", 2400, 0, QStringLiteral(" Salvar "));
    Shape3 = solidFrame(f, "Shape3", 1475, 0, 310, 225, kShapeGrey);
    lblCorBG = tool(f, "lblCorBG", "", 600, 100, QStringLiteral(" Selecionar cor do fundo "));
    units::place(lblCorBG, 600, 100, 180, 90);
    swatch::setColor(lblCorBG, Qt::white);
    btnIcons = tool(f, "btnIcons", "stickers", 855, 0, QStringLiteral(" Figurinhas "));

    txtNumHeight = make<QLineEdit>(f, "txtNumHeight", 1475, 0, 300, 195);
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
    fraText = solidFrame(fraMain, "fraText", 3240, 0, 2605, 260, palette().color(QPalette::Window));
    TextPic = make<QLineEdit>(fraText, "TextPic", 30, 0, 2605, 240);
    TextPic->setText(QStringLiteral("Escreva um texto aqui"));
    TextPic->setToolTip(QStringLiteral(" Arraste-me e solte na imagem "));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(9.75);
    TextPic->setFont(arial);
    fraText->hide();
}

void LC_Form3_pic::buildStickerPanel() {
    fraIcons = solidFrame(fraMain, "fraIcons", 0, 0, 2880, 270, Qt::white);
    fraIcons->setMouseTracking(true);
    btnClose = tool(fraIcons, "btnClose", "close", 60, 40, QStringLiteral(" Fechar "), 180);
    static constexpr int kLeft[9] = {600, 860, 1115, 1360, 1615, 1870, 2130, 2380, 2640};
    static constexpr int kBackLeft[9] = {580, 840, 1100, 1350, 1600, 1860, 2120, 2370, 2630};
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "lblImgFim" + QByteArray::number(i + 1);
        lblImgFim[i] = make<QLabel>(fraIcons, name.constData(), kBackLeft[i], 15, 240, 240);
        swatch::setColor(lblImgFim[i], palette().color(QPalette::Base));
    }
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = (i == 6 ? "imgFim" : "ImgFim") + QByteArray::number(i + 1);
        ImgFim[i] = new StickerImage(QString::fromLatin1(name), fraIcons);
        units::place(ImgFim[i], kLeft[i], 30, kToolSizeTw, kToolSizeTw);
    }
    btnRotate = tool(fraIcons, "btnRotate", "rotate", 315, 15, QStringLiteral(" Rotacionar "));
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
    connect(PicDrawBox, &Canvas::scaleChanged, this, &LC_Form3_pic::afterCanvasResize);
    connect(VBar, &QScrollBar::valueChanged, this, [this] { scrollTo(VBar, false); });
    for (QWidget* w : {static_cast<QWidget*>(fraMain), static_cast<QWidget*>(fraPicture),
                       static_cast<QWidget*>(PicOuter), static_cast<QWidget*>(fraIcons),
                       static_cast<QWidget*>(fraText)}) {
        w->installEventFilter(this);
    }
}

void LC_Form3_pic::wirePressEffect(QWidget* control) {
    auto* b = static_cast<PictureButton*>(control);
    // The main window keeps the resting place: its slot serves these buttons too.
    connect(b, &PictureButton::pressed, this, [b] {
        if (MainFace* face = Forms::instance().mainFace()) {
            face->desceBotao(b);
        }
    });
    connect(b, &PictureButton::released, this, [b] {
        if (MainFace* face = Forms::instance().mainFace()) {
            face->sobeBotao(b);
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
