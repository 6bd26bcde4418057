#pragma once
// Files of the program are opened by bare names inside the program directory.
// Dictionary sets copied from other systems may carry upper-case names
// (ANGCZE.NFO), so a name that does not exist exactly is matched without
// regard to ASCII case.

#include <cstdio>
#include <string>

namespace lexavo {

// Full path of `name` inside `dir`: the exact name when such a file exists,
// otherwise the first regular file whose name equals it under ASCII case folding,
// otherwise the exact path (which then does not open).
std::string resolveInDir(const std::string& dir, const std::string& name);

// Opens a regular file of dir (resolved as above) for binary reading; nullptr when
// there is none. Directories never open, although the C library would open them.
std::FILE* openInDir(const std::string& dir, const std::string& name);

// The ASCII case-insensitive equality used for file names.
bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b);

}  // namespace lexavo
