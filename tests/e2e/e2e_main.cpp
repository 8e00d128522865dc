#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/e2e/driver_settings.h"
#include "tests/e2e/wine_path.h"
#include "tests/e2e/wine_settings.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {

DriverSettings& driverSettings() {
    static DriverSettings settings;
    return settings;
}

}  // namespace murkvale::e2e

// Wide arguments, so build folders with any name reach the driver intact.
int wmain(int argc, wchar_t** argv) {
    using namespace murkvale::e2e;
    testing::InitGoogleTest(&argc, argv);
    auto& settings = driverSettings();
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        const auto option = [&](const std::wstring& name, std::wstring& into) {
            if (arg.rfind(name, 0) == 0) into = windowsPathOf(arg.substr(name.size()));
        };
        option(L"--program=", settings.program);
        option(L"--work=", settings.workFolder);
        option(L"--screenshots=", settings.screenshots);
    }
    if (settings.program.empty() || settings.workFolder.empty() || settings.screenshots.empty()) {
        std::fprintf(stderr, "usage: murkvale_e2e --program=PATH --work=DIR --screenshots=DIR\n");
        return 2;
    }
    namespace fs = std::filesystem;
    fs::create_directories(settings.workFolder);
    fs::create_directories(settings.screenshots);
    const WineTestSettings wine;
    const int result = RUN_ALL_TESTS();
    // A filter that matches nothing would otherwise pass silently.
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no scenario matches the filter\n");
        return 1;
    }
    return result;
}
