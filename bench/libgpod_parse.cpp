// libgpod's reading of a song database, for comparison: prints time and peak memory like
// bench_itunesdb songs.
#include <gpod/itdb.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_libgpod_parse FILE\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    GError *error = nullptr;
    Itdb_iTunesDB *db = itdb_parse_file(argv[1], &error);
    const auto end = std::chrono::steady_clock::now();
    if (!db) {
        std::fprintf(stderr, "itdb_parse_file failed: %s\n", error ? error->message : "?");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("libgpod songs=%u ms=%.2f peak_kib=%ld\n", itdb_tracks_number(db),
                std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss);
    itdb_free(db);
    return 0;
}
