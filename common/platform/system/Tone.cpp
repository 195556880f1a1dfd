#include "common/platform/system/Tone.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <numbers>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr unsigned kRate = 48000;
constexpr unsigned kLatencyUs = 50000;
constexpr unsigned kChunkFrames = kRate / 100; // a new tone waits at most 10 ms
constexpr double kVolume = 0.25;
constexpr double kFadeMs = 1.0; // softens the edges, which would click

std::vector<std::int16_t> sineSamples(unsigned hz, unsigned ms)
{
    const auto frames = static_cast<std::size_t>(std::uint64_t{kRate} * ms / 1000);
    const double fadeFrames = kRate * kFadeMs / 1000.0;
    std::vector<std::int16_t> pcm(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double edge =
            std::min({1.0, double(i) / fadeFrames, double(frames - 1 - i) / fadeFrames});
        const double value = kVolume * edge * std::sin(2 * std::numbers::pi * hz * double(i) / kRate);
        pcm[i] = static_cast<std::int16_t>(std::lround(value * 32767));
    }
    return pcm;
}

// ALSA reports a missing card on standard error; no output is no fault here.
void quiet(const char*, int, const char*, int, const char*, ...) {}

// The sound library is loaded by the first tone, not linked: most runs never
// play one, and every start would pay for loading it and for its memory.
struct Alsa {
    decltype(&snd_pcm_open) open;
    decltype(&snd_pcm_set_params) setParams;
    decltype(&snd_pcm_writei) writei;
    decltype(&snd_pcm_recover) recover;
    decltype(&snd_pcm_drop) drop;
    decltype(&snd_pcm_drain) drain;
    decltype(&snd_pcm_close) close;
};

// Null without the library: the tone is then silent.
const Alsa* alsa()
{
    static const std::optional<Alsa> loaded = []() -> std::optional<Alsa> {
        void* library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return std::nullopt;
        bool found = true;
        const auto bind = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                dlsym(library, name));
            found = found && function;
        };
        decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
        Alsa a{};
        bind(setErrorHandler, "snd_lib_error_set_handler");
        bind(a.open, "snd_pcm_open");
        bind(a.setParams, "snd_pcm_set_params");
        bind(a.writei, "snd_pcm_writei");
        bind(a.recover, "snd_pcm_recover");
        bind(a.drop, "snd_pcm_drop");
        bind(a.drain, "snd_pcm_drain");
        bind(a.close, "snd_pcm_close");
        if (!found)
            return std::nullopt;
        setErrorHandler(&quiet);
        return a;
    }();
    return loaded ? &*loaded : nullptr;
}

struct Request {
    unsigned hz;
    unsigned ms;
};

// One thread for the life of the process, started by the first tone, so the
// user-interface thread never waits for the sound system.
class Player {
public:
    Player() : m_thread([this] { run(); }) {}
    ~Player()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_ending = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void play(Request request)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_pending = request;
        }
        m_wake.notify_all();
    }

    bool waitUntilQuiet(int timeoutMs)
    {
        std::unique_lock lock(m_mutex);
        return m_wake.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [this] { return !m_pending && !m_playing; });
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_ending || m_pending; });
            if (m_ending)
                return;
            const Request request = *m_pending;
            m_pending.reset();
            m_playing = true;
            lock.unlock();
            sound(request);
            lock.lock();
            m_playing = false;
            m_wake.notify_all();
        }
    }

    bool cutOff()
    {
        const std::lock_guard lock(m_mutex);
        return m_ending || m_pending;
    }

    // Opens the output for each tone: a device plugged in later is found, and
    // between tones the program holds no stream open on the sound server.
    void sound(Request request)
    {
        const std::vector<std::int16_t> pcm = sineSamples(request.hz, request.ms);
        const Alsa* snd = alsa();
        if (pcm.empty() || !snd)
            return;
        snd_pcm_t* out = nullptr;
        if (snd->open(&out, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
            return;
        if (snd->setParams(out, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           kLatencyUs) == 0) {
            bool cut = false;
            for (std::size_t done = 0; done < pcm.size() && !cut;) {
                const auto chunk = std::min<std::size_t>(kChunkFrames, pcm.size() - done);
                snd_pcm_sframes_t written = snd->writei(out, pcm.data() + done, chunk);
                if (written < 0)
                    written = snd->recover(out, static_cast<int>(written), 1);
                if (written < 0)
                    break;
                done += static_cast<std::size_t>(written);
                cut = cutOff();
            }
            if (cut)
                snd->drop(out);
            else
                snd->drain(out);
        }
        snd->close(out);
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Request> m_pending;
    bool m_playing = false;
    bool m_ending = false;
    std::thread m_thread; // last: starts when the rest is ready
};

Player& player()
{
    static Player instance;
    return instance;
}

} // namespace

namespace Tone {

void Play(unsigned hz, unsigned ms) { player().play({hz, ms}); }

bool WaitUntilQuiet(int timeoutMs) { return player().waitUntilQuiet(timeoutMs); }

} // namespace Tone
