#include "shell/number_text.h"

#include <limits>

namespace murkvale {

namespace {
bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
}  // namespace

std::optional<std::uint64_t> parseUnsignedDecimal(std::wstring_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    if (begin == end) return std::nullopt;

    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const wchar_t c = text[i];
        if (c < L'0' || c > L'9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - L'0');
        if (value > (kMax - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::wstring formatUnsignedDecimal(std::uint64_t value) { return std::to_wstring(value); }

}  // namespace murkvale
