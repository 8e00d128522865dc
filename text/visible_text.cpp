#include "text/visible_text.h"

#include <cstdio>
#include <vector>

#include "text/utf8.h"

namespace murkvale {
namespace {

// One character of a name: a code point, or a unit that is not one (a byte
// of invalid UTF-8, a lone surrogate).
struct Unit {
    char32_t value;
    bool invalid;
    std::string utf8;  // the valid character's own bytes, kept as they were
};

// Characters that steer a terminal or the reading order rather than show.
bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200E && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x2028 ||
           c == 0x2029;
}

std::string hex(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string escaped(const Unit& unit, bool bytesAreRaw) {
    if (unit.invalid) return hex(bytesAreRaw ? "\\x%02x" : "\\u%04x", unit.value);
    switch (unit.value) {
        case '\a': return "\\a";
        case '\b': return "\\b";
        case '\t': return "\\t";
        case '\n': return "\\n";
        case '\v': return "\\v";
        case '\f': return "\\f";
        case '\r': return "\\r";
        case 0x1B: return "\\e";
        case '\\': return "\\\\";
        case '\'': return "\\'";
        default: break;
    }
    if (unit.value < 0x80) return hex("\\x%02x", unit.value);
    return hex("\\u%04x", unit.value);
}

std::string shown(const std::vector<Unit>& units, NameQuotes quotes, bool bytesAreRaw) {
    // A plain name holds no escapes, so its backslashes (Windows' separators)
    // stay as they are; only a bare name that opens like the escaped form, or a
    // quoted one holding a quote, must be escaped to stay unambiguous.
    bool plain = quotes == NameQuotes::Always || units.size() < 2 || units[0].value != '$' ||
                 units[1].value != '\'';
    for (const Unit& unit : units) {
        plain = plain && !unit.invalid && !isControl(unit.value) &&
                (quotes == NameQuotes::WhenNeeded || unit.value != '"');
    }
    std::string text;
    if (plain) {
        for (const Unit& unit : units) text += unit.utf8;
        return quotes == NameQuotes::Always ? "\"" + text + "\"" : text;
    }
    text = "$'";
    for (const Unit& unit : units) {
        const bool keep = !unit.invalid && !isControl(unit.value) && unit.value != '\\' &&
                          unit.value != '\'';
        text += keep ? unit.utf8 : escaped(unit, bytesAreRaw);
    }
    return text + "'";
}

}  // namespace

std::string visibleName(std::string_view name, NameQuotes quotes) {
    std::vector<Unit> units;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length = utf8SequenceAt(name, at);
        if (length == 0) {
            units.push_back({static_cast<unsigned char>(name[at]), true, {}});
            ++at;
            continue;
        }
        const auto lead = static_cast<unsigned char>(name[at]);
        char32_t value = length == 1 ? lead : length == 2 ? lead & 0x1Fu
                                          : length == 3   ? lead & 0x0Fu
                                                          : lead & 0x07u;
        for (std::size_t k = 1; k < length; ++k) {
            value = (value << 6) | (static_cast<unsigned char>(name[at + k]) & 0x3Fu);
        }
        units.push_back({value, false, std::string(name.substr(at, length))});
        at += length;
    }
    return shown(units, quotes, true);
}

std::string visibleName(std::u16string_view name, NameQuotes quotes) {
    std::vector<Unit> units;
    for (std::size_t at = 0; at < name.size(); ++at) {
        char32_t value = name[at];
        const bool high = value >= 0xD800 && value <= 0xDBFF;
        const bool low = value >= 0xDC00 && value <= 0xDFFF;
        if (high && at + 1 < name.size() && name[at + 1] >= 0xDC00 && name[at + 1] <= 0xDFFF) {
            value = 0x10000 + ((value - 0xD800) << 10) + (name[++at] - 0xDC00);
        } else if (high || low) {
            units.push_back({value, true, {}});
            continue;
        }
        std::string bytes;
        if (value < 0x80) {
            bytes += static_cast<char>(value);
        } else if (value < 0x800) {
            bytes += static_cast<char>(0xC0 | (value >> 6));
            bytes += static_cast<char>(0x80 | (value & 0x3F));
        } else if (value < 0x10000) {
            bytes += static_cast<char>(0xE0 | (value >> 12));
            bytes += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (value & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (value >> 18));
            bytes += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (value & 0x3F));
        }
        units.push_back({value, false, std::move(bytes)});
    }
    return shown(units, quotes, false);
}

}  // namespace murkvale
