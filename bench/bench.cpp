// `make bench`: measures the real program under the X server that the
// Makefile starts, and prints one table. Not a test: figures vary with the
// machine, so nothing here passes or fails on a threshold.
//
// Usage: kestrin-bench [--quick] <kestrin> <minimal-dialog> <plain-launcher>
// By default: 25 start-ups of each program with accessibility off and on
// (interleaved, so that a busy machine slows all alike), 200 open-and-close
// cycles per tutorial, 30 s idle with the pointer over the window and 30 s
// with it outside, and 10 s with a clipboard owner that never answers (about
// six minutes); resident memory a second after start-up, 5 starts of each.
// --quick: 10 start-ups, 20 cycles, 5 s and 3 s, 3 starts, for a first look.

#include "bench/Driver.h"
#include "bench/PaintWatch.h"
#include "tools/xinput/SelectionOwner.h"
#include "tools/xinput/XInput.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"

#include <QApplication>
#include <QList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <thread>

using namespace std::chrono;

namespace {

constexpr int kMapTimeoutMs = 10000;
constexpr int kWarmUpCycles = 10;
constexpr auto kSettleBeforeStart = milliseconds(300);

double ms(Clock::duration d) { return duration<double, std::milli>(d).count(); }

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(QList<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<qsizetype>(std::lround(p * double(values.size() - 1)))];
}

// Starts `program`, hands `measure` its process, its window and when that
// was mapped, then closes the window through its caption's close box and
// returns what `measure` returned.
template <class Measure>
auto measureWindow(XSession& x, const QString& program, const QString& title, Measure measure,
                   const QStringList& environment = {})
{
    const pid_t pid = startProgram(program, environment);
    Clock::time_point mapped;
    const unsigned long window = x.waitForMapped(pid, title, kMapTimeoutMs, &mapped);
    if (!window) {
        reap(pid, 0);
        throw std::runtime_error("no window \"" + title.toStdString() + "\" from " +
                                 program.toStdString());
    }
    const auto result = measure(pid, window, mapped);
    XInput::requestClose(window);
    if (!reap(pid, 5000))
        throw std::runtime_error(program.toStdString() + " did not end when closed");
    return result;
}

struct StartUp {
    double mappedMs;  // from the spawn to the window mapped
    double paintedMs; // from the spawn to the window's first content
};

// One start of a program.
StartUp startUp(XSession& x, PaintWatch& paints, const QString& program, const QString& title,
                const QStringList& environment = {})
{
    // The system is still tearing the previous program down (its memory, its
    // X resources) for some tens of milliseconds after it ended; a start in
    // that time measured the tear-down too, and by up to 50 ms.
    std::this_thread::sleep_for(kSettleBeforeStart);
    paints.forget();
    const auto started = Clock::now();
    return measureWindow(
        x, program, title,
        [&paints, started](pid_t, unsigned long window, Clock::time_point mapped) {
            const auto painted = paints.firstPaint(window, kMapTimeoutMs);
            if (!painted)
                throw std::runtime_error("a window was mapped but never painted");
            return StartUp{ms(mapped - started), ms(*painted - started)};
        },
        environment);
}

// Resident memory a second after the window appeared.
long settledRss(XSession& x, const QString& program, const QString& title)
{
    return measureWindow(x, program, title, [](pid_t pid, unsigned long, Clock::time_point) {
        std::this_thread::sleep_for(seconds(1));
        return residentKiB(pid);
    });
}

struct Launcher {
    pid_t pid;
    unsigned long window;
};

// Clicks a tutorial's button; returns the tutorial's window and how long it
// took from the click to the window mapped.
unsigned long openTutorial(XSession& x, const Launcher& launcher, const Tutorial& tutorial,
                           double* openMs)
{
    XInput::moveTo(x.origin(launcher.window) + launcherButtonCentre(tutorial.buttonId));
    const auto clicked = Clock::now();
    XInput::press();
    XInput::release();
    Clock::time_point mapped;
    const unsigned long window = x.waitForMapped(launcher.pid, tutorial.title, kMapTimeoutMs, &mapped);
    if (!window)
        throw std::runtime_error("clicking the launcher did not open \"" +
                                 tutorial.title.toStdString() + "\"");
    if (openMs)
        *openMs = ms(mapped - clicked);
    return window;
}

