#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "shell/dialog_filter.h"
#include "shell/number_text.h"

namespace murkvale {
namespace {

struct NumberCase {
    const wchar_t* text;
    std::optional<std::uint64_t> expected;
};

TEST(DataExchange, ParsesUnsignedDecimalOrRefuses) {
    const NumberCase cases[] = {
        {L"0", 0},
        {L"4294967295", 4294967295u},
        {L"4294967296", 4294967296u},  // sizes are 64-bit
        {L"18446744073709551615", 18446744073709551615u},
        {L"  42\t", 42},
        {L"\t 7", 7},
        {L"007", 7},
        {L"18446744073709551616", std::nullopt},  // one past 64 bits
        {L"99999999999999999999", std::nullopt},
        {L"-1", std::nullopt},
        {L"+1", std::nullopt},
        {L"", std::nullopt},
        {L" \t ", std::nullopt},
        {L"1 2", std::nullopt},
        {L"12a", std::nullopt},
        {L"0x10", std::nullopt},
        {L"1\n", std::nullopt},
        {L"\x0661", std::nullopt},  // a digit of another script
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseUnsignedDecimal(c.text), c.expected) << "text: \"" << c.text << '"';
    }
}

TEST(DataExchange, FormatsWhatItParses) {
    for (const std::uint64_t value : {0ull, 4294967295ull, 18446744073709551615ull}) {
        EXPECT_EQ(parseUnsignedDecimal(formatUnsignedDecimal(value)), value);
    }
    EXPECT_EQ(formatUnsignedDecimal(4294967295u), L"4294967295");
}

TEST(Paths, FilterBecomesNulSeparatedPairs) {
    EXPECT_EQ(dialogFilter(L"All Files (*.*)|*.*||"),
              std::wstring(L"All Files (*.*)\0*.*\0\0\0\0", 23));
    // Without the closing bars the list still ends in an empty text.
    EXPECT_EQ(dialogFilter(L"A|*.a"), std::wstring(L"A\0*.a\0\0", 7));
}

}  // namespace
}  // namespace murkvale
