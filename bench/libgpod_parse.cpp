// libgpod's reading of a song database, for comparison: prints time and peak memory like
// bench_itunesdb songs. Given a player root instead of a file, libgpod finds the database itself,
// which is how it reads the compressed iTunesCDB of later players.
#include <gpod/itdb.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_libgpod_parse FILE|PLAYER_ROOT\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    GError *error = nullptr;
    struct stat info{};
    const bool root = stat(argv[1], &info) == 0 && S_ISDIR(info.st_mode);
    Itdb_iTunesDB *db = root ? itdb_parse(argv[1], &error) : itdb_parse_file(argv[1], &error);
    const auto end = std::chrono::steady_clock::now();
    if (!db) {
        std::fprintf(stderr, "libgpod could not read the database: %s\n", error ? error->message : "?");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("libgpod songs=%u ms=%.2f peak_kib=%ld\n", itdb_tracks_number(db),
                std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss);
    itdb_free(db);
    return 0;
}
