#include "qt/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace.
static void initMurkvaleResources() { Q_INIT_RESOURCE(murkvale); }

namespace murkvale {

void loadWindowResources() { initMurkvaleResources(); }

}  // namespace murkvale
