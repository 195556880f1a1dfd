#pragma once

// A short sine tone on the desktop's default audio output (ALSA's default
// device, which desktop sound servers take over). Returns at once: a thread
// of its own opens the output and plays. Without an audio output it stays
// silent. A new tone cuts off the one still sounding.
namespace Tone {

void Play(unsigned hz, unsigned ms);

// Waits until every tone asked for has been played or given up; false when
// `timeoutMs` ran out first. Lets tests know the player is done.
bool WaitUntilQuiet(int timeoutMs);

} // namespace Tone
