#include "cli/line_reader.h"

namespace murkvale {

std::optional<std::string> readLine(const std::function<int()>& nextByte) {
    std::string line;
    bool any = false;
    bool ended = false;
    for (int c = nextByte(); c >= 0; c = nextByte()) {
        any = true;
        if (c == '\n') {
            ended = true;
            break;
        }
        if (line.size() <= kLineCap) line.push_back(static_cast<char>(c));
    }
    if (!any) return std::nullopt;
    // A '\r' counts as part of the ending only before a '\n'.
    if (ended && !line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace murkvale
