// The step engine's view of a track's wave list.
#include <gtest/gtest.h>

#include "drummachine/kits/DsTrackWaveList.h"
#include "kits_fixture.h"

namespace {

using kits_test::KitsTest;

TEST_F(KitsTest, TheAdapterPlaysTheIndexedWaveWithItsValues) {
  AddItem(lists[1], "low", 1000, 4410);
  TWaveCollectionItem* high = AddItem(lists[1], "high", 16384, 4410);
  TDsTrackWaveList track(lists[1]);
  EXPECT_EQ(track.GetCount(), 2);

  track.SetItemVolume(1, -600);
  track.SetItemPan(1, -10000);
  track.SetItemFrequency(1, 22050);
  EXPECT_EQ(high->GetVolume(), -600);
  EXPECT_EQ(high->GetPan(), -10000);
  EXPECT_EQ(high->GetFrequency(), 22050);
  track.PlayItem(1);
  const std::vector<std::int16_t> out = Render(Latency() + 100);
  EXPECT_EQ(out[out.size() - 2], 8211) << "left: wave 1 at -6 dB";
  EXPECT_EQ(out.back(), 0) << "right: panned away";

  track.StopItem(1);
  EXPECT_EQ(Render(Latency() + 10).back(), 0) << "stopped";
}

// An index outside the list does nothing, whatever the call.
TEST_F(KitsTest, TheAdapterIgnoresAnIndexOutsideTheList) {
  TWaveCollectionItem* only = AddItem(lists[2], "only", 1000, 4410);
  TDsTrackWaveList track(lists[2]);
  for (int index : {-1, 1, 16}) {
    SCOPED_TRACE(index);
    track.SetItemVolume(index, -600);
    track.SetItemPan(index, 5000);
    track.SetItemFrequency(index, 22050);
    track.PlayItem(index);
    track.StopItem(index);
  }
  EXPECT_EQ(only->GetVolume(), 0);
  EXPECT_EQ(only->GetPan(), 0);
  EXPECT_EQ(only->GetFrequency(), 0);
  EXPECT_EQ(only->GetVoiceCount(), 0);
  EXPECT_EQ(Render(Latency() + 10).back(), 0);

  TDsTrackWaveList empty(lists[3]);
  EXPECT_EQ(empty.GetCount(), 0);
  empty.PlayItem(0);
  EXPECT_EQ(Render(Latency() + 10).back(), 0);
}

}  // namespace
