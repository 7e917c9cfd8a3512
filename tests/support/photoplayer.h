#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

/// One photo of a fixture photo database.
struct TFixturePhoto
{
    quint32 id = 0;
    QString fullFile;    // stored form (":Full Resolution:2024:a.jpg"); empty: none
    QByteArray fullData; // written at the full file's place unless empty
    QImage thumb;        // stored as RGB565; null: no thumbnail
};

/// One album: its name and the ids of its photos.
struct TFixtureAlbum
{
    QString name;
    QList<quint32> ids;
};

/// Writes "Photos/Photo Database" below root with its thumbnail file and full-size files; returns its path.
QString WritePhotoPlayer(const QString &root, const QList<TFixturePhoto> &photos,
                         const QList<TFixtureAlbum> &albums);
