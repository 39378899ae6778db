// Watches the real program on an X display, the way a player meets it.
//
//   window_probe startup RUNS PROGRAM [ARGUMENTS...]
//     Starts PROGRAM RUNS times and prints, for each run, a JSON line with the milliseconds from
//     exec to the start menu being mapped, from the click on Play! to the play window being
//     mapped, the resident memory at the menu (VmRSS and VmHWM, kB) and in play (VmRSS, kB),
//     and the play window's size.
//   window_probe cpu SECONDS PROGRAM
//     Starts a game at Hard, turns the collision tests off and steers the kriel round and round,
//     and prints the CPU time the program used over SECONDS, as a JSON line.
//   window_probe paused SECONDS PROGRAM [ARGUMENTS...]
//   window_probe waiting SECONDS PROGRAM [ARGUMENTS...]
//     Clicks Play!, presses P (paused) or nothing (waiting for the first arrow), and prints the
//     context switches of all the program's threads over SECONDS, as a JSON line.
//   window_probe redraw PRESSES PROGRAM [ARGUMENTS...]
//   window_probe redraw-paused PRESSES PROGRAM [ARGUMENTS...]
//     Clicks Play!, presses P (redraw-paused) or nothing, so that nothing else draws on the play
//     window, then presses S PRESSES times and prints, for each, the milliseconds until the
//     play window's last drawing before it stands still, as a JSON line.
//
// Each run starts with an empty settings store in a fresh XDG_CONFIG_HOME, or, when PROBE_HOME
// is set, with HOME there and the configuration and data folders under it.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

const char* const MenuTitle = "Kriel - Begin a new game";
const char* const PlayTitle = "Kriel";

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

pid_t launch(char** command)
{
    const char* home = std::getenv("PROBE_HOME");
    char folder[] = "/tmp/kriel-probe-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    const pid_t pid = fork();
    if (pid == 0) {
        if (home) {
            setenv("HOME", home, 1);
            setenv("XDG_CONFIG_HOME", (std::string(home) + "/.config").c_str(), 1);
            setenv("XDG_DATA_HOME", (std::string(home) + "/.local/share").c_str(), 1);
        } else {
            setenv("XDG_CONFIG_HOME", folder, 1);
        }
        execv(command[0], command);
        std::perror("exec");
        _exit(127);
    }
    return pid;
}

void finish(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Waits for a top-level window of that exact title to be mapped; returns it.
Window waitForMap(Display* display, const char* title)
{
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        char* name = nullptr;
        const bool match =
            XFetchName(display, event.xmap.window, &name) && name && std::strcmp(name, title) == 0;
        if (name)
            XFree(name);
        if (match)
            return event.xmap.window;
    }
}

long statusField(const std::string& file, const char* field)
{
    std::ifstream status(file);
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    return -1;
}

long statusField(pid_t pid, const char* field)
{
    return statusField("/proc/" + std::to_string(pid) + "/status", field);
}

// Voluntary and involuntary context switches of every thread of the process.
long contextSwitches(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    long total = 0;
    while (const dirent* entry = folder ? readdir(folder) : nullptr) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string status = tasks + "/" + entry->d_name + "/status";
        total += statusField(status, "voluntary_ctxt_switches:")
                 + statusField(status, "nonvoluntary_ctxt_switches:");
    }
    if (folder)
        closedir(folder);
    return total;
}

// utime + stime in clock ticks.
long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::size_t at = text.rfind(')');
    long values[15] = {};
    std::sscanf(text.c_str() + at + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %ld %ld",
                &values[0], &values[1]);
    return values[0] + values[1];
}

void click(Display* display, Window window, int x, int y)
{
    Window child;
    int rootX = 0;
    int rootY = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
}

void key(Display* display, KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(display, symbol);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 0);
    XFlush(display);
}

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Play! in the start menu's client area.
constexpr int PlayX = 248 + 40;
constexpr int PlayY = 224 + 12;
// Hard (8), inside the Difficulty Selection frame.
constexpr int HardX = 8 + 8 + 20;
constexpr int HardY = 16 + 72 + 8;

int startup(Display* display, int runs, char** command)
{
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point exec = Clock::now();
        const pid_t pid = launch(command);
        const Window menu = waitForMap(display, MenuTitle);
        const double menuMs = millisecondsSince(exec);
        pause(300);  // let the menu settle before its memory is read
        const long rss = statusField(pid, "VmRSS:");
        const long hwm = statusField(pid, "VmHWM:");

        const Clock::time_point clicked = Clock::now();
        click(display, menu, PlayX, PlayY);
        const Window play = waitForMap(display, PlayTitle);
        const double playMs = millisecondsSince(clicked);
        pause(500);  // let the play window settle before its memory is read
        const long playRss = statusField(pid, "VmRSS:");
        XWindowAttributes size;
        XGetWindowAttributes(display, play, &size);
        finish(pid);
        std::printf("{\"menu_ms\": %.2f, \"play_ms\": %.2f, \"rss_kb\": %ld, \"hwm_kb\": %ld, "
                    "\"play_rss_kb\": %ld, \"play_width\": %d, \"play_height\": %d}\n",
                    menuMs, playMs, rss, hwm, playRss, size.width, size.height);
        std::fflush(stdout);
    }
    return 0;
}

