// A library to preload (LD_PRELOAD) into any Qt Widgets program. It watches
// the program's events and, once the top-level window it is told about has
// finished its first paint, writes one line of measurements and ends the
// process, without any change to the program itself.
//
// Environment:
//   FW_BENCH_WINDOW     objectName of the top-level window to wait for
//                       (empty or unset: the first top-level window painted)
//   FW_BENCH_OUT        file to append the result line to (default: stderr)
//   FW_BENCH_T0         wall time of the exec, as seconds since the epoch with
//                       a fraction (bash: $EPOCHREALTIME); without it the
//                       kernel's start time of the process is used (10 ms steps)
//   FW_BENCH_IDLE_MS    if set, do not stop at the first paint: wait
//                       FW_BENCH_SETTLE_MS (default 1000) more, then count CPU
//                       time and paints of the window for this many ms
//   FW_BENCH_LABEL      a word put at the front of the result line
//
// Under callgrind the instruction counts up to the paint are dumped with
// CALLGRIND_DUMP_STATS_AT("first-paint") just before the process ends; with
// FW_BENCH_IDLE_MS the main thread's counts are zeroed when the idle count
// starts, so its part of the dump is the idle time alone (callgrind zeroes
// only the calling thread: run with --separate-threads=yes and read the
// main thread's file).
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMap>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWidget>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define FW_HAVE_CALLGRIND 1
#else
#define FW_HAVE_CALLGRIND 0
#endif

#include <sys/resource.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

double realNow()
{
    timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

double cpuSeconds()
{
    rusage ru {};
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec)
        + double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) * 1e-6;
}

// The wall-clock time at which the process was exec'd.
double execTime()
{
    if (const char *t0 = std::getenv("FW_BENCH_T0"); t0 && *t0) {
        std::string text(t0);
        for (char &c : text)
            if (c == ',')
                c = '.'; // $EPOCHREALTIME follows the locale's decimal point
        char *end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end != text.c_str() && value > 0)
            return value;
    }
    // Field 22 of /proc/self/stat: start time in clock ticks after boot.
    FILE *f = std::fopen("/proc/self/stat", "r");
    if (!f)
        return realNow();
    char buf[2048] = {};
    const size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = '\0';
    const char *p = std::strrchr(buf, ')');
    unsigned long long ticks = 0;
    for (int field = 2; p && *p; ++p) {
        if (*p == ' ') {
            ++field;
            if (field == 22) {
                ticks = std::strtoull(p + 1, nullptr, 10);
                break;
            }
        }
    }
    timespec boot {};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double sinceBoot = double(boot.tv_sec) + double(boot.tv_nsec) * 1e-9;
    const double started = double(ticks) / double(sysconf(_SC_CLK_TCK));
    return realNow() - (sinceBoot - started);
}

// VmHWM and VmRSS from /proc/self/status, in KiB.
void memoryKiB(long &hwm, long &rss)
{
    hwm = rss = -1;
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return;
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            hwm = std::strtol(line + 6, nullptr, 10);
        else if (std::strncmp(line, "VmRSS:", 6) == 0)
            rss = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(f);
}

struct State {
    double t0 = 0;           // exec
    double tPreload = 0;     // this library's constructor ran
    double tApp = 0;         // QCoreApplication's construction reached us
    double tFirstPaint = -1; // first paint of any top-level window
    QString firstWindow;
    QString target;
    bool targetPainted = false;
    bool stopping = false;
    long idleMs = -1;
    long settleMs = 1000;
    // Counting while idle.
    bool counting = false;
    double countCpu0 = 0, countWall0 = 0;
    long topPaints = 0, allPaints = 0, updateRequests = 0;
    QMap<QString, long> paintsByWidget;
};

State &state()
{
    static State s;
    return s;
}

void writeLine(const std::string &line)
{
    const char *out = std::getenv("FW_BENCH_OUT");
    FILE *f = (out && *out) ? std::fopen(out, "a") : nullptr;
    std::fprintf(f ? f : stderr, "%s\n", line.c_str());
    if (f)
        std::fclose(f);
    else
        std::fflush(stderr);
}

