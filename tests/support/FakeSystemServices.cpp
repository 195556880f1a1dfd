#include "tests/support/FakeSystemServices.h"

#include <QApplication>

FakeSystemServices::FakeSystemServices() { installSystemServices(this); }

FakeSystemServices::~FakeSystemServices() { installSystemServices(nullptr); }

int FakeSystemServices::StartTimer(unsigned periodMs, std::function<void()> onTick)
{
    const int handle = ++m_lastHandle;
    m_timers.insert(handle, Timer{periodMs, m_elapsed + periodMs, std::move(onTick)});
    return handle;
}

void FakeSystemServices::advance(unsigned ms)
{
    const std::uint64_t end = m_elapsed + ms;
    for (;;) {
        // The earliest due timer; among equals the one started first.
        int next = 0;
        std::uint64_t due = end + 1;
        for (auto it = m_timers.cbegin(); it != m_timers.cend(); ++it) {
            if (it->due < due) {
                due = it->due;
                next = it.key();
            }
        }
        if (next == 0)
            break;
        now += static_cast<std::uint32_t>(due - m_elapsed);
        m_elapsed = due;
        Timer& timer = m_timers[next];
        timer.due += std::max(1u, timer.period);
        const auto onTick = timer.onTick; // the tick may stop its own timer
        onTick();
    }
    now += static_cast<std::uint32_t>(end - m_elapsed);
    m_elapsed = end;
}

QWidget* FakeSystemServices::GetFocus()
{
    return focus ? focus->data() : QApplication::focusWidget();
}

bool FakeSystemServices::EmptyClipboard()
{
    if (clipboardBusy)
        return false;
    clipboardText.clear();
    ++clipboardEmptied;
    clipboardChanged();
    return true;
}

void FakeSystemServices::WatchClipboard(QObject* context, std::function<void()> onChange)
{
    m_clipboardWatchers.append({context, std::move(onChange)});
}

void FakeSystemServices::copy(const QString& text)
{
    clipboardText = text;
    clipboardChanged();
}

void FakeSystemServices::clipboardChanged()
{
    const auto watchers = m_clipboardWatchers;
    for (const Watcher& watcher : watchers)
        if (watcher.context)
            watcher.onChange();
}

void FakeSystemServices::OpenAddress(const QString& address, std::function<void(int code)> done)
{
    openedAddresses << address;
    if (openAnswersLater)
        unansweredOpens << std::move(done);
    else
        done(openResult);
}

void FakeSystemServices::answerOpen(int code)
{
    if (!unansweredOpens.isEmpty())
        unansweredOpens.takeFirst()(code);
}

void FakeSystemServices::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                    MessageIcon icon)
{
    messageBoxes.append({owner, text, caption, icon});
}
