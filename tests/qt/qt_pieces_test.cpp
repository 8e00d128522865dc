// The Linux window's pieces that have no window: the file dialogs' filters
// and the start arguments.
#include <gtest/gtest.h>

#include "qt/file_chooser.h"
#include "qt/start_arguments.h"

namespace murkvale {
namespace {

TEST(QtNameFilters, KeepNamesAndShowEveryFileForStarDotStar) {
    struct Case {
        std::string filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"All Files (*.*)|*.*||", {"All Files (*)"}},
        {"Vael Encrypted Files (*.vae)|*.vae|All Files (*.*)|*.*||",
         {"Vael Encrypted Files (*.vae)", "All Files (*)"}},
        // Windows separates patterns with ';', Qt with spaces.
        {"Pictures|*.png;*.bmp||", {"Pictures (*.png *.bmp)"}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(qtNameFilters(c.filter), c.expected) << c.filter;
}

TEST(StartArguments, OneFileOrHelpOrVersion) {
    using Action = StartArguments::Action;
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::optional<std::string> file;
    };
    const Case cases[] = {
        {{}, Action::Run, std::nullopt},
        {{"a.vae"}, Action::Run, "a.vae"},
        {{"--", "--help"}, Action::Run, "--help"},
        {{"-"}, Action::Run, "-"},
        {{"--help"}, Action::Help, std::nullopt},
        {{"a", "-h"}, Action::Help, std::nullopt},
        {{"--version"}, Action::Version, std::nullopt},
        {{"a", "b"}, Action::Refused, std::nullopt},
        {{"--frobnicate"}, Action::Refused, std::nullopt},
        // Bytes that are not UTF-8 stay as given.
        {{"caf\xE9.vae"}, Action::Run, "caf\xE9.vae"},
    };
    for (const Case& c : cases) {
        const StartArguments start = parseStartArguments(c.arguments);
        EXPECT_EQ(start.action, c.action) << ::testing::PrintToString(c.arguments);
        if (c.action == Action::Run) {
            ASSERT_EQ(start.file.has_value(), c.file.has_value());
            if (c.file) {
                EXPECT_EQ(start.file->native(), *c.file);
            }
        }
        if (c.action == Action::Refused) {
            EXPECT_FALSE(start.refusal.empty());
        }
    }
}

}  // namespace
}  // namespace murkvale
