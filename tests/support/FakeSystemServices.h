#pragma once

#include "common/platform/system/SystemServices.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <optional>

// Services under the test's control. Time stands still until advance(), which
// fires the due timers in order, each at its own moment; nothing sleeps.
// Installs itself for its lifetime.
class FakeSystemServices final : public SystemServices {
public:
    FakeSystemServices();
    ~FakeSystemServices() override;

    void advance(unsigned ms);
    int runningTimerCount() const { return static_cast<int>(m_timers.size()); }

    std::uint32_t GetTickCount() override { return now; }
    int StartTimer(unsigned periodMs, std::function<void()> onTick) override;
    void StopTimer(int handle) override { m_timers.remove(handle); }
    unsigned GetDoubleClickTime() override { return doubleClickTime; }
    QPoint GetCursorPos() override
    {
        ++cursorAsked;
        return cursorPos;
    }
    bool IsLeftButtonDown() override { return leftButtonDown; }
    QWidget* GetFocus() override;
    bool EmptyClipboard() override;
    QString ClipboardText() override { return clipboardText; }
    void FetchClipboardText(QObject*, std::function<void(const QString&)> done) override
    {
        done(clipboardText);
    }
    void WatchClipboard(QObject* context, std::function<void()> onChange) override;
    // What a copy does: new content, and everyone watching told.
    void copy(const QString& text);
    void Beep(unsigned hz, unsigned ms) override { beeps.append({hz, ms, now}); }
    void OpenAddress(const QString& address, std::function<void(int code)> done) override;
    // Answers the oldest open that waits for its result.
    void answerOpen(int code);
    void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                    MessageIcon icon) override;

    std::uint32_t now = 0;
    unsigned doubleClickTime = 500;
    QPoint cursorPos;
    int cursorAsked = 0; // a round trip to the X server for the real services
    bool leftButtonDown = false;
    // When set, GetFocus() answers this instead of Qt's focus widget; a null
    // pointer stands for another program being active.
    std::optional<QPointer<QWidget>> focus;
    QString clipboardText;
    bool clipboardBusy = false; // another program holds the clipboard
    int clipboardEmptied = 0;
    int openResult = 33;
    bool openAnswersLater = false; // else an open answers openResult at once
    QStringList openedAddresses;
    QList<std::function<void(int code)>> unansweredOpens;

    struct Tone {
        unsigned hz;
        unsigned ms;
        std::uint32_t at;
    };
    QList<Tone> beeps;

    struct Message {
        QPointer<QWidget> owner;
        QString text;
        QString caption;
        MessageIcon icon;
    };
    QList<Message> messageBoxes;

private:
    struct Timer {
        unsigned period;
        std::uint64_t due;
        std::function<void()> onTick;
    };
    void clipboardChanged();

    QMap<int, Timer> m_timers;
    struct Watcher {
        QPointer<QObject> context;
        std::function<void()> onChange;
    };
    QList<Watcher> m_clipboardWatchers;
    int m_lastHandle = 0;
    std::uint64_t m_elapsed = 0; // does not wrap, unlike `now`
};
