#include "platform/dsound/mixer/render_voice.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace dsound {
namespace {

constexpr std::uint64_t kOne = std::uint64_t{1} << 32;
constexpr float kFraction = 1.0f / 4294967296.0f;

template <int Bits>
inline float SampleAt(const std::uint8_t* bytes, std::size_t index) {
  if constexpr (Bits == 8) {
    return static_cast<float>((static_cast<int>(bytes[index]) - 128) * 256);
  } else {
    std::int16_t s;
    std::memcpy(&s, bytes + index * 2, 2);
    return static_cast<float>(s);
  }
}

inline float CatmullRom(float p0, float p1, float p2, float p3, float t) {
  const float a = -0.5f * p0 + 1.5f * p1 - 1.5f * p2 + 0.5f * p3;
  const float b = p0 - 2.5f * p1 + 2.0f * p2 - 0.5f * p3;
  const float c = 0.5f * (p2 - p0);
  return ((a * t + b) * t + c) * t + p1;
}

template <int Channels, int Bits>
struct Reader {
  const std::uint8_t* bytes;
  std::int64_t frames;
  bool loop;

  // Frame i, channel ch; outside the sound: wrapped when looping, else silence.
  float At(std::int64_t i, int ch) const {
    if (i < 0 || i >= frames) {
      if (!loop) return 0.0f;
      i %= frames;
      if (i < 0) i += frames;
    }
    return SampleAt<Bits>(bytes, static_cast<std::size_t>(i) * Channels + ch);
  }
};

template <int Channels, int Bits>
int Render(MixVoice& v, float* out, int frames) {
  const SampleData& d = *v.data;
  const std::int64_t total = d.frames;
  if (total == 0) return 0;
  const std::uint64_t end = static_cast<std::uint64_t>(total) << 32;
  const Reader<Channels, Bits> r{d.bytes.data(), total, v.loop};
  const float gl = v.gainLeft, gr = v.gainRight;
  std::uint64_t pos = v.position;
  const std::uint64_t step = v.step;
  int n = 0;
  if (step == kOne && (pos & 0xFFFFFFFFu) == 0) {
    // The sound's own rate: the frames as they are.
    std::int64_t i = static_cast<std::int64_t>(pos >> 32);
    while (n < frames) {
      if (i >= total) {
        if (!v.loop) break;
        i = 0;
      }
      const std::int64_t run = std::min<std::int64_t>(frames - n, total - i);
      for (std::int64_t k = 0; k < run; ++k, ++i, ++n) {
        const std::size_t at = static_cast<std::size_t>(i) * Channels;
        const float left = SampleAt<Bits>(r.bytes, at);
        const float right = Channels == 2 ? SampleAt<Bits>(r.bytes, at + 1) : left;
        out[2 * n] += left * gl;
        out[2 * n + 1] += right * gr;
      }
    }
    v.position = static_cast<std::uint64_t>(i) << 32;
    if (i >= total && !v.loop) v.position = end;
    return n;
  }
  while (n < frames) {
    if (pos >= end) {
      if (!v.loop) break;
      pos %= end;
    }
    const std::int64_t i = static_cast<std::int64_t>(pos >> 32);
    const float t = static_cast<float>(pos & 0xFFFFFFFFu) * kFraction;
    float left, right;
    if (i >= 1 && i + 2 < total) {
      const std::size_t at = static_cast<std::size_t>(i - 1) * Channels;
      left = CatmullRom(SampleAt<Bits>(r.bytes, at), SampleAt<Bits>(r.bytes, at + Channels),
                        SampleAt<Bits>(r.bytes, at + 2 * Channels), SampleAt<Bits>(r.bytes, at + 3 * Channels), t);
      right = Channels == 2 ? CatmullRom(SampleAt<Bits>(r.bytes, at + 1), SampleAt<Bits>(r.bytes, at + 1 + Channels),
                                         SampleAt<Bits>(r.bytes, at + 1 + 2 * Channels),
                                         SampleAt<Bits>(r.bytes, at + 1 + 3 * Channels), t)
                            : left;
    } else {
      left = CatmullRom(r.At(i - 1, 0), r.At(i, 0), r.At(i + 1, 0), r.At(i + 2, 0), t);
      right = Channels == 2 ? CatmullRom(r.At(i - 1, 1), r.At(i, 1), r.At(i + 1, 1), r.At(i + 2, 1), t) : left;
    }
    out[2 * n] += left * gl;
    out[2 * n + 1] += right * gr;
    ++n;
    pos += step;
  }
  v.position = pos;
  return n;
}

}  // namespace

int RenderVoice(MixVoice& voice, float* accumulator, int frames) {
  const SampleData& d = *voice.data;
  if (d.channels == 2) {
    return d.bits == 8 ? Render<2, 8>(voice, accumulator, frames) : Render<2, 16>(voice, accumulator, frames);
  }
  return d.bits == 8 ? Render<1, 8>(voice, accumulator, frames) : Render<1, 16>(voice, accumulator, frames);
}

}  // namespace dsound
