#pragma once
// The folder the program runs from, with its dictionaries, run files and settings.
// Every part that reads or writes there is handed this one object when it is made;
// the writes go through its file system, which a test replaces to make them fail
// as on a full disk.

#include <cstddef>
#include <string>
#include <string_view>

namespace lexavo {

// The operations on files whose failure a test must be able to bring about.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Writes all of bytes to an open file descriptor; false, with errno set, when the
    // system does not take them.
    virtual bool writeAll(int fd, const char* data, size_t size);
    // The machine's own.
    static FileSystem& real();
};

class ProgramFolder {
  public:
    // path without a trailing separator.
    explicit ProgramFolder(std::string path, FileSystem& files = FileSystem::real())
        : path_(std::move(path)), files_(&files) {}

    const std::string& path() const { return path_; }
    // The path of the named file in the folder.
    std::string file(std::string_view name) const;
    FileSystem& files() const { return *files_; }

    // Replaces the named file by bytes the safe way; false, with the system's reason in
    // error, when it cannot.
    bool replaceFile(std::string_view name, std::string_view bytes,
                     std::string* error = nullptr) const;

  private:
    std::string path_;
    FileSystem* files_;
};

}  // namespace lexavo
