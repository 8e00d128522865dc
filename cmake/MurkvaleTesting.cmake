# GoogleTest: the system package natively; built from Debian's source copy when
# cross-compiling, since no MinGW build of it is packaged.
if(CMAKE_CROSSCOMPILING)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Registers a GoogleTest executable with CTest. Natively each test case is its
# own CTest entry; under Wine one entry per executable keeps start-up costs low.
function(murkvale_add_gtest target)
    cmake_parse_arguments(ARG "" "" "LABELS" ${ARGN})
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
        if(ARG_LABELS)
            set_tests_properties(${target} PROPERTIES LABELS "${ARG_LABELS}")
        endif()
    else()
        if(ARG_LABELS)
            gtest_discover_tests(${target} PROPERTIES LABELS "${ARG_LABELS}" DISCOVERY_TIMEOUT 60)
        else()
            gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
        endif()
    endif()
endfunction()
