#include "commands/file_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <random>

#include "commands/failure_text.h"
#include "tests/commands/scripted_host.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;
using Files = std::map<std::string, std::string>;  // name in the test folder -> content

const std::string kLoadDialog = R"(chooseFile(Open, "All Files (*.*)|*.*||", "", 6))";
const std::string kOpenVaelDialog =
    R"(chooseFile(Open, "Vael Encrypted Files (*.vae)|*.vae|All Files (*.*)|*.*||", "", 6))";
const std::string kSaveVaelDialog =
    R"(chooseFile(Save, "Vael Encrypted Files (*.vae)|*.vae|All Files (*.*)|*.*||", "vae", 6))";
const std::string kSavePlainDialog = R"(chooseFile(Save, "All Files (*.*)|*.*||", "", 6))";
const std::string kFirstPrompt = R"(prompt("Please enter a password:", ""))";
const std::string kRetypePrompt = R"(prompt("Please retype password:", ""))";
const std::string kDecryptPrompt = R"(prompt("Please enter password:", ""))";
const std::string kMismatch = R"(message("Password mismatch!", "Error"))";

// "abc" sealed with the password "ab" (check 0xFF, key 0xB7).
const std::string kAbcSealedWithAb("\x01\xFF\x61\x1A\x19", 5);

// The display shown before and after a run, with the positions the run reports
// (summarised, see summarise()): a single pair reports only 0. The reset to 0
// comes after the run has ended.
Calls run(const std::string& working, const std::string& before, const std::string& after,
          const Calls& progress = {"pos(0)"}) {
    Calls calls{"refresh(" + working + ", " + before + ")", "repaint", "range(0,100)"};
    calls.insert(calls.end(), progress.begin(), progress.end());
    calls.push_back("ended");
    calls.push_back("pos(0)");
    calls.push_back("refresh(Free, " + after + ")");
    return calls;
}

Calls join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct Row {
    const char* name;
    Files filesBefore;
    std::string pathBefore;  // name in the test folder; empty: no file loaded
    std::uint64_t sizeBefore;
    // L = Load File, E = Encrypt, D = Decrypt, F = drop `dropped`, S = start with
    // the first of `dropped`, in order
    std::string commands;
    std::deque<Answer> script;
    Calls calls;  // '%' in an expected call matches any text
    std::string pathAfter;
    std::uint64_t sizeAfter;
    Files filesAfter;
    std::vector<std::string> dropped = {};  // names in the test folder
    // What the user does whenever the window looks at its queue during a run.
    void (*duringRun)(FileCommands&) = nullptr;
};

// The folder of the row being run, for what the user's other programs do there.
fs::path gRowFolder;

std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.name; }

bool matches(const char* pattern, const char* text) {
    if (*pattern == '\0') return *text == '\0';
    if (*pattern == '%') {
        for (const char* rest = text;; ++rest) {
            if (matches(pattern + 1, rest)) return true;
            if (*rest == '\0') return false;
        }
    }
    return *pattern == *text && matches(pattern + 1, text + 1);
}

bool isPosition(const std::string& call) { return call.rfind("pos(", 0) == 0; }

// Collapses each run of two or more positions into "pos(...)" and its last
// position, after checking that every position lies in the bar's range.
Calls summarise(const Calls& calls) {
    Calls result;
    for (std::size_t i = 0; i < calls.size();) {
        std::size_t end = i;
        while (end < calls.size() && isPosition(calls[end])) {
            const int position = std::stoi(calls[end].substr(4));
            EXPECT_TRUE(position >= 0 && position <= 100) << calls[end];
            ++end;
        }
        if (end - i >= 2) {
            result.push_back("pos(...)");
            result.push_back(calls[end - 1]);
        } else if (end == i) {
            result.push_back(calls[i]);
            ++end;
        } else {
            result.push_back(calls[i]);
        }
        i = end;
    }
    return result;
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

Files filesIn(const fs::path& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path().lexically_relative(folder).generic_u8string()] =
                readAll(entry.path());
        }
    }
    return files;
}

