// Saving the canvas: the name rule, the bitmap written, and what a failed save leaves behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <random>

#include "editor/bmp_file.h"
#include "editor/picture_file.h"
#include "editor/save_name.h"
#include "platform/atomic_file.h"
#include "platform/services.h"

namespace {

using picture_file::ImageType::Bmp;

TEST(SaveName, BmpInAnyCaseIsKeptEverythingElseGetsTheSuffix) {
    EXPECT_EQ(fileNameFor("foto", Bmp), "foto.bmp");
    EXPECT_EQ(fileNameFor("foto.BMP", Bmp), "foto.BMP");
    EXPECT_EQ(fileNameFor("foto.Bmp", Bmp), "foto.Bmp");
    EXPECT_EQ(fileNameFor("/home/u/foto.bmp", Bmp), "/home/u/foto.bmp");
    EXPECT_EQ(fileNameFor("foto.png", Bmp), "foto.png.bmp");
    EXPECT_EQ(fileNameFor("foto.bmpx", Bmp), "foto.bmpx.bmp");
    EXPECT_EQ(fileNameFor("fotobmp", Bmp), "fotobmp.bmp");
    EXPECT_EQ(fileNameFor("bmp", Bmp), "bmp.bmp");  // shorter than four characters
    EXPECT_EQ(fileNameFor("a", Bmp), "a.bmp");
    EXPECT_EQ(fileNameFor(".bmp", Bmp), ".bmp");
}

TEST(SaveName, PngAndJpegKeepTheirOwnExtensionsAndAddTheirs) {
    using picture_file::ImageType;
    EXPECT_EQ(fileNameFor("foto", ImageType::Png), "foto.png");
    EXPECT_EQ(fileNameFor("foto.PNG", ImageType::Png), "foto.PNG");
    EXPECT_EQ(fileNameFor("foto.bmp", ImageType::Png), "foto.bmp.png");
    EXPECT_EQ(fileNameFor("foto", ImageType::Jpeg), "foto.jpg");
    EXPECT_EQ(fileNameFor("foto.Jpeg", ImageType::Jpeg), "foto.Jpeg");
    EXPECT_EQ(fileNameFor("foto.JPG", ImageType::Jpeg), "foto.JPG");
    EXPECT_EQ(fileNameFor("foto.png", ImageType::Jpeg), "foto.png.jpg");
    EXPECT_EQ(picture_file::typeOfName("a.png.jpeg"), ImageType::Jpeg);
    EXPECT_EQ(picture_file::typeOfName("a.gif"), std::nullopt);
}

TEST(SaveName, TypedNamesAreTakenLiterallyOrRefused) {
    QString why;
    for (const QString& typed : QStringList{"a\"b\"c", "~foto", " foto ", "a\\b", "nota:1"}) {
        EXPECT_EQ(saveName(typed, Bmp, &why), typed + ".bmp") << typed.toStdString();
    }
    EXPECT_EQ(saveName("foto.png", Bmp, &why), "foto.png.bmp");
    // The limit counts the name with its extension, in bytes: 251 letters fit.
    EXPECT_EQ(saveName(QString(251, QChar('x')), Bmp, &why).size(), 255);
    for (const QString& typed :
         QStringList{"", ".", "..", "pasta/foto", "/tmp/foto", QString(252, QChar('x')),
                     QString(126, QChar(0xe7)), QString("a") + QChar(0) + "b"}) {
        why.clear();
        EXPECT_TRUE(saveName(typed, Bmp, &why).isEmpty() && !why.isEmpty()) << typed.toStdString();
    }
}

QImage noisePicture(int w, int h) {
    std::mt19937 rng(static_cast<unsigned>(w * 1000 + h));
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(rng() & 255, rng() & 255, rng() & 255));
        }
    }
    return image;
}

class SaveFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    static QByteArray read(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Files in the folder, temporary ones included.
    QStringList entries(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    QTemporaryDir dir;
};

TEST_F(SaveFile, ASavedFileReadsBackAsTheCanvasPixels) {
    for (QSize size : {QSize(1, 1), QSize(3, 2), QSize(37, 19), QSize(640, 3)}) {
        const QImage canvas = noisePicture(size.width(), size.height());
        const QString file = path(QStringLiteral("p%1.bmp").arg(size.width()));
        QString reason;
        ASSERT_TRUE(bmp_file::save(canvas, file, &reason)) << reason.toStdString();
        QImage back(file, "BMP");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), canvas) << size.width();
        EXPECT_EQ(QFileInfo(file).size(), 54 + size.width() * size.height() * 4);
    }
    // Other formats are saved as the colours they show.
    QImage rgb888(5, 4, QImage::Format_RGB888);
    rgb888.fill(QColor(10, 20, 30));
    ASSERT_TRUE(bmp_file::save(rgb888, path("888.bmp"), nullptr));
    EXPECT_EQ(QImage(path("888.bmp")).pixel(4, 3), qRgb(10, 20, 30));
    EXPECT_EQ(entries(dir.path()).filter(".tmp"), QStringList());
}

