#pragma once

#include <QString>
#include <QStringList>

class IUserDialogs;

/// Every file below a folder as paths relative to it ("/"-separated), in name order.
QStringList ListPlayerFiles(const QString &folder);
/// Creates a missing player folder with its parents, but only below the player's root; raises ESorvoError
/// "フォルダ[ %s ]を作成できません" when it cannot, or when the folder would lie outside the root.
void MakePlayerFolder(const QString &folder, const QString &root);
/// Offers every empty direct sub-folder for removal; raises ESorvoError when a removal fails.
void RemoveEmptySubFolders(const QString &folder, IUserDialogs &dialogs);
