#include "text/code_page.h"

namespace murkvale {
namespace {

// The ANSI code page Windows gives each language, as a language code of the
// locale name; languages not listed take 1252.
struct LanguageCodePage {
    const char* language;
    unsigned codePage;
};

constexpr LanguageCodePage kLanguages[] = {
    // Central European
    {"cs", 1250},
    {"pl", 1250},
    {"hu", 1250},
    {"sk", 1250},
    {"sl", 1250},
    {"hr", 1250},
    {"ro", 1250},
    {"sq", 1250},
    {"bs", 1250},
    {"hsb", 1250},
    {"dsb", 1250},
    // Cyrillic
    {"ru", 1251},
    {"uk", 1251},
    {"be", 1251},
    {"bg", 1251},
    {"mk", 1251},
    {"sr", 1251},
    {"kk", 1251},
    {"ky", 1251},
    {"mn", 1251},
    {"tt", 1251},
    {"ba", 1251},
    {"sah", 1251},
    {"tg", 1251},
    // Greek, Turkish, Hebrew, Arabic, Baltic, Vietnamese
    {"el", 1253},
    {"tr", 1254},
    {"az", 1254},
    {"uz", 1254},
    {"he", 1255},
    {"iw", 1255},
    {"yi", 1255},
    {"ar", 1256},
    {"fa", 1256},
    {"ur", 1256},
    {"ps", 1256},
    {"et", 1257},
    {"lv", 1257},
    {"lt", 1257},
    {"vi", 1258},
    // Thai and the East Asian double-byte code pages
    {"th", 874},
    {"ja", 932},
    {"ko", 949},
};

// Serbian written in Latin letters is Central European, not Cyrillic.
bool isLatinSerbian(std::string_view locale) {
    return locale.find("@latin") != std::string_view::npos;
}

unsigned chineseCodePage(std::string_view territory) {
    // Taiwan, Hong Kong and Macao write Traditional Chinese.
    if (territory == "TW" || territory == "HK" || territory == "MO") return 950;
    return 936;
}

}  // namespace

bool isSupportedCodePage(unsigned codePage) {
    switch (codePage) {
        case 874:
        case 932:
        case 936:
        case 949:
        case 950:
        case kCodePageUtf8:
            return true;
        default:
            return codePage >= 1250 && codePage <= 1258;
    }
}

std::string supportedCodePagesText() { return "874, 932, 936, 949, 950, 1250-1258 and 65001"; }

unsigned codePageForLocale(std::string_view locale) {
    // language[_TERRITORY][.codeset][@modifier]
    const std::size_t languageEnd = locale.find_first_of("_.@");
    const std::string_view language = locale.substr(0, languageEnd);
    std::string_view territory;
    if (languageEnd != std::string_view::npos && locale[languageEnd] == '_') {
        const std::string_view rest = locale.substr(languageEnd + 1);
        territory = rest.substr(0, rest.find_first_of(".@"));
    }
    if (language == "zh") return chineseCodePage(territory);
    if (language == "sr" && isLatinSerbian(locale)) return 1250;
    for (const LanguageCodePage& entry : kLanguages) {
        if (language == entry.language) return entry.codePage;
    }
    return 1252;
}

}  // namespace murkvale