TEST_F(SaveFile, EachTypeRoundTripsThroughOneWriterAndLeavesNoTemporaryFile) {
    using picture_file::ImageType;
    const QImage canvas = noisePicture(61, 37);
    QImage smooth(61, 37, QImage::Format_RGB32);  // JPEG loses detail, not colours
    smooth.fill(QColor(200, 120, 40));
    for (const auto& [type, name, format, magic] :
         {std::tuple{ImageType::Bmp, "r.bmp", "BMP", QByteArray("BM")},
          {ImageType::Png, "r.png", "PNG", QByteArray("\x89PNG")},
          {ImageType::Jpeg, "r.jpg", "JPEG", QByteArray("\xff\xd8\xff")}}) {
        const QImage& picture = type == ImageType::Jpeg ? smooth : canvas;
        QString reason;
        ASSERT_TRUE(picture_file::save(picture, path(name), type, &reason)) << reason.toStdString();
        EXPECT_TRUE(read(path(name)).startsWith(magic)) << name;
        const QImage back = QImage(path(name), format).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), picture.size()) << name;
        if (type == ImageType::Jpeg) {
            const QRgb p = back.pixel(30, 18);
            EXPECT_LE(std::abs(qRed(p) - 200) + std::abs(qGreen(p) - 120) + std::abs(qBlue(p) - 40),
                      6);
        } else {
            EXPECT_EQ(back, picture) << name;
        }
    }
    EXPECT_EQ(entries(dir.path()).filter(".tmp"), QStringList());
    // A PNG that cannot be written leaves no file and says why, in Portuguese.
    QString reason;
    EXPECT_FALSE(picture_file::save(canvas, path("nao/existe/x.png"), ImageType::Png, &reason));
    EXPECT_TRUE(reason.contains("não existe")) << reason.toStdString();
}

TEST_F(SaveFile, HeaderDescribesABottomUpThirtyTwoBitPicture) {
    const QByteArray h = bmp_file::header(3, 2);
    ASSERT_EQ(h.size(), 54);
    const auto* p = reinterpret_cast<const uchar*>(h.constData());
    EXPECT_EQ(h.left(2), "BM");
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 2), 54u + 24u);  // file size
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 10), 54u);       // pixels start
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 14), 40u);       // info header
    EXPECT_EQ(qFromLittleEndian<qint32>(p + 18), 3);          // width
    EXPECT_EQ(qFromLittleEndian<qint32>(p + 22), 2);          // height, bottom-up
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 28), 32);        // bits per pixel
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 30), 0u);        // no compression
    EXPECT_TRUE(bmp_file::header(40000, 40000).isEmpty());    // past 4 GB
    EXPECT_TRUE(bmp_file::header(0, 5).isEmpty());

    QImage canvas(2, 2, QImage::Format_RGB32);
    canvas.setPixel(0, 0, qRgb(1, 2, 3));  // top row
    canvas.setPixel(1, 0, qRgb(4, 5, 6));
    canvas.setPixel(0, 1, qRgb(7, 8, 9));  // bottom row: first in the file
    canvas.setPixel(1, 1, qRgb(10, 11, 12));
    ASSERT_TRUE(bmp_file::save(canvas, path("order.bmp"), nullptr));
    EXPECT_EQ(read(path("order.bmp")).mid(54),
              QByteArray("\x09\x08\x07\xff\x0c\x0b\x0a\xff\x03\x02\x01\xff\x06\x05\x04\xff", 16));
}

TEST_F(SaveFile, ReplacingAFileKeepsItsPermissionsAndFollowsALink) {
    const QString file = path("old.bmp");
    QFile::remove(file);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old contents");
    }
    ::chmod(QFile::encodeName(file).constData(), 0640);
    ASSERT_TRUE(QFile::link(file, path("link.bmp")));
    const QImage canvas = noisePicture(4, 4);
    ASSERT_TRUE(bmp_file::save(canvas, path("link.bmp"), nullptr));
    EXPECT_TRUE(QFileInfo(path("link.bmp")).isSymLink());
    EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_RGB32), canvas);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A folder this process cannot write into. The root user writes anywhere, so as root the
