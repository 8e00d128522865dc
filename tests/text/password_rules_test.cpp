// One table for the password's bytes, run by every build: natively through
// iconv, on Windows through the system's own code pages.
#include "text/password_rules.h"

#include <gtest/gtest.h>

#include <cctype>

#include "text/code_page.h"

namespace murkvale {
namespace {

struct PasswordCase {
    const char* name;
    std::string typed;  // UTF-8
    std::optional<unsigned> codePage;
    PasswordRefusal refusal;
    std::string bytes;  // expected when accepted
};

const PasswordCase kCases[] = {
    {"ascii", "ab", 1252, PasswordRefusal::None, "ab"},
    {"empty", "", 1252, PasswordRefusal::None, ""},
    {"western", "caf\xC3\xA9", 1252, PasswordRefusal::None, "caf\xE9"},
    {"central european", "\xC5\x82\xC3\xB3\xC5\xBC", 1250, PasswordRefusal::None, "\xB3\xF3\xBF"},
    {"cyrillic", "\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C", 1251, PasswordRefusal::None,
     "\xEF\xE0\xF0\xEE\xEB\xFC"},
    {"greek", "\xCE\xB1\xCE\xB2", 1253, PasswordRefusal::None, "\xE1\xE2"},
    // Two bytes a character in the Japanese code page: パス
    {"japanese", "\xE3\x83\x91\xE3\x82\xB9", 932, PasswordRefusal::None, "\x83\x70\x83\x58"},
    {"utf-8 stays utf-8", "caf\xC3\xA9", kCodePageUtf8, PasswordRefusal::None, "caf\xC3\xA9"},
    {"bytes as given", "caf\xC3\xA9", std::nullopt, PasswordRefusal::None, "caf\xC3\xA9"},
    // ł is not in 1252, and no look-alike "l" may stand in for it.
    {"missing from 1252", "\xC5\x82", 1252, PasswordRefusal::NotInCodePage, ""},
    {"japanese in 1251", "\xE6\x97\xA5", 1251, PasswordRefusal::NotInCodePage, ""},
    {"not utf-8", "ab\xFF", 1252, PasswordRefusal::NotInCodePage, ""},
    {"lone surrogate in utf-8", "\xED\xA0\x80", kCodePageUtf8, PasswordRefusal::NotInCodePage, ""},
    {"16 ascii bytes", "0123456789abcdef", 1252, PasswordRefusal::None, "0123456789abcdef"},
    {"17 ascii bytes", "0123456789abcdefg", 1252, PasswordRefusal::TooLong, ""},
    // 16 characters, 31 bytes of UTF-8, 16 bytes of 1252.
    {"16 accented characters",
     "\xC3\xA0\xC3\xA9\xC3\xAE\xC3\xB5\xC3\xBC\xC3\xA0\xC3\xA9\xC3\xAE\xC3\xB5\xC3\xBC\xC3\xA0\xC3"
     "\xA9\xC3\xAE\xC3\xB5\xC3\xBC"
     "x",
     1252, PasswordRefusal::None,
     "\xE0\xE9\xEE\xF5\xFC\xE0\xE9\xEE\xF5\xFC\xE0\xE9\xEE\xF5\xFC"
     "x"},
    // Eight Japanese characters fill sixteen bytes of 932: 日本語のパスワー
    {"8 japanese characters",
     "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x91\xE3\x82\xB9\xE3"
     "\x83\xAF\xE3\x83\xBC",
     932, PasswordRefusal::None,
     "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x70\x83\x58\x83\x8F\x81\x5B"},
    // Nine characters, eighteen bytes in 932.
    {"9 japanese characters",
     "\xE3\x83\x91\xE3\x82\xB9\xE3\x83\xAF\xE3\x83\xBC\xE3\x83\x89\xE3\x83\x91\xE3\x82\xB9\xE3"
     "\x83\xAF\xE3\x83\xBC",
     932, PasswordRefusal::TooLong, ""},
    {"16 accented characters as given",
     "\xC3\xA0\xC3\xA9\xC3\xAE\xC3\xB5\xC3\xBC\xC3\xA0\xC3\xA9\xC3\xAE\xC3\xB5", std::nullopt,
     PasswordRefusal::TooLong, ""},
};

class PasswordBytesTest : public ::testing::TestWithParam<PasswordCase> {};

TEST_P(PasswordBytesTest, ConvertsOrRefuses) {
    const PasswordCase& c = GetParam();
    const PasswordBytes result = preparePassword(c.typed, c.codePage);
    EXPECT_EQ(result.refusal, c.refusal);
    EXPECT_EQ(result.bytes, c.bytes);
    if (c.refusal == PasswordRefusal::None) {
        EXPECT_EQ(result.length, c.bytes.size());
    } else if (c.refusal == PasswordRefusal::TooLong) {
        EXPECT_GT(result.length, kMaxPasswordBytes);
    }
}

std::string caseName(const ::testing::TestParamInfo<PasswordCase>& info) {
    std::string name;
    for (const char ch : std::string(info.param.name)) {
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, PasswordBytesTest, ::testing::ValuesIn(kCases), caseName);

TEST(CodePages, SupportedAreTheAnsiOnesAndUtf8) {
    for (unsigned page : {874u, 932u, 936u, 949u, 950u, 1250u, 1255u, 1258u, 65001u}) {
        EXPECT_TRUE(isSupportedCodePage(page)) << page;
    }
    for (unsigned page : {0u, 37u, 437u, 1200u, 1249u, 1259u, 20127u, 65000u}) {
        EXPECT_FALSE(isSupportedCodePage(page)) << page;
    }
}

TEST(CodePages, LocaleNamesMapAsWindowsDoes) {
    const std::pair<const char*, unsigned> cases[] = {
        {"C", 1252},           {"POSIX", 1252},
        {"C.UTF-8", 1252},     {"en_US.UTF-8", 1252},
        {"de_DE", 1252},       {"pl_PL.UTF-8", 1250},
        {"ru_RU.UTF-8", 1251}, {"sr_RS", 1251},
        {"sr_RS@latin", 1250}, {"el_GR.UTF-8", 1253},
        {"tr_TR.UTF-8", 1254}, {"he_IL.UTF-8", 1255},
        {"ar_EG.UTF-8", 1256}, {"lt_LT.UTF-8", 1257},
        {"vi_VN", 1258},       {"th_TH.UTF-8", 874},
        {"ja_JP.UTF-8", 932},  {"zh_CN.UTF-8", 936},
        {"zh_TW.UTF-8", 950},  {"zh_HK", 950},
        {"ko_KR.EUC-KR", 949}, {"", 1252},
    };
    for (const auto& [locale, page] : cases) EXPECT_EQ(codePageForLocale(locale), page) << locale;
}

}  // namespace
}  // namespace murkvale
