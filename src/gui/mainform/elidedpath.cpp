#include "mainform/elidedpath.h"

#include <QEvent>
#include <QLabel>
#include <QMargins>

namespace {

/// The indent a label gives its text: its own, or half an "x" when it has a frame and none of its own.
int EffectiveIndent(const QLabel *label)
{
    if (label->indent() >= 0)
        return label->indent();
    return label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2 : 0;
}

constexpr char kFullTextProperty[] = "sorvoFullText";
constexpr char kElideModeProperty[] = "sorvoElideMode";
constexpr char kDesignWidthProperty[] = "sorvoDesignWidth";
constexpr int kMaxPathWidth = 360; // leaves the window well inside a 1280-pixel screen

/// Re-cuts the label's text when the label changes size.
class TElideOnResize : public QObject
{
public:
    using QObject::QObject;

    static void Elide(QLabel *label)
    {
        const QString text = label->property(kFullTextProperty).toString();
        const auto mode = Qt::TextElideMode(label->property(kElideModeProperty).toInt());
        const int width =
            qMax(0, label->contentsRect().width() - 2 * label->margin() - EffectiveIndent(label));
        label->setText(label->fontMetrics().elidedText(text, mode, width));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            if (auto *label = qobject_cast<QLabel *>(watched))
                Elide(label);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ShowElidedText(QLabel *label, const QString &text, Qt::TextElideMode mode)
{
    if (!label->property(kFullTextProperty).isValid()) {
        label->installEventFilter(new TElideOnResize(label));
        label->setProperty(kDesignWidthProperty, label->minimumWidth());
        // The label takes the width the layout gives it; the text's own width never asks for more.
        QSizePolicy policy = label->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        label->setSizePolicy(policy);
    }
    label->setProperty(kFullTextProperty, text);
    label->setProperty(kElideModeProperty, int(mode));
    label->setToolTip(text);
    TElideOnResize::Elide(label);
}

QString FullLabelText(const QLabel *label)
{
    const QVariant full = label->property(kFullTextProperty);
    return full.isValid() ? full.toString() : label->text();
}

void ShowElidedPath(QLabel *label, const QString &path)
{
    ShowElidedText(label, path, Qt::ElideMiddle);
    // A short path is shown whole; a long one asks for no more than kMaxPathWidth and is cut.
    const QMargins margins = label->contentsMargins();
    const int wanted = label->fontMetrics().horizontalAdvance(path) + margins.left() + margins.right() +
                       2 * label->margin() + EffectiveIndent(label) + 2;
    label->setMinimumWidth(qBound(label->property(kDesignWidthProperty).toInt(), wanted, kMaxPathWidth));
}
