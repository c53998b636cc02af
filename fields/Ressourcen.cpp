#include "fields/Ressourcen.h"

#include <QFont>
#include <QtGlobal>

static void laden() {
    Q_INIT_RESOURCE(resources);
    // the window was laid out for "Microsoft Sans Serif"; Liberation Sans is the nearest free face
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace zelmo {
void ressourcenLaden() {
    static const bool einmal = (laden(), true);
    (void)einmal;
}
}  // namespace zelmo
