// `make bench`: measures the real program under the X server that the
// Makefile starts, and prints one table. Not a test: figures vary with the
// machine, so nothing here passes or fails on a threshold.
//
// Usage: kestrin-bench [--quick] <kestrin> <minimal-dialog>
// By default: 15 start-ups of each program, 200 open-and-close cycles and 30 s
// idle per tutorial (about three minutes). --quick: 10 start-ups, 20 cycles
// and 5 s idle, for a first look in well under a minute.

#include "bench/Driver.h"

#include <QApplication>
#include <QList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <thread>

using namespace std::chrono;

namespace {

constexpr int kMapTimeoutMs = 10000;
constexpr int kWarmUpCycles = 10;

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

// One start of a program, from the spawn to its window mapped; then closed
// through its caption's close box.
double startUp(XSession& x, const QString& program, const QString& title)
{
    const auto started = Clock::now();
    const pid_t pid = startProgram(program);
    Clock::time_point mapped;
    const unsigned long window = x.waitForMapped(pid, title, kMapTimeoutMs, &mapped);
    if (!window) {
        reap(pid, 0);
        throw std::runtime_error("no window \"" + title.toStdString() + "\" from " +
                                 program.toStdString());
    }
    x.requestClose(window);
    if (!reap(pid, 5000))
        throw std::runtime_error(program.toStdString() + " did not end when closed");
    return ms(mapped - started);
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
    const QPoint at = x.origin(launcher.window) + launcherButtonCentre(tutorial.buttonId);
    const auto clicked = Clock::now();
    x.click(at);
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
    x.requestClose(window);
    if (!x.waitForGone(window, kMapTimeoutMs))
        throw std::runtime_error("a tutorial window did not close");
}

struct TutorialFigures {
    double openMedian, openP90;
    double cpuPercent;
    long rssOpenKiB;
    long growthKiB;
};

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
    const auto cpuBefore = cpuTime(launcher.pid);
    std::this_thread::sleep_for(idle);
    const auto cpuUsed = cpuTime(launcher.pid) - cpuBefore;
    f.cpuPercent = 100.0 * double(cpuUsed.count()) / double(milliseconds(idle).count());
    f.rssOpenKiB = residentKiB(launcher.pid);
    closeTutorial(x, window);
    return f;
}

struct Settings {
    int runs = 15;
    int cycles = 200;
    seconds idle{30};
};

void printTable(const Settings& settings, const QList<double>& minimalMs,
                const QList<double>& kestrinMs, long launcherRss,
                const QList<TutorialFigures>& figures)
{
    const auto row = [](const char* name, const QList<double>& v) {
        std::printf("  %-22s %8.1f ms %8.1f ms %8.1f ms\n", name, median(v),
                    *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    };
    std::printf("\nStart-up, from start to window mapped (%d runs each)\n", settings.runs);
    std::printf("  %-22s %11s %11s %11s\n", "", "median", "min", "max");
    row("Minimal Qt 6 dialog", minimalMs);
    row("Kestrin launcher", kestrinMs);
    std::printf("  %-22s %8.2f\n\n", "Ratio (medians)", median(kestrinMs) / median(minimalMs));

    std::printf("Resident memory of the launcher alone: %ld KiB\n\n", launcherRss);

    std::printf("%-16s %12s %12s %12s %12s %14s\n", "Tutorial", "open median", "open p90",
                "idle CPU", "RSS open", "RSS growth");
    std::printf("%-16s %12s %12s %12s %12s %14s\n", "", "(click to", "",
                qPrintable(QStringLiteral("(%1 s)").arg(settings.idle.count())), "",
                qPrintable(QStringLiteral("(%1 cycles)").arg(settings.cycles)));
    std::printf("%-16s %12s\n", "", "mapped)");
    for (qsizetype i = 0; i < figures.size(); ++i) {
        const TutorialFigures& f = figures[i];
        std::printf("%-16s %9.1f ms %9.1f ms %10.2f %% %8ld KiB %+10ld KiB\n",
                    qPrintable(tutorials()[i].name), f.openMedian, f.openP90, f.cpuPercent,
                    f.rssOpenKiB, f.growthKiB);
    }
}

} // namespace

int main(int argc, char** argv)
{
    provideRuntimeDir();
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    Settings settings;
    if (args.removeAll(QStringLiteral("--quick")) > 0)
        settings = {10, 20, seconds(5)};
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kestrin-bench [--quick] <kestrin> <minimal-dialog>\n");
        return 2;
    }
    const QString kestrin = args[0];
    const QString minimal = args[1];

    try {
        XSession x;
        launcherButtonCentre(tutorials().first().buttonId);  // lays out before timing
        app.processEvents();

        std::fprintf(stderr, "Start-up: %d runs of each program...\n", settings.runs);
        startUp(x, minimal, QStringLiteral("Minimal Dialog"));  // warm the caches
        startUp(x, kestrin, launcherTitle());
        QList<double> minimalMs, kestrinMs;
        for (int i = 0; i < settings.runs; ++i) {
            minimalMs.append(startUp(x, minimal, QStringLiteral("Minimal Dialog")));
            kestrinMs.append(startUp(x, kestrin, launcherTitle()));
        }

        Launcher launcher{startProgram(kestrin), 0};
        launcher.window = x.waitForMapped(launcher.pid, launcherTitle(), kMapTimeoutMs);
        if (!launcher.window)
            throw std::runtime_error("the launcher did not appear");
        std::this_thread::sleep_for(seconds(1));
        const long launcherRss = residentKiB(launcher.pid);

        QList<TutorialFigures> figures;
        for (const Tutorial& tutorial : tutorials()) {
            std::fprintf(stderr, "%s: %d open-and-close cycles, then %lld s open and idle...\n",
                         qPrintable(tutorial.name), settings.cycles + kWarmUpCycles,
                         static_cast<long long>(settings.idle.count()));
            figures.append(measureTutorial(x, launcher, tutorial, settings.cycles, settings.idle));
        }
        x.requestClose(launcher.window);
        const bool clean = reap(launcher.pid, 5000);

        printTable(settings, minimalMs, kestrinMs, launcherRss, figures);
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
