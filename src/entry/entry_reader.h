#pragma once
// Reading the entries of the current dictionary from its .dt2 file: every headword
// slot equal to the word (homographs), the record of each, decoded and split into
// meanings, German articles joined to their nouns in the Czech-German direction.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace lexavo {

constexpr size_t kMeaningSlots = kMaxMeaningsPerRecord;
constexpr size_t kMeaningBytes = kMaxMeaningBytes + 1;
constexpr size_t kMaxHomographs = 10;
constexpr size_t kEntryRecordBytes = kMaxRecordBytes + 1;

// A fixed table of zero-terminated meanings of at most kMeaningBytes - 1 bytes.
// Slots from count on are always empty.
struct MeaningTable {
    MeaningTable();
    char text[kMeaningSlots][kMeaningBytes];
    int32_t count;
    void clear();
    std::string_view at(size_t i) const;
};

struct HomographSlots {
    int32_t records[kMaxHomographs];
    int32_t count;
};

enum class CollectStatus { kOk, kEntryFileMissing };

class EntryReader {  // owns the record-offset cache
  public:
    EntryReader();
    ~EntryReader();
    EntryReader(const EntryReader&) = delete;
    EntryReader& operator=(const EntryReader&) = delete;

    // Every slot equal to word (at most 10, highest slot first), read, decoded, split,
    // articles merged in "Čj->Nj"; meanings gathered in entryMeanings. The entry file is
    // the store's, in the folder it was loaded from.
    CollectStatus collectEntryMeanings(const DictionaryStore& store, std::string_view word);
    // Looks at the entry file itself: kEntryFileMissing when it is not there (or not
    // a regular file); otherwise it is read again if it changed since it was read.
    CollectStatus checkEntryFile(const DictionaryStore& store);
    // Reads the given homograph slots (highest first, at most 10) from the entry file
    // as last checked, without looking at the file again: for a run of many lookups
    // (a text translation) after one check.
    void collectCheckedSlots(const DictionaryStore& store, const uint32_t* slots, size_t count);

    HomographSlots homographSlots;
    MeaningTable recordMeanings;
    MeaningTable entryMeanings;

    // Times the entry file was read; tests watch it to see the reader follow a
    // changed file.
    uint64_t cacheBuilds() const;
    // Returns once the reader has taken note of every change to files so far: for
    // tests, which change the entry file and look a word up at once.
    void settleFileWatch() const;

  private:
    struct EntryFile;
    CollectStatus readHomographs(const DictionaryStore& store);
    void readCheckedHomographs(const DictionaryStore& store);
    bool unchangedSinceLastLook(const DictionaryStore& store) const;
    std::unique_ptr<EntryFile> file_;
    char entryRecordBuffer_[kEntryRecordBytes];
};

// The steps the collectors share, on the fixed structures above.
// Splits a decoded text at 0x03 into meanings. Meanings past the 200th are dropped
// and each meaning keeps its first 49 bytes.
void splitMeanings(const char* text, MeaningTable& meanings);
// Joins "Hund der", "Hund" into "der Hund" (Czech-German direction).
void mergeGermanArticles(MeaningTable& meanings);
// Appends the counted meanings of one record; past 200 gathered meanings the rest
// of the record is dropped.
void appendMeanings(const MeaningTable& record, MeaningTable& entry);
// Decodes a record read into buffer, splits it into `record`, joins the German
// articles in "Čj->Nj" and appends the meanings to `entry`.
void takeEntryRecord(const DictionaryStore& store, char* buffer, MeaningTable& record,
                     MeaningTable& entry);
// Record numbers of the homographs of word: highest slot first, at most 10, with
// the Czech-first titles' shift by one.
void findHomographs(const DictionaryStore& store, std::string_view word, HomographSlots& out);

}  // namespace lexavo
