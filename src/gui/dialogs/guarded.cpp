#include "dialogs/guarded.h"

#include "app/userdialogs.h"
#include "common/sorvoerror.h"

#include <QCoreApplication>
#include <QString>

#include <exception>
#include <new>

bool RunGuarded(IUserDialogs &dialogs, const std::function<void()> &command)
{
    QString message;
    try {
        command();
        return true;
    } catch (const ESorvoError &e) {
        message = e.Message();
    } catch (const std::bad_alloc &) {
        message = QCoreApplication::translate("Guarded", "メモリが足りません");
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QCoreApplication::translate("Guarded", "不明なエラーが発生しました");
    }
    dialogs.Error({}, message);
    return false;
}
