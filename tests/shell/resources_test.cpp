// Compares the resources compiled into Murkvale.exe with the window layouts
// the program is meant to have.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "dialog_template.h"
#include "res/resource.h"

namespace murkvale::test {
namespace {

std::filesystem::path programPath() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return std::filesystem::path(self).parent_path() / MURKVALE_EXE_FROM_TEST / L"Murkvale.exe";
}

class Resources : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryExW(programPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite() {
        if (module_) FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(module_, nullptr) << "cannot load " << programPath().string();
    }

    static std::vector<std::uint8_t> resource(LPCWSTR type, UINT id) {
        const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (!found) return {};
        const auto* data =
            static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
        return std::vector<std::uint8_t>(data, data + SizeofResource(module_, found));
    }

    static DialogTemplate dialog(UINT id) {
        const auto bytes = resource(RT_DIALOG, id);
        if (bytes.empty()) throw std::runtime_error("no dialog template " + std::to_string(id));
        return parseDialogTemplate(bytes.data(), bytes.size());
    }

    static HMODULE module_;
};

HMODULE Resources::module_ = nullptr;

struct ExpectedDialog {
    UINT id;
    bool extended;
    std::uint32_t style;
    std::uint32_t exStyle;
    int x, y, cx, cy;
    const wchar_t* caption;
    std::vector<ControlTemplate> controls;
};

const ExpectedDialog kDialogs[] = {
    {IDD_MAIN,
     true,
     0x90C800C0,
     0x00040000,
     0,
     0,
     222,
     111,
     L"Murkvale",
     {
         {IDOK, L"button", L"&Quit", 0x50000001, 0, 165, 90, 50, 14},
         {IDC_DECRYPT, L"button", L"Decrypt...", 0x50000000, 0, 112, 90, 50, 14},
         {IDC_FILE, L"edit", L"", 0x50000880, 0, 30, 19, 164, 12},
         {-1, L"static", L"File:", 0x50020000, 0, 14, 19, 14, 8},
         {IDC_ENCRYPT, L"button", L"Encrypt...", 0x50000000, 0, 60, 90, 50, 14},
         {IDC_SIZE, L"edit", L"", 0x50000880, 0, 48, 35, 40, 12},
         {-1, L"static", L"File size:", 0x50020000, 0, 14, 35, 28, 8},
         {-1, L"button", L"File info", 0x50000007, 0, 7, 7, 208, 44},
         {IDC_LOADFILE, L"button", L"Load File...", 0x50000000, 0, 7, 90, 50, 14},
         {-1, L"static", L"bytes", 0x50020000, 0, 94, 35, 18, 8},
         {-1, L"static", L"Status:", 0x50020000, 0, 7, 56, 25, 8},
         {IDC_STATUS, L"edit", L"", 0x50000880, 0, 38, 56, 40, 12},
         {IDC_PROGRESS, L"msctls_progress32", L"Progress1", 0x50800000, 0, 7, 71, 208, 14},
     }},
    {IDD_PASSWORD,
     false,
     0x80C000C0,
     0,
     0,
     0,
     153,
     66,
     L"Password",
     {
         {IDOK, L"button", L"OK", 0x50000000, 0, 17, 45, 50, 14},
         {IDCANCEL, L"button", L"Cancel", 0x50000000, 0, 79, 45, 50, 14},
         {IDC_PROMPT, L"edit", L"", 0x50000881, 0, 7, 7, 139, 12},
         {IDC_PASSWORD, L"edit", L"", 0x508000A0, 0, 25, 22, 103, 14},
     }},
    {IDD_ABOUTBOX,
     false,
     0x80C800C0,
     0,
     0,
     0,
     147,
     135,
     L"About Murkvale",
     {
         {-1, L"static", L"Murkvale Version 1.0", 0x50020080, 0, 22, 7, 100, 8},
         {-1, L"static", L"*", 0x50020000, 0, 12, 18, 119, 8},  // rights notice: our own words
         {IDOK, L"button", L"OK", 0x50030001, 0, 38, 114, 67, 14},
         {-1, L"static", L"#132", 0x5000000E, 0, 7, 29, 133, 68},
         {-1, L"static", L"*", 0x50020000, 0, 32, 100, 78, 8},  // web address: our own words
     }},
};

TEST_F(Resources, DialogTemplatesMatchTheirLayouts) {
    for (const auto& want : kDialogs) {
        SCOPED_TRACE("dialog " + std::to_string(want.id));
        const DialogTemplate got = dialog(want.id);
        EXPECT_EQ(got.extended, want.extended);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.exStyle, want.exStyle);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.menu, L"");
        EXPECT_EQ(got.className, L"");
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ(got.pointSize, 8);
        EXPECT_EQ(got.fontName, L"MS Sans Serif");
        ASSERT_EQ(got.controls.size(), want.controls.size());
        for (std::size_t i = 0; i < want.controls.size(); ++i) {
            SCOPED_TRACE("control #" + std::to_string(i + 1));
            const auto& g = got.controls[i];
            const auto& w = want.controls[i];
            EXPECT_EQ(g.id, w.id);
            EXPECT_EQ(g.className, w.className);
            if (std::wstring(w.text) == L"*") {
                EXPECT_FALSE(g.text.empty());
            } else {
                EXPECT_EQ(g.text, w.text);
            }
            EXPECT_EQ(g.style, w.style) << std::hex << "0x" << g.style;
            EXPECT_EQ(g.exStyle, w.exStyle);
            EXPECT_EQ(g.x, w.x);
            EXPECT_EQ(g.y, w.y);
            EXPECT_EQ(g.cx, w.cx);
            EXPECT_EQ(g.cy, w.cy);
        }
    }
}

