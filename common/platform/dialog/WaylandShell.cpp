#include "common/platform/dialog/WaylandShell.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

namespace {

// gtk_shell1 and gtk_surface1 as far as version 4, written out here because
// no development package carries them. Every event the compositor may send
// must be known to be skipped; of the requests only the first ones matter,
// but the opcodes are positions, so the list is complete up to release.
extern const wl_interface gtkSurfaceInterface;
const wl_interface* kNoTypes[6] = {};
const wl_interface* kGetSurfaceTypes[] = {&gtkSurfaceInterface, &wl_surface_interface};

const wl_message kShellRequests[] = {
    {"get_gtk_surface", "no", kGetSurfaceTypes}};
const wl_message kShellEvents[] = {
    {"capabilities", "u", kNoTypes}};
const wl_interface gtkShellInterface = {"gtk_shell1", 4, 1, kShellRequests, 1, kShellEvents};

const wl_message kSurfaceRequests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", kNoTypes},
    {"set_modal", "", kNoTypes},
    {"unset_modal", "", kNoTypes},
    {"present", "u", kNoTypes},
    {"request_focus", "3?s", kNoTypes},
    {"release", "4", kNoTypes}};
const wl_message kSurfaceEvents[] = {
    {"configure", "a", kNoTypes},
    {"configure_edges", "2a", kNoTypes}};
const wl_interface gtkSurfaceInterface = {"gtk_surface1", 4, 6, kSurfaceRequests, 2,
                                          kSurfaceEvents};

constexpr uint32_t kGetGtkSurface = 0;
constexpr uint32_t kSetModal = 1;
constexpr uint32_t kRelease = 5;

struct Global {
    uint32_t name = 0;
    uint32_t version = 0;
};

void onGlobal(void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version)
{
    if (std::strcmp(interface, gtkShellInterface.name) == 0)
        *static_cast<Global*>(data) = {name, version};
}

void onGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemove};

// The compositor's gtk_shell1, bound once; null where there is none. The
// globals are listed on a queue of the program's own, so that the round trip
// dispatches nothing of Qt's.
wl_proxy* gtkShell(wl_display* display)
{
    static wl_proxy* const shell = [display]() -> wl_proxy* {
        wl_event_queue* queue = wl_display_create_queue(display);
        auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
        wl_registry* registry = wl_display_get_registry(wrapper);
        wl_proxy_wrapper_destroy(wrapper);
        Global found;
        wl_registry_add_listener(registry, &kRegistryListener, &found);
        wl_display_roundtrip_queue(display, queue);
        wl_proxy* bound = nullptr;
        if (found.name) {
            bound = static_cast<wl_proxy*>(wl_registry_bind(
                registry, found.name, &gtkShellInterface,
                std::min<uint32_t>(found.version, gtkShellInterface.version)));
            // Its events go where Qt dispatches, which drops them unheard.
            wl_proxy_set_queue(bound, nullptr);
        }
        wl_registry_destroy(registry);
        wl_event_queue_destroy(queue);
        return bound;
    }();
    return shell;
}

} // namespace

bool takeBackMaximise(QWindow* window)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    auto* toplevel = static_cast<wl_proxy*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("xdg_toplevel", window));
    if (!toplevel)
        return false;
    constexpr uint32_t kUnsetMaximized = 10;
    wl_proxy_marshal_flags(toplevel, kUnsetMaximized, nullptr, wl_proxy_get_version(toplevel), 0);
    return true;
}

CompositorModal::CompositorModal(QWindow* modal)
{
    if (!modal || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // Qt gives the surface its role after it says the window is shown, and
    // a mark before that is lost; the first frame comes later still.
    QObject::connect(modal, &QWindow::visibleChanged, &m_context, [this, modal](bool shown) {
        if (shown)
            QTimer::singleShot(0, &m_context, [this, window = QPointer<QWindow>(modal)] {
                if (window)
                    mark(window);
            });
    });
    if (modal->isVisible())
        mark(modal);
}

CompositorModal::~CompositorModal() { release(); }

void CompositorModal::mark(QWindow* modal)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    auto* surface = static_cast<wl_proxy*>(native->nativeResourceForWindow("surface", modal));
    wl_proxy* shell = display && surface ? gtkShell(display) : nullptr;
    if (!shell)
        return;
    // A surface takes one mark; a window shown again may keep its surface.
    release();
    m_mark = wl_proxy_marshal_flags(shell, kGetGtkSurface, &gtkSurfaceInterface,
                                    wl_proxy_get_version(shell), 0, nullptr, surface);
    wl_proxy_marshal_flags(m_mark, kSetModal, nullptr, wl_proxy_get_version(m_mark), 0);
}

void CompositorModal::release()
{
    if (!m_mark)
        return;
    const uint32_t version = wl_proxy_get_version(m_mark);
    if (version >= 4)
        wl_proxy_marshal_flags(m_mark, kRelease, nullptr, version, WL_MARSHAL_FLAG_DESTROY);
    else
        wl_proxy_destroy(m_mark);
    m_mark = nullptr;
}
