#include "music/songfindform.h"

#include "app/settings.h"
#include "music/songlistmodel.h"
#include "ui_songfindform.h"

#include <QButtonGroup>

using namespace Qt::Literals::StringLiterals;

TSongFindForm::TSongFindForm(TKiruIPodINI &settings, const QList<TArtistTick> &artists, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TSongFindForm>()), FSettings(settings)
{
    FUi->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The playlist page is never shown; the page numbers still count it.
    FUi->Findpages->setTabVisible(1, false);
    FTypes = new QButtonGroup(this);
    FTypes->addButton(FUi->RadioButton_Artist, kFindArtist);
    FTypes->addButton(FUi->RadioButton_Title, kFindTitle);
    FTypes->addButton(FUi->RadioButton_Album, kFindAlbum);
    FTypes->addButton(FUi->RadioButton_All, kFindAll);
    FArtists = new TArtistTickModel(this);
    FArtists->Fill(artists);
    FUi->ArtistsListView->SetReportModel(FArtists);
    FUi->ArtistsListView->SetColumnWidths({245});

    FUi->Edit_FindSongs->setText(settings.FText);
    if (QAbstractButton *button = FTypes->button(settings.FSongFind_Type))
        button->setChecked(true);
    else
        FUi->RadioButton_All->setChecked(true);
    FUi->Findpages->setCurrentIndex(settings.FPageIndex == 2 ? 2 : 0);

    // The caret starts where the user types: the keywords, or the artist list on its page.
    const auto focusPage = [this](int page) {
        if (page == 2)
            FUi->ArtistsListView->setFocus();
        else
            FUi->Edit_FindSongs->setFocus();
    };
    focusPage(FUi->Findpages->currentIndex());
    connect(FUi->Findpages, &QTabWidget::currentChanged, this, focusPage);
    connect(FUi->Button_Ok, &QPushButton::clicked, this, &TSongFindForm::Search);
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TSongFindForm::~TSongFindForm() = default;

int TSongFindForm::ActivePage() const
{
    return FUi->Findpages->currentIndex();
}

QList<TArtistTick> TSongFindForm::Ticks() const
{
    return FArtists->Ticks();
}

void TSongFindForm::Search()
{
    FSettings.FText = FUi->Edit_FindSongs->text();
    FSettings.FSongFind_Type = FTypes->checkedId();
    FSettings.FPageIndex = ActivePage();
    accept();
}
