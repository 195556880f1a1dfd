#pragma once

// A short sine tone on the desktop's default audio output. Returns at once;
// without an audio output it stays silent. A new tone cuts off the one still
// sounding.
namespace Tone {

void Play(unsigned hz, unsigned ms);

} // namespace Tone
