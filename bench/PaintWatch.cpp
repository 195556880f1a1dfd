#include "bench/PaintWatch.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {
constexpr int kShmPutImage = 3; // MIT-SHM's minor opcode

// The drawable at `offset` of a request, in the client's byte order, which
// on one machine is ours.
unsigned long drawableAt(const unsigned char* request, int offset)
{
    CARD32 id;
    std::memcpy(&id, request + offset, sizeof id);
    return id;
}
} // namespace

PaintWatch::PaintWatch() : m_control(XOpenDisplay(nullptr)), m_data(XOpenDisplay(nullptr))
{
    int major = 0, minor = 0, event = 0, error = 0;
    if (!m_control || !m_data || !XRecordQueryVersion(m_control, &major, &minor))
        throw std::runtime_error("the X server has no RECORD extension");
    // Qt puts a window's content through shared memory where the server
    // offers it, else as a plain image.
    if (!XQueryExtension(m_control, "MIT-SHM", &m_shmOpcode, &event, &error))
        m_shmOpcode = -1;
    XRecordRange* range = XRecordAllocRange();
    range->core_requests.first = X_CopyArea;
    range->core_requests.last = X_PutImage;
    if (m_shmOpcode > 0) {
        range->ext_requests.ext_major = {static_cast<unsigned char>(m_shmOpcode),
                                         static_cast<unsigned char>(m_shmOpcode)};
        range->ext_requests.ext_minor = {kShmPutImage, kShmPutImage};
    }
    XRecordClientSpec clients = XRecordAllClients;
    m_context = XRecordCreateContext(m_control, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(m_control, False);
    if (!m_context)
        throw std::runtime_error("cannot record the X server's requests");
    m_thread = std::thread([this] {
        XRecordEnableContext(
            m_data, m_context,
            [](XPointer self, XRecordInterceptData* data) {
                auto* watch = reinterpret_cast<PaintWatch*>(self);
                const unsigned char* request = data->data;
                if (data->category == XRecordFromClient && request) {
                    const bool shm = watch->m_shmOpcode > 0 && request[0] == watch->m_shmOpcode &&
                                     request[1] == kShmPutImage;
                    if (request[0] == X_PutImage || shm)
                        watch->seen(drawableAt(request, 4));
                    else if (request[0] == X_CopyArea)
                        watch->seen(drawableAt(request, 8));
                }
                XRecordFreeData(data);
            },
            reinterpret_cast<XPointer>(this));
    });
}

PaintWatch::~PaintWatch()
{
    XRecordDisableContext(m_control, m_context);
    XSync(m_control, False);
    if (m_thread.joinable())
        m_thread.join();
    XRecordFreeContext(m_control, m_context);
    XCloseDisplay(m_data);
    XCloseDisplay(m_control);
}

void PaintWatch::seen(unsigned long drawable)
{
    const auto now = Clock::now();
    {
        const std::lock_guard lock(m_mutex);
        m_paints.emplace_back(drawable, now);
    }
    m_changed.notify_all();
}

void PaintWatch::forget()
{
    const std::lock_guard lock(m_mutex);
    m_paints.clear();
}

std::optional<Clock::time_point> PaintWatch::firstPaint(unsigned long window, int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    std::optional<Clock::time_point> first;
    m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        const auto it = std::find_if(m_paints.begin(), m_paints.end(),
                                     [window](const auto& paint) { return paint.first == window; });
        if (it != m_paints.end())
            first = it->second;
        return first.has_value();
    });
    return first;
}
