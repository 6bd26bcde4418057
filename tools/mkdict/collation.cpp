#include "collation.h"

#include <unicode/coll.h>
#include <unicode/sortkey.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace lexavo::mkdict {

Status collationOrder(const std::vector<std::string>& utf8, const std::string& locale,
                      std::vector<size_t>& order) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale(locale.c_str()), status));
    if (U_FAILURE(status) || !collator) {
        return Status::failure("no collator for locale " + locale);
    }
    std::vector<std::string> keys(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8[i]);
        const int32_t n = collator->getSortKey(text, nullptr, 0);
        keys[i].resize(static_cast<size_t>(n));
        collator->getSortKey(text, reinterpret_cast<uint8_t*>(keys[i].data()), n);
    }
    order.resize(utf8.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (keys[a] != keys[b]) return keys[a] < keys[b];
        return utf8[a] < utf8[b];
    });
    return {};
}

}  // namespace lexavo::mkdict
