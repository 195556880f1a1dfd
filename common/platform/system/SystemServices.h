#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>

class QObject;
class QWidget;

// Everything the windows ask of the system that depends on time or on the
// outside world. The program installs the Qt implementation; tests install a
// fake that they drive by hand, so no test ever sleeps.
class SystemServices {
public:
    enum class MessageIcon { Information, Exclamation };

    virtual ~SystemServices() = default;

    // Milliseconds since an arbitrary start, wrapping at 2^32.
    virtual std::uint32_t GetTickCount() = 0;
    // A repeating timer; the callback runs on the user-interface thread until
    // StopTimer. Handles are positive and never reused.
    virtual int StartTimer(unsigned periodMs, std::function<void()> onTick) = 0;
    virtual void StopTimer(int handle) = 0;

    virtual unsigned GetDoubleClickTime() = 0;
    virtual QPoint GetCursorPos() = 0;
    virtual bool IsLeftButtonDown() = 0;
    // The widget of this program that has the keyboard focus; null while
    // another program is active.
    virtual QWidget* GetFocus() = 0;

    // False when the clipboard could not be emptied.
    virtual bool EmptyClipboard() = 0;
    // The clipboard's text up to its first NUL, as last seen; empty when it
    // holds no text, more than a mebibyte of it, or its owner has not
    // answered yet. Never blocks the caller, whoever owns the clipboard.
    virtual QString ClipboardText() = 0;
    // Calls `done` with the clipboard's current text, read as ClipboardText()
    // reads it, as soon as it is known: at once or from the event loop, never
    // by waiting. Not called once `context` is gone.
    virtual void FetchClipboardText(QObject* context,
                                    std::function<void(const QString&)> done) = 0;
    // Calls `onChange` each time the clipboard changes owner or content, by
    // a copy here or in another program or by emptying, for as long as
    // `context` lives.
    virtual void WatchClipboard(QObject* context, std::function<void()> onChange) = 0;

    // A short tone; returns at once and stays silent without an audio device.
    virtual void Beep(unsigned hz, unsigned ms) = 0;
    // Opens a web address in the user's browser without waiting for it;
    // `done` gets the result once it is known, on this thread and possibly
    // before the call returns: above 32 on success, otherwise one of the
    // classic shell error codes.
    virtual void OpenAddress(const QString& address, std::function<void(int code)> done) = 0;
    // A modal message box with an OK button, owned by `owner`, which is
    // disabled while the box is open.
    virtual void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                            MessageIcon icon) = 0;
};

SystemServices& systemServices();
// Replaces the services for the rest of the process (or until the next call);
// the caller keeps ownership. Passing null restores the Qt implementation.
void installSystemServices(SystemServices* services);
