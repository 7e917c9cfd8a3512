#include "video/videolistbox.h"

#include "common/pictures.h"
#include "common/textutils.h"
#include "music/itunesdbloader.h"
#include "music/videolistmodel.h"
#include "photos/artworkdbloader.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

TVideoRowDelegate::TVideoRowDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void TVideoRowDelegate::SetSource(const TITBSongList *songs, const TArtworkDBLoader *artwork)
{
    FSongs = songs;
    FArtwork = artwork;
}

QList<TVideoTextLine> TVideoRowDelegate::Lines(const TITBSongItem &entry, const QFont &base, int top)
{
    struct TSpec
    {
        QString text;
        int points;
        bool bold;
        QColor colour;
    };
    const TSpec specs[] = {
        {entry.Title(), 12, true, Qt::black},
        {entry.Artist(), 9, false, Qt::black},
        {entry.Album(), 8, false, Qt::black},
        {entry.Genre(), 8, false, Qt::black},
        {FormatDuration(entry.FLength), 8, false, QColor(128, 128, 128)},
    };
    QList<TVideoTextLine> lines;
    for (const TSpec &spec : specs) {
        if (spec.text.trimmed().isEmpty())
            continue;
        QFont font = base;
        font.setPointSize(spec.points);
        font.setBold(spec.bold);
        lines.append({spec.text, font, spec.colour, top});
        top += QFontMetrics(font).boundingRect(QStringLiteral("あ")).height() + 1;
    }
    return lines;
}

int TVideoRowDelegate::RowHeight(const QFont &base)
{
    TITBSongItem full;
    for (const TSongText text : {TSongText::Title, TSongText::Artist, TSongText::Album, TSongText::Genre})
        full.SetText(text, u"あ");
    full.FLength = 1000;
    const QList<TVideoTextLine> lines = Lines(full, base, 4);
    const int bottom = lines.last().top + QFontMetrics(lines.last().font).height();
    return std::max(kRowHeight, bottom + 2);
}

QRect TVideoRowDelegate::ContentRect(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    const QRect check = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, opt.widget);
    QRect content = option.rect;
    if (check.isValid())
        content.setLeft(check.right() + 3);
    return content;
}

void TVideoRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    const bool selected = opt.state & QStyle::State_Selected;
    const QColor background = selected ? SelectedColor() : QColor(Qt::white);
    painter->save();
    painter->fillRect(opt.rect, background);

    // The check box on the left, as a check list draws it.
    QStyleOptionViewItem check = opt;
    check.rect = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, opt.widget);
    check.state = check.state & ~QStyle::State_HasFocus;
    check.state |= opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, opt.widget);

    const QRect content = ContentRect(option, index);
    const int songIndex = index.data(TVideoListModel::SongIndexRole).toInt();
    if (FSongs && songIndex >= 0 && songIndex < FSongs->Count()) {
        const TITBSongItem &entry = FSongs->Items(songIndex);
        const int x = content.left(), y = content.top();
        // Artwork: looked up and decoded when the row is first drawn; the decoded picture stays.
        if (const TArtItem *art = FArtwork ? FArtwork->FindBySongId(entry.FDBID) : nullptr) {
            if (TArtImageObject *thumb = art->SelectImage(-1)) {
                const QImage picture = thumb->Bitmap();
                if (!picture.isNull()) {
                    QImage box(90, 60, QImage::Format_RGB32);
                    box.fill(background);
                    DrawFitted(box, 0, 0, 90, 60, background, picture);
                    painter->drawImage(QPoint(x + 5, y + 1), box);
                }
            }
        }
        for (const TVideoTextLine &line : Lines(entry, opt.font, y + 4)) {
            painter->setFont(line.font);
            painter->setPen(line.colour);
            const QFontMetrics metrics(line.font);
            const QRect textRect(x + 100, line.top, content.right() - (x + 100), metrics.height());
            painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                              metrics.elidedText(line.text, Qt::ElideRight, textRect.width()));
        }
    }
    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(opt.widget ? opt.widget : nullptr);
        focus.rect = opt.rect;
        focus.backgroundColor = background;
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, opt.widget);
    }
    painter->restore();
}

QSize TVideoRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width() > 0 ? option.rect.width() : 300, RowHeight(option.font));
}

TVideoListBox::TVideoListBox(QWidget *parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);
}

int TVideoListBox::CurrentRow() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TVideoListBox::keyPressEvent(QKeyEvent *event)
{
    // Space ticks the current row, as a check list does.
    if (event->key() == Qt::Key_Space && model() && currentIndex().isValid()) {
        const QModelIndex index = currentIndex();
        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model()->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TVideoListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        emit RowActivated(CurrentRow());
}
