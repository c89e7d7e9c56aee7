// Stands in for a program the launcher starts: writes the arguments it received, each
// followed by a zero byte, to the file named by KELO_ARGV_RECORD. The file appears in
// one step (written aside, then renamed), so a reader never sees half of it.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    const char *target = std::getenv("KELO_ARGV_RECORD");
    if (!target)
        return 2;
    const std::string partial = std::string(target) + ".part";
    std::FILE *file = std::fopen(partial.c_str(), "wb");
    if (!file)
        return 2;
    for (int i = 1; i < argc; ++i) {
        std::fputs(argv[i], file);
        std::fputc('\0', file);
    }
    if (std::fclose(file) != 0)
        return 2;
    return std::rename(partial.c_str(), target) == 0 ? 0 : 2;
}