void closeTutorial(XSession& x, unsigned long window)
{
    XInput::requestClose(window);
    if (!x.waitForGone(window, kMapTimeoutMs))
        throw std::runtime_error("a tutorial window did not close");
}

struct TutorialFigures {
    double openMedian, openP90;
    double idleOverPercent, idleOutsidePercent;
    long rssOpenKiB;
    long growthKiB;
};

// The share of one core the program used while the pointer rested at `at`.
double idleCpuPercent(pid_t pid, QPoint at, seconds idle)
{
    XInput::moveTo(at);
    std::this_thread::sleep_for(milliseconds(500)); // the move's own work done
    return 100.0 * double(cpuTimeDuring(pid, idle).count()) / double(nanoseconds(idle).count());
}

TutorialFigures measureTutorial(XSession& x, const Launcher& launcher, const Tutorial& tutorial,
                                int cycles, seconds idle)
{
    TutorialFigures f{};
    for (int i = 0; i < kWarmUpCycles; ++i)
        closeTutorial(x, openTutorial(x, launcher, tutorial, nullptr));
    const long before = residentKiB(launcher.pid);
    QList<double> opens;
    for (int i = 0; i < cycles; ++i) {
        double openMs = 0;
        closeTutorial(x, openTutorial(x, launcher, tutorial, &openMs));
        opens.append(openMs);
    }
    f.growthKiB = residentKiB(launcher.pid) - before;
    f.openMedian = median(opens);
    f.openP90 = percentile(opens, 0.9);

    const unsigned long window = openTutorial(x, launcher, tutorial, nullptr);
    const QRect frame(x.origin(window), x.size(window));
    f.idleOverPercent = idleCpuPercent(launcher.pid, frame.center(), idle);
    f.idleOutsidePercent = idleCpuPercent(launcher.pid, QPoint(2, 2), idle);
    f.rssOpenKiB = residentKiB(launcher.pid);
    closeTutorial(x, window);
    return f;
}

// The longest time `window` took to answer a ping over `span`.
double longestPingMs(XSession& x, unsigned long window, milliseconds span)
{
    Clock::duration longest{};
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        const auto answer = x.ping(window, 10000);
        if (!answer)
            throw std::runtime_error("a window stopped answering");
        longest = std::max(longest, *answer);
        std::this_thread::sleep_for(milliseconds(5));
    }
    return ms(longest);
}

// The same for the minimal dialog at rest: what the machine and the X server
// add to every answer, for a program with nothing to do.
double restingStallMs(XSession& x, const QString& program, const QString& title, seconds span)
{
    return measureWindow(x, program, title,
                         [&x, span](pid_t, unsigned long window, Clock::time_point) {
                             return longestPingMs(x, window, span);
                         });
}

struct ClipboardStall {
    double selectingMs; // the answer to the click and keys that select the sentence
    double longestMs;   // the longest answer after that
};

// The longest time the window took to answer a ping while the Copy and Paste
// tutorial, its sentence selected, polls the clipboard: empty, or held by an
// owner that never answers. The span starts once the window has answered the
// input that selects the sentence: that answer waits for the freshly opened
// window's first painting and for the selection itself, work the program does
// once for the user's input, not while it polls. It is reported on its own.
ClipboardStall clipboardStall(XSession& x, const Launcher& launcher, seconds span,
                              bool silentOwner)
{
    const Tutorial& tutorial = tutorials().first();
    const unsigned long window = openTutorial(x, launcher, tutorial, nullptr);
    // Taken after the tutorial emptied the clipboard at its set-up.
    std::optional<XInput::SelectionOwner> owner;
    if (silentOwner)
        owner.emplace(XInput::SelectionOwner::Selection::Clipboard, std::nullopt);
    // With no window manager the keyboard focus is the benchmark's to give.
    XInput::giveFocus(window);
    XInput::click(x.origin(window) + controlCentre(CCopyPasteTutorialDlg::kLayoutId,
                                                   CCopyPasteTutorialDlg::kPracticeBoxId));
    XInput::keys(QStringLiteral("ctrl+a"));
    // Qt answers a ping as it reads it, and may still hold input it read
    // before, queued for delivery: only the answer to a second ping comes
    // after that input was handled.
    const auto input = Clock::now();
    if (!x.ping(window, 10000) || !x.ping(window, 10000))
        throw std::runtime_error("the tutorial stopped answering");
    const ClipboardStall stall{ms(Clock::now() - input), longestPingMs(x, window, span)};
    closeTutorial(x, window);
    return stall;
}