// process takes the identity of an unprivileged user while the guard lives.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(path) { QDir().mkpath(path); }
    void lock() {
        ::chmod(QFile::encodeName(QFileInfo(path_).absolutePath()).constData(), 0755);
        ::chmod(QFile::encodeName(path_).constData(), 0555);
        if (::geteuid() == 0) {
            dropped_ = ::seteuid(65534) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (dropped_) {
            [[maybe_unused]] const int restored = ::seteuid(0);
        }
        ::chmod(QFile::encodeName(path_).constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString path_;
    bool dropped_ = false;
};

TEST_F(SaveFile, ReadOnlyFolderGivesTheReasonAndLeavesNothingBehind) {
    const QString folder = path("locked");
    ReadOnlyFolder locked(folder);
    {
        QFile existing(folder + "/foto.bmp");
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("the picture saved yesterday");
    }
    ::chmod(QFile::encodeName(folder + "/foto.bmp").constData(), 0444);
    locked.lock();
    QString reason;
    EXPECT_FALSE(bmp_file::save(noisePicture(8, 8), folder + "/nova.bmp", &reason));
    EXPECT_TRUE(reason.contains("sem permissão")) << reason.toStdString();
    EXPECT_TRUE(reason.contains(folder)) << reason.toStdString();
    EXPECT_FALSE(bmp_file::save(noisePicture(8, 8), folder + "/foto.bmp", &reason));
    EXPECT_EQ(entries(folder), QStringList{"foto.bmp"});
    EXPECT_EQ(read(folder + "/foto.bmp"), "the picture saved yesterday");
}

// Makes files larger than `bytes` fail (EFBIG) while the guard lives, as a full disk would.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tight{bytes, saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved); }
    rlimit saved{};
};

TEST_F(SaveFile, ReadOnlyFolderStillLetsAWritableFileBeOverwrittenWhenThereIsRoom) {
    const QString folder = path("locked");
    const QString file = folder + "/foto.bmp";
    ReadOnlyFolder locked(folder);
    {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write(QByteArray(5000, 'y'));  // longer than the new picture's file
    }
    ::chmod(QFile::encodeName(file).constData(), 0666);
    locked.lock();

    // No room for the whole new file: refused before a byte of the old one changes.
    const QImage big = noisePicture(40, 40);  // 6454 bytes
    QString reason;
    {
        FileSizeLimit full(6000);
        EXPECT_FALSE(bmp_file::save(big, file, &reason));
    }
    EXPECT_TRUE(reason.contains("foto.bmp")) << reason.toStdString();
    EXPECT_EQ(read(file), QByteArray(5000, 'y'));

    const QImage canvas = noisePicture(6, 5);
    ASSERT_TRUE(bmp_file::save(canvas, file, &reason)) << reason.toStdString();
    EXPECT_EQ(QFileInfo(file).size(), 54 + 6 * 5 * 4);
    EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_RGB32), canvas);
    EXPECT_EQ(entries(folder), QStringList{"foto.bmp"});
}

TEST_F(SaveFile, TheFileIsOnTheDiskBeforeItTakesTheNameAndTheFolderAfter) {
    const QString file = path("sync.bmp");
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    // What each sync was about, and what the final name held at that moment.
    struct Sync {
        QString what;
        QByteArray underTheName;
    };
    std::vector<Sync> syncs;
    using SyncFn = decltype(platform::Services::syncToDisk);
    platform::ScopedService<SyncFn> watch(platform::services().syncToDisk, [&](int fd) {
        syncs.push_back(
            {QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget(), read(file).left(2)});
        return platform::realSyncToDisk(fd);
    });
    ASSERT_TRUE(bmp_file::save(noisePicture(3, 3), file, nullptr));
    ASSERT_EQ(syncs.size(), 2u);
    EXPECT_TRUE(syncs[0].what.startsWith(path(".sync.bmp."))) << syncs[0].what.toStdString();
    EXPECT_EQ(syncs[0].underTheName, "ol");
    EXPECT_EQ(syncs[1].what, QDir(dir.path()).canonicalPath());
    EXPECT_EQ(syncs[1].underTheName, "BM");
}

TEST_F(SaveFile, UnfinishedOrFailedWritesNeverTouchTheTarget) {
    const QString file = path("keep.bmp");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    {
        // Abandoned half way: the object goes away without commit.
        platform::AtomicFile half(file);
        ASSERT_TRUE(half.open(nullptr));
        const char data[] = "half a pic";
        const platform::AtomicFile::Chunk chunk{data, 4};
        ASSERT_TRUE(half.write({&chunk, 1}, nullptr));
    }
    EXPECT_EQ(read(file), "keep me");
    EXPECT_EQ(entries(dir.path()), QStringList{"keep.bmp"});

    // The target is a folder: the final step fails, the folder stays, no temporary is left.
    QDir(dir.path()).mkdir("pasta.bmp");
    QString reason;
    EXPECT_FALSE(bmp_file::save(noisePicture(3, 3), path("pasta.bmp"), &reason));
    EXPECT_TRUE(reason.contains("pasta.bmp")) << reason.toStdString();
    EXPECT_TRUE(QFileInfo(path("pasta.bmp")).isDir());
    EXPECT_EQ(entries(dir.path()), QStringList{"keep.bmp"});

    EXPECT_FALSE(bmp_file::save(noisePicture(3, 3), path("nao/existe/x.bmp"), &reason));
    EXPECT_TRUE(reason.contains("não existe")) << reason.toStdString();
    EXPECT_FALSE(bmp_file::save(QImage(), path("vazia.bmp"), &reason));
    EXPECT_EQ(reason, "a imagem está vazia");
    EXPECT_FALSE(QFileInfo::exists(path("vazia.bmp")));
}

}  // namespace
