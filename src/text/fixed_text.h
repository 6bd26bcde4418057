#pragma once
// A zero-terminated byte string in a fixed buffer of N bytes, as the program's
// working buffers are: every write is cut so that the terminator fits.

#include <cstddef>
#include <cstring>
#include <string_view>

namespace lexavo {

template <size_t N>
class FixedText {
  public:
    static constexpr size_t kCapacity = N;

    void clear() { std::memset(data_, 0, N); }
    // Replaces the text by at most maxChars bytes of text (and never more than N - 1).
    void set(std::string_view text, size_t maxChars = N - 1) {
        clear();
        size_t n = text.size();
        if (n > maxChars) n = maxChars;
        if (n > N - 1) n = N - 1;
        if (n != 0) std::memcpy(data_, text.data(), n);
    }
    std::string_view view() const { return std::string_view(data_, std::strlen(data_)); }
    size_t size() const { return std::strlen(data_); }
    bool empty() const { return data_[0] == 0; }
    char* data() { return data_; }
    const char* c_str() const { return data_; }
    char& operator[](size_t i) { return data_[i]; }
    char operator[](size_t i) const { return data_[i]; }

  private:
    char data_[N] = {};
};

}  // namespace lexavo
