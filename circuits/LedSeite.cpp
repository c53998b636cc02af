#include "circuits/LedSeite.h"

namespace zelmo {

LedSeite::LedSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
