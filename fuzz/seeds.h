// Seed inputs for the fuzz targets, made by the project's own writers: the
// BMP and JPEG encoders, the form writer and text converter, the profile and
// registry serialisers and the text-file writer; and for the program's own
// readers its wave, wave collection, song, recent-list and MIDI writers
// (program_seeds.cpp).
#pragma once

#include <string>
#include <vector>

namespace drums_fuzz {

// The seeds of one target by its name ("bmp", "jpeg", "form_reader"...).
std::vector<std::string> Seeds(const std::string& target);
// Every target's name.
std::vector<std::string> Targets();

// The seeds of the program's own readers ("wav", "wave_collection",
// "song_file", "recent", "midi_import", "user_kit"); none for another name.
std::vector<std::string> ProgramSeeds(const std::string& target);

// A folder of the process's own for files a target must put on disk.
const std::string& ScratchDir();
// Writes bytes to name in the scratch folder and returns the file's path.
std::string WriteScratchFile(const std::string& name, const std::string& bytes);
// A whole file's bytes (empty when it cannot be read).
std::string ReadWholeFile(const std::string& path);

// Registers the sample component classes that form inputs name.
void RegisterFuzzClasses();

}  // namespace drums_fuzz
