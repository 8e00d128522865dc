#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstring>

#include "cipher/wipe.h"
#include "cli/cli_error.h"
#include "cli/codepage.h"

namespace murkvale {
namespace {

std::string sourceEncoding() {
    std::setlocale(LC_CTYPE, "");
    std::string codeset = nl_langinfo(CODESET);
    // The C locale claims ASCII, but terminals and files today hold UTF-8.
    if (codeset.empty() || codeset == "ANSI_X3.4-1968" || codeset == "ASCII") return "UTF-8";
    return codeset;
}

std::string iconvName(unsigned codePage) {
    return codePage == 65001 ? "UTF-8" : "CP" + std::to_string(codePage);
}

class Converter {
  public:
    Converter(const std::string& to, const std::string& from)
        : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

}  // namespace

std::string toCodePage(const std::string& text, unsigned codePage) {
    Converter converter(iconvName(codePage), sourceEncoding());
    if (!converter.valid()) {
        throw CliError(ExitStatus::Usage,
                       "Code page " + std::to_string(codePage) + " is unknown on this system.");
    }
    std::string input = text;
    // Each character becomes at most 4 bytes in any code page we may be asked for.
    std::string output(text.size() * 4 + 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
    bool ok =
        result != static_cast<std::size_t>(-1) &&
        iconv(converter.get(), nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    wipe(input);
    if (!ok) {
        wipe(output);
        throw CliError(ExitStatus::Failure,
                       "The password has a character that code page " + std::to_string(codePage) +
                           " lacks, or is not valid " + sourceEncoding() + " text.");
    }
    output.resize(output.size() - outLeft);
    return output;
}

std::optional<unsigned> consoleCodePage() { return std::nullopt; }

}  // namespace murkvale
