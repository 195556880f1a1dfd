#include "common/platform/system/XSettings.h"

#include <QColor>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStyleHints>
#include <QtEndian>

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <cstdlib>
#include <cstring>

namespace {

// A list longer than this is no settings daemon's: real ones hold some
// dozens of settings in a few kilobytes.
constexpr quint32 kMostBytes = 1 << 20;

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool fits(qsizetype n) const { return n >= 0 && m_at + n <= m_bytes.size(); }
    bool skip(qsizetype n)
    {
        if (!fits(n))
            return false;
        m_at += n;
        return true;
    }
    bool pad(qsizetype n) { return skip((4 - n % 4) % 4); }
    template <class T> std::optional<T> take()
    {
        if (!fits(sizeof(T)))
            return std::nullopt;
        T value;
        std::memcpy(&value, m_bytes.constData() + m_at, sizeof(T));
        m_at += sizeof(T);
        return m_bigEndian ? qFromBigEndian(value) : qFromLittleEndian(value);
    }
    std::optional<QByteArray> bytes(qsizetype n)
    {
        if (!fits(n))
            return std::nullopt;
        const QByteArray part = m_bytes.mid(m_at, n);
        m_at += n;
        return part;
    }
    void setBigEndian(bool big) { m_bigEndian = big; }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
    bool m_bigEndian = false;
};

} // namespace

