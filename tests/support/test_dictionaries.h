#pragma once
// Fixture builders: temporary program directories holding dictionary sets written
// by the program's own writer.

#include <string>
#include <utility>
#include <vector>

#include "dictionary/formats.h"

namespace lexavo::testing {

// A fresh directory under the system's temporary directory, removed with the object.
class TempProgramDir {
  public:
    TempProgramDir();
    ~TempProgramDir();
    TempProgramDir(const TempProgramDir&) = delete;
    TempProgramDir& operator=(const TempProgramDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void writeFile(const std::string& name, const std::string& bytes) const;
    std::string readFile(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    std::string path_;
};

// One headword and its meanings (code page 1250 bytes).
struct TestEntry {
    std::string headword;
    std::vector<std::string> meanings;
};

// Writes a set; extraLeadingRecord follows the title (the Czech-first titles).
void writeTestSet(const TempProgramDir& dir, const std::string& stem, const std::string& title,
                  const std::string& direction, const std::string& wordLabel,
                  const std::vector<TestEntry>& entries);

// The English-Czech set most tests use, titled "Anglicko-český slovník".
void writeEnglishCzechSet(const TempProgramDir& dir, const std::string& stem = "angcze");

// UTF-8 literal to code page 1250 bytes, for readable test data.
std::string cp(const char* utf8);

}  // namespace lexavo::testing
