# One version for every program and package: project(VERSION), written into a
# header that C++ sources and resource scripts include as "murkvale_version.h".
set(MURKVALE_VERSION_DIR "${CMAKE_BINARY_DIR}/generated")
set(MURKVALE_VERSION_HEADER "${MURKVALE_VERSION_DIR}/murkvale_version.h")
configure_file("${CMAKE_CURRENT_LIST_DIR}/murkvale_version.h.in" "${MURKVALE_VERSION_HEADER}" @ONLY)
add_library(murkvale_version INTERFACE)
target_include_directories(murkvale_version INTERFACE "${MURKVALE_VERSION_DIR}")
