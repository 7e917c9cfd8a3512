#include "dialogs/guarded.h"

#include "common/sorvoerror.h"
#include "app/userdialogs.h"

#include <QString>

#include <exception>
#include <new>

using namespace Qt::Literals::StringLiterals;

bool RunGuarded(IUserDialogs &dialogs, const std::function<void()> &command)
{
    QString message;
    try {
        command();
        return true;
    } catch (const ESorvoError &e) {
        message = e.Message();
    } catch (const std::bad_alloc &) {
        message = u"メモリが足りません"_s;
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = u"不明なエラーが発生しました"_s;
    }
    dialogs.Error({}, message);
    return false;
}
