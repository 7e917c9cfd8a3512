// Fuzz target: the news tokenizer over arbitrary Shift-JIS bytes, every tag through the attribute parser.
#include "news/taganalysis.h"
#include "news/tokenreader.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TTokenReader reader;
    reader.SetText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    TTagAnalysis tag;
    for (reader.Next(); reader.FTokenKind != TTokenReader::KindEnd; reader.Next()) {
        TTokenReader::LowerTagName(reader.FToken);
        if (reader.FTokenKind != TTokenReader::KindText) {
            tag.Parse(reader.FToken);
            tag.ValueOf(u"charset"_s);
        }
    }
    return 0;
}
