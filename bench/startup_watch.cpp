// startup-watch: times a program's start from outside, in the X server.
//
//   startup-watch [--unmanaged] X Y RRGGBB PROGRAM [ARG...]
//
// Starts PROGRAM and waits for its top-level window (at least 1000 x 500) to
// be mapped (with --unmanaged also a window that no window manager is to
// manage, as Wine maps the windows whose frames it draws itself), then reads
// the pixel at (X, Y) of the window from the X server until it has the colour
// RRGGBB: then the first paint has reached the screen. Y counts from the
// window's top, or from its bottom when negative (-1 is the lowest row).
// Prints
//
//   mapped MS painted MS pid PID window 0xID
//
// (milliseconds since the start), leaves the program running and exits when
// it ends. Exit status 1 when the program ends or 30 s pass before the pixel
// shows; the program is then ended.
//
//   startup-watch --sum WINDOW
//
// prints a checksum of what the window shows, for telling pages apart.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {

constexpr int kMinWidth = 1000, kMinHeight = 500;
constexpr double kTimeoutMs = 30000.0;

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1.0e6;
}

// A window may vanish between two requests; that is not fatal here.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

bool Exited(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == child;
}

bool g_unmanaged = false;

// The top-level window the program mapped, or 0 while there is none.
Window MappedWindow(Display* display) {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) continue;
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, event.xmap.window, &a)) continue;
        if ((g_unmanaged || !a.override_redirect) && a.width >= kMinWidth && a.height >= kMinHeight)
            return event.xmap.window;
    }
    return 0;
}

// The pixel as 0xRRGGBB, or -1 when it cannot be read.
long Pixel(Display* display, Window window, int x, int y) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable) return -1;
    const int wy = y < 0 ? a.height + y : y;
    if (x < 0 || x >= a.width || wy < 0 || wy >= a.height) return -1;
    XImage* image = XGetImage(display, window, x, wy, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return -1;
    unsigned long p = XGetPixel(image, 0, 0);
    const unsigned long r = image->red_mask, g = image->green_mask, b = image->blue_mask;
    XDestroyImage(image);
    auto channel = [p](unsigned long mask) {
        if (mask == 0) return 0ul;
        unsigned long v = p & mask;
        while ((mask & 1) == 0) {
            mask >>= 1;
            v >>= 1;
        }
        return v * 255 / mask;
    };
    return static_cast<long>((channel(r) << 16) | (channel(g) << 8) | channel(b));
}

// A busy server may turn a connection away for a moment.
Display* OpenDisplay() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        usleep(100000);
    }
    return nullptr;
}

int Fail(pid_t child, const char* why) {
    std::fprintf(stderr, "startup-watch: %s\n", why);
    if (child > 0 && kill(child, SIGTERM) == 0) waitpid(child, nullptr, 0);
    return 1;
}

// FNV-1a over the pixels of the whole window.
int PrintSum(const char* id) {
    Display* display = OpenDisplay();
    if (display == nullptr) return Fail(0, "cannot open the display");
    XSetErrorHandler(IgnoreErrors);
    const Window window = std::strtoul(id, nullptr, 0);
    XWindowAttributes a;
    XImage* image = nullptr;
    if (XGetWindowAttributes(display, window, &a) && a.map_state == IsViewable)
        image = XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (image == nullptr) return Fail(0, "cannot read the window");
    std::uint64_t sum = 1469598103934665603ull;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            sum ^= XGetPixel(image, x, y);
            sum *= 1099511628211ull;
        }
    }
    XDestroyImage(image);
    XCloseDisplay(display);
    std::printf("%016llx\n", static_cast<unsigned long long>(sum));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--sum") return PrintSum(argv[2]);
    if (argc > 1 && std::string_view(argv[1]) == "--unmanaged") {
        g_unmanaged = true;
        --argc, ++argv;
    }
    if (argc < 5) {
        std::fprintf(stderr, "usage: startup-watch [--unmanaged] X Y RRGGBB PROGRAM [ARG...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const long wanted = std::strtol(argv[3], nullptr, 16);

    Display* display = OpenDisplay();
    if (display == nullptr) return Fail(0, "cannot open the display");
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = Now();
    const pid_t child = fork();
    if (child < 0) return Fail(0, "cannot fork");
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[4], argv + 4);
        std::perror(argv[4]);
        _exit(127);
    }

    Window window = 0;
    double mapped = 0;
    while ((window = MappedWindow(display)) == 0) {
        if (Exited(child)) return Fail(0, "the program ended before it showed a window");
        if (Now() - start > kTimeoutMs) return Fail(child, "no window within 30 s");
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 2);
    }
    mapped = Now() - start;

    for (;;) {
        if (Pixel(display, window, x, y) == wanted) break;
        if (Exited(child)) return Fail(0, "the program ended before its first paint showed");
        if (Now() - start > kTimeoutMs) return Fail(child, "no first paint within 30 s");
        usleep(500);
    }
    const double painted = Now() - start;
    std::printf("mapped %.1f painted %.1f pid %d window 0x%lx\n", mapped, painted,
                static_cast<int>(child), static_cast<unsigned long>(window));
    std::fflush(stdout);
    XCloseDisplay(display);

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    return 0;
}
