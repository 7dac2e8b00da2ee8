#pragma once

#include <QString>

#include "info/info_window.h"

class QLabel;
class PictureButton;

// The help window: three buttons, each opening one of the ReadMe documents that lie beside
// the program with the desktop's default viewer.
class LC_Form5_help : public InfoWindow {
    Q_OBJECT
public:
    // Hidden state: the press-effect slot of this window's buttons.
    struct Labels {
        QString lblPosLeft = "0";
        QString lblPosTop = "0";
    };

    // The documents, after the program's folder, in the order of the buttons.
    static const QStringList& documents();

    LC_Form5_help();

    Labels& labels() { return labels_; }

    // Opens a document with the desktop's default viewer; a failure is told to the user.
    void OpenFile(const QString& path);

    PictureButton* btn1 = nullptr;
    QLabel* Label2 = nullptr;
    PictureButton* btn2 = nullptr;
    QLabel* Label4 = nullptr;
    PictureButton* btn3 = nullptr;
    QLabel* Label9 = nullptr;

private:
    PictureButton* makeDocumentButton(const char* name, int which, int left, int top);

    Labels labels_;
};