class FileCommandsTest : public ::testing::TestWithParam<Row> {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // Rows of different suites share names, and other builds may run these
        // tests at the same time: a random suffix keeps the folders apart.
        std::string folderName = std::string("murkvale-commands-") + info->test_suite_name() + "-" +
                                 info->name() + "-" + std::to_string(std::random_device{}());
        for (char& c : folderName) {
            if (c == '/') c = '-';
        }
        folder_ = fs::temp_directory_path() / folderName;
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path folder_;
};

TEST_P(FileCommandsTest, RunsTheScript) {
    const Row& row = GetParam();
    for (const auto& [name, content] : row.filesBefore) {
        std::ofstream(folder_ / fs::u8path(name), std::ios::binary) << content;
    }
    gRowFolder = folder_;
    FileState state;
    if (!row.pathBefore.empty()) state.m_filePath = folder_ / fs::u8path(row.pathBefore);
    state.m_fileSize = row.sizeBefore;

    ScriptedHost host(folder_, state, row.script);
    // The window looks at its queue after every block, however short the run.
    FileCommands commands(state, host, std::chrono::milliseconds(0));
    if (row.duringRun) host.duringRun = [&] { row.duringRun(commands); };
    std::vector<fs::path> dropped;
    for (const auto& name : row.dropped) dropped.push_back(folder_ / fs::u8path(name));
    for (char command : row.commands) {
        try {
            if (command == 'L') commands.OnLoadFile();
            if (command == 'E') commands.OnEncrypt();
            if (command == 'D') commands.OnDecrypt();
            if (command == 'F') commands.OnDropFiles(dropped);
            if (command == 'S') commands.OnStartWith(dropped.front());
        } catch (const EngineError& error) {
            // The window's framework reports these; the test records what it would show.
            host.note("threw(\"" + host.shown(cannotOpenReport(error)) + "\")");
        }
    }

    const Calls calls = summarise(host.calls());
    ASSERT_EQ(calls.size(), row.calls.size()) << ::testing::PrintToString(calls);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_TRUE(matches(row.calls[i].c_str(), calls[i].c_str()))
            << "call " << i << ": " << calls[i] << "\n  expected: " << row.calls[i];
    }
    EXPECT_EQ(host.unusedAnswers(), 0u);
    EXPECT_EQ(host.shown(state.m_filePath), row.pathAfter.empty() ? "" : "$/" + row.pathAfter);
    EXPECT_EQ(state.m_fileSize, row.sizeAfter);
    EXPECT_EQ(state.m_status, "Free");
    EXPECT_FALSE(commands.busy());
    EXPECT_EQ(filesIn(folder_), row.filesAfter);
}

// Each a click, a posted command or a drop the window lets through while a run
// goes on: none of them may start a second command.
void askForEveryCommand(FileCommands& commands) {
    EXPECT_TRUE(commands.busy());
    commands.OnLoadFile();
    commands.OnEncrypt();
    commands.OnDecrypt();
    commands.OnDropFiles({});
}

void closeTheWindow(FileCommands&) { throw RunCancelled{}; }

// Another program saves a.vae while the run writes its output there.
void anotherProgramSavesTheOutput(FileCommands&) {
    if (!fs::exists(gRowFolder / "a.vae")) std::ofstream(gRowFolder / "a.vae") << "mine";
}

