// SPDX-License-Identifier: MIT
// lexidor-startup-bench: start-up time and peak memory of X11 programs.
//
// usage: lexidor-startup-bench [-n RUNS] [-t TIMEOUT_S] [-v] [-o RAW.tsv] NAME=PROGRAM ...
//
// Each run forks and execs one program (no arguments) on the current
// display and measures, from the fork:
//   map    the program's top-level window is mapped (MapNotify on the root);
//   frame  the first frame reaches the X server: the first damage to the
//          top-level after the map, not counting the server's own clear of
//          the window's background during the map (see below);
// then closes the window the way a window manager does (WM_DELETE_WINDOW)
// and reaps the process with wait4 for its peak resident set size.
//
// The programs run interleaved (A B C A B C ...), RUNS times each, after one
// unmeasured run each; the table gives the median, minimum and maximum of
// each figure, then the ratios of each program's medians to the first's.
//
// The harness is the display's window manager, a minimal one: it redirects
// the mapping and configuring of top-levels (SubstructureRedirect on the
// root), passes every configure request on as asked and maps each window
// itself. That is what tells the map's own clear from a frame: a window with
// a background is painted by the server inside the MapWindow request, so
// that damage carries the sequence number of the harness's MapWindow, while
// anything the program draws is processed after the round trip the harness
// sends in the same breath, and carries a later one. (Qt, GTK and Wine give
// their top-levels background None; the server then paints nothing at map
// time.) Without the redirect (another window manager runs), every damage
// after the map counts.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

bool redirectRefused = false;

int noteRedirectError(Display*, XErrorEvent* error)
{
    if (error->error_code == BadAccess)
        redirectRefused = true;
    return 0;
}

int ignoreXErrors(Display*, XErrorEvent*)
{
    // Windows come and go while the harness watches them (Qt's client
    // leader, windows destroyed before the harness reaches them).
    return 0;
}

struct Program {
    std::string name;
    std::string path;
    std::vector<double> map;
    std::vector<double> frame;
    std::vector<double> rssMb;
    int failures = 0;
};

struct Run {
    bool ok = false;
    double map = 0;
    double frame = 0;
    long rssKb = 0;
    std::string error;
};

bool verbose = false;

class Harness {
public:
    explicit Harness(Display* dpy) : dpy_(dpy)
    {
        root_ = DefaultRootWindow(dpy_);
        int error = 0;
        if (!XDamageQueryExtension(dpy_, &damageEvent_, &error)) {
            std::fprintf(stderr, "lexidor-startup-bench: the X server has no DAMAGE extension\n");
            std::exit(2);
        }
        int major = 1, minor = 1;
        XDamageQueryVersion(dpy_, &major, &minor);
        wmProtocols_ = XInternAtom(dpy_, "WM_PROTOCOLS", False);
        wmDelete_ = XInternAtom(dpy_, "WM_DELETE_WINDOW", False);
        netWmPid_ = XInternAtom(dpy_, "_NET_WM_PID", False);
        // Only one client can redirect; if a window manager runs, watch only.
        redirectRefused = false;
        XSetErrorHandler(noteRedirectError);
        XSelectInput(dpy_, root_, SubstructureNotifyMask | SubstructureRedirectMask);
        XSync(dpy_, False);
        if (redirectRefused) {
            XSelectInput(dpy_, root_, SubstructureNotifyMask);
            XSync(dpy_, False);
            std::fprintf(
                stderr,
                "lexidor-startup-bench: another window manager runs; map clears are not told apart\n");
        }
        redirect_ = !redirectRefused;
        XSetErrorHandler(ignoreXErrors);
    }

