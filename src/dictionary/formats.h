#pragma once
// The three files of a dictionary set <stem>.nfo, <stem>.dt1, <stem>.dt2.
//
// .nfo: one 176-byte record, integers little-endian, text code page 1250:
//   offset   0, 4 bytes: headword count (unsigned)
//   offset   4, 100 bytes: title, zero-terminated
//   offset 104, 20 bytes: direction code such as "Aj->Čj", zero-terminated
//   offset 124, 52 bytes: caption of the word label, zero-terminated
// .dt1: headword records back to back; a record is the scrambled headword and the
//   unscrambled terminator 0x04.
// .dt2: entry records back to back, same scrambling and terminator; the text of a
//   record is its meanings separated by 0x03.
// Scrambling: neighbouring bytes are swapped pairwise (an odd last byte stays) and
// every byte is complemented. So no text may hold 0x00, 0xFB (stored as the
// terminator) or, in entry records, 0xFF (stored as 0x00, which ends the text).

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace lexavo {

constexpr size_t kInfoRecordBytes = 176;
constexpr size_t kInfoTitleOffset = 4;
constexpr size_t kInfoTitleBytes = 100;
constexpr size_t kInfoDirectionOffset = 104;
constexpr size_t kInfoDirectionBytes = 20;
constexpr size_t kInfoWordLabelOffset = 124;
constexpr size_t kInfoWordLabelBytes = 52;
constexpr char kRecordTerminator = 0x04;

// What the program's fixed storage keeps of a set; the compiler writes nothing beyond:
constexpr size_t kMaxHeadwordBytes = 21;       // of a headword, in its 40-byte slot
constexpr size_t kMaxMeaningBytes = 49;        // of a meaning (its table slot adds a zero)
constexpr size_t kMaxMeaningsPerRecord = 200;  // meanings read from one entry record
constexpr size_t kMaxRecordBytes = 999;        // of an entry record's text
constexpr char kMeaningSeparator = 0x03;

// The information record held byte for byte as stored.
struct DictInfo {
    std::array<char, kInfoRecordBytes> bytes{};

    uint32_t headwordCount() const;
    void setHeadwordCount(uint32_t count);
    // Zero-terminated fields; the views stop at the terminator or at the field end.
    std::string_view title() const { return field(kInfoTitleOffset, kInfoTitleBytes); }
    std::string_view direction() const { return field(kInfoDirectionOffset, kInfoDirectionBytes); }
    std::string_view wordLabel() const { return field(kInfoWordLabelOffset, kInfoWordLabelBytes); }
    // Setters cut the text so that the terminator always fits.
    void setTitle(std::string_view t) { setField(kInfoTitleOffset, kInfoTitleBytes, t); }
    void setDirection(std::string_view d) {
        setField(kInfoDirectionOffset, kInfoDirectionBytes, d);
    }
    void setWordLabel(std::string_view l) {
        setField(kInfoWordLabelOffset, kInfoWordLabelBytes, l);
    }

  private:
    std::string_view field(size_t offset, size_t size) const;
    void setField(size_t offset, size_t size, std::string_view text);
};

// Scrambling shared by both files: swap pairs, then complement (encode), or
// complement, then swap pairs (decode). The terminator is not part of the text.
std::string scramble(std::string_view text);
// Exact inverse of scramble for texts that obey the byte rules above.
std::string unscramble(std::string_view stored);

// Bytes no stored text may hold: 0x00, 0xFB and 0xFF break the scrambled record
// (see above), 0x03 separates meanings and 0x04 ends a record.
constexpr bool isForbiddenTextByte(unsigned char b) {
    return b == 0x00 || b == 0xFB || b == 0xFF || b == 0x03 || b == 0x04;
}
constexpr bool hasForbiddenTextBytes(std::string_view text) {
    for (char c : text) {
        if (isForbiddenTextByte(static_cast<unsigned char>(c))) return true;
    }
    return false;
}

// Encoded records including the terminator.
std::string encodeHeadwordRecord(std::string_view headword);

enum class DecodeStatus {
    kOk,
    kTruncated,  // the input ended before the record's terminator
};
// Decodes the headword record at the front of input and consumes it with its
// terminator. out (kMaxHeadwordBytes + 1 bytes) gets the first kMaxHeadwordBytes
// bytes of the text complemented, the ones before the first zero (a stored 0xFF)
// then swapped pairwise, and zeros after them; a longer headword loses its tail.
// length, when given, gets the headword's length up to that zero. On kTruncated
// input is consumed to its end and out is all zeros.
DecodeStatus decodeHeadwordRecord(std::string_view& input, char* out, size_t* length = nullptr);
std::string encodeEntryRecord(const std::vector<std::string>& meanings);

// Decodes an entry record read into buffer (at most kMaxRecordBytes, zero-terminated)
// in place: complement up to the first byte that becomes zero (a stored 0xFF ends the
// text), then swap byte pairs. The inverse of encodeEntryRecord without its terminator.
void decodeEntryRecord(char* buffer);

// Writes <dir>/<stem>.nfo, .dt1 and .dt2. entries[i] is the record of headword i;
// extraLeadingRecord writes one empty record before them (the Czech-first titles
// number their entry records from 1). Returns false when a file cannot be written.
struct DictionarySetHeader {
    std::string stem;
    std::string title;      // code page 1250
    std::string direction;  // code page 1250
    std::string wordLabel;  // code page 1250
    bool extraLeadingRecord = false;
};
bool writeDictionarySet(const std::string& dir, const DictionarySetHeader& header,
                        const std::vector<std::string>& headwords,
                        const std::vector<std::vector<std::string>>& entries);

// True for the two titles whose entry file numbers its records from 1.
bool isCzechFirstTitle(std::string_view title);
// The number of the entry record of a headword slot in a set with this title: the slot
// itself, or the slot + 1 for the Czech-first titles.
int32_t entryRecordOfSlot(std::string_view title, uint32_t slot);

// Titles and codes the program itself names (code page 1250 bytes).
extern const char* const kTitleEnglishCzech;     // "Anglicko-český slovník"
extern const char* const kTitleCzechEnglish;     // "Česko-anglický slovník"
extern const char* const kTitleGermanCzech;      // "Německo-český slovník"
extern const char* const kTitleCzechGerman;      // "Česko-německý slovník"
extern const char* const kDirectionCzechGerman;  // "Čj->Nj"
extern const char* const kDirectionGermanCzech;  // "Nj->Čj"

}  // namespace lexavo
