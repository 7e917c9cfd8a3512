// Photo export speed: quality-90 JPEG thumbnails by the export engine against ImageMagick turning the same
// decoded pictures (written as PPM) into quality-90 JPEG files in one process.
// Usage: bench_export [WORK_FOLDER] [PHOTOS]   (default: a temporary folder, 500 photos)
#include "app/mainservices.h"
#include "app/userdialogs.h"
#include "photos/artworkdbloader.h"
#include "photos/photoexport.h"
#include "scripteddialogs.h"

#include "artworkdbwriter.h"
#include "photoplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

class TQuietProgress : public IProgressRunner, private TProgressContext
{
protected:
    int Run(const QString &, int minimum, int, const TProgressStep &step) override
    {
        FPosition = minimum;
        step(*this);
        return FPosition;
    }

private:
    void SetPosition(int position) override { FPosition = position; }
    int Position() const override { return FPosition; }
    void SetLabel(const QString &) override {}
    bool Cancelled() const override { return false; }
    void SetMaximum(int) override {}
    int FPosition = 0;
};

class TQuietServices : public IMainServices
{
public:
    void SetStatusText(const QString &) override {}
    void ShowProgressText(int, int, const QString &) override {}
    void LoadTabData(TTabCode) override {}
    void ShowTransferLog(const TCopyReport &) override {}
};

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// ImageMagick's batch converter; the versioned name first, since a stand-in may shadow "mogrify".
QString Mogrify()
{
    for (const QString &name : {u"mogrify-im6.q16"_s, u"mogrify-im7.q16"_s, u"mogrify"_s}) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString work =
        argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/' : temp.path() + u'/';
    const int count = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 500;

    // One album of `count` photos whose largest thumbnail is 320 x 240 (RGB565 in the thumbnail file).
    QList<TFixturePhoto> photos;
    QList<quint32> ids;
    for (int i = 0; i < count; ++i) {
        TFixturePhoto p;
        p.id = quint32(100 + i);
        QImage picture = PatternImage(320, 240);
        picture.setPixel(i % 320, 0, qRgb(i % 256, 0, 0)); // no two alike
        p.thumb = picture;
        photos << p;
        ids << p.id;
    }
    TArtworkDBLoader db;
    db.LoadFromFile(WritePhotoPlayer(work + u"player"_s, photos, {{u"Album"_s, ids}}));

    // The decoded pictures as PPM files for ImageMagick.
    const QString ppm = work + u"ppm/"_s;
    QDir().mkpath(ppm);
    for (int i = 0; i < db.Count(); ++i) {
        TArtImageObject *thumb = db.Items(i).SelectImage(0);
        thumb->Bitmap().save(ppm + u"P%1.ppm"_s.arg(i, 5, 10, QChar(u'0')), "PPM");
        thumb->ForgetBitmap(); // the engine decodes again in its run
    }
    QStringList ppmFiles = QDir(ppm).entryList({u"*.ppm"_s}, QDir::Files);
    for (QString &f : ppmFiles)
        f.prepend(ppm);

    TQuietProgress progress;
    TQuietServices services;
    TScriptedDialogs dialogs;
    auto engine = [&](const QString &dest) {
        for (int i = 0; i < db.Count(); ++i)
            for (const auto &image : db.Items(i).FImages)
                image->ForgetBitmap();
        QElapsedTimer timer;
        timer.start();
        ExportPhotos(db, {{u"Album"_s, true}}, dest, {}, kExportThumbnails, progress, services, dialogs);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        QDir(dest).removeRecursively();
        return ms;
    };
    const QString mogrify = Mogrify();
    auto imageMagick = [&](const QString &dest) {
        QDir().mkpath(dest);
        QElapsedTimer timer;
        timer.start();
        QProcess::execute(mogrify,
                          QStringList{u"-path"_s, dest, u"-format"_s, u"jpg"_s, u"-quality"_s, u"90"_s} +
                              ppmFiles);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        const qsizetype made = QDir(dest).entryList({u"*.jpg"_s}, QDir::Files).size();
        if (made != count)
            std::fprintf(stderr, "ImageMagick wrote %lld of %d\n", static_cast<long long>(made), count);
        QDir(dest).removeRecursively();
        return ms;
    };

    engine(work + u"warm-engine"_s);
    if (!mogrify.isEmpty())
        imageMagick(work + u"warm-im"_s);
    QList<double> engineTimes, imTimes;
    for (int round = 0; round < 5; ++round) {
        engineTimes << engine(work + u"engine"_s);
        if (!mogrify.isEmpty())
            imTimes << imageMagick(work + u"im"_s);
    }
    const double e = Median(engineTimes);
    std::printf("photos %d, thumbnails 320 x 240, JPEG quality 90\n", count);
    std::printf("engine (decode RGB565 + encode + write)  %8.1f ms (median of 5)\n", e);
    if (mogrify.isEmpty()) {
        std::printf("ImageMagick not found: run scripts/install-deps.sh\n");
        return 0;
    }
    const double im = Median(imTimes);
    std::printf(
        "ImageMagick mogrify (PPM -> JPEG)        %8.1f ms (median of 5)   ratio %.2f x ImageMagick\n", im,
        e / im);
    return 0;
}
