#pragma once
// The folder a fuzz target writes its files into: made once per process.

#include <cstdlib>
#include <filesystem>
#include <string>

inline const std::string& scratchDir() {
    static const std::string dir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lexavo-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return pattern;
    }();
    return dir;
}
