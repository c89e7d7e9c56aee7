// Stands in for a program the launcher starts: writes the arguments it received, each
// followed by a zero byte, to the file named by KELO_ARGV_RECORD. The file appears in
// one step (written aside, then renamed), so a reader never sees half of it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>

// Windows hands main() its arguments in the ANSI code page, which loses Cyrillic: take
// them from the wide command line and record them as UTF-8.
static std::vector<std::string> arguments(int, char *[])
{
    std::vector<std::string> result;
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(size > 0 ? size - 1 : 0, '\0');
        if (size > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), size, nullptr, nullptr);
        result.push_back(utf8);
    }
    LocalFree(wide);
    return result;
}
#else
static std::vector<std::string> arguments(int argc, char *argv[])
{
    return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

int main(int argc, char *argv[])
{
    const char *target = std::getenv("KELO_ARGV_RECORD");
    if (!target)
        return 2;
    const std::string partial = std::string(target) + ".part";
    std::FILE *file = std::fopen(partial.c_str(), "wb");
    if (!file)
        return 2;
    for (const std::string &argument : arguments(argc, argv)) {
        std::fputs(argument.c_str(), file);
        std::fputc('\0', file);
    }
    if (std::fclose(file) != 0)
        return 2;
    return std::rename(partial.c_str(), target) == 0 ? 0 : 2;
}
