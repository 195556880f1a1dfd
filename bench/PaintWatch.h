#pragma once

// When a window first shows content: the first image its program puts into
// it (or copies onto it), as the X server sees the requests, through the
// server's RECORD extension. The same for every program, with nothing added
// to any of them.

#include "bench/Driver.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

class PaintWatch {
public:
    PaintWatch();
    ~PaintWatch();
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    // Forgets what was seen: window ids are reused by later programs.
    void forget();
    // When `window` first received content, waiting for it up to timeoutMs.
    std::optional<Clock::time_point> firstPaint(unsigned long window, int timeoutMs);

private:
    void seen(unsigned long drawable);

    _XDisplay* m_control;
    _XDisplay* m_data;
    unsigned long m_context = 0;
    int m_shmOpcode = -1;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::pair<unsigned long, Clock::time_point>> m_paints;
    std::thread m_thread;
};
