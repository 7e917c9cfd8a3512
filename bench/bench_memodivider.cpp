// Benchmark: encoding detection and conversion of a long text, then its division into notes in each mode.
// Run: cmake --build build/release --target bench_memodivider && build/release/bench/bench_memodivider
#include "notefiles.h"
#include "common/kirustringlist.h"
#include "notes/memodivider.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main()
{
    // About 2 MB of Japanese text in lines of 80 characters with punctuation.
    QString text;
    for (int i = 0; i < 12000; ++i)
        text += QString(40, QChar(u'あ' + i % 60)) + u"、"_s + QString(38, u'漢') + u"。\n"_s;
    const QByteArray utf8 = text.toUtf8();

    QElapsedTimer timer;
    timer.start();
    TKiruStringList list;
    list.LoadFromStreamEx(utf8, tcAuto);
    std::printf("load %lld bytes UTF-8 -> %lld bytes Shift-JIS: %lld ms\n", qint64(utf8.size()),
                list.TextLength(), timer.elapsed());

    for (int mode = 0; mode <= 3; ++mode) {
        QTemporaryDir dir;
        TKiruMemoDivider divider;
        divider.Title = u"bench"_s;
        divider.MakeDivMode = MemoDivModeFromSetting(mode);
        divider.MakeWordSize = 4050;
        divider.MakeLink = divider.MakePageNo = divider.AddEncoded = divider.AddTitle = true;
        divider.OnProgress = [](qint64, qint64, const QString &) {};
        divider.SetLines(list);
        timer.restart();
        divider.Divide(dir.path());
        std::printf("divide mode %d: %lld pages in %lld ms\n", mode, qint64(divider.FWrittenFiles.size()),
                    timer.elapsed());
    }
    return 0;
}
