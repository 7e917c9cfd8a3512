#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class TTagSource;

/// Tags and audio figures of one MPEG audio, MPEG-4 audio or RIFF file.
struct TMP3Tag
{
    QString Title;
    QString Artist;
    QString Album;
    QString Year;
    QString Comment;
    QString Genre;         // name, not number
    QString Kind;          // "MPEG オーディオファイル", "AAC オーディオファイル" or "RIFF"
    qint32 TagSize = 0;    // ID3v2 tag size from its header
    qint32 BitRate = 0;    // kbit/s of the first frame
    qint32 SampleRate = 0; // Hz
    qint32 Duration = 0;   // seconds
    qint64 FileSize = 0;
};

/// Reads the descriptive tags and audio figures of MP3, MPEG-4 audio and RIFF files; never writes.
class TKiruMP3TagReader
{
public:
    /// Fills tag from the file; throws ETagFileOpenError when the file cannot be opened.
    void ReadFromFile(const QString &fileName, TMP3Tag &tag);
    /// The same for bytes already in memory.
    void ReadFromData(QByteArrayView data, TMP3Tag &tag);
    void ReadFromSource(TTagSource &source, TMP3Tag &tag);

    /// ID3v1 genre names, index 0 to 125.
    static const QStringList &GenreNames();
    /// kbit/s for an MPEG version (0 = 2.5, 2 = 2, 3 = 1), layer (1 = III, 2 = II, 3 = I) and index.
    static qint32 MpegBitRate(int version, int layer, int index);
    /// Hz for an MPEG version and sampling index; 0 when reserved.
    static qint32 MpegSampleRate(int version, int index);

private:
    void ReadId3v1(TTagSource &source, TMP3Tag &tag);
    void ReadId3v2(TTagSource &source, TMP3Tag &tag);
    qint64 FindAudioAfterId3v2(TTagSource &source);
    void ReadMpeg4(TTagSource &source, TMP3Tag &tag);
    void ReadAudioFigures(TTagSource &source, qint64 headerPos, TMP3Tag &tag);
};
