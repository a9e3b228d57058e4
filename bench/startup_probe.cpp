// Starts a program and waits, without polling, for the X server to report that a
// top-level window of the given title was mapped. Prints the milliseconds from
// exec to that map and the program's peak resident memory (VmHWM, kB) read after
// it has settled, then ends the program.
//   startup_probe TITLE SETTLE_MS PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string windowTitle(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netName)
{
    for (xcb_atom_t property : {netName, static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME)}) {
        auto cookie = xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
        if (!reply)
            continue;
        std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply));
        free(reply);
        if (!title.empty())
            return title;
    }
    return {};
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return a;
}

long peakKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

void endChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Starts the program with its output discarded; the child's own errors still
// reach our stderr.
pid_t startProgram(char** argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int errors = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[0], argv);
        dprintf(errors, "startup_probe: cannot start %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

// Milliseconds from start until a top-level window titled `wanted` is mapped,
// or -1 when the program ends first (`ended` set) or 30 s pass.
double waitForMap(xcb_connection_t* c, xcb_atom_t netName, const std::string& wanted, pid_t pid,
                  std::chrono::steady_clock::time_point start, bool& ended)
{
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        ended = waitpid(pid, nullptr, WNOHANG) == pid;
        if (ended || std::chrono::steady_clock::now() - start > std::chrono::seconds(30))
            return -1;
        poll(&pfd, 1, 100);
        double mappedMs = -1;
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const auto stamp = std::chrono::steady_clock::now();
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
                if (mappedMs < 0 && windowTitle(c, map->window, netName) == wanted)
                    mappedMs = std::chrono::duration<double, std::milli>(stamp - start).count();
            }
            free(e);
        }
        if (mappedMs >= 0)
            return mappedMs;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    const int settleMs = std::atoi(argv[2]);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    // Top-level windows are children of the root: their maps arrive as events here.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netName = atom(c, "_NET_WM_NAME");
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    // The figures go to our stdout; the program's own output must not mix in.
    const pid_t pid = startProgram(argv + 3);
    if (pid < 0)
        return 2;
    bool ended = false; // reaped already: its pid may belong to someone else now
    const double mappedMs = waitForMap(c, netName, wanted, pid, start, ended);
    if (mappedMs < 0) {
        std::fprintf(stderr, "startup_probe: no window \"%s\" mapped%s\n", wanted.c_str(),
                     ended ? " (the program ended)" : "");
        if (!ended)
            endChild(pid);
        xcb_disconnect(c);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long peak = peakKilobytes(pid);
    endChild(pid);
    xcb_disconnect(c);
    std::printf("%.1f %ld\n", mappedMs, peak);
    return peak < 0 ? 1 : 0;
}