std::optional<XSettingsValues> parseXSettings(const QByteArray& bytes)
{
    Reader in(bytes);
    const auto order = in.take<quint8>();
    if (!order || *order > 1 || !in.skip(3))
        return std::nullopt;
    in.setBigEndian(*order == 1);
    const auto serial = in.take<quint32>();
    const auto count = in.take<quint32>();
    if (!serial || !count)
        return std::nullopt;
    XSettingsValues values;
    for (quint32 i = 0; i < *count; ++i) {
        const auto type = in.take<quint8>();
        if (!type || !in.skip(1))
            return std::nullopt;
        const auto nameLength = in.take<quint16>();
        if (!nameLength)
            return std::nullopt;
        const auto name = in.bytes(*nameLength);
        if (!name || !in.pad(*nameLength) || !in.skip(4)) // the last change's serial
            return std::nullopt;
        switch (*type) {
        case 0: {
            const auto value = in.take<qint32>();
            if (!value)
                return std::nullopt;
            values.insert(*name, int(*value));
            break;
        }
        case 1: {
            const auto length = in.take<quint32>();
            if (!length || *length > kMostBytes)
                return std::nullopt;
            const auto value = in.bytes(qsizetype(*length));
            if (!value || !in.pad(qsizetype(*length)))
                return std::nullopt;
            values.insert(*name, *value);
            break;
        }
        case 2: {
            const auto red = in.take<quint16>(), blue = in.take<quint16>(),
                       green = in.take<quint16>(), alpha = in.take<quint16>();
            if (!alpha)
                return std::nullopt;
            values.insert(*name, QColor::fromRgba64(*red, *green, *blue, *alpha));
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return values;
}

// The requests that wait for their answer, by sequence number; 0 is none.
struct XSettingsWatcher::Pending {
    QSocketNotifier* readable = nullptr;
    enum { Selection, Settings, Manager, AtomCount };
    xcb_window_t root = 0;
    xcb_window_t owner = 0;
    xcb_atom_t atom[AtomCount] = {};
    unsigned atomRequest[AtomCount] = {};
    unsigned ownerRequest = 0;
    unsigned settingsRequest = 0;
};

XSettingsWatcher::XSettingsWatcher(std::function<void(const XSettingsValues&)> changed,
                                   QObject* parent)
    : QObject(parent), m_changed(std::move(changed))
{
    int screen = 0;
    m_connection = xcb_connect(nullptr, &screen);
    if (xcb_connection_has_error(m_connection))
        return;
    m_pending = new Pending;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screen && it.rem; ++i)
        xcb_screen_next(&it);
    m_pending->root = it.data->root;
    // A new settings daemon announces itself to the root window.
    const uint32_t rootEvents = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_pending->root, XCB_CW_EVENT_MASK, &rootEvents);
    const QByteArray names[Pending::AtomCount] = {"_XSETTINGS_S" + QByteArray::number(screen),
                                                  "_XSETTINGS_SETTINGS", "MANAGER"};
    for (int i = 0; i < Pending::AtomCount; ++i)
        m_pending->atomRequest[i] =
            xcb_intern_atom(m_connection, 0, uint16_t(names[i].size()), names[i].constData())
                .sequence;
    xcb_flush(m_connection);
    m_pending->readable = new QSocketNotifier(xcb_get_file_descriptor(m_connection),
                                              QSocketNotifier::Read, this);
    connect(m_pending->readable, &QSocketNotifier::activated, this,
            &XSettingsWatcher::takeAnswers);
    takeAnswers();
}

XSettingsWatcher::~XSettingsWatcher()
{
    delete m_pending;
    if (m_connection)
        xcb_disconnect(m_connection);
}

void XSettingsWatcher::askForOwner()
{
    m_pending->ownerRequest =
        xcb_get_selection_owner(m_connection, m_pending->atom[Pending::Selection]).sequence;
    xcb_flush(m_connection);
}

void XSettingsWatcher::askForSettings()
{
    m_pending->settingsRequest =
        xcb_get_property(m_connection, 0, m_pending->owner, m_pending->atom[Pending::Settings],
                         XCB_GET_PROPERTY_TYPE_ANY, 0, kMostBytes / 4)
            .sequence;
    xcb_flush(m_connection);
}

void XSettingsWatcher::takeAnswers()
{
    if (!m_pending)
        return;
    Pending& p = *m_pending;
    // An answer is taken only once it is there: nothing here waits.
    const auto answer = [this](unsigned& request) -> void* {
        void* reply = nullptr;
        xcb_generic_error_t* error = nullptr;
        if (request == 0 || !xcb_poll_for_reply(m_connection, request, &reply, &error))
            return nullptr;
        request = 0;
        free(error);
        return reply;
    };
    bool progressed = true;
    while (progressed) {
        progressed = false;
        for (int i = 0; i < Pending::AtomCount; ++i) {
            if (auto* reply = static_cast<xcb_intern_atom_reply_t*>(answer(p.atomRequest[i]))) {
                p.atom[i] = reply->atom;
                free(reply);
                progressed = true;
                if (p.atom[Pending::Selection] && p.atom[Pending::Settings] &&
                    p.atom[Pending::Manager])
                    askForOwner();
            }
        }
        if (auto* reply = static_cast<xcb_get_selection_owner_reply_t*>(answer(p.ownerRequest))) {
            p.owner = reply->owner;
            free(reply);
            progressed = true;
            if (p.owner) {
                const uint32_t events =
                    XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(m_connection, p.owner, XCB_CW_EVENT_MASK, &events);
                askForSettings();
            } else {
                m_changed({});
            }
        }
        if (auto* reply = static_cast<xcb_get_property_reply_t*>(answer(p.settingsRequest))) {
            const QByteArray bytes(static_cast<const char*>(xcb_get_property_value(reply)),
                                   xcb_get_property_value_length(reply));
            free(reply);
            progressed = true;
            m_changed(parseXSettings(bytes).value_or(XSettingsValues()));
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            progressed = true;
            switch (event->response_type & 0x7f) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (e->window == p.owner && e->atom == p.atom[Pending::Settings])
                    askForSettings();
                break;
            }
            case XCB_DESTROY_NOTIFY:
                if (reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == p.owner) {
                    p.owner = 0;
                    askForOwner();
                }
                break;
            case XCB_CLIENT_MESSAGE: {
                const auto* e = reinterpret_cast<xcb_client_message_event_t*>(event);
                if (p.atom[Pending::Manager] && e->type == p.atom[Pending::Manager] &&
                    e->data.data32[1] == p.atom[Pending::Selection])
                    askForOwner();
                break;
            }
            default:
                break;
            }
            free(event);
        }
    }
    if (xcb_connection_has_error(m_connection))
        m_pending->readable->setEnabled(false);
}

void followDesktopDoubleClickTime(QObject* parent)
{
    // Qt's own figure when no platform theme gives one: then the desktop's
    // settings daemon is the only word on it.
    constexpr int kQtDefault = 400;
    QStyleHints* hints = QGuiApplication::styleHints();
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        hints->mouseDoubleClickInterval() != kQtDefault)
        return;
    new XSettingsWatcher(
        [hints](const XSettingsValues& values) {
            const int time = values.value("Net/DoubleClickTime").toInt();
            // Within reason: a daemon's zero or minutes would make double
            // clicks impossible or every pair of clicks one.
            hints->setMouseDoubleClickInterval(time >= 100 && time <= 5000 ? time : kQtDefault);
        },
        parent);
}
