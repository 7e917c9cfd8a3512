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

constexpr char kFullTextProperty[] = "sorvoFullPath";
constexpr char kDesignWidthProperty[] = "sorvoDesignWidth";
constexpr int kMaxPathWidth = 360; // leaves the window well inside a 1280-pixel screen

/// Re-cuts the label's path when the label changes size.
class TElideOnResize : public QObject
{
public:
    using QObject::QObject;

    static void Elide(QLabel *label)
    {
        const QString path = label->property(kFullTextProperty).toString();
        const QFontMetrics metrics = label->fontMetrics();
        // A label with a frame and no indent of its own indents its text by half an "x".
        const int indent = label->indent() >= 0      ? label->indent()
                           : label->frameWidth() > 0 ? metrics.horizontalAdvance(u'x') / 2
                                                     : 0;
        const int width = qMax(0, label->contentsRect().width() - 2 * label->margin() - indent);
        label->setText(metrics.elidedText(path, Qt::ElideMiddle, width));
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

void ShowElidedPath(QLabel *label, const QString &path)
{
    if (!label->property(kFullTextProperty).isValid()) {
        label->installEventFilter(new TElideOnResize(label));
        label->setProperty(kDesignWidthProperty, label->minimumWidth());
        // The label takes the width the layout gives it; the text's own width never asks for more.
        QSizePolicy policy = label->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        label->setSizePolicy(policy);
    }
    // A short path is shown whole; a long one asks for no more than kMaxPathWidth and is cut.
    const QMargins margins = label->contentsMargins();
    const int wanted = label->fontMetrics().horizontalAdvance(path) + margins.left() + margins.right() +
                       2 * label->margin() + EffectiveIndent(label) + 2;
    label->setMinimumWidth(qBound(label->property(kDesignWidthProperty).toInt(), wanted, kMaxPathWidth));
    label->setProperty(kFullTextProperty, path);
    label->setToolTip(path);
    TElideOnResize::Elide(label);
}
