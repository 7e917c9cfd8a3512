#pragma once

// What the screenshot tests share: saving a window's picture and checking that nothing in it is cut.
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QWidget>

/// Saves the window's picture into SORVO_SCREENSHOT_DIR when that names a folder.
inline void SaveScreenshot(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("SORVO_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(window.grab().save(QDir(folder).filePath(name)));
}

/// No label of the window is narrower than its text, and the window fits a 1280 x 800 screen.
inline void CheckNothingCut(QWidget &window)
{
    QVERIFY(window.width() <= 1280 && window.height() <= 800);
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(label->contentsRect().width() >= needed,
                 qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
    }
}
