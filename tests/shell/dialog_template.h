#pragma once
// Reads a compiled dialog template (standard or extended format) into plain
// values, so a test can compare it field by field.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace murkvale::test {

struct ControlTemplate {
    int id;
    std::wstring className;  // predefined classes by name ("button"), others lower-cased
    std::wstring text;       // "#132" for a resource referred to by number
    std::uint32_t style;
    std::uint32_t exStyle;
    int x, y, cx, cy;
};

struct DialogTemplate {
    bool extended;
    std::uint32_t style;
    std::uint32_t exStyle;
    int x, y, cx, cy;
    std::wstring menu;
    std::wstring className;
    std::wstring caption;
    int pointSize;
    std::wstring fontName;
    std::vector<ControlTemplate> controls;
};

// Throws std::runtime_error when the bytes end before the template does.
DialogTemplate parseDialogTemplate(const std::uint8_t* data, std::size_t size);

}  // namespace murkvale::test
