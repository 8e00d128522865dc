#pragma once
// The sealed ("Vael") file layout: marker, check byte, then the body.
#include <cstdint>

namespace murkvale {

inline constexpr std::uint8_t kVaelMarker = 0x01;
inline constexpr std::uint64_t kVaelHeaderSize = 2;
inline constexpr char kVaelExtension[] = "vae";

}  // namespace murkvale
