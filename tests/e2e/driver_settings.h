#pragma once
#include <string>

namespace murkvale::e2e {

// Where the program under test and the scratch folders are, from the command line.
struct DriverSettings {
    std::wstring program;      // Murkvale.exe
    std::wstring workFolder;   // each scenario makes a fresh folder under it
    std::wstring screenshots;  // BMP pictures of the windows
};

DriverSettings& driverSettings();

}  // namespace murkvale::e2e
