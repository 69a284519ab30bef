// The wave a file dialog plays so a person can listen before choosing: one
// temporary wave at the end of a track's wave list, replaced by each preview
// and taken away when the dialog closes. The track's own wave and settings
// stay as they are.
#pragma once

#include <string>

#include "sound/WaveCollection.h"
#include "sound/Wave.h"

class TWavePreview {
 public:
  TWavePreview() = default;
  TWavePreview(const TWavePreview&) = delete;
  TWavePreview& operator=(const TWavePreview&) = delete;
  ~TWavePreview() = default;

  // The dialog shows, previewing into bank (none: previews do nothing).
  void Begin(TWaveCollection* bank);
  // Reads path and plays it once (pan 0, 44,100 Hz, full volume) as the
  // temporary wave. The file is read first: one that cannot be read raises
  // and leaves the list and the previous preview as they were.
  void Play(const std::string& path);
  // The dialog closes: the temporary wave, if one was made, goes.
  void End();
  // Whether a temporary wave is in the list now.
  bool HasWave() const;

 private:
  void RemoveWave();

  TWaveCollection* FBank = nullptr;
  // The temporary wave is known by its item id, so that nothing else in the
  // list is ever taken for it.
  int FWaveId = -1;
  TWave FScratch;
};
