#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QVariant>

#include <functional>
#include <optional>

struct xcb_connection_t;

// The desktop settings a settings daemon publishes to X programs: a name
// ("Net/DoubleClickTime") and an int, a string (QByteArray) or a QColor.
using XSettingsValues = QHash<QByteArray, QVariant>;

// Reads the settings from the bytes of the settings property; none when the
// bytes are not a whole, well-formed list.
std::optional<XSettingsValues> parseXSettings(const QByteArray& bytes);

// Follows the settings of the X display on a connection of its own, without
// ever waiting for the X server on the caller's thread: `changed` gets every
// list the settings daemon publishes, now and after each change, and an
// empty one when the daemon goes.
class XSettingsWatcher : public QObject {
public:
    XSettingsWatcher(std::function<void(const XSettingsValues&)> changed, QObject* parent);
    ~XSettingsWatcher() override;

private:
    struct Pending;
    void takeAnswers();
    void askForOwner();
    void askForSettings();

    std::function<void(const XSettingsValues&)> m_changed;
    xcb_connection_t* m_connection = nullptr;
    Pending* m_pending = nullptr;
};

// Keeps Qt's double-click time at the desktop's where Qt's platform theme
// knows none of its own (a desktop that is only a window manager with a
// settings daemon). The distance Qt pairs clicks within has no setter in
// Qt 6.4 and stays the platform theme's.
void followDesktopDoubleClickTime(QObject* parent);
