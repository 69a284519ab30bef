// Seed inputs for the fuzz targets, made by the project's own writers: the
// BMP and JPEG encoders, the form writer and text converter, the profile and
// registry serialisers and the text-file writer.
#pragma once

#include <string>
#include <vector>

namespace drums_fuzz {

// The seeds of one target by its name ("bmp", "jpeg", "form_reader"...).
std::vector<std::string> Seeds(const std::string& target);
// Every target's name.
std::vector<std::string> Targets();

// A folder of the process's own for files a target must put on disk.
const std::string& ScratchDir();

// Registers the sample component classes that form inputs name.
void RegisterFuzzClasses();

}  // namespace drums_fuzz