// The longest time the Copy and Paste window took to answer a ping while
// another program, which never answers when asked for its text, drags text
// over both boxes and drops it on the lower one.
double foreignDragStallMs(XSession& x, const Launcher& launcher, seconds span)
{
    const unsigned long window = openTutorial(x, launcher, tutorials().first(), nullptr);
    const QPoint origin = x.origin(window);
    const auto centre = [&](int id) {
        return origin + controlCentre(CCopyPasteTutorialDlg::kLayoutId, id);
    };
    const QPoint practice = centre(CCopyPasteTutorialDlg::kPracticeBoxId);
    const QPoint target = centre(CCopyPasteTutorialDlg::kTargetBoxId);
    const milliseconds step = duration_cast<milliseconds>(span) / 5;
    double longest = 0;
    {
        XInput::SelectionOwner source(XInput::SelectionOwner::Selection::Drag, std::nullopt);
        for (const QPoint& at :
             {practice, practice + QPoint(20, 0), target, target + QPoint(20, 0)}) {
            XInput::sendMotion(at);
            longest = std::max(longest, longestPingMs(x, window, step));
        }
        // The other program holds the pointer: the drop is its button's release.
        XInput::press(1);
        XInput::release(1);
        longest = std::max(longest, longestPingMs(x, window, step));
    }
    closeTutorial(x, window);
    return longest;
}

struct Stalls {
    double restingMs;
    ClipboardStall empty, silent;
    double foreignDragMs;
};

struct Settings {
    int runs = 25;
    int cycles = 200;
    seconds idle{30};
    seconds stall{10};
    int rssRuns = 5;
};

// One figure per start of each program, the starts interleaved: the minimal
// dialog, the launcher written in plain Qt, then Kestrin's launcher.
struct Samples {
    QList<double> minimal, plainQt, kestrin;
    void add(const StartUp& m, const StartUp& p, const StartUp& k, double StartUp::*figure)
    {
        minimal.append(m.*figure);
        plainQt.append(p.*figure);
        kestrin.append(k.*figure);
    }
};

// The launcher's ratio to a yardstick, and the goal it has against it.
void printRatios(const char* yardstick, const QList<double>& of, const QList<double>& launcher,
                 double goal)
{
    // The starts of one round follow each other within a second: their
    // ratio leaves out a slower or faster spell of the machine that the
    // medians of the whole run can keep.
    QList<double> paired;
    for (qsizetype i = 0; i < launcher.size(); ++i)
        paired.append(launcher[i] / of[i]);
    std::printf("  Ratio to the %-19s %5.2f (medians), %5.2f (paired runs); goal <= %.2f\n",
                yardstick, median(launcher) / median(of), median(paired), goal);
}

