#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class ToleranzSeite : public Rechnerseite {
    Q_OBJECT
public:
    ToleranzSeite(const Umgebung& umgebung, QWidget* parent);
    // A resistance in ohm handed over by another page: kind R, value shown, calculation run.
    // False when the value cannot be taken (the page then stays as it was).
    bool Uebergabe(double ohm);
};

}  // namespace zelmo
