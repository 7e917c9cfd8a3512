// Builds the demo player folder: make_demo_player DIR
#include "demoplayer.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make_demo_player DIR\n", stderr);
        return 2;
    }
    const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString failed = BuildDemoPlayer(root);
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "could not write the demo player (%s)\n", qPrintable(failed));
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(root)));
    return 0;
}
