#include "eseries/ToleranzSeite.h"

namespace zelmo {

ToleranzSeite::ToleranzSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

void ToleranzSeite::Uebergabe(double) {}

}  // namespace zelmo
