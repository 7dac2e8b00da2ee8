#pragma once

#include <QObject>

class LC_Form3_pic;
class QMouseEvent;

// The text tool: btnText shows or hides the text frame fraText, arms its box TextPic (Shift)
// or picks the font (Ctrl). An armed box dragged with the left button and released is printed
// into the canvas in the stroke colour, one undo step, and the frame goes back to its place.
class TextTool : public QObject {
    Q_OBJECT
public:
    explicit TextTool(LC_Form3_pic* editor);

    void btnText_Click();

    bool textArmed = false;
    double homeLeft = 0;  // twips; where the text frame goes back to

private:
    bool onTextPicMouse(QMouseEvent* event);
    void printTextBox();

    LC_Form3_pic* editor_;
};
