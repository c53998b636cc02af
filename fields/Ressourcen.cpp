#include "fields/Ressourcen.h"

#include <QFont>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <QtGlobal>

static void laden() {
    Q_INIT_RESOURCE(resources);
    // the window was laid out for "Microsoft Sans Serif"; Liberation Sans is the nearest free face
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace zelmo {
QFont schrift(double pixel, bool fett) {
    QFont f(QStringLiteral("Microsoft Sans Serif"));
    f.setPixelSize(std::max(1, int(std::lround(pixel))));
    f.setBold(fett);
    return f;
}

const QIcon& bildsymbol(const QString& datei) {
    static QHash<QString, QIcon> symbole;
    auto it = symbole.find(datei);
    if (it == symbole.end()) {
        ressourcenLaden();
        it = symbole.insert(datei, QIcon(datei));
    }
    return *it;
}

void ressourcenLaden() {
    static const bool einmal = (laden(), true);
    (void)einmal;
}
}  // namespace zelmo
