#pragma once

#include "photos/photoviewer.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TPhotoForm;
}
class QLabel;
class TKiruIPodINI;

/// The photo viewer window: one picture fitted to the window, stepping through the grid's photos,
/// saving a copy and copying to the clipboard.
class TPhotoForm : public QDialog
{
    Q_OBJECT
public:
    TPhotoForm(TKiruIPodINI &settings, IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TPhotoForm() override;

    void SetStepCallback(TPhotoViewer::TStepCallback callback) { FViewer.FOnStep = std::move(callback); }
    /// Loads the picture; false (after a message) when it cannot be shown.
    bool OpenPhoto(const QString &path, int index, int count);
    /// Tag 0 steps to the previous photo, tag 1 to the next.
    void StepPhoto(bool next);
    void SaveCopy();
    void CopyToClipboard();

    const TPhotoViewer &Viewer() const { return FViewer; }
    QString StatusText(int panel) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void done(int result) override;

private:
    void ShowState();

    std::unique_ptr<Ui::TPhotoForm> FUi;
    TKiruIPodINI &FSettings;
    IUserDialogs &FDialogs;
    TPhotoViewer FViewer;
    QLabel *FPanel0 = nullptr;
    QLabel *FPanel1 = nullptr;
};
