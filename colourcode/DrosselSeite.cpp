#include "colourcode/DrosselSeite.h"

namespace zelmo {

DrosselSeite::DrosselSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
