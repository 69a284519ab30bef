// Writing a buffer through Lock and Unlock while it plays: the locked bytes
// are the caller's own until Unlock, and the written sound takes over at one
// output frame, the Unlock's time plus the latency.
#include "dsound/support/dsound_fixture.h"

namespace {

using dstest::DeviceTest;
using Locks = DeviceTest;

void Fill(void* p, DWORD bytes, std::int16_t value) {
  auto* s = static_cast<std::int16_t*>(p);
  for (DWORD i = 0; i < bytes / 2; ++i) s[i] = value;
}

// The left channel of interleaved stereo output.
std::vector<std::int16_t> Left(const std::vector<std::int16_t>& out) {
  std::vector<std::int16_t> left;
  for (size_t i = 0; i < out.size(); i += 2) left.push_back(out[i]);
  return left;
}

TEST_F(Locks, AWriteToAPlayingBufferSoundsFromTheUnlockOnAndNeverBefore) {
  IDirectSoundBuffer* b = Constant(1000, 4410);
  ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  Render(Latency() + 2000);
  Sync();
  void *p1 = nullptr, *p2 = nullptr;
  DWORD n1 = 0, n2 = 0;
  ASSERT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
  ASSERT_EQ(n1, 8820u);
  Fill(p1, n1, 3000);
  // Locked bytes are not the ones the mixer reads: nothing changes yet.
  for (std::int16_t s : Left(Render(2 * Latency()))) ASSERT_EQ(s, 1000);
  Sync();
  ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
  // The sound the mixer still reads until the new one takes over stays alive
  // whatever the library frees meanwhile.
  EXPECT_EQ(dsound::LiveVoices(), 1u);
  // Blocks of 1000 frames put the change inside a block, not at its edge.
  const auto out = Left(Render(Latency() + 3000, 1000));
  for (int i = 0; i < static_cast<int>(out.size()); ++i)
    ASSERT_EQ(out[static_cast<size_t>(i)], i < Latency() ? 1000 : 3000) << "frame " << i;
}

TEST_F(Locks, OnlyTheUnlockedRangesAreWrittenAroundTheEndAndDuplicatesHearThem) {
  IDirectSoundBuffer* b = Constant(1000, 100);  // 200 bytes
  IDirectSoundBuffer* copy = nullptr;
  ASSERT_EQ(device_->DuplicateSoundBuffer(b, &copy), DS_OK);
  buffers_.push_back(copy);
  // The original locks the last 50 frames and the first 25, wrapping round.
  void *p1 = nullptr, *p2 = nullptr;
  DWORD n1 = 0, n2 = 0;
  ASSERT_EQ(b->Lock(100, 150, &p1, &n1, &p2, &n2, 0), DS_OK);
  ASSERT_EQ(n1, 100u);
  ASSERT_EQ(n2, 50u);
  // Meanwhile the duplicate writes frames 40..49 and is done first.
  void* q = nullptr;
  DWORD m = 0;
  ASSERT_EQ(copy->Lock(80, 20, &q, &m, nullptr, nullptr, 0), DS_OK);
  Fill(q, m, 5000);
  ASSERT_EQ(copy->Unlock(q, m, nullptr, 0), DS_OK);
  Fill(p1, n1, 2000);
  Fill(p2, n2, 3000);
  ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
  // The duplicate plays what both wrote.
  ASSERT_EQ(copy->Play(0, 0, 0), DS_OK);
  const auto out = Left(Render(Latency() + 100));
  std::vector<std::int16_t> heard(out.begin() + Latency(), out.end());
  std::vector<std::int16_t> expected(100, 1000);
  std::fill(expected.begin(), expected.begin() + 25, 3000);
  std::fill(expected.begin() + 40, expected.begin() + 50, 5000);
  std::fill(expected.begin() + 50, expected.end(), 2000);
  EXPECT_EQ(heard, expected);
}

TEST_F(Locks, UnlockTakesOnlyWhatALockHandedOut) {
  IDirectSoundBuffer* b = Constant(1000, 100);
  void *p1 = nullptr, *p2 = nullptr;
  DWORD n1 = 0, n2 = 0;
  struct Case {
    const char* what;
    int offset;  // from the locked pointer
    DWORD bytes;
  } cases[] = {
      {"before the lock's bytes", -2, 2},
      {"past the end", 100, 102},
      {"longer than the buffer", 0, 202},
  };
  EXPECT_EQ(b->Unlock(&n1, 2, nullptr, 0), DSERR_INVALIDPARAM) << "no lock";
  ASSERT_EQ(b->Lock(0, 200, &p1, &n1, &p2, &n2, 0), DS_OK);
  for (const Case& c : cases)
    EXPECT_EQ(b->Unlock(static_cast<char*>(p1) + c.offset, c.bytes, nullptr, 0), DSERR_INVALIDPARAM) << c.what;
  ASSERT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);
  EXPECT_EQ(b->Unlock(p1, n1, nullptr, 0), DSERR_INVALIDPARAM) << "the lock was given back";
}

}  // namespace
