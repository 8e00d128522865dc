# Compile settings shared by every target we own (not by third-party code).
function(murkvale_defaults target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
        if(MURKVALE_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wno-sign-conversion)
        if(MURKVALE_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
    if(WIN32)
        # Wide Win32 APIs everywhere; no narrow-API fallbacks by accident.
        target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                     _WIN32_WINNT=0x0A00)
    endif()
endfunction()
