#include "circuits/KonstantstromSeite.h"

namespace zelmo {

KonstantstromSeite::KonstantstromSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
