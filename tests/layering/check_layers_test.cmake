# Plants one include at a time in a scratch tree and runs the layer check on it
# with the real table: a wrong-way include must fail it, naming the file.
#   cmake -DCHECKER=... -DLAYERS=... -DSCRATCH=... -P check_layers_test.cmake
cmake_minimum_required(VERSION 3.25)

# file | included | expected (pass or fail)
set(cases
    "files/engine.cpp|\"commands/file_commands.h\"|fail"
    "cipher/digest.h|\"files/sealed_file.h\"|fail"
    "commands/flow.cpp|\"shell/main_dialog.h\"|fail"
    "cli/main.cpp|\"commands/file_state.h\"|fail"
    "text/rules.cpp|\"cli/terminal.h\"|fail"
    "files/engine.cpp|<windows.h>|fail"
    "commands/flow.h|<Windows.h>|fail"
    "files/platform_win32.cpp|<windows.h>|pass"
    "commands/flow.cpp|\"files/sealed_file.h\"|pass"
    "shell/dialog.cpp|\"commands/file_commands.h\"|pass"
    "tests/any_test.cpp|\"shell/dialog.h\"|pass"
)

set(failures 0)
foreach(row IN LISTS cases)
    string(REPLACE "|" ";" row "${row}")
    list(GET row 0 file)
    list(GET row 1 included)
    list(GET row 2 expected)
    file(REMOVE_RECURSE "${SCRATCH}")
    file(WRITE "${SCRATCH}/${file}" "#include ${included}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${SCRATCH} -DLAYERS=${LAYERS} -P ${CHECKER}
                    RESULT_VARIABLE status ERROR_VARIABLE output OUTPUT_QUIET)
    if(expected STREQUAL "fail" AND (status EQUAL 0 OR NOT output MATCHES "${file}"))
        message(SEND_ERROR "${file} including ${included} was not refused by name:\n${output}")
        math(EXPR failures "${failures} + 1")
    elseif(expected STREQUAL "pass" AND NOT status EQUAL 0)
        message(SEND_ERROR "${file} including ${included} was refused:\n${output}")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
list(LENGTH cases count)
message(STATUS "${count} planted includes, ${failures} wrongly judged")
