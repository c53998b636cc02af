#include "circuits/SternDreieckSeite.h"

namespace zelmo {

SternDreieckSeite::SternDreieckSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
