#include "text/visible_text.h"

#include <gtest/gtest.h>

namespace murkvale {
namespace {

struct Case {
    const char* what;
    std::string name;
    NameQuotes quotes;
    std::string shown;
};

TEST(VisibleName, EscapesWhatIsNotPlainText) {
    const Case cases[] = {
        {"plain", "report.txt", NameQuotes::Always, "\"report.txt\""},
        {"plain, no quotes", "report.txt", NameQuotes::WhenNeeded, "report.txt"},
        {"accents and CJK stay", "caf\xc3\xa9 \xe6\x97\xa5", NameQuotes::Always,
         "\"caf\xc3\xa9 \xe6\x97\xa5\""},
        {"escape sequence", "t\x1b]0;x\a\x1b[2J", NameQuotes::Always, "$'t\\e]0;x\\a\\e[2J'"},
        {"line end", "a\nb\r\tc", NameQuotes::WhenNeeded, "$'a\\nb\\r\\tc'"},
        {"other control bytes", std::string("a\0\x7f", 3), NameQuotes::Always, "$'a\\x00\\x7f'"},
        {"invalid UTF-8", "a\xff\xc3", NameQuotes::Always, "$'a\\xff\\xc3'"},
        {"encoded surrogate is invalid", "\xed\xa0\x80", NameQuotes::Always, "$'\\xed\\xa0\\x80'"},
        {"C1 control (CSI)", "a\xc2\x9b" "2J", NameQuotes::Always, "$'a\\u009b2J'"},
        {"right-to-left override", "txt\xe2\x80\xae" "exe", NameQuotes::Always,
         "$'txt\\u202eexe'"},
        {"backslash stays in a plain name", "C:\\new\\x", NameQuotes::Always, "\"C:\\new\\x\""},
        {"bare name that looks escaped", "$'x\\n'", NameQuotes::WhenNeeded, "$'$\\'x\\\\n\\''"},
        {"quoted, it cannot look escaped", "$'x'", NameQuotes::Always, "\"$'x'\""},
        {"quote and backslash", "it's\\\x1b", NameQuotes::Always, "$'it\\'s\\\\\\e'"},
        {"double quote inside quotes", "a\"b", NameQuotes::Always, "$'a\"b'"},
        {"double quote without quotes", "a\"b", NameQuotes::WhenNeeded, "a\"b"},
        {"empty", "", NameQuotes::Always, "\"\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(visibleName(c.name, c.quotes), c.shown) << c.what;
    }
}

TEST(VisibleName, Utf16NamesAsWindowsGivesThem) {
    EXPECT_EQ(visibleName(u"C:\\Users\\caf\u00e9.txt", NameQuotes::WhenNeeded),
              "C:\\Users\\caf\xc3\xa9.txt");
    EXPECT_EQ(visibleName(u"r\u00e9sum\u00e9"), "\"r\xc3\xa9sum\xc3\xa9\"");
    EXPECT_EQ(visibleName(u"\U0001F600"), "\"\xf0\x9f\x98\x80\"");  // a surrogate pair
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(visibleName(std::u16string_view(lone)), "$'a\\ud800b\\udc00'");
    EXPECT_EQ(visibleName(u"a\u001b" u"b"), "$'a\\eb'");
}

}  // namespace
}  // namespace murkvale
