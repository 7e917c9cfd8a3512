#pragma once

#include <QColor>
#include <QFont>
#include <QListView>
#include <QStyledItemDelegate>

class TArtworkDBLoader;
class TITBSongItem;
class TITBSongList;

/// One text line of a video row: what, in which font and colour, and where its top lies.
struct TVideoTextLine
{
    QString text;
    QFont font;
    QColor colour;
    int top = 0;
};

/// Draws a video row, 64 pixels high or as high as five lines need in the fonts at hand: its check
/// box, the artwork thumbnail fitted into 90 × 60 and up to five lines (title, artist, album, genre,
/// length), empty ones taking no room.
class TVideoRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 64; // the least height
    /// The height of every row: room for all five lines below the top margin, never cut.
    static int RowHeight(const QFont &base);
    static QColor SelectedColor() { return QColor(207, 213, 254); }

    explicit TVideoRowDelegate(QObject *parent = nullptr);
    /// What the rows are drawn from; both must outlive their use (null: nothing).
    void SetSource(const TITBSongList *songs, const TArtworkDBLoader *artwork);

    /// The lines of an entry, the first one's top at `top`.
    static QList<TVideoTextLine> Lines(const TITBSongItem &entry, const QFont &base, int top);
    /// Where a row's own drawing starts (right of its check box).
    QRect ContentRect(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const TITBSongList *FSongs = nullptr;
    const TArtworkDBLoader *FArtwork = nullptr;
};

/// The video tab's list: fixed 64-pixel rows with check boxes.
class TVideoListBox : public QListView
{
    Q_OBJECT
public:
    explicit TVideoListBox(QWidget *parent = nullptr);
    /// The selected row's item; -1 for none.
    int CurrentRow() const;

signals:
    void RowActivated(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
