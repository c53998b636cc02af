#include "fields/Ressourcen.h"

#include <QtGlobal>

static void laden() { Q_INIT_RESOURCE(resources); }

namespace zelmo {
void ressourcenLaden() {
    static const bool einmal = (laden(), true);
    (void)einmal;
}
}  // namespace zelmo
