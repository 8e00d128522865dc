#include "dialog_template.h"

#include <cwctype>
#include <stdexcept>

namespace murkvale::test {

namespace {

constexpr std::uint32_t kSetFont = 0x40;    // DS_SETFONT
constexpr std::uint32_t kShellFont = 0x48;  // DS_SHELLFONT

class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint16_t word() {
        need(2);
        const auto value = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return value;
    }
    std::uint32_t dword() {
        const std::uint32_t low = word();
        return low | (static_cast<std::uint32_t>(word()) << 16);
    }
    std::uint8_t byte() {
        need(1);
        return data_[pos_++];
    }
    int shortValue() { return static_cast<std::int16_t>(word()); }

    std::wstring string() {
        std::wstring text;
        for (std::uint16_t c = word(); c != 0; c = word()) text.push_back(static_cast<wchar_t>(c));
        return text;
    }
    // A text, or 0xFFFF followed by an ordinal; an empty text is a single zero.
    std::wstring stringOrOrdinal(bool isClass) {
        need(2);
        if (data_[pos_] == 0xFF && data_[pos_ + 1] == 0xFF) {
            word();
            const std::uint16_t ordinal = word();
            if (isClass) {
                switch (ordinal) {
                    case 0x80:
                        return L"button";
                    case 0x81:
                        return L"edit";
                    case 0x82:
                        return L"static";
                    case 0x83:
                        return L"listbox";
                    case 0x84:
                        return L"scrollbar";
                    case 0x85:
                        return L"combobox";
                    default:
                        break;
                }
            }
            return L"#" + std::to_wstring(ordinal);
        }
        std::wstring text = string();
        if (isClass) {
            for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
        }
        return text;
    }
    void alignDword() { pos_ = (pos_ + 3) & ~std::size_t{3}; }
    void skip(std::size_t count) {
        need(count);
        pos_ += count;
    }

  private:
    void need(std::size_t count) const {
        if (pos_ + count > size_) throw std::runtime_error("dialog template ends early");
    }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace

DialogTemplate parseDialogTemplate(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    DialogTemplate dialog{};
    const std::uint16_t version = in.word();
    const std::uint16_t signature = in.word();
    dialog.extended = version == 1 && signature == 0xFFFF;
    std::size_t count = 0;
    if (dialog.extended) {
        in.dword();  // help id
        dialog.exStyle = in.dword();
        dialog.style = in.dword();
    } else {
        dialog.style = version | (static_cast<std::uint32_t>(signature) << 16);
        dialog.exStyle = in.dword();
    }
    count = in.word();
    dialog.x = in.shortValue();
    dialog.y = in.shortValue();
    dialog.cx = in.shortValue();
    dialog.cy = in.shortValue();
    dialog.menu = in.stringOrOrdinal(false);
    dialog.className = in.stringOrOrdinal(true);
    dialog.caption = in.string();
    if ((dialog.style & kSetFont) || (dialog.style & kShellFont) == kShellFont) {
        dialog.pointSize = in.word();
        if (dialog.extended) {
            in.word();  // weight
            in.byte();  // italic
            in.byte();  // character set
        }
        dialog.fontName = in.string();
    }

    for (std::size_t i = 0; i < count; ++i) {
        in.alignDword();
        ControlTemplate control{};
        if (dialog.extended) {
            in.dword();  // help id
            control.exStyle = in.dword();
            control.style = in.dword();
        } else {
            control.style = in.dword();
            control.exStyle = in.dword();
        }
        control.x = in.shortValue();
        control.y = in.shortValue();
        control.cx = in.shortValue();
        control.cy = in.shortValue();
        control.id = dialog.extended ? static_cast<std::int32_t>(in.dword())
                                     : static_cast<std::int16_t>(in.word());
        control.className = in.stringOrOrdinal(true);
        control.text = in.stringOrOrdinal(false);
        in.skip(in.word());  // creation data
        dialog.controls.push_back(control);
    }
    return dialog;
}

}  // namespace murkvale::test
