#pragma once

#include <QImage>

#include "app/lc_form.h"
#include "editor/editor_labels.h"
#include "editor/editor_placement.h"
#include "editor/history_target.h"
#include "editor/undo_history.h"

class Canvas;
class LC_Form1_Ini;
class PictureButton;
class PictureHolder;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;
class StickerImage;
class WindowDrag;

// The editor: the canvas PicDrawBox in the viewport PicOuter with its scroll bars, the toolbar
// row, the grow and reset buttons and the undo history. A capture puts its picture in with
// putCapture and sizes the window with placeEditor before showing it.
class LC_Form3_pic : public LcForm, private HistoryTarget {
    Q_OBJECT
public:
    LC_Form3_pic();
    ~LC_Form3_pic() override;

    void Form_Load() override;
    // Closing: brings back the face in use (or hides to the tray or taskbar), erases history.
    void Form_Unload() override;

    EditorLabels& labels() { return labels_; }

    // The canvas becomes `picture` (its outer size the picture's plus 60 twips). With
    // keepAsUnedited, PicBackBG keeps a copy for Reset.
    void putCapture(const QImage& picture, bool keepAsUnedited);
    // Sizes fraMain and the window (twips) and sets the stored heights; the caller shows it.
    void placeEditor(const EditorPlacement& p);
    const QImage& canvasImage() const;

    // Places the frames for the window's size, then the viewport and bars (LayoutCanvas).
    void Form_Resize();
    void LayoutCanvas();

    // Grow up, grow down, reset.
    void btnUpMais_Click();
    void btnDownMais_Click();
    void btnReset_Click();

    // The undo history. Callers clear history().historyLocked before recording, except a fill.
    void SaveUndoStep();
    void SaveRedoTip();
    void UndoStep();
    void RedoStep();
    UndoHistory& history() { return history_; }

    // Minimises the main window to the taskbar.
    void MinimizeToTaskbar();

    // Text tool: btnText shows or hides the text frame, arms the box (Shift) or picks the font
    // (Ctrl); an armed box dragged and released is printed into the canvas.
    void btnText_Click();
    bool textArmed = false;
    double grabX = 0;  // twips; the text box and the sticker drag share them
    double grabY = 0;
    double homeLeft = 0;  // twips; where the text frame goes back to

    // Stickers.
    void LoadIconPicture(const QString& fileName, const QString& controlName);
    void DragButton(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y,
                    const QString& name);
    // A sticker released over the canvas at (x, y), canvas twips.
    void PicDrawBox_DragDrop(StickerImage* source, double x, double y);
    void btnRotate_Click();
    void RotatePicture(PictureHolder* box, StickerImage* sticker);
    // The sticker of that name (names compare without regard to case), or null.
    StickerImage* stickerNamed(const QString& name) const;
    QString selName;
    StickerImage* selImage = nullptr;

    // The stroke in progress (freehand drawing).
    bool penDown = false;
    double lastX = 0;
    int lastY = 0;

    // Controls, by their names.
    QFrame* fraMain = nullptr;
    QFrame* fraPicture = nullptr;
    QFrame* PicOuter = nullptr;
    Canvas* PicDrawBox = nullptr;
    QScrollBar* HBar = nullptr;
    QScrollBar* VBar = nullptr;
    PictureButton* btnText = nullptr;
    PictureButton* btnDraw = nullptr;
    PictureButton* lblCorFG = nullptr;
    PictureButton* lblCorBG = nullptr;
    QFrame* shpCor = nullptr;
    PictureButton* btnIcons = nullptr;
    PictureButton* btnUpMais = nullptr;
    QLineEdit* txtNumHeight = nullptr;
    QFrame* Shape3 = nullptr;
    PictureButton* btnDownMais = nullptr;
    PictureButton* btnClipboard = nullptr;
    PictureButton* btnSave = nullptr;
    PictureButton* btnReset = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* fraText = nullptr;
    QLineEdit* TextPic = nullptr;
    QFrame* fraIcons = nullptr;
    PictureButton* btnRotate = nullptr;
    PictureButton* btnClose = nullptr;
    StickerImage* ImgFim[9] = {};  // ImgFim1 ... ImgFim9 (the seventh named imgFim7)
    QLabel* lblImgFim[9] = {};     // their highlight backgrounds
    PictureHolder* PicBackBG = nullptr;
    PictureHolder* PicBack = nullptr;
    PictureHolder* PicIni = nullptr;
    PictureHolder* picTemp = nullptr;
    QWidget* CommonDialog1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* iconDefault = nullptr;
    QLabel* imgFill = nullptr;
    QLabel* imgPen = nullptr;
    QLabel* imgBalde = nullptr;
    QLabel* imgLapis = nullptr;

Q_SIGNALS:
    // Ctrl+C on the canvas.
    void copyRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildToolbar();
    void buildTextFrame();
    void buildStickerPanel();
    void buildHolders();
    void wireControls();
    void wirePressEffect(QWidget* control);
    void wireTextTool();
    void wireStickers();
    void loadStickers();
    bool onTextPicMouse(QMouseEvent* event);
    void printTextBox();
    void stickerPressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                        QPoint pos);
    void stickerDropped(StickerImage* source, QPoint globalPos);
    void shrinkSelectedSticker();

    // Grow: n twips of new space above (up) or below the picture.
    void grow(bool up);
    int growAmountTw() const;
    void setWindowHeightTw(int height);
    void afterCanvasResize();
    void scrollTo(QScrollBar* bar, bool horizontal);
    void restoreFace(LC_Form1_Ini& main);
    void onCanvasKey(int key, Qt::KeyboardModifiers modifiers);

    // HistoryTarget
    const QImage& canvasPicture() const override;
    int canvasHeightTw() const override;
    int windowHeightTw() const override;
    bool maximised() const override;
    void restoreState(const TiledSnapshot& picture, int canvasHeight,
                      std::optional<int> windowHeight) override;

    EditorLabels labels_;
    UndoHistory history_;
    WindowDrag* drag_ = nullptr;
};
