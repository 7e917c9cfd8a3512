// sorvo: the program's window.
#include "app/commandline.h"
#include "app/version.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {
void Print(FILE *out, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
}
} // namespace

int main(int argc, char **argv)
{
    // Options are read before QApplication, which needs a display.
    const TCommandLine line = TCommandLine::Parse(TCommandLine::FromArgv(argc, argv));
    if (!line.error.isEmpty()) {
        Print(stderr, line.error + u'\n');
        return 2;
    }
    if (line.version) {
        Print(stdout, u"Sorvo "_s + QString::fromUtf16(kSorvoVersion) + u'\n');
        return 0;
    }
    if (line.help) {
        Print(stdout, u"使い方: sorvo [-debug] [--drive PATH]... [--settings FILE]\n"_s);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Sorvo"_s);
    QMainWindow window;
    window.setWindowTitle(u"Sorvo "_s + QString::fromUtf16(kSorvoVersion));
    window.setCentralWidget(new QLabel(u"[接続待ち]"_s));
    window.resize(594, 385);
    window.show();
    return app.exec();
}
