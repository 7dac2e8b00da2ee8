// The PNG that other programs paste: lossless, and compressed so that a large capture crosses
// the clipboard quickly.
#include <gtest/gtest.h>

#include <QPainter>

#include "platform/encoded_image_mime.h"
#include "support/test_pattern.h"

namespace {

TEST(ClipboardPng, IsLosslessAndCompressed) {
    QImage capture = test_pattern::make({1920, 1080});
    {
        QPainter p(&capture);
        p.fillRect(200, 200, 900, 500, QColor(240, 240, 240));
        for (int y = 220; y < 700; y += 18) {
            p.drawText(210, y, QStringLiteral("Texto de uma janela qualquer, linha %1").arg(y));
        }
    }
    const EncodedImageMime mime(capture);
    const QByteArray png = mime.png();
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), capture);
    // Raw, the picture is 1920 x 1080 x 3 bytes (6.2 MB).
    EXPECT_LT(png.size(), 1920 * 1080 * 3 / 10);
    EXPECT_EQ(mime.data("image/png"), png);
}

}  // namespace
