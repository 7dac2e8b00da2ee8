#pragma once

#include <QImage>
#include <functional>

#include "editor/editor_labels.h"
#include "editor/editor_placement.h"
#include "editor/history/history_target.h"
#include "editor/history/undo_history.h"
#include "ui/lc_form.h"

class Canvas;
class DrawTool;
class MainFace;
class PictureButton;
class PictureHolder;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;
class StickerImage;
class StickerPanel;
class TextTool;
class ToolSelector;
class WindowDrag;

// The editor: the canvas PicDrawBox in the viewport PicOuter with its scroll bars, the toolbar
// (two rows), the grow and reset buttons and the undo history. The tools (pen and fill, text,
// stickers, and the canvas tools chosen by ToolSelector) are objects of their own that the
// editor owns. A capture puts its picture in with
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
    // Sizes fraMain and the window (twips) and sets the stored heights; with a screen, the
    // window goes there, fitted into it. The caller shows it.
    void placeEditor(const EditorPlacement& p, const EditorScreen& on = {});
    const QImage& canvasImage() const;

    // Places the frames for the window's size, then the viewport and bars (LayoutCanvas).
    void Form_Resize();
    void LayoutCanvas();

    // Grow up, grow down, reset.
    void btnUpMais_Click();
    void btnDownMais_Click();
    void btnReset_Click();
    // The canvas becomes the part `area` of the picture (clipped to it), as one undo step; the
    // window and the viewport follow as after a grow. False when nothing was cropped.
    bool cropCanvas(const QRect& area);

    // An edit by a tool: gives the canvas pixels of its own, records the step (recordStep, or
    // SaveUndoStep unless `unlock`), then runs `draw`. When memory runs out the edit is not
    // made: a message says so, the picture stays as it was, and the result is false.
    bool edit(const std::function<void()>& draw, bool unlock = true);
    // More drawing for the edit in progress (a stroke's next segment); when memory runs out the
    // whole edit is taken back, with a message, and the result is false.
    bool continueEdit(const std::function<void()>& draw);
    // The edit in progress is taken back: the canvas shows the picture before it.
    void cancelEdit();

    // The undo history. An edit records its step with recordStep (one call: it also clears
    // historyLocked); SaveUndoStep records without touching the lock (the fill, and the text,
    // whose dragging cleared it already). These throw std::bad_alloc when memory runs out.
    void recordStep();
    void SaveUndoStep();
    void SaveRedoTip();
    void UndoStep();
    void RedoStep();
    // The undo and redo keys: nothing while historyLocked.
    void undoKey();
    void redoKey();
    UndoHistory& history() { return history_; }

    // Minimises the main window to the taskbar.
    void MinimizeToTaskbar();

    // The tools.
    DrawTool& drawTool() { return *drawTool_; }
    TextTool& textTool() { return *textTool_; }
    StickerPanel& stickerPanel() { return *stickerPanel_; }
    ToolSelector& tools() { return *tools_; }

    // The press effect of a toolbar button.
    void wirePressEffect(QWidget* control);

    double grabX = 0;  // twips; the text box and the sticker drag share them
    double grabY = 0;

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
    // Ctrl+C in the editor.
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

    // Runs `operation`; when it runs out of memory (std::bad_alloc) a message says that `what`
    // could not be done. False then.
    bool withMemory(const QString& what, const std::function<void()>& operation);
    // Grow: n twips of new space above (up) or below the picture.
    void grow(bool up);
    int growAmountTw() const;
    void setWindowHeightTw(int height);
    void afterCanvasResize();
    void scrollTo(QScrollBar* bar, bool horizontal);
    void restoreFace(MainFace& face);

    // HistoryTarget
    const QImage& canvasPicture() const override;
    int canvasHeightTw() const override;
    int windowHeightTw() const override;
    bool maximised() const override;
    void restoreState(const TiledSnapshot& picture, int canvasHeight,
                      std::optional<int> windowHeight) override;
    int nextNumber() const override;
    void setNextNumber(int number) override;

    EditorLabels labels_;
    UndoHistory history_;
    WindowDrag* drag_ = nullptr;
    DrawTool* drawTool_ = nullptr;
    TextTool* textTool_ = nullptr;
    StickerPanel* stickerPanel_ = nullptr;
    ToolSelector* tools_ = nullptr;
};
