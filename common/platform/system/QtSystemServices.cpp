#include "common/platform/system/QtSystemServices.h"

#include "common/platform/dialog/ModalOwner.h"
#include "common/platform/dialog/WindowPlacement.h"
#include "common/platform/system/ClipboardReader.h"
#include "common/platform/system/DesktopOpen.h"
#include "common/platform/system/Tone.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMessageBox>
#include <QStyleHints>
#include <QTimer>

#include <ctime>

std::uint32_t QtSystemServices::GetTickCount()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

int QtSystemServices::StartTimer(unsigned periodMs, std::function<void()> onTick)
{
    auto* timer = new QTimer(this);
    // Coarse timers drift by tens of milliseconds, which would show in the
    // rule's flash and the animated double click.
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(static_cast<int>(std::min<unsigned>(periodMs, INT_MAX)));
    connect(timer, &QTimer::timeout, this, std::move(onTick));
    timer->start();
    const int handle = ++m_lastTimerHandle;
    m_timers.insert(handle, timer);
    return handle;
}

void QtSystemServices::StopTimer(int handle)
{
    if (QTimer* timer = m_timers.take(handle)) {
        timer->stop();
        // A callback may stop its own timer while QTimer is still emitting.
        timer->deleteLater();
    }
}

unsigned QtSystemServices::GetDoubleClickTime()
{
    return static_cast<unsigned>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

QPoint QtSystemServices::GetCursorPos() { return QCursor::pos(); }

bool QtSystemServices::IsLeftButtonDown()
{
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

QWidget* QtSystemServices::GetFocus() { return QApplication::focusWidget(); }

namespace {
// Off X, and for our own copy, Qt answers at once, from memory or its
// platform's own reading. On X Qt's read would wait seconds for an owner
// that does not answer.
bool qtAnswers(const QClipboard* clipboard)
{
    return !ClipboardReader::servesThisPlatform() || clipboard->ownsClipboard();
}

// Our own copy is answered from memory, never through the X server.
QString ownClipboardText(QClipboard* clipboard)
{
    QString text = clipboard->text();
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0)
        text.truncate(nul);
    if (text.size() > ClipboardReader::kMaxTextBytes)
        text.clear();
    return text;
}
} // namespace

ClipboardReader& QtSystemServices::reader()
{
    ClipboardReader& reader = ClipboardReader::instance();
    if (!m_readerFollowsClipboard) {
        m_readerFollowsClipboard = true;
        QClipboard* clipboard = QGuiApplication::clipboard();
        connect(clipboard, &QClipboard::changed, this, [clipboard](QClipboard::Mode mode) {
            if (mode != QClipboard::Clipboard)
                return;
            if (clipboard->ownsClipboard())
                ClipboardReader::instance().remember(ownClipboardText(clipboard));
            else
                ClipboardReader::instance().changedHands();
        });
    }
    return reader;
}

bool QtSystemServices::EmptyClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!ClipboardReader::servesThisPlatform()) {
        clipboard->clear();
        return true;
    }
    // Qt drops its own copy; the X server is told in any case.
    if (clipboard->ownsClipboard())
        clipboard->clear();
    return reader().empty();
}

QString QtSystemServices::ClipboardText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (qtAnswers(clipboard))
        return ownClipboardText(clipboard);
    QString text = reader().latest();
    // The owner may change its text without giving up the clipboard; the
    // next look sees what it answers now.
    reader().refresh();
    return text;
}

void QtSystemServices::FetchClipboardText(QObject* context,
                                          std::function<void(const QString&)> done)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (qtAnswers(clipboard))
        done(ownClipboardText(clipboard));
    else
        reader().fetch(context, std::move(done));
}

void QtSystemServices::WatchClipboard(QObject* context, std::function<void()> onChange)
{
    // Other programs' changes reach Qt as X selection events (XFixes).
    connect(QGuiApplication::clipboard(), &QClipboard::changed, context,
            [onChange = std::move(onChange)](QClipboard::Mode mode) {
                if (mode == QClipboard::Clipboard)
                    onChange();
            });
}

void QtSystemServices::Beep(unsigned hz, unsigned ms) { Tone::Play(hz, ms); }

void QtSystemServices::OpenAddress(const QString& address, std::function<void(int code)> done)
{
    // An opener that still runs after a few seconds has handed the address
    // to a browser that stays in the foreground.
    constexpr int kGraceMs = 4000;
    DesktopOpen::openAddress(address, DesktopOpen::XdgDirs::fromEnvironment(), kGraceMs,
                             std::move(done));
}

void QtSystemServices::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                  MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                     : QMessageBox::Information,
                    caption, text, QMessageBox::Ok);
    keepLaidOutSize(&box);
    ModalOwner disabled(owner, &box);
    box.exec();
}
