#pragma once

#include <QImage>
#include <QMimeData>
#include <future>

// The PNG the clipboard offers for a picture: quick to make, a small fraction of the raw size.
QByteArray clipboardPng(const QImage& image);

// Clipboard data for one picture: the image itself for this program, and its PNG bytes for
// everyone else, encoded once on a worker thread as soon as the data is made.
class EncodedImageMime : public QMimeData {
    Q_OBJECT
public:
    explicit EncodedImageMime(const QImage& image);
    ~EncodedImageMime() override;

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

    // Waits for the encoding if it is still running.
    QByteArray png() const;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    QImage image_;
    std::shared_future<QByteArray> png_;
};
