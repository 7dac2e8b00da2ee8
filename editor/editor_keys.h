#pragma once

#include <QObject>

class LC_Form3_pic;

// Ctrl+C (copy) and Ctrl+S (save) anywhere in the editor, whichever of its controls has the
// focus: the keys are taken before the control sees them, so a text box does not keep Ctrl+C
// for itself. Only the Ctrl bit counts (Ctrl+Shift+C copies too).
class EditorKeys : public QObject {
    Q_OBJECT
public:
    explicit EditorKeys(LC_Form3_pic* editor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LC_Form3_pic* editor_;
};