    Run runOnce(const std::string& path, double timeoutS)
    {
        Run run;
        drain();
        const double t0 = nowMs();
        const pid_t pid = fork();
        if (pid < 0) {
            run.error = std::strerror(errno);
            return run;
        }
        if (pid == 0) {
            // Quiet child: the program's diagnostics would disturb the table.
            const int devnull = open("/dev/null", O_WRONLY);
            if (devnull >= 0 && !verbose) {
                dup2(devnull, STDOUT_FILENO);
                dup2(devnull, STDERR_FILENO);
            }
            close(ConnectionNumber(dpy_));
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }

        struct Watched {
            Window window;
            Damage damage;
        };
        std::vector<Watched> watched;
        Window top = None;
        bool closed = false;
        double closedAt = 0;
        int status = 0;
        rusage usage{};
        bool reaped = false;

        const auto finish = [&] {
            for (const Watched& w : watched)
                XDamageDestroy(dpy_, w.damage);
            XSync(dpy_, False);
        };

        while (!reaped) {
            const double elapsed = (nowMs() - t0) / 1e3;
            if (elapsed > timeoutS) {
                run.error = top == None ? "no window within the time limit" : "no frame or no exit in time";
                kill(pid, SIGKILL);
                wait4(pid, &status, 0, &usage);
                finish();
                return run;
            }
            if (wait4(pid, &status, WNOHANG, &usage) == pid) {
                reaped = true;
                break;
            }
            if (XPending(dpy_) == 0) {
                pollfd fd{ConnectionNumber(dpy_), POLLIN, 0};
                poll(&fd, 1, 2);
                continue;
            }
            XEvent ev;
            XNextEvent(dpy_, &ev);
            const double t = nowMs() - t0;
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root_ &&
                !ev.xcreatewindow.override_redirect) {
                // Watch every new top-level from its creation, so that no
                // drawing to it can go unseen.
                const Damage d = XDamageCreate(dpy_, ev.xcreatewindow.window, XDamageReportRawRectangles);
                watched.push_back({ev.xcreatewindow.window, d});
                XFlush(dpy_);
                if (verbose)
                    std::fprintf(stderr, "  %8.2f ms create 0x%lx %dx%d\n", t, ev.xcreatewindow.window,
                                 ev.xcreatewindow.width, ev.xcreatewindow.height);
            } else if (ev.type == MapRequest) {
                // Map it, then a round trip in the same flush: see the top.
                mapSerial_ = NextRequest(dpy_);
                XMapWindow(dpy_, ev.xmaprequest.window);
                XSync(dpy_, False);
            } else if (ev.type == ConfigureRequest) {
                const XConfigureRequestEvent& rq = ev.xconfigurerequest;
                XWindowChanges changes{rq.x, rq.y, rq.width, rq.height, rq.border_width, rq.above, rq.detail};
                XConfigureWindow(dpy_, rq.window, static_cast<unsigned>(rq.value_mask), &changes);
                XFlush(dpy_);
            } else if (ev.type == MapNotify && ev.xmap.event == root_ && !ev.xmap.override_redirect &&
                       top == None && ownedBy(ev.xmap.window, pid)) {
                top = ev.xmap.window;
                run.map = t;
                if (verbose)
                    std::fprintf(stderr, "  %8.2f ms map 0x%lx\n", t, top);
            } else if (ev.type == damageEvent_ + XDamageNotify) {
                const auto* dn = reinterpret_cast<XDamageNotifyEvent*>(&ev);
                if (verbose)
                    std::fprintf(stderr, "  %8.2f ms damage 0x%lx %dx%d+%d+%d\n", t, dn->drawable,
                                 dn->area.width, dn->area.height, dn->area.x, dn->area.y);
                const bool mapClear = redirect_ && dn->serial == mapSerial_;
                if (verbose && mapClear)
                    std::fprintf(stderr, "  (the map's own clear, not a frame)\n");
                if (top != None && dn->drawable == top && run.frame == 0 && !mapClear) {
                    run.frame = t;
                    closeWindow(top);
                    closed = true;
                    closedAt = nowMs();
                }
            } else if (ev.type == DestroyNotify) {
                if (ev.xdestroywindow.window == top)
                    top = None;
            }
            if (closed && nowMs() - closedAt > 5000) {
                kill(pid, SIGKILL);
            }
        }
        finish();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            if (run.frame == 0)
                run.error = "exited before its first frame";
            else if (WIFSIGNALED(status))
                run.error = std::string("killed by signal ") + std::to_string(WTERMSIG(status));
            else
                run.error = "exit status " + std::to_string(WEXITSTATUS(status));
        } else if (run.frame == 0) {
            run.error = "exited before its first frame";
        } else {
            run.ok = true;
        }
        run.rssKb = usage.ru_maxrss;
        return run;
    }

