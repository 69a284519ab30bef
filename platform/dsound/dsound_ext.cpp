#include "platform/dsound/dsound_ext.h"

#include "platform/dsound/mixer/mixer.h"
#include "platform/dsound/sound_buffer.h"
#include "platform/dsound/sound_device.h"

namespace dsound {

int LatencyFrames() {
  return Mixer::Get().LatencyFrames();
}

bool LoseBuffer(IDirectSoundBuffer* buffer) {
  auto* b = dynamic_cast<SoundBuffer*>(buffer);
  if (!b) return false;
  b->Lose();
  return true;
}

CooperativeLevelRecord CooperativeLevelOf(IDirectSound* device) {
  CooperativeLevelRecord r;
  if (auto* d = dynamic_cast<SoundDevice*>(device)) {
    r.window = d->CooperativeWindow();
    r.level = d->CooperativeLevel();
    r.calls = d->CooperativeLevelCalls();
  }
  return r;
}

int LiveDevices() {
  return Mixer::Get().DeviceCount();
}

std::size_t LiveVoices() {
  Mixer::Get().CollectRetired();
  return Mixer::Get().LiveVoices();
}

}  // namespace dsound
