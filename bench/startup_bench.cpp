// Start-up time and peak memory of desktop programs on an X display: for each
// program, runs it RUNS times and reports the median time from starting the
// process to its first top-level window being mapped (waiting for the X server's
// MapNotify event, not polling), and the median peak resident memory of the
// process, which is ended as soon as its window maps.
//
// Usage (on an X display): startup_bench RUNS PROGRAM...
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long peak_kib;
};

// The process that owns a window, as the window manager hint _NET_WM_PID says.
pid_t WindowPid(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr && count == 1 && format == 32) {
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) XFree(data);
    return pid;
}

Run Measure(Display* display, const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && WindowPid(display, event.xmap.window) == child) break;
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {elapsed.count(), usage.ru_maxrss};
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const int runs = std::max(1, std::atoi(argv[1]));
    std::printf("%-40s %12s %14s\n", "program", "start (ms)", "peak (KiB)");
    for (int p = 2; p < argc; ++p) {
        std::vector<double> times;
        std::vector<long> peaks;
        Measure(display, argv[p]);  // a first run warms the file cache
        for (int i = 0; i < runs; ++i) {
            const Run run = Measure(display, argv[p]);
            times.push_back(run.milliseconds);
            peaks.push_back(run.peak_kib);
        }
        std::printf("%-40s %12.1f %14ld\n", argv[p], Median(times), Median(peaks));
    }
    XCloseDisplay(display);
    return 0;
}
