#pragma once

#include "common/platform/SystemServices.h"

#include <QHash>
#include <QObject>

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
    void Beep(unsigned hz, unsigned ms) override;
    void OpenAddress(const QString& address, std::function<void(int code)> done) override;
    void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                    MessageIcon icon) override;

private:
    QHash<int, QTimer*> m_timers;
    int m_lastTimerHandle = 0;
};
