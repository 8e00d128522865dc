# Checks every #include under ROOT against the table in LAYERS (cmake/layers.txt):
#   cmake -DROOT=<source folder> -DLAYERS=<table> -P check_layers.cmake
# Fails, naming each file and line, on an include of a folder its folder may
# not use, or on a Windows header in a portable folder outside a *_win32 file.
cmake_minimum_required(VERSION 3.25)

set(portable cipher text files commands cli qt)
set(windows_headers windows.h shellapi.h commctrl.h commdlg.h winbase.h winuser.h winnt.h io.h)

file(STRINGS "${LAYERS}" rows REGEX "^[a-z0-9_]+:")
set(layers)
foreach(row IN LISTS rows)
    string(REGEX MATCH "^([a-z0-9_]+):(.*)$" _ "${row}")
    set(layer "${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" allowed)
    string(REPLACE " " ";" allowed "${allowed}")
    list(APPEND layers "${layer}")
    set(allowed_${layer} "${allowed}")
endforeach()

set(faults)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.hpp" "${ROOT}/${layer}/*.cpp"
                              "${ROOT}/${layer}/*.rc")
    foreach(source IN LISTS sources)
        file(RELATIVE_PATH name "${ROOT}" "${source}")
        get_filename_component(stem "${source}" NAME_WE)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
            set(target "${CMAKE_MATCH_1}")
            string(TOLOWER "${target}" lower)
            if(layer IN_LIST portable AND lower IN_LIST windows_headers
               AND NOT stem MATCHES "_win32$")
                list(APPEND faults "${name}: <${target}> outside a *_win32 file")
            endif()
            if(target MATCHES "^([a-z0-9_]+)/")
                set(used "${CMAKE_MATCH_1}")
                if(used IN_LIST layers AND NOT used STREQUAL layer
                   AND NOT "*" IN_LIST allowed_${layer} AND NOT used IN_LIST allowed_${layer})
                    list(APPEND faults "${name}: includes \"${target}\", but ${layer}/ may not use ${used}/")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes against the layers of ${LAYERS}:\n  ${text}")
endif()
