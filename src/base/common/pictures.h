#pragma once

#include <QColor>
#include <QImage>

/// Draws the picture scaled into the box (aspect kept, centred), the rest of the box in the background.
void DrawFitted(QImage &destination, int left, int top, int boxWidth, int boxHeight, const QColor &background,
                const QImage &source);
/// The placement DrawFitted uses inside the box.
QRect FittedRect(int boxWidth, int boxHeight, int sourceWidth, int sourceHeight);
