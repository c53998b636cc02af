#include "eseries/ToleranzSeite.h"

namespace zelmo {

ToleranzSeite::ToleranzSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

bool ToleranzSeite::Uebergabe(double) { return false; }

}  // namespace zelmo
