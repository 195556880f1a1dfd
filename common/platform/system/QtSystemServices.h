#pragma once

#include "common/platform/system/SystemServices.h"

#include <QHash>
#include <QObject>

class ClipboardReader;
class QTimer;

// The services as the running program gets them from Qt and the desktop.
class QtSystemServices final : public QObject, public SystemServices {
    Q_OBJECT
public:
    std::uint32_t GetTickCount() override;
    int StartTimer(unsigned periodMs, std::function<void()> onTick) override;
    void StopTimer(int handle) override;
    unsigned GetDoubleClickTime() override;
    QPoint GetCursorPos() override;
    bool IsLeftButtonDown() override;
    QWidget* GetFocus() override;
    bool EmptyClipboard() override;
    QString ClipboardText() override;
    void FetchClipboardText(QObject* context, std::function<void(const QString&)> done) override;
    void WatchClipboard(QObject* context, std::function<void()> onChange) override;
    void Beep(unsigned hz, unsigned ms) override;
    void OpenAddress(const QString& address, std::function<void(int code)> done) override;
    void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                    MessageIcon icon) override;

private:
    // The reader of other programs' clipboards, kept up to date with every
    // change of the clipboard's owner from the first use on.
    ClipboardReader& reader();

    bool m_readerFollowsClipboard = false;
    QHash<int, QTimer*> m_timers;
    int m_lastTimerHandle = 0;
};
