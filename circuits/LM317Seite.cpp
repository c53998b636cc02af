#include "circuits/LM317Seite.h"

namespace zelmo {

LM317Seite::LM317Seite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
