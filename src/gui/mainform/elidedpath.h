#pragma once

#include <QString>
#include <Qt>

class QLabel;

/// Shows a text in a label cut with "…" to the label's width (again whenever it is resized), whole in its
/// tool tip; the label never widens the window for it.
void ShowElidedText(QLabel *label, const QString &text, Qt::TextElideMode mode = Qt::ElideRight);
/// The whole text of a label filled by ShowElidedText, or its text.
QString FullLabelText(const QLabel *label);
/// Shows a path as ShowElidedText cut in the middle, so its end stays in view; a short path asks for
/// the width it needs, up to a limit.
void ShowElidedPath(QLabel *label, const QString &path);
