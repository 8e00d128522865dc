#include "files/output_road.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace murkvale {

namespace {
std::atomic<OutputRoad> gLastRoad{OutputRoad::Unnamed};
}

OutputRoad lastOutputRoad() { return gLastRoad.load(); }

void recordOutputRoad(OutputRoad road) { gLastRoad.store(road); }

OutputRoad requestedOutputRoad() {
    const char* asked = std::getenv("MURKVALE_TEST_OUTPUT_ROAD");
    if (asked == nullptr) return OutputRoad::Unnamed;
    if (std::strcmp(asked, "named") == 0) return OutputRoad::Named;
    if (std::strcmp(asked, "named-linked") == 0) return OutputRoad::NamedLinked;
    return OutputRoad::Unnamed;
}

}  // namespace murkvale
