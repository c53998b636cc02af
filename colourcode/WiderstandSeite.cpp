#include "colourcode/WiderstandSeite.h"

namespace zelmo {

WiderstandSeite::WiderstandSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