TEST_F(Resources, AboutEntryText) {
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(module_, IDS_ABOUTBOX, text, 64), 0);
    EXPECT_STREQ(text, L"&About Murkvale...");
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(Resources, IconHoldsTwoSixteenColourImages) {
    const auto group = resource(RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_GE(group.size(), 6u);
    const WORD count = static_cast<WORD>(group[4] | (group[5] << 8));
    ASSERT_EQ(count, 2);
    ASSERT_GE(group.size(), 6 + count * sizeof(GroupIconEntry));
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(group.data() + 6);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        EXPECT_EQ(entries[i].width, sizes[i]);
        EXPECT_EQ(entries[i].height, sizes[i]);
        EXPECT_EQ(entries[i].colorCount, 16);
        EXPECT_EQ(entries[i].bitCount, 4);
        // The image itself, not only its directory entry.
        const auto image = resource(RT_ICON, entries[i].id);
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header{};
        std::copy_n(image.data(), sizeof header, reinterpret_cast<std::uint8_t*>(&header));
        EXPECT_EQ(header.biWidth, sizes[i]);
        EXPECT_EQ(header.biHeight, 2 * sizes[i]);  // colour rows, then the mask's
        EXPECT_EQ(header.biBitCount, 4);
    }
}

TEST_F(Resources, AboutPictureIs200By110With256Colours) {
    const auto bitmap = resource(RT_BITMAP, IDB_ABOUT_PICTURE);
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header{};
    std::copy_n(bitmap.data(), sizeof header, reinterpret_cast<std::uint8_t*>(&header));
    EXPECT_EQ(header.biWidth, 200);
    EXPECT_EQ(header.biHeight, 110);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_TRUE(header.biClrUsed == 256 || header.biClrUsed == 0);
    EXPECT_EQ(bitmap.size(), sizeof header + 256 * sizeof(RGBQUAD) + 200 * 110);
}

TEST_F(Resources, ManifestAsksForWhatTheProgramNeeds) {
    const auto manifest = resource(RT_MANIFEST, 1);
    const std::string text(manifest.begin(), manifest.end());
    for (const char* needed :
         {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "<dpiAware", "<dpiAwareness",
          "<longPathAware", "level=\"asInvoker\""}) {
        EXPECT_NE(text.find(needed), std::string::npos) << needed;
    }
}

// The DLLs that Murkvale.exe imports, read from its import table.
std::set<std::string> importedDlls(const std::filesystem::path& exe) {
    std::ifstream file(exe, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    auto at = [&](std::size_t offset, auto& value) {
        if (offset + sizeof value > bytes.size()) throw std::runtime_error("truncated program");
        std::copy_n(bytes.data() + offset, sizeof value, reinterpret_cast<char*>(&value));
    };
    IMAGE_DOS_HEADER dos{};
    at(0, dos);
    IMAGE_NT_HEADERS64 nt{};
    at(static_cast<std::size_t>(dos.e_lfanew), nt);
    const std::size_t sections = static_cast<std::size_t>(dos.e_lfanew) +
                                 offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                                 nt.FileHeader.SizeOfOptionalHeader;
    auto fileOffset = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
            IMAGE_SECTION_HEADER section{};
            at(sections + i * sizeof section, section);
            if (rva >= section.VirtualAddress &&
                rva < section.VirtualAddress + section.Misc.VirtualSize) {
                return rva - section.VirtualAddress + section.PointerToRawData;
            }
        }
        throw std::runtime_error("address outside every section");
    };
    std::set<std::string> names;
    const DWORD imports =
        nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (std::size_t offset = fileOffset(imports);; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR descriptor{};
        at(offset, descriptor);
        if (descriptor.Name == 0) break;
        std::string name(bytes.data() + fileOffset(descriptor.Name));
        std::transform(name.begin(), name.end(), name.begin(), [](char c) {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        });
        names.insert(name);
    }
    return names;
}

TEST(Program, NeedsNoDllBeyondThoseWindowsShips) {
    const std::set<std::string> shipped = {
        "kernel32.dll", "user32.dll",  "gdi32.dll",  "comctl32.dll", "comdlg32.dll",
        "advapi32.dll", "shell32.dll", "msvcrt.dll", "ucrtbase.dll", "ntdll.dll"};
    const auto imported = importedDlls(programPath());
    EXPECT_TRUE(imported.count("user32.dll")) << "import table not read";
    for (const auto& name : imported) {
        EXPECT_TRUE(shipped.count(name) || name.rfind("api-ms-win-", 0) == 0) << name;
    }
}

}  // namespace
}  // namespace murkvale::test
