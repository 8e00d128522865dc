#pragma once
// Runs an engine call that must fail and checks that it left the folder as it
// found it: no output, no temporary file, every other file untouched.
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "files/engine_error.h"
#include "tests/files/scratch_folder.h"

namespace murkvale::testing {

// Every entry of the folder and its sub-folders and, for files, the content; links are recorded
// as links, so one replaced by a file shows.
std::map<std::string, std::string> snapshot(const ScratchFolder& folder,
                                            const std::set<std::string>& skip = {});

// `mention` must appear in the message (a file name, usually).
void expectFailureLeavesFolderAsItWas(const ScratchFolder& folder, FailureKind kind,
                                      const std::string& mention,
                                      const std::function<void()>& call,
                                      const std::set<std::string>& mayChange = {});

// A row's name as a test name: GoogleTest allows only letters, digits and '_'.
template <typename Row>
std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name;
    for (char ch : std::string(info.param.name)) {
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return name;
}

}  // namespace murkvale::testing
