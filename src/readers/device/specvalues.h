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

/// A value of the player record as it is shown: the model data's "第N世代" and the record's "不明" stay
/// Japanese in the record (and in JSON) and are shown in the language of the texts.
QString ShownPlayerValue(const QString &value);
TSpecValues MakeSpecValues(const TPlayerInfo &device);
/// The model picture by model code: mini 0, shuffle 3, nano 2, nano2 5, shuffle2 6, 5G 4, else 1.
int ModelPictureIndex(const QString &modelCode);
/// The disk-check command for a player root.
QString DiskCheckCommand(const QString &root);
