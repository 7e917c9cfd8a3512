#include "app/guithreaddialogs.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>
#include <type_traits>

namespace {
/// Runs `ask` on the main thread and returns its answer; an error it raises is raised here.
template <class F> auto OnMainThread(F ask) -> decltype(ask())
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return ask();
    std::exception_ptr error;
    if constexpr (std::is_void_v<decltype(ask())>) {
        QMetaObject::invokeMethod(
            app,
            [&] {
                try {
                    ask();
                } catch (...) {
                    error = std::current_exception();
                }
            },
            Qt::BlockingQueuedConnection);
        if (error)
            std::rethrow_exception(error);
    } else {
        decltype(ask()) answer{};
        QMetaObject::invokeMethod(
            app,
            [&] {
                try {
                    answer = ask();
                } catch (...) {
                    error = std::current_exception();
                }
            },
            Qt::BlockingQueuedConnection);
        if (error)
            std::rethrow_exception(error);
        return answer;
    }
}
} // namespace

void TGuiThreadDialogs::Warning(const QString &text)
{
    OnMainThread([&] { FTarget.Warning(text); });
}
void TGuiThreadDialogs::Information(const QString &text)
{
    OnMainThread([&] { FTarget.Information(text); });
}
void TGuiThreadDialogs::Error(const QString &title, const QString &text)
{
    OnMainThread([&] { FTarget.Error(title, text); });
}
TDialogAnswer TGuiThreadDialogs::AskYesNo(const QString &text)
{
    return OnMainThread([&] { return FTarget.AskYesNo(text); });
}
TDialogAnswer TGuiThreadDialogs::AskYesNoCancel(const QString &text)
{
    return OnMainThread([&] { return FTarget.AskYesNoCancel(text); });
}
TDialogAnswer TGuiThreadDialogs::AskOkCancel(const QString &text)
{
    return OnMainThread([&] { return FTarget.AskOkCancel(text); });
}
QStringList TGuiThreadDialogs::OpenFileNames(const QString &title, const QString &filter,
                                             const QString &folder, bool multiple)
{
    return OnMainThread([&] { return FTarget.OpenFileNames(title, filter, folder, multiple); });
}
QString TGuiThreadDialogs::SaveFileName(const QString &title, const QString &filter,
                                        const QString &defaultExt, const QString &proposedPath)
{
    return OnMainThread([&] { return FTarget.SaveFileName(title, filter, defaultExt, proposedPath); });
}
TSaveChoice TGuiThreadDialogs::SaveFileChoice(const QString &title, const QString &filter,
                                              const QString &proposedPath)
{
    return OnMainThread([&] { return FTarget.SaveFileChoice(title, filter, proposedPath); });
}
QString TGuiThreadDialogs::SaveFileNameNoOverwriteQuestion(const QString &title, const QString &filter,
                                                           const QString &defaultExt,
                                                           const QString &proposedPath)
{
    return OnMainThread(
        [&] { return FTarget.SaveFileNameNoOverwriteQuestion(title, filter, defaultExt, proposedPath); });
}
bool TGuiThreadDialogs::BrowseForFolder(QString &folder)
{
    return OnMainThread([&] { return FTarget.BrowseForFolder(folder); });
}
bool TGuiThreadDialogs::InputBox(const QString &caption, const QString &prompt, QString &value)
{
    return OnMainThread([&] { return FTarget.InputBox(caption, prompt, value); });
}
void TGuiThreadDialogs::SetClipboardText(const QString &text)
{
    OnMainThread([&] { FTarget.SetClipboardText(text); });
}
void TGuiThreadDialogs::SetClipboardImage(const QImage &image)
{
    OnMainThread([&] { FTarget.SetClipboardImage(image); });
}
void TGuiThreadDialogs::ShellOpen(const QString &target)
{
    OnMainThread([&] { FTarget.ShellOpen(target); });
}