// clang-format off
const Row kLoadFileRows[] = {
    {"CancelChangesNothing", {{"b.txt", "xyz"}}, "b.txt", 3, "L",
     {kCancelFile},
     {kLoadDialog},
     "b.txt", 3, {{"b.txt", "xyz"}}},
    {"ReplacesTheCurrentFile", {{"a.txt", "abcdef"}, {"b.txt", "xyz"}}, "b.txt", 3, "L",
     {pick("a.txt")},
     {kLoadDialog, "refresh(Free, $/a.txt, 6)"},
     "a.txt", 6, {{"a.txt", "abcdef"}, {"b.txt", "xyz"}}},
    {"MissingFileKeepsPathAndSizeTogether", {{"b.txt", "xyz"}}, "b.txt", 3, "L",
     {pick("missing.txt")},
     {kLoadDialog, R"(threw("$/missing.txt was not found."))"},
     "b.txt", 3, {{"b.txt", "xyz"}}},
};

const Row kEncryptRows[] = {
    {"NothingLoaded", {}, "", 0, "E",
     {},
     {R"(message("You must load a file first!", "Encryption error"))"},
     "", 0, {}},
    {"FirstPromptCancelled", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {kCancelPrompt},
     {kFirstPrompt},
     "a.txt", 3, {{"a.txt", "abc"}}},
    {"RetypeCancelledAfterAPassword", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type("ab"), kCancelPrompt},
     {kFirstPrompt, kRetypePrompt, kMismatch},
     "a.txt", 3, {{"a.txt", "abc"}}},
    {"RetypeCancelledAfterEmptyPassword", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type(""), kCancelPrompt},
     {kFirstPrompt, kRetypePrompt},
     "a.txt", 3, {{"a.txt", "abc"}}},
    {"PasswordsDifferingInCase", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type("ab"), type("AB")},
     {kFirstPrompt, kRetypePrompt, kMismatch},
     "a.txt", 3, {{"a.txt", "abc"}}},
    {"SaveCancelled", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type("ab"), type("ab"), kCancelFile},
     {kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
     "a.txt", 3, {{"a.txt", "abc"}}},
    {"SealsAndReplacesAnExistingOutput", {{"a.txt", "abc"}, {"a.vae", "old"}}, "a.txt", 3, "E",
     {type("ab"), type("ab"), pick("a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           run("Encrypting...", "$/a.txt, 3", "$/a.txt, 3")}),
     "a.txt", 3, {{"a.txt", "abc"}, {"a.vae", kAbcSealedWithAb}}},
    {"EmptyPasswordOnlySwapsPairs", {{"a.txt", "abcd"}}, "a.txt", 4, "E",
     {type(""), type(""), pick("a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           run("Encrypting...", "$/a.txt, 4", "$/a.txt, 4", {"pos(...)", "pos(50)"})}),
     "a.txt", 4, {{"a.txt", "abcd"}, {"a.vae", std::string("\x01\x00" "badc", 6)}}},
    {"EmptyFileGivesHeaderOnly", {{"e.txt", ""}}, "", 0, "LE",
     {pick("e.txt"), type(""), type(""), pick("e.vae")},
     join({{kLoadDialog, "refresh(Free, $/e.txt, 0)",
            kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           run("Encrypting...", "$/e.txt, 0", "$/e.txt, 0", {})}),
     "e.txt", 0, {{"e.txt", ""}, {"e.vae", std::string("\x01\x00", 2)}}},
    {"CommandsAskedForDuringTheRunAreIgnored", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type("ab"), type("ab"), pick("a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           run("Encrypting...", "$/a.txt, 3", "$/a.txt, 3")}),
     "a.txt", 3, {{"a.txt", "abc"}, {"a.vae", kAbcSealedWithAb}}, {}, askForEveryCommand},
    {"CancelledRunLeavesTheOldOutputAndNoTemporaryFile", {{"a.txt", "abc"}, {"a.vae", "old"}}, "a.txt", 3, "E",
     {type("ab"), type("ab"), pick("a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           run("Encrypting...", "$/a.txt, 3", "$/a.txt, 3")}),
     "a.txt", 3, {{"a.txt", "abc"}, {"a.vae", "old"}}, {}, closeTheWindow},
    // The save dialog asked about no file of that name, so none is replaced.
    {"FileSavedThereDuringTheRunIsKept", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type("ab"), type("ab"), pick("a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           run("Encrypting...", "$/a.txt, 3", "$/a.txt, 3"),
           {R"(message("Cannot write "$/a.vae": a file of that name already exists.", "%"))"}}),
     "a.txt", 3, {{"a.txt", "abc"}, {"a.vae", "mine"}}, {}, anotherProgramSavesTheOutput},
    {"OutputIsTheInput", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type("ab"), type("ab"), pick("a.txt")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           {R"(message(""$/a.txt" is the file being encrypted. Nothing was written; choose another output file.", "Encryption error"))"}}),
     "a.txt", 3, {{"a.txt", "abc"}}},
    {"InputChangedSinceLoad", {{"a.txt", "abc"}, {"a.vae", "old"}}, "a.txt", 2, "E",
     {type("ab"), type("ab"), pick("a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog,
            "refresh(Encrypting..., $/a.txt, 2)", "repaint", "range(0,100)", "ended", "pos(0)",
            "refresh(Free, $/a.txt, 2)",
            R"(message("%$/a.txt%", "Encryption error"))"}}),
     "a.txt", 2, {{"a.txt", "abc"}, {"a.vae", "old"}}},
    {"InputDeletedSinceLoad", {}, "a.txt", 3, "E",
     {type("ab"), type("ab"), pick("a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog,
            "refresh(Encrypting..., $/a.txt, 3)", "repaint", "range(0,100)", "ended", "pos(0)",
            "refresh(Free, $/a.txt, 3)",
            R"(message("%$/a.txt%", "Encryption error"))"}}),
     "a.txt", 3, {}},
    {"OutputFolderMissing", {{"a.txt", "abc"}}, "a.txt", 3, "E",
     {type("ab"), type("ab"), pick("nowhere/a.vae")},
     join({{kFirstPrompt, kRetypePrompt, kSaveVaelDialog,
            "refresh(Encrypting..., $/a.txt, 3)", "repaint", "range(0,100)", "ended", "pos(0)",
            "refresh(Free, $/a.txt, 3)",
            R"(message("%$/nowhere%", "Encryption error"))"}}),
     "a.txt", 3, {{"a.txt", "abc"}}},
};

const Row kDecryptRows[] = {
    {"OpenCancelled", {{"b.txt", "xyz"}}, "b.txt", 3, "D",
     {kCancelFile},
     {kOpenVaelDialog},
     "b.txt", 3, {{"b.txt", "xyz"}}},
    {"MissingSealedFile", {{"b.txt", "xyz"}}, "b.txt", 3, "D",
     {pick("a.vae")},
     {kOpenVaelDialog, R"(threw("$/a.vae was not found."))"},
     "b.txt", 3, {{"b.txt", "xyz"}}},
    {"NotSealed", {{"b.txt", "xyz"}}, "b.txt", 3, "D",
     {pick("b.txt")},
     {kOpenVaelDialog, R"(message("Not a valid Vael", "Decryption error"))",
      "pos(0)", "refresh(Free, $/b.txt, 3)"},
     "b.txt", 3, {{"b.txt", "xyz"}}},
    {"EmptyFileIsNotSealed", {{"e.vae", ""}}, "", 0, "D",
     {pick("e.vae")},
     {kOpenVaelDialog, R"(message("Not a valid Vael", "Decryption error"))",
      "pos(0)", "refresh(Free, , 0)"},
     "", 0, {{"e.vae", ""}}},
    {"PlainFileStartingWithTheMarker", {{"m.txt", "\x01zz"}}, "", 0, "D",
     {pick("m.txt"), type("ab")},
     {kOpenVaelDialog, kDecryptPrompt,
      R"(message("Password mismatch!", "Decryption error"))", "pos(0)", "refresh(Free, , 0)"},
     "", 0, {{"m.txt", "\x01zz"}}},
    {"PasswordCancelled", {{"a.vae", kAbcSealedWithAb}}, "", 0, "D",
     {pick("a.vae"), kCancelPrompt},
     {kOpenVaelDialog, kDecryptPrompt, "pos(0)", "refresh(Free, , 0)"},
     "", 0, {{"a.vae", kAbcSealedWithAb}}},
    {"WrongPassword", {{"a.vae", kAbcSealedWithAb}}, "", 0, "D",
     {pick("a.vae"), type("x")},
     {kOpenVaelDialog, kDecryptPrompt,
      R"(message("Password mismatch!", "Decryption error"))", "pos(0)", "refresh(Free, , 0)"},
     "", 0, {{"a.vae", kAbcSealedWithAb}}},
    {"SaveCancelled", {{"a.vae", kAbcSealedWithAb}}, "", 0, "D",
     {pick("a.vae"), type("ab"), kCancelFile},
     {kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog, "pos(0)",
      "refresh(Free, , 0)"},
     "", 0, {{"a.vae", kAbcSealedWithAb}}},
    {"OpensAndMakesTheOutputCurrent", {{"a.vae", kAbcSealedWithAb}, {"out.txt", "old"}}, "b.txt", 9, "D",
     {pick("a.vae"), type("ab"), pick("out.txt")},
     join({{kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog},
           run("Decrypting...", "$/b.txt, 9", "$/out.txt, 3")}),
     "out.txt", 3, {{"a.vae", kAbcSealedWithAb}, {"out.txt", "abc"}}},
    // Only the check byte tests a password: "bc" shares "ab"'s and keys wrongly.
    {"WrongPasswordWithTheSameCheckByte", {{"a.vae", kAbcSealedWithAb}}, "", 0, "D",
     {pick("a.vae"), type("bc"), pick("out.txt")},
     join({{kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog},
           run("Decrypting...", ", 0", "$/out.txt, 3")}),
     "out.txt", 3, {{"a.vae", kAbcSealedWithAb}, {"out.txt", "aNO"}}},
    {"HeaderOnlyGivesAnEmptyFile", {{"e.vae", std::string("\x01\x00", 2)}}, "", 0, "D",
     {pick("e.vae"), type(""), pick("e.txt")},
     join({{kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog},
           run("Decrypting...", ", 0", "$/e.txt, 0", {})}),
     "e.txt", 0, {{"e.vae", std::string("\x01\x00", 2)}, {"e.txt", ""}}},
    {"CancelledRunKeepsTheCurrentFile", {{"a.vae", kAbcSealedWithAb}}, "b.txt", 9, "D",
     {pick("a.vae"), type("ab"), pick("out.txt")},
     join({{kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog},
           run("Decrypting...", "$/b.txt, 9", "$/b.txt, 9")}),
     "b.txt", 9, {{"a.vae", kAbcSealedWithAb}}, {}, closeTheWindow},
    {"OutputIsTheInput", {{"a.vae", kAbcSealedWithAb}}, "b.txt", 9, "D",
     {pick("a.vae"), type("ab"), pick("a.vae")},
     {kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog,
      R"(message(""$/a.vae" is the file being decrypted. Nothing was written; choose another output file.", "Decryption error"))",
      "pos(0)", "refresh(Free, $/b.txt, 9)"},
     "b.txt", 9, {{"a.vae", kAbcSealedWithAb}}},
    {"OutputUnderARegularFileKeepsThePreviousFile", {{"a.vae", kAbcSealedWithAb}}, "b.txt", 9, "D",
     {pick("a.vae"), type("ab"), pick("a.vae/out.txt")},
     {kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog,
      "refresh(Decrypting..., $/b.txt, 9)", "repaint", "range(0,100)", "ended", "pos(0)",
      "refresh(Free, $/b.txt, 9)",
      R"(message("%$/a.vae/out.txt%", "Decryption error"))"},
     "b.txt", 9, {{"a.vae", kAbcSealedWithAb}}},
    // The opened file is current at once, so Encrypt seals it with its new size.
    {"EncryptAfterDecryptSealsTheOutput", {{"a.vae", kAbcSealedWithAb}}, "", 0, "DE",
     {pick("a.vae"), type("ab"), pick("out.txt"), type(""), type(""), pick("out.vae")},
     join({{kOpenVaelDialog, kDecryptPrompt, kSavePlainDialog},
           run("Decrypting...", ", 0", "$/out.txt, 3"),
           {kFirstPrompt, kRetypePrompt, kSaveVaelDialog},
           run("Encrypting...", "$/out.txt, 3", "$/out.txt, 3")}),
     "out.txt", 3,
     {{"a.vae", kAbcSealedWithAb}, {"out.txt", "abc"}, {"out.vae", std::string("\x01\x00" "acb", 5)}}},
};

const Row kDropRows[] = {
    {"OneFileLoadsIt", {{"a.txt", "abcdef"}, {"b.txt", "xyz"}}, "b.txt", 3, "F",
     {},
     {"refresh(Free, $/a.txt, 6)"},
     "a.txt", 6, {{"a.txt", "abcdef"}, {"b.txt", "xyz"}}, {"a.txt"}},
    {"TwoFilesChangeNothing", {{"a.txt", "abcdef"}, {"b.txt", "xyz"}}, "b.txt", 3, "F",
     {},
     {R"(message("Please drop a single file.", "Error"))"},
     "b.txt", 3, {{"a.txt", "abcdef"}, {"b.txt", "xyz"}}, {"a.txt", "b.txt"}},
    {"AFolderChangesNothing", {{"b.txt", "xyz"}}, "b.txt", 3, "F",
     {},
     {R"(message("Please drop a single file.", "Error"))"},
     "b.txt", 3, {{"b.txt", "xyz"}}, {"."}},
    {"MissingFileIsReportedAsLoadFileReportsIt", {{"b.txt", "xyz"}}, "b.txt", 3, "F",
     {},
     {R"(threw("$/missing.txt was not found."))"},
     "b.txt", 3, {{"b.txt", "xyz"}}, {"missing.txt"}},
};

// A file manager starts the Linux window with a file.
const Row kStartWithRows[] = {
    {"AVaelFileIsDecryptedWithoutTheOpenDialog", {{"b.txt", "xyz"}, {"a.VAE", kAbcSealedWithAb}},
     "b.txt", 3, "S",
     {type("ab"), pick("a.txt")},
     join({{kDecryptPrompt, kSavePlainDialog},
           run("Decrypting...", "$/b.txt, 3", "$/a.txt, 3")}),
     "a.txt", 3, {{"a.VAE", kAbcSealedWithAb}, {"a.txt", "abc"}, {"b.txt", "xyz"}}, {"a.VAE"}},
    {"AnyOtherFileLoads", {{"a.vael", "abcdef"}}, "", 0, "S",
     {},
     {"refresh(Free, $/a.vael, 6)"},
     "a.vael", 6, {{"a.vael", "abcdef"}}, {"a.vael"}},
};
// clang-format on

std::string rowName(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(LoadFile, FileCommandsTest, ::testing::ValuesIn(kLoadFileRows), rowName);
INSTANTIATE_TEST_SUITE_P(Encrypt, FileCommandsTest, ::testing::ValuesIn(kEncryptRows), rowName);
INSTANTIATE_TEST_SUITE_P(Decrypt, FileCommandsTest, ::testing::ValuesIn(kDecryptRows), rowName);
INSTANTIATE_TEST_SUITE_P(DropFiles, FileCommandsTest, ::testing::ValuesIn(kDropRows), rowName);
INSTANTIATE_TEST_SUITE_P(StartWith, FileCommandsTest, ::testing::ValuesIn(kStartWithRows),
                         rowName);

}  // namespace
}  // namespace murkvale
