#pragma once

#include <QPixmap>

/// The seven model pictures of the details window by index: mini, standard, nano, shuffle, video model,
/// second nano, second shuffle. Each is 62 x 120.
QPixmap ModelPicture(int index);
/// The details window's picture: white inside a black one-pixel frame, the model drawn at (19, 1).
QPixmap ModelFramePicture(int index, QSize size);
