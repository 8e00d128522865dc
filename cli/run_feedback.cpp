#include "cli/run_feedback.h"

#include "cipher/vael_format.h"
#include "cli/console.h"
#include "files/sealed_file.h"

namespace murkvale {

RunFeedback::RunFeedback(const char* label, bool quiet)
    : bar_(label, !quiet && stderrIsTerminal()) {}

ProgressSink RunFeedback::sink() {
    return [this](int position) {
        interrupts_.throwIfRaised();
        bar_.show(position);
    };
}

bool hasVaelHeader(const SealedFile& sealed) {
    return sealed.hasMarker() && sealed.sealedLength() >= kVaelHeaderSize;
}

}  // namespace murkvale
