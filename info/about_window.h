#pragma once

#include <QString>

#include "info/info_window.h"

class QFrame;
class QLabel;
class PictureButton;

// The about window: the program's logo, name and version, its author, and a link to the
// maker's web page. The link button and the shown address sink and rise together.
class LC_Form6_about : public InfoWindow {
    Q_OBJECT
public:
    // Hidden state: press-effect slots, the first for btnSite, the second for lblAuthor.
    struct Labels {
        QString lblPosTop = "0";
        QString lblPosLeft = "0";
        QString lblPosTop2 = "0";
        QString lblPosLeft2 = "0";
    };

    LC_Form6_about();

    Labels& labels() { return labels_; }

    // Opens a web address with the desktop's browser; a failure is told to the user.
    void OpenLink(const QString& address);

    QFrame* Shape1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* lblVersao = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QFrame* Label2 = nullptr;
    PictureButton* btnSite = nullptr;
    QLabel* Label5 = nullptr;
    PictureButton* lblAuthor = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label15 = nullptr;

private:
    void buildHeading();
    void buildLink();
    void pressLink();
    void releaseLink();

    Labels labels_;
};
