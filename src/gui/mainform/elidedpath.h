#pragma once

#include <QString>

class QLabel;

/// Shows a path in a label without letting a long one widen the window: cut in the middle to the label's
/// width (again whenever it is resized), the whole path as its tool tip.
void ShowElidedPath(QLabel *label, const QString &path);