void printStartUps(const char* heading, const Samples& s, bool againstMinimal)
{
    const auto row = [](const char* name, const QList<double>& v) {
        std::printf("  %-22s %8.1f ms %8.1f ms %8.1f ms\n", name, median(v),
                    *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    };
    std::printf("%s\n", heading);
    std::printf("  %-22s %11s %11s %11s\n", "", "median", "min", "max");
    row("Minimal Qt 6 dialog", s.minimal);
    row("Launcher in plain Qt", s.plainQt);
    row("Kestrin launcher", s.kestrin);
    if (againstMinimal) {
        printRatios("minimal dialog:", s.minimal, s.kestrin, 1.10);
        printRatios("launcher in plain Qt:", s.plainQt, s.kestrin, 1.02);
    } else {
        printRatios("launcher in plain Qt:", s.plainQt, s.kestrin, 1.05);
    }
    std::printf("\n");
}

void printTable(const Settings& settings, const Samples& plain, const Samples& accessible,
                const Samples& painted, const Samples& rss,
                const QList<TutorialFigures>& figures, const Stalls& stalls)
{
    std::printf("\nStart-up, from start to window mapped (%d runs of each, interleaved)\n\n",
                settings.runs);
    printStartUps("Accessibility off", plain, true);
    const bool bus = !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
    printStartUps(bus ? "Accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, AT-SPI bus of the "
                        "session bus)"
                      : "Accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, but no session bus "
                        "and so no AT-SPI bus)",
                  accessible, true);
    printStartUps("First painted frame, from start to the window's first content put by the "
                  "program (accessibility off)",
                  painted, false);

    // The median of a few starts: how much of the program's own files the
    // kernel maps around the pages it touches differs from one start to the
    // next by some hundreds of KiB. Three decimals: two would round 1.103 to 1.10.
    const auto range = [](const QList<double>& v) {
        return QStringLiteral("%1 KiB (%2 to %3)")
            .arg(median(v), 0, 'f', 0)
            .arg(*std::min_element(v.begin(), v.end()), 0, 'f', 0)
            .arg(*std::max_element(v.begin(), v.end()), 0, 'f', 0);
    };
    std::printf("Resident memory a second after start-up, median of %lld starts of each:\n"
                "  launcher %s, minimal dialog %s, ratio %.3f\n"
                "  launcher in plain Qt %s, ratio %.3f; goal <= 1.03\n\n",
                static_cast<long long>(rss.kestrin.size()), qPrintable(range(rss.kestrin)),
                qPrintable(range(rss.minimal)), median(rss.kestrin) / median(rss.minimal),
                qPrintable(range(rss.plainQt)), median(rss.kestrin) / median(rss.plainQt));

    std::printf("%-16s %11s %11s %12s %12s %11s %13s\n", "Tutorial", "open median", "open p90",
                "idle CPU", "idle CPU", "RSS open", "RSS growth");
    std::printf("%-16s %11s %11s %12s %12s %11s %13s\n", "", "(click to", "",
                qPrintable(QStringLiteral("over (%1 s)").arg(settings.idle.count())),
                qPrintable(QStringLiteral("outside (%1 s)").arg(settings.idle.count())), "",
                qPrintable(QStringLiteral("(%1 cycles)").arg(settings.cycles)));
    std::printf("%-16s %11s\n", "", "mapped)");
    for (qsizetype i = 0; i < figures.size(); ++i) {
        const TutorialFigures& f = figures[i];
        std::printf("%-16s %8.1f ms %8.1f ms %10.2f %% %10.2f %% %7ld KiB %+9ld KiB\n",
                    qPrintable(tutorials()[i].name), f.openMedian, f.openP90, f.idleOverPercent,
                    f.idleOutsidePercent, f.rssOpenKiB, f.growthKiB);
    }
    std::printf("\nLongest time to answer a ping (%lld s of pings, 5 ms apart)\n"
                "  minimal dialog at rest                          %6.1f ms\n"
                "  Copy and Paste, sentence selected, polling:\n"
                "    clipboard empty                               %6.1f ms\n"
                "    clipboard owner that never answers            %6.1f ms\n"
                "  Copy and Paste, another program dragging text over the boxes\n"
                "  and dropping it (source that never answers)     %6.1f ms\n"
                "  (Copy and Paste answered the click and Ctrl+A that select its sentence,\n"
                "  its window just opened, in %.1f ms and %.1f ms.)\n",
                static_cast<long long>(settings.stall.count()), stalls.restingMs,
                stalls.empty.longestMs, stalls.silent.longestMs, stalls.foreignDragMs,
                stalls.empty.selectingMs, stalls.silent.selectingMs);
}

} // namespace