private:
    // Whether a mapped top-level belongs to the program: by _NET_WM_PID when
    // the window has it; on a private display every top-level is the
    // program's otherwise.
    bool ownedBy(Window w, pid_t pid)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        bool owned = true;
        if (XGetWindowProperty(dpy_, w, netWmPid_, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                               &data) == Success &&
            data) {
            if (type == XA_CARDINAL && format == 32 && count == 1)
                owned = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
            XFree(data);
        }
        return owned;
    }

    void closeWindow(Window w)
    {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = w;
        ev.xclient.message_type = wmProtocols_;
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = static_cast<long>(wmDelete_);
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(dpy_, w, False, NoEventMask, &ev);
        XFlush(dpy_);
    }

    void drain()
    {
        XSync(dpy_, False);
        while (XPending(dpy_) > 0) {
            XEvent ev;
            XNextEvent(dpy_, &ev);
        }
    }

    Display* dpy_;
    Window root_ = None;
    int damageEvent_ = 0;
    Atom wmProtocols_ = None;
    Atom wmDelete_ = None;
    Atom netWmPid_ = None;
    bool redirect_ = false;
    unsigned long mapSerial_ = 0;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void usage()
{
    std::fprintf(
        stderr, "usage: lexidor-startup-bench [-n RUNS] [-t TIMEOUT_S] [-v] [-o RAW.tsv] NAME=PROGRAM ...\n");
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 15;
    double timeoutS = 20;
    const char* rawPath = nullptr;
    int opt = 0;
    while ((opt = getopt(argc, argv, "n:t:vo:")) != -1) {
        switch (opt) {
        case 'n':
            runs = std::atoi(optarg);
            break;
        case 't':
            timeoutS = std::atof(optarg);
            break;
        case 'v':
            verbose = true;
            break;
        case 'o':
            rawPath = optarg;
            break;
        default:
            usage();
        }
    }
    std::vector<Program> programs;
    for (int i = optind; i < argc; ++i) {
        const char* eq = std::strchr(argv[i], '=');
        if (!eq)
            usage();
        programs.push_back({std::string(argv[i], static_cast<std::size_t>(eq - argv[i])),
                            std::string(eq + 1),
                            {},
                            {},
                            {},
                            0});
    }
    if (programs.empty() || runs < 1)
        usage();

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "lexidor-startup-bench: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXErrors);
    Harness harness(dpy);

    FILE* raw = rawPath ? std::fopen(rawPath, "w") : nullptr;
    if (raw)
        std::fprintf(raw, "program\trun\tmap_ms\tframe_ms\tpeak_rss_kb\n");

    // One unmeasured run each first: the page cache and the font cache are
    // warm for every measured run alike.
    for (Program& p : programs)
        harness.runOnce(p.path, timeoutS);

    for (int r = 0; r < runs; ++r) {
        for (Program& p : programs) {
            const Run run = harness.runOnce(p.path, timeoutS);
            if (!run.ok) {
                ++p.failures;
                std::fprintf(stderr, "%s run %d: %s\n", p.name.c_str(), r + 1, run.error.c_str());
                continue;
            }
            p.map.push_back(run.map);
            p.frame.push_back(run.frame);
            p.rssMb.push_back(static_cast<double>(run.rssKb) / 1024.0);
            if (raw)
                std::fprintf(raw, "%s\t%d\t%.3f\t%.3f\t%ld\n", p.name.c_str(), r + 1, run.map, run.frame,
                             run.rssKb);
            if (verbose)
                std::fprintf(stderr, "%s run %d: map %.2f ms, frame %.2f ms, rss %ld KB\n", p.name.c_str(),
                             r + 1, run.map, run.frame, run.rssKb);
        }
    }
    if (raw)
        std::fclose(raw);
    XCloseDisplay(dpy);

    const auto cell = [](const std::vector<double>& v, const char* unit) {
        char buf[96];
        if (v.empty())
            return std::string("-");
        std::snprintf(buf, sizeof buf, "%.1f %s (%.1f–%.1f)", median(v), unit,
                      *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
        return std::string(buf);
    };

    std::printf("| program | runs | window mapped | first frame | peak RSS |\n");
    std::printf("|---|---|---|---|---|\n");
    for (const Program& p : programs)
        std::printf("| %s | %zu | %s | %s | %s |\n", p.name.c_str(), p.frame.size(),
                    cell(p.map, "ms").c_str(), cell(p.frame, "ms").c_str(), cell(p.rssMb, "MB").c_str());
    const Program& floor = programs.front();
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const Program& p = programs[i];
        std::printf("| %s / %s | | ×%.2f | ×%.2f | ×%.2f (%+.1f MB) |\n", p.name.c_str(), floor.name.c_str(),
                    median(p.map) / median(floor.map), median(p.frame) / median(floor.frame),
                    median(p.rssMb) / median(floor.rssMb), median(p.rssMb) - median(floor.rssMb));
    }
    int failures = 0;
    for (const Program& p : programs)
        failures += p.failures;
    return failures ? 1 : 0;
}
