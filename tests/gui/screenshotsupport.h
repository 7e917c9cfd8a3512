#pragma once

// What the screenshot tests share: saving a window's picture and checking that nothing in it is cut,
// in the language SORVO_TEST_LANG names ("ja" or "en"; Japanese when unset).
#include "app/language.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QWidget>

inline void InstallTestLanguage()
{
    TUiLanguage language;
    if (ParseUiLanguage(qEnvironmentVariable("SORVO_TEST_LANG"), language) &&
        !InstallUiLanguage(*QCoreApplication::instance(), language))
        qFatal("the translation of SORVO_TEST_LANG could not be loaded");
}
Q_COREAPP_STARTUP_FUNCTION(InstallTestLanguage)

/// The status line's text once the player is found, in the language installed.
inline QString ConnectedText()
{
    return QCoreApplication::translate("TLagugae", "[接続中]");
}

/// Saves the window's picture into SORVO_SCREENSHOT_DIR when that names a folder.
inline void SaveScreenshot(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("SORVO_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(window.grab().save(QDir(folder).filePath(name)));
}

/// No label, button or group box title of the window is narrower than its text, and the window fits a
/// 1280 x 800 screen.
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
    // A button or check box given less than it asks for cuts its caption.
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                 qPrintable(button->objectName() + QStringLiteral(": ") + button->text()));
    }
    for (QGroupBox *box : window.findChildren<QGroupBox *>()) {
        if (!box->isVisible() || box->title().isEmpty())
            continue;
        QVERIFY2(box->width() >= box->fontMetrics().horizontalAdvance(box->title()),
                 qPrintable(box->objectName() + QStringLiteral(": ") + box->title()));
    }
}