// Starts the program, clicks Play! and gives the play window the focus; returns it.
Window startPlay(Display* display, char** command, pid_t& pid)
{
    pid = launch(command);
    const Window menu = waitForMap(display, MenuTitle);
    pause(300);
    click(display, menu, PlayX, PlayY);
    const Window play = waitForMap(display, PlayTitle);
    pause(300);
    click(display, play, 420, 200);
    pause(100);
    return play;
}

int wakeups(Display* display, int seconds, char** command, bool paused)
{
    pid_t pid = 0;
    startPlay(display, command, pid);
    if (paused)
        key(display, XK_p);
    pause(1000);
    const long before = contextSwitches(pid);
    pause(seconds * 1000);
    const long after = contextSwitches(pid);
    finish(pid);
    std::printf("{\"seconds\": %d, \"wakeups\": %ld}\n", seconds, after - before);
    return 0;
}

// Milliseconds from now to the last drawing on the window before it stands still for 300 ms.
double untilRedrawn(Display* display, int damageEvent)
{
    const Clock::time_point start = Clock::now();
    Clock::time_point last = start;
    while (millisecondsSince(last) < 300 && millisecondsSince(start) < 5000) {
        if (!XPending(display)) {
            pause(1);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == damageEvent + XDamageNotify)
            last = Clock::now();
    }
    return std::chrono::duration<double, std::milli>(last - start).count();
}

int redraw(Display* display, int presses, char** command, bool paused)
{
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "window_probe: no DAMAGE extension\n");
        return 1;
    }
    pid_t pid = 0;
    const Window play = startPlay(display, command, pid);
    if (paused)
        key(display, XK_p);
    const Damage damage = XDamageCreate(display, play, XDamageReportRawRectangles);
    for (int press = 0; press < presses; ++press) {
        pause(500);
        XSync(display, False);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        key(display, XK_s);
        std::printf("{\"redraw_ms\": %.2f}\n", untilRedrawn(display, damageEvent));
        std::fflush(stdout);
    }
    XDamageDestroy(display, damage);
    finish(pid);
    return 0;
}

int cpu(Display* display, int seconds, char** command)
{
    const pid_t pid = launch(command);
    const Window menu = waitForMap(display, MenuTitle);
    pause(300);
    click(display, menu, HardX, HardY);
    pause(100);
    click(display, menu, PlayX, PlayY);
    const Window play = waitForMap(display, PlayTitle);
    pause(300);

    // The hidden code turns the collision tests off, so that the kriel lives for the whole run.
    key(display, XK_8);
    pause(400);
    for (const char* c = "zestlime"; *c; ++c)
        key(display, XStringToKeysym(std::string(1, *c).c_str()));
    key(display, XK_Return);
    pause(300);
    // Without a window manager nothing gives the focus back to the play window once the box has
    // gone; a click on its side panel does.
    click(display, play, 420, 200);
    pause(100);

    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    const long before = cpuTicks(pid);
    const Clock::time_point start = Clock::now();
    const KeySym round[] = {XK_Right, XK_Down, XK_Left, XK_Up};
    for (int leg = 0; millisecondsSince(start) < seconds * 1000.0; ++leg) {
        key(display, round[leg % 4]);
        pause(650);  // ten steps at Hard
    }
    const double elapsed = millisecondsSince(start) / 1000.0;
    const double used = double(cpuTicks(pid) - before) / ticksPerSecond;
    finish(pid);
    std::printf("{\"seconds\": %.2f, \"cpu_seconds\": %.3f, \"cpu_percent\": %.3f}\n", elapsed,
                used, 100 * used / elapsed);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s startup|cpu|paused|waiting|redraw COUNT PROGRAM [ARGS]\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const int count = std::atoi(argv[2]);
    char** command = argv + 3;
    if (std::strcmp(argv[1], "startup") == 0)
        return startup(display, count, command);
    if (std::strcmp(argv[1], "cpu") == 0)
        return cpu(display, count, command);
    if (std::strcmp(argv[1], "paused") == 0 || std::strcmp(argv[1], "waiting") == 0)
        return wakeups(display, count, command, std::strcmp(argv[1], "paused") == 0);
    if (std::strcmp(argv[1], "redraw") == 0 || std::strcmp(argv[1], "redraw-paused") == 0)
        return redraw(display, count, command, std::strcmp(argv[1], "redraw-paused") == 0);
    return 2;
}
