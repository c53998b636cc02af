#include "fields/Rechnerseite.h"

#include "fields/Meldungen.h"

namespace zelmo {

void Rechnerseite::starten(IniLeser* einstellungen) {
    const Meldungen::OhneWiederholung einmal;
    if (einstellungen)
        laden(*einstellungen);
    else
        ersterStart();
    laufzeitEinstellungen();
}

}  // namespace zelmo
