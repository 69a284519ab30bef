#include "platform/dsound/sound_buffer.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "platform/dsound/gains.h"
#include "platform/dsound/mixer/mixer.h"
#include "platform/dsound/sound_device.h"

namespace dsound {
namespace {

constexpr DWORD kPcmRecordBytes = 16;  // a PCM record may end before cbSize
constexpr DWORD kFullRecordBytes = sizeof(WAVEFORMATEX);

WAVEFORMATEX PcmRecord(const WAVEFORMATEX* format) {
  WAVEFORMATEX copy{};
  std::memcpy(&copy, format, kPcmRecordBytes);
  copy.cbSize = 0;
  return copy;
}

WAVEFORMATEX DefaultPrimaryFormat() {
  // What a device plays before the program sets its format: 22,050 Hz, 8 bits, stereo.
  WAVEFORMATEX f{};
  f.wFormatTag = WAVE_FORMAT_PCM;
  f.nChannels = 2;
  f.nSamplesPerSec = 22050;
  f.wBitsPerSample = 8;
  f.nBlockAlign = 2;
  f.nAvgBytesPerSec = 44100;
  return f;
}

}  // namespace

HRESULT CheckPcmFormat(const WAVEFORMATEX* format) {
  if (!format) return DSERR_INVALIDPARAM;
  const WAVEFORMATEX f = PcmRecord(format);
  if (f.wFormatTag != WAVE_FORMAT_PCM) return DSERR_BADFORMAT;
  if (f.nChannels != 1 && f.nChannels != 2) return DSERR_BADFORMAT;
  if (f.wBitsPerSample != 8 && f.wBitsPerSample != 16) return DSERR_BADFORMAT;
  if (f.nSamplesPerSec < DSBFREQUENCY_MIN || f.nSamplesPerSec > DSBFREQUENCY_MAX) return DSERR_BADFORMAT;
  if (f.nBlockAlign != f.nChannels * f.wBitsPerSample / 8) return DSERR_BADFORMAT;
  return DS_OK;
}

SoundBuffer::SoundBuffer(SoundDevice* device, DWORD flags) : device_(device), flags_(flags) {
  device_->AddRef();
}

SoundBuffer::~SoundBuffer() {
  if (voice_) {
    std::erase(sound_->voices, voice_);
    Mixer::Get().Retire(voice_);
  }
  device_->Release();
}

void SoundBuffer::Attach(std::shared_ptr<SharedSound> sound) {
  sound_ = std::move(sound);
  voice_ = Mixer::Get().NewVoice(sound_->data);
  sound_->voices.push_back(voice_);
}

HRESULT SoundBuffer::Create(SoundDevice* device, const DSBUFFERDESC& desc, LPDIRECTSOUNDBUFFER* buffer) {
  if (desc.dwSize != sizeof(DSBUFFERDESC) && desc.dwSize != offsetof(DSBUFFERDESC, guid3DAlgorithm))
    return DSERR_INVALIDPARAM;
  if (desc.dwFlags & DSBCAPS_PRIMARYBUFFER) {
    if (desc.dwBufferBytes != 0 || desc.lpwfxFormat) return DSERR_INVALIDPARAM;
    auto* b = new SoundBuffer(device, desc.dwFlags);
    b->format_ = DefaultPrimaryFormat();
    *buffer = b;
    return DS_OK;
  }
  if (desc.dwFlags & DSBCAPS_CTRL3D) return DSERR_INVALIDPARAM;
  if (HRESULT hr = CheckPcmFormat(desc.lpwfxFormat); hr != DS_OK) return hr;
  const WAVEFORMATEX format = PcmRecord(desc.lpwfxFormat);
  if (desc.dwBufferBytes < DSBSIZE_MIN || desc.dwBufferBytes > DSBSIZE_MAX || desc.dwBufferBytes < format.nBlockAlign)
    return DSERR_INVALIDPARAM;
  auto data = std::make_shared<SampleData>();
  data->channels = format.nChannels;
  data->bits = format.wBitsPerSample;
  data->rate = static_cast<int>(format.nSamplesPerSec);
  data->blockAlign = format.nBlockAlign;
  data->frames = desc.dwBufferBytes / format.nBlockAlign;
  data->bytes.assign(desc.dwBufferBytes, format.wBitsPerSample == 8 ? 0x80 : 0);  // silence
  auto* b = new SoundBuffer(device, desc.dwFlags);
  b->format_ = format;
  b->Attach(std::make_shared<SharedSound>(SharedSound{std::move(data), {}}));
  b->SendParams();
  *buffer = b;
  return DS_OK;
}

HRESULT SoundBuffer::Duplicate(SoundDevice* device, IDirectSoundBuffer* original, LPDIRECTSOUNDBUFFER* duplicate) {
  auto* source = dynamic_cast<SoundBuffer*>(original);
  if (!source) return DSERR_INVALIDPARAM;
  if (source->Primary()) return DSERR_INVALIDCALL;
  auto* b = new SoundBuffer(device, source->flags_);
  b->format_ = source->format_;
  b->volume_ = source->volume_;
  b->pan_ = source->pan_;
  b->frequency_ = source->frequency_;
  b->Attach(source->sound_);
  b->SendParams();
  *duplicate = b;
  return DS_OK;
}

HRESULT SoundBuffer::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDirectSoundBuffer) {
    AddRef();
    *object = static_cast<IDirectSoundBuffer*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG SoundBuffer::AddRef() {
  return ++refs_;
}

ULONG SoundBuffer::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

void SoundBuffer::SendParams() {
  if (!voice_) return;
  const ChannelGains g = GainsOf(volume_, pan_);
  const DWORD rate = frequency_ ? frequency_ : format_.nSamplesPerSec;
  Command c;
  c.kind = CommandKind::SetParams;
  c.voice = voice_;
  c.gainLeft = g.left;
  c.gainRight = g.right;
  c.step = static_cast<std::uint64_t>(std::llround(static_cast<double>(rate) * 4294967296.0 / Mixer::kRate));
  Mixer::Get().Send(c);
}

bool SoundBuffer::Sounding() {
  if (!playing_) return false;
  if (voice_->endedGeneration.load(std::memory_order_acquire) == generation_) {
    playing_ = looping_ = false;
    frame_ = 0;
    return false;
  }
  return true;
}

DWORD SoundBuffer::CurrentFrame() {
  if (!Sounding()) return frame_;
  const std::uint64_t c = voice_->cursor.load(std::memory_order_acquire);
  return (c >> 32) == generation_ ? static_cast<DWORD>(c & 0xFFFFFFFFu) : frame_;
}

HRESULT SoundBuffer::GetCaps(LPDSBCAPS caps) {
  if (!caps || caps->dwSize != sizeof(DSBCAPS)) return DSERR_INVALIDPARAM;
  caps->dwFlags = flags_;
  caps->dwBufferBytes = sound_ ? Size() : Mixer::Get().LatencyFrames() * 4;
  caps->dwUnlockTransferRate = 0;
  caps->dwPlayCpuOverhead = 0;
  return DS_OK;
}

HRESULT SoundBuffer::GetCurrentPosition(LPDWORD play, LPDWORD write) {
  if (!sound_) {
    if (play) *play = 0;
    if (write) *write = 0;
    return DS_OK;
  }
  const DWORD size = Size();
  const DWORD at = CurrentFrame() * format_.nBlockAlign;
  if (play) *play = at;
  if (write) *write = playing_ ? (at + Mixer::Get().LatencyFrames() * format_.nBlockAlign) % size : at;
  return DS_OK;
}

HRESULT SoundBuffer::GetFormat(LPWAVEFORMATEX format, DWORD sizeAllocated, LPDWORD written) {
  if (!format) {
    if (!written) return DSERR_INVALIDPARAM;
    *written = kFullRecordBytes;
    return DS_OK;
  }
  const DWORD n = sizeAllocated < kFullRecordBytes ? sizeAllocated : kFullRecordBytes;
  std::memcpy(format, &format_, n);
  if (written) *written = n;
  return DS_OK;
}

HRESULT SoundBuffer::GetVolume(LPLONG volume) {
  if (!volume) return DSERR_INVALIDPARAM;
  if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
  *volume = volume_;
  return DS_OK;
}

HRESULT SoundBuffer::GetPan(LPLONG pan) {
  if (!pan) return DSERR_INVALIDPARAM;
  if (!(flags_ & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
  *pan = pan_;
  return DS_OK;
}

HRESULT SoundBuffer::GetFrequency(LPDWORD frequency) {
  if (!frequency) return DSERR_INVALIDPARAM;
  if (!(flags_ & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
  *frequency = frequency_ ? frequency_ : format_.nSamplesPerSec;
  return DS_OK;
}

HRESULT SoundBuffer::GetStatus(LPDWORD status) {
  if (!status) return DSERR_INVALIDPARAM;
  DWORD s = lost_ ? DSBSTATUS_BUFFERLOST : 0;
  if (sound_ && Sounding()) s |= DSBSTATUS_PLAYING | (looping_ ? DSBSTATUS_LOOPING : 0);
  *status = s;
  return DS_OK;
}

HRESULT SoundBuffer::Initialize(LPDIRECTSOUND, LPCDSBUFFERDESC) {
  return DSERR_ALREADYINITIALIZED;
}

HRESULT SoundBuffer::Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD firstBytes, LPVOID* second,
                          LPDWORD secondBytes, DWORD flags) {
  if (!first || !firstBytes) return DSERR_INVALIDPARAM;
  if (!sound_) return DSERR_INVALIDCALL;  // the primary buffer is the mixer's
  if (lost_) return DSERR_BUFFERLOST;
  const DWORD size = Size();
  if (flags & DSBLOCK_FROMWRITECURSOR) GetCurrentPosition(nullptr, &offset);
  if (flags & DSBLOCK_ENTIREBUFFER) bytes = size;
  if (offset >= size || bytes == 0 || bytes > size) return DSERR_INVALIDPARAM;
  const DWORD head = bytes < size - offset ? bytes : size - offset;
  const DWORD rest = bytes - head;
  if (rest && !second) return DSERR_INVALIDPARAM;
  // The audio thread may be reading the sound: the caller writes a copy,
  // which holds the sound as it is, for a caller that reads before it writes.
  if (locks_++ == 0) staging_ = Data().bytes;
  *first = staging_.data() + offset;
  *firstBytes = head;
  if (second) *second = rest ? staging_.data() : nullptr;
  if (secondBytes) *secondBytes = rest;
  return DS_OK;
}

bool SoundBuffer::InStaging(const void* p, DWORD n) const {
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  const auto start = reinterpret_cast<std::uintptr_t>(staging_.data());
  return !staging_.empty() && at >= start && n <= staging_.size() && at - start <= staging_.size() - n;
}

HRESULT SoundBuffer::Unlock(LPVOID first, DWORD firstBytes, LPVOID second, DWORD secondBytes) {
  if (!sound_) return DSERR_INVALIDCALL;
  if (locks_ == 0 || !first || !InStaging(first, firstBytes)) return DSERR_INVALIDPARAM;
  if (second && !InStaging(second, secondBytes)) return DSERR_INVALIDPARAM;
  // Only the unlocked ranges are written: a duplicate's write since the
  // Lock stays.
  auto next = std::make_shared<SampleData>(Data());
  auto write = [&](LPVOID p, DWORD n) {
    const auto at = static_cast<const std::uint8_t*>(p) - staging_.data();
    std::memcpy(next->bytes.data() + at, p, n);
  };
  write(first, firstBytes);
  if (second) write(second, secondBytes);
  if (--locks_ == 0) std::vector<std::uint8_t>().swap(staging_);
  sound_->data = next;
  for (MixVoice* v : sound_->voices) Mixer::Get().SwapData(v, next);
  return DS_OK;
}

HRESULT SoundBuffer::Play(DWORD, DWORD, DWORD flags) {
  if (!sound_) return DS_OK;  // the primary buffer always plays the mix
  if (lost_) return DSERR_BUFFERLOST;
  const bool loop = (flags & DSBPLAY_LOOPING) != 0;
  Command c;
  c.voice = voice_;
  c.loop = loop;
  looping_ = loop;
  if (Sounding()) {
    c.kind = CommandKind::SetLoop;
  } else {
    c.kind = CommandKind::Play;
    playing_ = true;
    if (++generation_ == 0) ++generation_;  // 0 means "never ended"
    if (frame_ >= Data().frames) frame_ = 0;
    c.generation = generation_;
    c.frame = frame_;
  }
  Mixer::Get().Send(c);
  return DS_OK;
}

HRESULT SoundBuffer::SetCurrentPosition(DWORD position) {
  if (!sound_) return DSERR_INVALIDCALL;
  if (position >= Size()) return DSERR_INVALIDPARAM;
  const DWORD frame = position / format_.nBlockAlign;
  if (Sounding()) {
    Command c;
    c.kind = CommandKind::SetPosition;
    c.voice = voice_;
    c.frame = frame;
    Mixer::Get().Send(c);
  }
  frame_ = frame;
  return DS_OK;
}

HRESULT SoundBuffer::SetFormat(LPCWAVEFORMATEX format) {
  if (!Primary()) return DSERR_INVALIDCALL;
  if (device_->CooperativeLevel() < DSSCL_PRIORITY) return DSERR_PRIOLEVELNEEDED;
  if (HRESULT hr = CheckPcmFormat(format); hr != DS_OK) return hr;
  format_ = PcmRecord(format);
  return DS_OK;
}

HRESULT SoundBuffer::SetVolume(LONG volume) {
  if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
  if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return DSERR_INVALIDPARAM;
  volume_ = volume;
  SendParams();
  return DS_OK;
}

HRESULT SoundBuffer::SetPan(LONG pan) {
  if (!(flags_ & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
  if (pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT) return DSERR_INVALIDPARAM;
  pan_ = pan;
  SendParams();
  return DS_OK;
}

HRESULT SoundBuffer::SetFrequency(DWORD frequency) {
  if (!(flags_ & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
  if (frequency != DSBFREQUENCY_ORIGINAL && (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX))
    return DSERR_INVALIDPARAM;
  frequency_ = frequency;
  SendParams();
  return DS_OK;
}

HRESULT SoundBuffer::Stop() {
  if (!sound_ || !Sounding()) return DS_OK;
  frame_ = CurrentFrame();
  playing_ = looping_ = false;
  Command c;
  c.kind = CommandKind::Stop;
  c.voice = voice_;
  Mixer::Get().Send(c);
  return DS_OK;
}

HRESULT SoundBuffer::Restore() {
  lost_ = false;
  return DS_OK;
}

void SoundBuffer::Lose() {
  Stop();
  lost_ = true;
}

}  // namespace dsound
