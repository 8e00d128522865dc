#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "shell/file_error_kind.h"
#include "shell/number_text.h"
#include "shell/path_text.h"
#include "shell/text_convert.h"

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

struct LengthCase {
    const wchar_t* text;
    unsigned codePage;
    std::size_t bytes;
    bool withinSixteen;
};

TEST(DataExchange, LengthChecksCountCodePageBytes) {
    const LengthCase cases[] = {
        {L"", 1252, 0, true},
        {L"sixteen-chars-ok", 1252, 16, true},
        {L"seventeen-chars-x", 1252, 17, false},
        {L"\x00e9t\x00e9\x00e9t\x00e9\x00e9t\x00e9\x00e9t\x00e9\x00e9t\x00e9\x00e9", 1252, 16,
         true},
        // Eight Japanese characters fill sixteen bytes of the Japanese code page.
        {L"\x65e5\x672c\x8a9e\x306e\x30d1\x30b9\x30ef\x30fc", 932, 16, true},
        {L"\x65e5\x672c\x8a9e\x306e\x30d1\x30b9\x30ef\x30fc"
         L"d",
         932, 17, false},
        {L"\x30d1\x30b9\x30ef\x30fc\x30c9\x30d1", 65001, 18, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codePageByteCount(c.text, c.codePage), c.bytes) << "code page " << c.codePage;
        EXPECT_EQ(withinMaxChars(c.text, 16, c.codePage), c.withinSixteen)
            << "code page " << c.codePage;
    }
}

TEST(DataExchange, RefusesCharactersTheCodePageCannotHold) {
    EXPECT_TRUE(fitsCodePage(L"", 1252));
    EXPECT_TRUE(fitsCodePage(L"caf\x00e9", 1252));
    EXPECT_FALSE(fitsCodePage(L"\x65e5\x672c", 1252));  // would both become "??"
    EXPECT_FALSE(fitsCodePage(L"\x0101", 1252));        // no best-fit look-alike either
    EXPECT_TRUE(fitsCodePage(L"\x65e5\x672c", 932));
    EXPECT_TRUE(fitsCodePage(L"\x65e5\x672c", CP_UTF8));
    EXPECT_FALSE(fitsCodePage(L"\xd800", CP_UTF8));  // an unpaired surrogate
}

TEST(DataExchange, PasswordBytesRoundTripThroughTheCodePage) {
    std::string bytes = "left over";
    wideToCodePage(L"p\x00e4ss", bytes, 1252);
    EXPECT_EQ(bytes, "p\xe4ss");
    EXPECT_EQ(codePageToWide(bytes, 1252), L"p\x00e4ss");
    wideToCodePage(L"", bytes, 1252);
    EXPECT_TRUE(bytes.empty());
}

TEST(FileErrors, KindFollowsTheSystemReason) {
    const std::pair<DWORD, FileErrorKind> cases[] = {
        {ERROR_FILE_NOT_FOUND, FileErrorKind::NotFound},
        {ERROR_PATH_NOT_FOUND, FileErrorKind::BadPath},
        {ERROR_INVALID_NAME, FileErrorKind::BadPath},
        {ERROR_ACCESS_DENIED, FileErrorKind::AccessDenied},
        {ERROR_SHARING_VIOLATION, FileErrorKind::SharingViolation},
        {ERROR_LOCK_VIOLATION, FileErrorKind::LockViolation},
        {ERROR_TOO_MANY_OPEN_FILES, FileErrorKind::TooManyOpenFiles},
        {ERROR_DISK_FULL, FileErrorKind::Generic},
    };
    for (const auto& [error, kind] : cases) {
        EXPECT_EQ(fileErrorKindFor(error), kind) << "error " << error;
    }
}

TEST(Paths, LongPathsGetTheExtendedForm) {
    const std::wstring longTail(300, L'a');
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\short.txt", L"C:\\short.txt"},
        {L"C:\\" + longTail, L"\\\\?\\C:\\" + longTail},
        {L"C:/dir/" + longTail, L"\\\\?\\C:\\dir\\" + longTail},
        {L"\\\\server\\share\\" + longTail, L"\\\\?\\UNC\\server\\share\\" + longTail},
        {L"\\\\?\\C:\\" + longTail, L"\\\\?\\C:\\" + longTail},
        {L"relative\\" + longTail, L"relative\\" + longTail},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(extendedLengthPath(path), expected);
    }
}

TEST(Paths, FilterBecomesNulSeparatedPairs) {
    EXPECT_EQ(dialogFilter(L"All Files (*.*)|*.*||"),
              std::wstring(L"All Files (*.*)\0*.*\0\0\0\0", 23));
    // Without the closing bars the list still ends in an empty text.
    EXPECT_EQ(dialogFilter(L"A|*.a"), std::wstring(L"A\0*.a\0\0", 7));
}

}  // namespace
}  // namespace murkvale
