#pragma once

#include <QImage>
#include <QWidget>

// A hidden picture box that only keeps a picture (the unedited capture, sticker staging).
class PictureHolder : public QWidget {
    Q_OBJECT
public:
    PictureHolder(const QString& name, QWidget* parent);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture) { picture_ = picture; }
    bool isEmpty() const { return picture_.isNull(); }

private:
    QImage picture_;
};