int main(int argc, char** argv)
{
    provideRuntimeDir();
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    Settings settings;
    if (args.removeAll(QStringLiteral("--quick")) > 0)
        settings = {10, 20, seconds(5), seconds(3), 3};
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: kestrin-bench [--quick] <kestrin> <minimal-dialog> "
                             "<plain-launcher>\n");
        return 2;
    }
    const QString kestrin = args[0];
    const QString minimal = args[1];
    const QString plainLauncher = args[2];

    try {
        XSession x;
        PaintWatch paints;
        // Lays out before timing.
        launcherButtonCentre(tutorials().first().buttonId);
        controlCentre(CCopyPasteTutorialDlg::kLayoutId, CCopyPasteTutorialDlg::kPracticeBoxId);
        app.processEvents();

        const QString minimalTitle = QStringLiteral("Minimal Dialog");
        const QStringList accessibilityOn{QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")};
        std::fprintf(stderr, "Start-up: %d runs of each program, accessibility off and on...\n",
                     settings.runs);
        const auto startAll = [&](const QStringList& environment) {
            const StartUp m = startUp(x, paints, minimal, minimalTitle, environment);
            const StartUp p = startUp(x, paints, plainLauncher, launcherTitle(), environment);
            return std::array{m, p, startUp(x, paints, kestrin, launcherTitle(), environment)};
        };
        startAll({}); // warm the caches
        Samples plain, accessible, painted;
        for (int i = 0; i < settings.runs; ++i) {
            const auto off = startAll({});
            plain.add(off[0], off[1], off[2], &StartUp::mappedMs);
            painted.add(off[0], off[1], off[2], &StartUp::paintedMs);
            const auto on = startAll(accessibilityOn);
            accessible.add(on[0], on[1], on[2], &StartUp::mappedMs);
        }
        std::fprintf(stderr, "Resident memory: %d starts of each program...\n", settings.rssRuns);
        Samples rss; // KiB
        for (int i = 0; i < settings.rssRuns; ++i) {
            rss.minimal.append(double(settledRss(x, minimal, minimalTitle)));
            rss.plainQt.append(double(settledRss(x, plainLauncher, launcherTitle())));
            rss.kestrin.append(double(settledRss(x, kestrin, launcherTitle())));
        }

        Launcher launcher{startProgram(kestrin), 0};
        launcher.window = x.waitForMapped(launcher.pid, launcherTitle(), kMapTimeoutMs);
        if (!launcher.window)
            throw std::runtime_error("the launcher did not appear");

        QList<TutorialFigures> figures;
        for (const Tutorial& tutorial : tutorials()) {
            std::fprintf(stderr,
                         "%s: %d open-and-close cycles, then %lld s idle with the pointer over "
                         "the window and %lld s with it outside...\n",
                         qPrintable(tutorial.name), settings.cycles + kWarmUpCycles,
                         static_cast<long long>(settings.idle.count()),
                         static_cast<long long>(settings.idle.count()));
            figures.append(measureTutorial(x, launcher, tutorial, settings.cycles, settings.idle));
        }
        std::fprintf(stderr, "Pings: the minimal dialog at rest, then Copy and Paste with an "
                             "empty clipboard, with a clipboard owner that never answers and "
                             "under another program's drag...\n");
        const Stalls stalls{restingStallMs(x, minimal, minimalTitle, settings.stall),
                            clipboardStall(x, launcher, settings.stall, false),
                            clipboardStall(x, launcher, settings.stall, true),
                            foreignDragStallMs(x, launcher, settings.stall)};
        XInput::requestClose(launcher.window);
        const bool clean = reap(launcher.pid, 5000);

        printTable(settings, plain, accessible, painted, rss, figures, stalls);
        if (!clean) {
            std::printf("\nThe launcher did not end cleanly when closed.\n");
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestrin-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
