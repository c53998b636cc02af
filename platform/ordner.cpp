#include "platform/ordner.h"

namespace zelmo {

QString datenOrdnerFuer(const QString& programmOrdner, const QString& installOrdner,
                        const QString& benutzerOrdner) {
    if (programmOrdner == installOrdner) return benutzerOrdner + QStringLiteral("/QR2ZUX_Software/Zelmotronik");
    return programmOrdner;
}

}  // namespace zelmo
