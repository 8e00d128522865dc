#include <iconv.h>

#include <cstdlib>
#include <string>

#include "cipher/wipe.h"
#include "text/code_page.h"
#include "text/utf8.h"

namespace murkvale {
namespace {

class Converter {
  public:
    explicit Converter(unsigned codePage)
        : cd_(iconv_open(("CP" + std::to_string(codePage)).c_str(), "UTF-8")) {}
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

std::optional<std::string> toCodePage(std::string_view utf8, unsigned codePage) {
    if (!isValidUtf8(utf8)) return std::nullopt;
    if (codePage == kCodePageUtf8 || utf8.empty()) return std::string(utf8);
    Converter converter(codePage);
    if (!converter.valid()) return std::nullopt;

    std::string input(utf8);
    // No character of a supported code page takes more than two bytes.
    std::string output(input.size() * 2 + 2, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    // Without //TRANSLIT iconv stops at a character the code page lacks.
    const bool converted =
        iconv(converter.get(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
        iconv(converter.get(), nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    wipe(input);
    if (!converted) {
        wipe(output);
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

unsigned userCodePage() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return codePageForLocale(value);
    }
    return codePageForLocale("C");
}

}  // namespace murkvale
