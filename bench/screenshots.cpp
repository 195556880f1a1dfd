// Takes the README's pictures of the launcher and of each tutorial as it
// opens, from the real program. Run by tools/take-screenshots.sh.
//
// Usage: kestrin-screenshots <kestrin> <output folder>

#include "bench/Driver.h"
#include "tools/xinput/XInput.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <stdexcept>
#include <thread>

namespace {

// Windows paint after they are mapped; give them a moment to settle.
constexpr auto kSettle = std::chrono::milliseconds(800);

QImage grab(XSession& x, unsigned long window)
{
    const QSize size = x.size(window);
    XImage* image = XGetImage(x.display(), window, 0, 0, static_cast<unsigned>(size.width()),
                              static_cast<unsigned>(size.height()), AllPlanes, ZPixmap);
    if (!image)
        throw std::runtime_error("cannot read a window's pixels");
    QImage result(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int xPos = 0; xPos < size.width(); ++xPos)
            result.setPixel(xPos, y, static_cast<QRgb>(XGetPixel(image, xPos, y)));
    }
    XDestroyImage(image);
    return result;
}

void save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
    std::printf("%s\n", qPrintable(path));
}

QString fileName(const Tutorial& tutorial)
{
    return tutorial.name.toLower().replace(QLatin1Char(' '), QLatin1Char('-')) +
           QStringLiteral(".png");
}

} // namespace

int main(int argc, char** argv)
{
    provideRuntimeDir();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kestrin-screenshots <kestrin> <output folder>\n");
        return 2;
    }
    const QDir out(args[1]);
    try {
        XSession x;
        launcherButtonCentre(tutorials().first().buttonId);
        app.processEvents();

        const pid_t pid = startProgram(args[0]);
        const unsigned long launcher =
            x.waitForMapped(pid, launcherTitle(), 10000);
        if (!launcher)
            throw std::runtime_error("the launcher did not appear");
        std::this_thread::sleep_for(kSettle);
        save(grab(x, launcher), out.filePath(QStringLiteral("launcher.png")));

        for (const Tutorial& tutorial : tutorials()) {
            XInput::click(x.origin(launcher) + launcherButtonCentre(tutorial.buttonId));
            const unsigned long window = x.waitForMapped(pid, tutorial.title, 10000);
            if (!window)
                throw std::runtime_error("\"" + tutorial.title.toStdString() + "\" did not open");
            std::this_thread::sleep_for(kSettle);
            save(grab(x, window), out.filePath(fileName(tutorial)));
            XInput::requestClose(window);
            x.waitForGone(window, 10000);
        }
        XInput::requestClose(launcher);
        reap(pid, 5000);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestrin-screenshots: %s\n", e.what());
        return 1;
    }
    return 0;
}
