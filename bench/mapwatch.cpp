// mapwatch TITLE COMMAND [ARGS...]
// Starts COMMAND and prints, in milliseconds, how long it took until a top-level window
// titled TITLE was mapped and stayed mapped (a window shown and hidden again during
// start-up does not count). Prints the child's pid on the second line; the child keeps
// running. Exits non-zero after 20 seconds without such a window.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {
std::string windowTitle(xcb_connection_t *c, xcb_window_t w)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256), nullptr);
    std::string title;
    if (reply) {
        title.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                     xcb_get_property_value_length(reply));
        free(reply);
    }
    return title;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwatch TITLE COMMAND [ARGS...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The child outlives us; it must not hold our output open for the caller.
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    xcb_window_t candidate = 0;
    Clock::time_point mappedAt;
    const auto stable = std::chrono::milliseconds(500);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (candidate && now - mappedAt >= stable)
            break;
        if (now - start > std::chrono::seconds(20))
            return 1;
        pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&pfd, 1, 20);
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY) {
                auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!candidate && windowTitle(c, map->window) == wanted) {
                    candidate = map->window;
                    mappedAt = Clock::now();
                }
            } else if (type == XCB_UNMAP_NOTIFY) {
                auto *unmap = reinterpret_cast<xcb_unmap_notify_event_t *>(event);
                if (unmap->window == candidate)
                    candidate = 0;
            }
            free(event);
        }
    }
    std::printf("%lld\n%d\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(mappedAt - start).count()),
                static_cast<int>(child));
    xcb_disconnect(c);
    return 0;
}
