#pragma once

#include <QString>

struct TPlayerInfo;

/// The values the device details window shows for the recognised player.
struct TSpecValues
{
    QString machine; // kind name ( capacity )
    QString generation;
    QString number;
    QString name;
    QString owner;
    QString software;
    QString serial;
    QString area;
    QString hdd;      // "%.0n MB", rounded
    QString songs;    // "%.0n 曲"
    QString songSize; // "%.0n MB", rounded
    int pictureIndex = 1;
};

TSpecValues MakeSpecValues(const TPlayerInfo &device);
/// The model picture by model code: mini 0, shuffle 3, nano 2, nano2 5, shuffle2 6, 5G 4, else 1.
int ModelPictureIndex(const QString &modelCode);
/// The disk-check command for a player root.
QString DiskCheckCommand(const QString &root);
