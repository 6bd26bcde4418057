#pragma once
// The catalogue of installed dictionaries: the .nfo files of the program directory.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"

namespace lexavo {

// The catalogue keeps at most this many names, each at most this long (a stem of
// up to 8 characters and its extension); further files and longer names are
// passed over, so every stem fits the 15-byte file names of a set.
constexpr size_t kCatalogueEntries = 100;
constexpr size_t kCatalogueNameChars = 12;

class Catalogue {
  public:
    // Rebuilds the list from the regular, non-hidden files of dir whose extension
    // is .nfo in any case, in name order.
    void scanCatalogue(const std::string& dir);

    const std::vector<std::string>& names() const { return names_; }

    // The name of the first set, in name order, whose information record in dir has
    // this title; empty when none has. `seen` is called with every record read, in
    // order, so that a caller can follow them (the chooser does). The records are read
    // into one buffer, so a short file keeps the bytes of the record before it.
    std::string findByTitle(const std::string& dir, std::string_view title,
                            const std::function<void(const DictInfo&)>& seen = {}) const;
    size_t count() const { return names_.size(); }

  private:
    std::vector<std::string> names_;
};

// The three file names of the set a catalogue name belongs to: the stem (the name
// up to its first '.') with .nfo, .dt1 and .dt2.
DictFileNames fileNamesFor(const std::string& catalogueName);

// Reads the information record of one catalogue entry into info. A short file
// fills only the bytes it has. False when the file does not open.
bool readInfoRecord(const std::string& dir, const std::string& name, DictInfo& info);

}  // namespace lexavo
