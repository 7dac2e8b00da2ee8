#pragma once

class QWidget;

// A window's left, top, width and height in twips, as the rest of the program reasons about
// them. Left and top are the outer (frame) position. Width and height are the outer size: the
// client area plus a fixed allowance for the title bar and borders, so that sizes do not depend
// on the window manager's decorations (which are unknown before a window is first shown).
namespace window_metrics {

enum class Border { None, Fixed, Sizeable };

// The window's border kind; set once by each window class.
void setBorder(QWidget* window, Border border);
int frameWidthTw(const QWidget* window);
int frameHeightTw(const QWidget* window);

int leftTw(const QWidget* window);
int topTw(const QWidget* window);
int widthTw(const QWidget* window);
int heightTw(const QWidget* window);

void setLeftTw(QWidget* window, int left);
void setTopTw(QWidget* window, int top);
void moveTw(QWidget* window, int left, int top);
void setWidthTw(QWidget* window, int width);
void setHeightTw(QWidget* window, int height);

}  // namespace window_metrics
