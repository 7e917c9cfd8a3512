#include "dialogs/crform.h"

#include "app/settings.h"
#include "ui_crform.h"

#include <QFontMetrics>

TCRForm::TCRForm(TKiruIPodINI &settings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      FUi(std::make_unique<Ui::TCRForm>()), FSettings(settings)
{
    FUi->setupUi(this);
    FUi->Memo1->setPlainText(tr("Sorvoは、以下の条件に従って著作権を守った使用をしてください。\n"
                                "\n"
                                "・他人のiPodから著作権のある音楽・ビデオなどを取り出さないでください\n"
                                "・他人のコンピュータへ著作権のある音楽・ビデオなどを渡さないでください\n"
                                "・その他、他人の著作権を侵害する行為をしないでください\n"
                                "\n"
                                "条件に同意いただける場合は、\"同意して使用します\"を押して、\n"
                                "快適なiPodライフをおくってください。"));
    // Wide enough for the longest line in the user's font.
    const QFontMetrics metrics(FUi->Memo1->font());
    int textWidth = 0;
    for (const QString &line : FUi->Memo1->toPlainText().split(u'\n'))
        textWidth = qMax(textWidth, metrics.horizontalAdvance(line));
    FUi->Memo1->setMinimumWidth(textWidth + 40);
    connect(FUi->Button1, &QPushButton::clicked, this, &TCRForm::Agree);
    connect(FUi->Button2, &QPushButton::clicked, this, &TCRForm::Decline);
}

TCRForm::~TCRForm() = default;

void TCRForm::Agree()
{
    FSettings.FCopyright = true;
    accept();
}

void TCRForm::Decline()
{
    FSettings.FCopyright = false;
    QDialog::reject();
}

void TCRForm::reject()
{
    Decline();
}
