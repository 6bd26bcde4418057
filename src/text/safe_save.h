#pragma once
// The one way every save replaces a file: the new bytes go to a temporary file
// beside the real target (the file a symbolic link leads to), are flushed to the
// disk, take the target's mode and group, and only then are renamed over it. Until
// that rename the old file is whole; a save that fails leaves it untouched and no
// temporary file behind. Where no temporary file can be made in the target's
// folder (a folder the user may not write, holding a file the user may), the file
// is written in place.
//
// Temporary files are named ".<name>.lexavo-<process>-<n>.tmp", so that those a
// killed run left behind can be found and removed at the next start.

#include <string>
#include <string_view>

#include "text/program_folder.h"

namespace lexavo {

// False on any failure, with the system's reason in error. The bytes are written
// through files.
bool replaceFileSafely(const std::string& path, std::string_view bytes,
                       std::string* error = nullptr, FileSystem& files = FileSystem::real());

// Removes the temporary files of runs that have ended, in dir.
void removeLeftTemporaryFiles(const std::string& dir);

}  // namespace lexavo
