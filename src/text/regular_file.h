#pragma once
// Reading the program's files safely: only a regular file is read (following
// symbolic links), opening never blocks, so a FIFO, a device or a folder in a
// file's place counts as missing, and nothing is read past a limit that no real
// file reaches.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace lexavo {

// Limits of the files read whole.
constexpr size_t kMaxRunFileBytes = size_t{64} << 20;       // history and user dictionaries
constexpr size_t kMaxTextFileBytes = size_t{512} << 20;     // texts opened on the translator page
constexpr size_t kMaxHeadwordFileBytes = size_t{64} << 20;  // .dt1: 400,000 records of 22 bytes
constexpr size_t kMaxEntryFileBytes = size_t{512} << 20;    // .dt2: 400,000 records of 1,000

// The file at path opened for reading when it is a regular file; nullptr otherwise,
// with errno telling why (EISDIR or EINVAL for a file that is not a regular one).
// size, when given, gets its size as the check found it.
std::FILE* openRegularFile(const std::string& path, uint64_t* size = nullptr);

enum class ReadResult {
    kOk,
    kMissing,   // absent, unreadable, or not a regular file; errno tells which
    kTooLarge,  // larger than the limit: nothing is kept
};
// The whole regular file at path into out.
ReadResult readRegularFile(const std::string& path, size_t limit, std::string& out);

}  // namespace lexavo