std::string fmt(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string fmt(const char *format, ...)
{
    char buf[4096];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    return buf;
}

std::string labelPrefix()
{
    const char *label = std::getenv("FW_BENCH_LABEL");
    return (label && *label) ? std::string(label) + " " : std::string();
}

[[noreturn]] void finish(const std::string &line)
{
#if FW_HAVE_CALLGRIND
    CALLGRIND_DUMP_STATS_AT("first-paint");
#endif
    writeLine(line);
    std::fflush(nullptr);
    _exit(0);
}

void reportFirstPaint()
{
    State &s = state();
    const double now = realNow();
    const double cpu = cpuSeconds();
    long hwm = 0, rss = 0;
    memoryKiB(hwm, rss);
    finish(labelPrefix()
        + fmt("wall_ms=%.1f cpu_ms=%.1f hwm_kib=%ld rss_kib=%ld preload_ms=%.1f qapp_ms=%.1f "
              "first_paint_ms=%.1f first_window=%s target=%s",
            (now - s.t0) * 1e3, cpu * 1e3, hwm, rss, (s.tPreload - s.t0) * 1e3,
            (s.tApp - s.t0) * 1e3, s.tFirstPaint < 0 ? -1.0 : (s.tFirstPaint - s.t0) * 1e3,
            s.firstWindow.isEmpty() ? "-" : qPrintable(s.firstWindow),
            s.target.isEmpty() ? "-" : qPrintable(s.target)));
}

void reportIdle()
{
    State &s = state();
    const double wall = realNow() - s.countWall0;
    const double cpu = cpuSeconds() - s.countCpu0;
    std::string byWidget;
    for (auto it = s.paintsByWidget.cbegin(); it != s.paintsByWidget.cend(); ++it)
        byWidget += fmt("%s%s:%ld", byWidget.empty() ? "" : ",", qPrintable(it.key()), it.value());
    finish(labelPrefix()
        + fmt("idle_wall_ms=%.1f idle_cpu_ms=%.2f window_paints=%ld update_requests=%ld "
              "widget_paints=%ld by_widget=%s",
            wall * 1e3, cpu * 1e3, s.topPaints, s.updateRequests, s.allPaints,
            byWidget.empty() ? "-" : byWidget.c_str()));
}

void startCounting()
{
    State &s = state();
    s.counting = true;
    s.countWall0 = realNow();
    s.countCpu0 = cpuSeconds();
#if FW_HAVE_CALLGRIND
    CALLGRIND_ZERO_STATS; // the main thread's counts: from here on, idle time alone
#endif
    QTimer::singleShot(int(s.idleMs), Qt::PreciseTimer, qApp, reportIdle);
}

// Called once the first paint of the target window has been handed back to
// the event loop, i.e. every child has been drawn and the backing store has
// been flushed to the window.
void targetPaintDone()
{
    State &s = state();
    if (s.idleMs < 0) {
        reportFirstPaint();
        return;
    }
    QTimer::singleShot(int(s.settleMs), Qt::PreciseTimer, qApp, startCounting);
}

bool isTarget(const QWidget *window)
{
    const State &s = state();
    return s.target.isEmpty() || window->objectName() == s.target;
}

class PaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Paint && type != QEvent::UpdateRequest)
            return false;
        if (!watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        State &s = state();
        if (type == QEvent::Paint && widget->isWindow() && s.tFirstPaint < 0) {
            s.tFirstPaint = realNow();
            s.firstWindow = widget->objectName();
        }
        if (s.counting) {
            const QWidget *window = widget->window();
            if (isTarget(window)) {
                if (type == QEvent::UpdateRequest && widget == window)
                    ++s.updateRequests;
                if (type == QEvent::Paint) {
                    ++s.allPaints;
                    if (widget == window)
                        ++s.topPaints;
                    const QString name = widget->objectName();
                    ++s.paintsByWidget[name.isEmpty()
                            ? QString::fromLatin1(widget->metaObject()->className())
                            : name];
                }
            }
            return false;
        }
        if (type == QEvent::Paint && widget->isWindow() && !s.targetPainted && isTarget(widget)) {
            s.targetPainted = true;
            if (s.target.isEmpty())
                s.target = widget->objectName();
            // The top-level gets its paint event first; its children and the
            // flush to the screen follow in the same call. A queued call runs
            // once that call has returned to the event loop.
            QMetaObject::invokeMethod(qApp, targetPaintDone, Qt::QueuedConnection);
        }
        return false;
    }
};

void onApplicationCreated()
{
    State &s = state();
    s.tApp = realNow();
    if (const char *name = std::getenv("FW_BENCH_WINDOW"))
        s.target = QString::fromLocal8Bit(name);
    if (const char *idle = std::getenv("FW_BENCH_IDLE_MS"); idle && *idle)
        s.idleMs = std::strtol(idle, nullptr, 10);
    if (const char *settle = std::getenv("FW_BENCH_SETTLE_MS"); settle && *settle)
        s.settleMs = std::strtol(settle, nullptr, 10);
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new PaintWatcher(app));
}

__attribute__((constructor)) void onLoad()
{
    State &s = state();
    s.tPreload = realNow();
    s.t0 = execTime();
    // LD_PRELOAD stays set: under valgrind this library is first loaded into
    // the launcher, which must hand it on to the program it runs.
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(onApplicationCreated)
