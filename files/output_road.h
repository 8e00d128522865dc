#pragma once
// How an output file comes to exist and takes its name. The best road needs
// support from the file system; where it is refused the engine falls back to
// the next one. Tests force the fallbacks and read which road ran.
namespace murkvale {

enum class OutputRoad {
    // Linux: created without a name (O_TMPFILE), named by linkat at commit;
    // Windows: a named file marked for deletion until commit. A killed run
    // leaves nothing.
    Unnamed,
    // A named temporary file, renamed at commit (without replacing where
    // replacing is not allowed). A killed run leaves it behind.
    Named,
    // As Named, but where the file system refuses a rename that cannot
    // replace: link() to the output's name, then unlink() the temporary.
    NamedLinked,
};

// The road of the most recent output file this process created.
OutputRoad lastOutputRoad();
void recordOutputRoad(OutputRoad road);

// The road tests ask for through MURKVALE_TEST_OUTPUT_ROAD ("named" or
// "named-linked"); Unnamed, the best road, otherwise.
OutputRoad requestedOutputRoad();

}  // namespace murkvale
