// Photo tab with a large library: the photo database read and the thumbnail grid filled, the first
// screen of cells decoded and drawn, and the resident size once every cell has been drawn.
// Usage: bench_photogrid write FOLDER [PHOTOS=5000]   writes a player's photo database below FOLDER
//        bench_photogrid grid FOLDER [WIDTH=560 HEIGHT=300]   measures the grid over it
#include "photos/artworkdbloader.h"
#include "photos/photolistmodels.h"

#include "artworkdbwriter.h"
#include "photoplayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

long ResidentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

int Write(const QString &folder, int count)
{
    // The grid's thumbnails of a photo iPod: 130 x 88, every picture different.
    QList<TFixturePhoto> photos;
    QList<TFixtureAlbum> albums{{u"Album 1"_s, {}}, {u"Album 2"_s, {}}};
    for (int i = 0; i < count; ++i) {
        TFixturePhoto photo;
        photo.id = quint32(100 + i);
        photo.fullFile = u":Full Resolution:2024:IMG%1.jpg"_s.arg(i);
        photo.thumb = PatternImage(130, 88);
        photo.thumb.setPixel(i % 130, 0, qRgb(i % 256, 0, 0));
        photos << photo;
        albums[i % 2].ids << photo.id;
    }
    const QString path = WritePhotoPlayer(folder, photos, albums);
    std::printf("wrote %s: %d photos\n", qPrintable(path), count);
    return 0;
}

/// Draws the cells of rows [first, last) the way the grid's delegate does.
void DrawCells(const TPhotoGridModel &grid, QImage &canvas, int columns, int first, int last)
{
    QPainter painter(&canvas);
    const QSize cell = grid.CellSize();
    for (int row = first; row < last && row < grid.rowCount(); ++row) {
        const int visible = row - first;
        const QRect rect(QPoint(visible % columns * cell.width(), visible / columns * (cell.height() + 2)),
                         QSize(cell.width(), cell.height() + 2));
        painter.fillRect(rect, Qt::white);
        const QImage thumb = grid.Thumbnail(row);
        if (!thumb.isNull())
            painter.drawImage(rect.topLeft() + QPoint(0, 1), thumb, QRect(QPoint(0, 0), cell));
    }
}

int Grid(const QString &folder, QSize viewport)
{
    const long startKiB = ResidentKiB();
    QElapsedTimer timer;
    timer.start();
    TArtworkDBLoader photos;
    photos.LoadFromFile(folder + u"/Photos/Photo Database"_s);
    TPhotoGridModel grid;
    grid.SetPhotos(&photos);
    grid.Build();
    const double loadMs = double(timer.nsecsElapsed()) / 1e6;
    const long loadedKiB = ResidentKiB();

    const QSize cell = grid.CellSize();
    const int columns = qMax(1, viewport.width() / cell.width());
    const int rows = (viewport.height() + cell.height() + 1) / (cell.height() + 2);
    const int screen = columns * rows;
    QImage canvas(viewport, QImage::Format_RGB32);
    timer.restart();
    DrawCells(grid, canvas, columns, 0, screen);
    const double firstScreenMs = double(timer.nsecsElapsed()) / 1e6;
    const long firstScreenKiB = ResidentKiB();

    timer.restart();
    for (int first = screen; first < grid.rowCount(); first += columns * qMax(1, rows - 1))
        DrawCells(grid, canvas, columns, first, first + screen);
    const double scrollMs = double(timer.nsecsElapsed()) / 1e6;
    const long scrolledKiB = ResidentKiB();

    std::printf("photos=%d grid_rows=%d cell=%dx%d screen_cells=%d\n", photos.Count(), grid.rowCount(),
                cell.width(), cell.height(), screen);
    std::printf("load_ms=%.1f first_screen_ms=%.1f scroll_all_ms=%.1f decoded=%d\n", loadMs, firstScreenMs,
                scrollMs, grid.DecodedCount());
    std::printf("rss_kib start=%ld loaded=%ld first_screen=%ld scrolled=%ld\n", startKiB, loadedKiB,
                firstScreenKiB, scrolledKiB);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == u"write"_s)
        return Write(args[2], args.size() > 3 ? args[3].toInt() : 5000);
    if (args.size() >= 3 && args[1] == u"grid"_s)
        return Grid(args[2], args.size() > 4 ? QSize(args[3].toInt(), args[4].toInt()) : QSize(560, 300));
    std::fprintf(stderr, "usage: bench_photogrid write FOLDER [PHOTOS] | grid FOLDER [WIDTH HEIGHT]\n");
    return 2;
}
