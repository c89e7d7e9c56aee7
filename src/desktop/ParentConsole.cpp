#include "desktop/ParentConsole.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <cstdio>

void ParentConsole::attach()
{
    // Output already sent somewhere (a file, a pipe) stays there.
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error && error != INVALID_HANDLE_VALUE)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::FILE *ignored = nullptr;
    freopen_s(&ignored, "CONOUT$", "w", stdout);
    freopen_s(&ignored, "CONOUT$", "w", stderr);
}
#else
void ParentConsole::attach()
{
}
#endif
