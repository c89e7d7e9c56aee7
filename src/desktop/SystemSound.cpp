#include "desktop/SystemSound.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)

// mmsystem.h needs windows.h before it.
#include <windows.h>

#include <mmsystem.h>

void SystemSound::playActivityFinished()
{
    // Asynchronous, so the countdown's label, window and message follow at once. Windows
    // falls back to its default sound when no "Chimes" is configured.
    PlaySoundW(L"Chimes", nullptr, SND_ASYNC);
}

#elif defined(KELO_HAVE_CANBERRA)

#include <QLibrary>
#include <canberra.h>

#include <mutex>
#include <system_error>
#include <thread>

namespace {

// libcanberra is loaded on first use rather than linked, so a machine without it (or
// without any sound at all) runs on silently instead of refusing to start.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    ca_context *context = nullptr;
    bool tried = false;
};

std::mutex canberraMutex;

Canberra &canberra()
{
    static Canberra instance;
    return instance;
}

// Called with canberraMutex held. Tries once; a failure keeps the program silent.
ca_context *openContext()
{
    Canberra &c = canberra();
    if (c.tried)
        return c.context;
    c.tried = true;

    QLibrary library(QStringLiteral("canberra"), 0);
    if (!library.load())
        return nullptr;
    c.create = reinterpret_cast<decltype(c.create)>(library.resolve("ca_context_create"));
    c.changeProps = reinterpret_cast<decltype(c.changeProps)>(library.resolve("ca_context_change_props"));
    c.play = reinterpret_cast<decltype(c.play)>(library.resolve("ca_context_play"));
    if (!c.create || !c.changeProps || !c.play)
        return nullptr;

    ca_context *context = nullptr;
    if (c.create(&context) != CA_SUCCESS)
        return nullptr;
    c.changeProps(context, CA_PROP_APPLICATION_NAME, "Kelo", nullptr);
    // Kept for the whole run: a sound still playing belongs to it.
    c.context = context;
    return context;
}

void playNow()
{
    std::lock_guard<std::mutex> lock(canberraMutex);
    ca_context *context = openContext();
    if (!context)
        return;
    const auto play = canberra().play;
    if (play(context, 0, CA_PROP_EVENT_ID, "complete", nullptr) == CA_ERROR_NOTFOUND)
        play(context, 0, CA_PROP_EVENT_ID, "bell", nullptr);
}

} // namespace

void SystemSound::playActivityFinished()
{
    // ca_context_play itself returns while the sound plays, but connecting to the sound
    // server or opening the device on first use can take a while; none of that may hold
    // up the user interface, so it all happens on a short-lived thread of its own.
    try {
        std::thread(playNow).detach();
    } catch (const std::system_error &) {
        // No thread to be had: better no sound than a frozen window.
    }
}

#else

void SystemSound::playActivityFinished()
{
    // Built without a sound library: the countdown's label and message still tell.
}

#endif
