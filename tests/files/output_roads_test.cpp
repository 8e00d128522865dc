// Every road an output can take to its name, forced as the file systems that
// refuse the better ones would force it: the output shows no name (or only a
// temporary one) until it is complete, and a file that takes the name while
// the run is under way is never replaced unless replacing was allowed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "files/engine_error.h"
#include "files/output_road.h"
#include "files/sealed_file.h"
#include "tests/files/scratch_folder.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ScratchFolder;

const PasswordDigest kDigest = derivePasswordDigest("pw");

struct Road {
    const char* asked;  // MURKVALE_TEST_OUTPUT_ROAD, or null for the default
    OutputRoad road;
    // Whether the file being written shows a temporary name in the folder.
    bool showsTempName;
};

const Road kRoads[] = {
#ifdef _WIN32
    // Windows names the marked file; the mark, not the name, is what goes.
    {nullptr, OutputRoad::Unnamed, true},
    {"named", OutputRoad::Named, true},
#else
    {nullptr, OutputRoad::Unnamed, false},
    {"named", OutputRoad::Named, true},
    {"named-linked", OutputRoad::NamedLinked, true},
#endif
};

class AskedRoad {
  public:
    explicit AskedRoad(const char* road) {
#ifdef _WIN32
        _putenv_s("MURKVALE_TEST_OUTPUT_ROAD", road ? road : "");
#else
        if (road) {
            setenv("MURKVALE_TEST_OUTPUT_ROAD", road, 1);
        } else {
            unsetenv("MURKVALE_TEST_OUTPUT_ROAD");
        }
#endif
    }
    ~AskedRoad() {
#ifdef _WIN32
        _putenv_s("MURKVALE_TEST_OUTPUT_ROAD", "");
#else
        unsetenv("MURKVALE_TEST_OUTPUT_ROAD");
#endif
    }
};

struct Scene {
    const char* name;
    Replace replace;
    bool newcomer;    // a file takes the output's name during the run
    bool succeeds;
};

const Scene kScenes[] = {
    {"NewName", Replace::Never, false, true},
    {"NewcomerRefused", Replace::Never, true, false},
    {"ReplaceAllowed", Replace::Allowed, false, true},
    {"NewcomerReplacedWhereAllowed", Replace::Allowed, true, true},
};

class OutputRoadsTest : public ::testing::TestWithParam<std::tuple<Road, Scene>> {};

TEST_P(OutputRoadsTest, NamesTheOutputOnlyWhenComplete) {
    const auto& [road, scene] = GetParam();
    const AskedRoad asked(road.asked);
    ScratchFolder folder;
    const Bytes plain = testing::patterned(3 << 20);
    testing::writeBytes(folder / "in.txt", plain);
    const fs::path out = folder / "out.vae";
    const Bytes newcomer = {'m', 'i', 'n', 'e'};

    bool sawTempName = false;
    bool sawOutput = false;
    RunHooks hooks;
    hooks.checkpoint = [&] {
        for (const std::string& name : folder.names()) {
            if (name == "out.vae") sawOutput = true;
            if (name != "in.txt" && name != "out.vae") sawTempName = true;
        }
        if (scene.newcomer && !fs::exists(out)) testing::writeBytes(out, newcomer);
    };

    bool refused = false;
    try {
        sealFile(folder / "in.txt", plain.size(), out, scene.replace, kDigest, hooks);
    } catch (const EngineError& e) {
        EXPECT_EQ(e.kind(), FailureKind::OutputExists) << e.what();
        refused = true;
    }
    EXPECT_EQ(!refused, scene.succeeds);
    EXPECT_EQ(lastOutputRoad(), road.road);
    EXPECT_EQ(sawTempName, road.showsTempName);
    EXPECT_EQ(sawOutput, scene.newcomer);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"in.txt", "out.vae"}));
    const Bytes written = testing::readBytes(out);
    if (scene.succeeds) {
        EXPECT_EQ(written.size(), plain.size() + 2);
    } else {
        EXPECT_EQ(written, newcomer);
    }
}

// The last check comes after the flush, so an interrupt there still counts
// and leaves nothing, on every road.
TEST_P(OutputRoadsTest, AbandonedAtTheLastCheckLeavesNothing) {
    const auto& [road, scene] = GetParam();
    const AskedRoad asked(road.asked);
    ScratchFolder folder;
    const Bytes plain = testing::patterned(2 << 20);
    testing::writeBytes(folder / "in.txt", plain);
    const fs::path out = folder / "out.vae";
    if (scene.newcomer) testing::writeBytes(out, {'o', 'l', 'd'});
    int checks = 0;
    RunHooks hooks;
    // Two blocks, then the last check.
    hooks.checkpoint = [&] {
        if (++checks == 3) throw std::runtime_error("interrupted");
    };
    const Replace replace = scene.newcomer ? Replace::Allowed : scene.replace;
    EXPECT_THROW(sealFile(folder / "in.txt", plain.size(), out, replace, kDigest, hooks),
                 std::runtime_error);
    EXPECT_EQ(checks, 3);
    if (scene.newcomer) {
        EXPECT_EQ(testing::readBytes(out), (Bytes{'o', 'l', 'd'}));
        EXPECT_EQ(folder.names(), (std::set<std::string>{"in.txt", "out.vae"}));
    } else {
        EXPECT_EQ(folder.names(), std::set<std::string>{"in.txt"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Roads, OutputRoadsTest, ::testing::Combine(::testing::ValuesIn(kRoads),
                                               ::testing::ValuesIn(kScenes)),
    [](const ::testing::TestParamInfo<std::tuple<Road, Scene>>& row) {
        const char* road = std::get<0>(row.param).asked;
        std::string name = road ? road : "default";
        for (char& c : name) {
            if (c == '-') c = '_';
        }
        return name + "_" + std::get<1>(row.param).name;
    });

}  // namespace
}  // namespace murkvale
