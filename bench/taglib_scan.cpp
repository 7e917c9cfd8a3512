// The reference for the folder scan as a whole process: a plain TagLib program (no Qt) that walks
// a folder in name order, reads each file's tags and audio figures and prints one JSON object per
// file, as `sorvo-cli scan --json` does for the same folder.
//   bench_taglib_scan FOLDER > out.json
#include <fileref.h>
#include <tag.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void AppendJsonString(std::string &out, const std::string &text)
{
    out += '"';
    for (const unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += char(c);
            }
        }
    }
    out += '"';
}

void Field(std::string &out, const char *name, const std::string &value)
{
    out += "    \"";
    out += name;
    out += "\": ";
    AppendJsonString(out, value);
    out += ",\n";
}

void Field(std::string &out, const char *name, long long value)
{
    out += "    \"";
    out += name;
    out += "\": ";
    out += std::to_string(value);
    out += ",\n";
}

void Walk(const fs::path &folder, std::vector<fs::path> &files)
{
    std::vector<fs::directory_entry> entries;
    for (const auto &entry : fs::directory_iterator(folder))
        entries.push_back(entry);
    std::sort(entries.begin(), entries.end(),
              [](const auto &a, const auto &b) { return a.path().filename() < b.path().filename(); });
    for (const auto &entry : entries) {
        if (entry.is_directory() && !entry.is_symlink())
            Walk(entry.path(), files);
        else if (entry.is_regular_file())
            files.push_back(entry.path());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs("usage: bench_taglib_scan FOLDER\n", stderr);
        return 2;
    }
    std::vector<fs::path> files;
    Walk(argv[1], files);

    std::string out = "[\n";
    bool first = true;
    for (const fs::path &file : files) {
        TagLib::FileRef ref(file.c_str(), true, TagLib::AudioProperties::Average);
        if (ref.isNull())
            continue;
        if (!first)
            out += ",\n";
        first = false;
        out += "  {\n";
        if (const TagLib::Tag *tag = ref.tag()) {
            Field(out, "title", tag->title().to8Bit(true));
            Field(out, "artist", tag->artist().to8Bit(true));
            Field(out, "album", tag->album().to8Bit(true));
            Field(out, "genre", tag->genre().to8Bit(true));
            Field(out, "comment", tag->comment().to8Bit(true));
            Field(out, "year", tag->year());
            Field(out, "track_number", tag->track());
        }
        if (const TagLib::AudioProperties *p = ref.audioProperties()) {
            Field(out, "bit_rate", p->bitrate());
            Field(out, "sample_rate", p->sampleRate());
            Field(out, "length_ms", p->lengthInMilliseconds());
        }
        Field(out, "size", static_cast<long long>(fs::file_size(file)));
        out += "    \"location\": ";
        AppendJsonString(out, file.string());
        out += "\n  }";
    }
    out += "\n]\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
