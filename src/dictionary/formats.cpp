#include "dictionary/formats.h"

#include <algorithm>
#include <fstream>
#include <utility>

namespace lexavo {

// The literals are written as code page 1250 bytes: 0xE8 č, 0xC8 Č, 0xEC ě, 0xED í,
// 0xFD ý.
const char* const kTitleEnglishCzech =
    "Anglicko-\xE8"
    "esk\xFD slovn\xEDk";
const char* const kTitleCzechEnglish =
    "\xC8"
    "esko-anglick\xFD slovn\xEDk";
const char* const kTitleGermanCzech =
    "N\xECmecko-\xE8"
    "esk\xFD slovn\xEDk";
const char* const kTitleCzechGerman =
    "\xC8"
    "esko-n\xECmeck\xFD slovn\xEDk";
const char* const kDirectionCzechGerman = "\xC8j->Nj";
const char* const kDirectionGermanCzech = "Nj->\xC8j";

uint32_t DictInfo::headwordCount() const {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

void DictInfo::setHeadwordCount(uint32_t count) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((count >> (8 * i)) & 0xFF);
}

std::string_view DictInfo::field(size_t offset, size_t size) const {
    const char* start = bytes.data() + offset;
    size_t n = 0;
    while (n < size && start[n] != 0) ++n;
    return {start, n};
}

void DictInfo::setField(size_t offset, size_t size, std::string_view text) {
    std::memset(bytes.data() + offset, 0, size);
    const size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n != 0) std::memcpy(bytes.data() + offset, text.data(), n);
}

std::string scramble(std::string_view text) {
    std::string out(text);
    for (size_t k = 0; k + 1 < out.size(); k += 2) std::swap(out[k], out[k + 1]);
    for (char& c : out) c = static_cast<char>(~static_cast<unsigned char>(c));
    return out;
}

std::string unscramble(std::string_view stored) {
    std::string out(stored);
    for (char& c : out) c = static_cast<char>(~static_cast<unsigned char>(c));
    for (size_t k = 0; k + 1 < out.size(); k += 2) std::swap(out[k], out[k + 1]);
    return out;
}

void decodeEntryRecord(char* buffer) {
    size_t n = 0;
    while (n < kMaxRecordBytes && buffer[n] != 0) {
        buffer[n] = static_cast<char>(~static_cast<unsigned char>(buffer[n]));
        if (buffer[n] == 0) break;  // a stored 0xFF ends the text here
        ++n;
    }
    for (size_t k = 0; k + 1 < n; k += 2) std::swap(buffer[k], buffer[k + 1]);
}

std::string encodeHeadwordRecord(std::string_view headword) {
    return scramble(headword) + kRecordTerminator;
}

DecodeStatus decodeHeadwordRecord(std::string_view& input, char* out, size_t* length) {
    const char* p = input.data();
    const void* terminator = std::memchr(p, kRecordTerminator, input.size());
    if (terminator == nullptr) {
        std::memset(out, 0, kMaxHeadwordBytes + 1);
        input.remove_prefix(input.size());
        if (length != nullptr) *length = 0;
        return DecodeStatus::kTruncated;
    }
    const size_t end = static_cast<size_t>(static_cast<const char*>(terminator) - p);
    const size_t kept = std::min(end, kMaxHeadwordBytes);
    // Every kept byte is complemented; the text ends at the first that becomes zero.
    size_t len = kept;
    for (size_t j = 0; j < kept; ++j) {
        const char c = static_cast<char>(~static_cast<unsigned char>(p[j]));
        out[j] = c;
        if (c == 0 && len == kept) len = j;
    }
    std::memset(out + kept, 0, kMaxHeadwordBytes + 1 - kept);
    for (size_t k = 0; k + 1 < len; k += 2) std::swap(out[k], out[k + 1]);
    input.remove_prefix(end + 1);
    if (length != nullptr) *length = len;
    return DecodeStatus::kOk;
}

std::string encodeEntryRecord(const std::vector<std::string>& meanings) {
    std::string text;
    for (size_t i = 0; i < meanings.size(); ++i) {
        if (i > 0) text.push_back(kMeaningSeparator);
        text += meanings[i];
    }
    return scramble(text) + kRecordTerminator;
}

bool isCzechFirstTitle(std::string_view title) {
    return title == kTitleCzechEnglish || title == kTitleCzechGerman;
}

int32_t entryRecordOfSlot(std::string_view title, uint32_t slot) {
    return static_cast<int32_t>(slot) + (isCzechFirstTitle(title) ? 1 : 0);
}

bool writeDictionarySet(const std::string& dir, const DictionarySetHeader& header,
                        const std::vector<std::string>& headwords,
                        const std::vector<std::vector<std::string>>& entries) {
    const std::string base = dir + "/" + header.stem;
    DictInfo info;
    info.setHeadwordCount(static_cast<uint32_t>(headwords.size()));
    info.setTitle(header.title);
    info.setDirection(header.direction);
    info.setWordLabel(header.wordLabel);
    {
        std::ofstream nfo(base + ".nfo", std::ios::binary | std::ios::trunc);
        nfo.write(info.bytes.data(), info.bytes.size());
        if (!nfo) return false;
    }
    {
        std::ofstream dt1(base + ".dt1", std::ios::binary | std::ios::trunc);
        for (const auto& h : headwords) dt1 << encodeHeadwordRecord(h);
        if (!dt1) return false;
    }
    std::ofstream dt2(base + ".dt2", std::ios::binary | std::ios::trunc);
    if (header.extraLeadingRecord) dt2 << kRecordTerminator;
    for (size_t i = 0; i < headwords.size(); ++i) {
        dt2 << encodeEntryRecord(i < entries.size() ? entries[i] : std::vector<std::string>{});
    }
    return static_cast<bool>(dt2);
}

}  // namespace lexavo
