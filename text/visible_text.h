#pragma once
// Names as messages show them. A name comes from whoever made the file and
// may hold anything: escape sequences that retitle or clear a terminal, a line
// end that forges a line of output, bytes that are not text. A name that is
// plain printable text is shown as it is; any other is shown in the shell's
// $'...' form, where every such character is a visible escape (\e, \n, \xff,
// \u202e) and a backslash or quote is escaped too. The two forms never read
// alike (a plain name holds no escapes, so Windows' separators stay as they
// are), and the escaped one can be pasted back into a shell.
#include <string>
#include <string_view>

namespace murkvale {

enum class NameQuotes {
    Always,      // "name", for a name inside a sentence
    WhenNeeded,  // name, for a name that starts a line of its own
};

// `name` in UTF-8, or the raw bytes of a POSIX name.
std::string visibleName(std::string_view name, NameQuotes quotes = NameQuotes::Always);

// `name` in UTF-16 as Windows gives it, lone surrogates and all.
std::string visibleName(std::u16string_view name, NameQuotes quotes = NameQuotes::Always);

}  // namespace murkvale
