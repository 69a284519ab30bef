#include "drummachine/core/SongReset.h"

void ResetSong(TMainModel& model, int humanizeAmount) {
  TSong& song = model.Song;
  model.HasFileName = false;
  model.SongFileName.clear();
  model.SequenceRow = 0;
  model.SequenceColumn = 0;
  model.LastRow = 0;
  model.LastColumn.Fill(0);
  for (int t = 1; t <= SongTracks; ++t) {
    song.TrackPitch[t] = 44100;
    song.TrackVolume[t] = -1000;
    song.TrackPan[t] = 0;
    song.TrackMute[t] = false;
    song.TrackSolo[t] = false;
    song.TrackHumanize[t] = false;
    song.TrackOverdrive[t] = 0;
    song.HumanizeVolume[t] = humanizeAmount;
    song.HumanizePan[t] = humanizeAmount;
    song.HumanizePitch[t] = humanizeAmount;
  }
  song.SequenceGrid.Clear();
  song.StepOn.Fill(0);
  song.StepModified.Fill(0);
  song.Step32On.Fill(0);
  song.Step32Modified.Fill(0);
  model.Playing = false;
  model.ImportStep = 1;
  model.CurrentTrack = 1;
  model.EditedPattern = 1;
  song.SoloActive = false;
}
