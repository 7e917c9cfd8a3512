#include "photos/photoform.h"

#include "app/settings.h"
#include "dialogs/guarded.h"
#include "ui_photoform.h"

#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>

TPhotoForm::TPhotoForm(TKiruIPodINI &settings, IUserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TPhotoForm>()), FSettings(settings), FDialogs(dialogs),
      FViewer(dialogs)
{
    FUi->setupUi(this);
    FUi->Button_Close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    FUi->Button_Save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    FUi->Button_Clipboard->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    FUi->Button_Prior->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    FUi->Button_Next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    FPanel0 = new QLabel(this);
    FPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    FPanel0->setFixedWidth(100);
    FPanel0->setAlignment(Qt::AlignCenter);
    FPanel1 = new QLabel(this);
    FPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    FUi->StatusBar->addWidget(FPanel0);
    FUi->StatusBar->addWidget(FPanel1, 1);
    FUi->PaintBox->installEventFilter(this);
    FUi->PaintBox->setAttribute(Qt::WA_OpaquePaintEvent);

    connect(FUi->Button_Close, &QToolButton::clicked, this, &QDialog::accept);
    connect(FUi->Button_Save, &QToolButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { SaveCopy(); }); });
    connect(FUi->Button_Clipboard, &QToolButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { CopyToClipboard(); }); });
    connect(FUi->Button_Prior, &QToolButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { StepPhoto(false); }); });
    connect(FUi->Button_Next, &QToolButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { StepPhoto(true); }); });

    // The saved place, unless no screen shows any of it any more.
    const QRect saved(FSettings.FPView_X, FSettings.FPView_Y, qMax(FSettings.FPView_W, 160),
                      qMax(FSettings.FPView_H, 120));
    resize(saved.size());
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(saved);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (onScreen || !screen)
        move(saved.topLeft());
    else
        move(screen->availableGeometry().center() - QPoint(saved.width() / 2, saved.height() / 2));
    ShowState();
}

TPhotoForm::~TPhotoForm() = default;

bool TPhotoForm::OpenPhoto(const QString &path, int index, int count)
{
    if (!FViewer.OpenPhoto(path, index, count))
        return false;
    ShowState();
    FUi->PaintBox->update();
    return true;
}

void TPhotoForm::ShowState()
{
    FPanel0->setText(FViewer.FSizeText);
    FPanel1->setText(QDir::toNativeSeparators(FViewer.FFileName));
    FUi->Button_Prior->setEnabled(FViewer.FPriorEnabled);
    FUi->Button_Next->setEnabled(FViewer.FNextEnabled);
    FUi->Button_Save->setEnabled(!FViewer.FFileName.isEmpty());
    FUi->Button_Clipboard->setEnabled(!FViewer.FPicture.isNull());
}

QString TPhotoForm::StatusText(int panel) const
{
    return (panel == 0 ? FPanel0 : FPanel1)->text();
}

void TPhotoForm::StepPhoto(bool next)
{
    if (FViewer.Step(next)) {
        ShowState();
        FUi->PaintBox->update();
    }
}

void TPhotoForm::SaveCopy()
{
    FViewer.SaveCopy(FSettings.FPhotoCopy_Folder);
}

void TPhotoForm::CopyToClipboard()
{
    FViewer.CopyToClipboard();
}

bool TPhotoForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FUi->PaintBox) {
        if (event->type() == QEvent::Paint) {
            QPainter painter(FUi->PaintBox);
            const QImage canvas = FViewer.Render(FUi->ScrollBox->size());
            if (canvas.isNull())
                painter.fillRect(FUi->PaintBox->rect(), Qt::black);
            else
                painter.drawImage(QPoint(0, 0), canvas);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPhotoForm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        accept();
        return;
    case Qt::Key_PageUp:
        RunGuarded(FDialogs, [this] { StepPhoto(false); });
        return;
    case Qt::Key_PageDown:
        RunGuarded(FDialogs, [this] { StepPhoto(true); });
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TPhotoForm::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta != 0)
        RunGuarded(FDialogs, [&] { StepPhoto(delta <= 0); });
    event->accept();
}

void TPhotoForm::done(int result)
{
    FSettings.FPView_X = x();
    FSettings.FPView_Y = y();
    FSettings.FPView_W = width();
    FSettings.FPView_H = height();
    QDialog::done(result);
}
