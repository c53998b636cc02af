#include "circuits/NE555Seite.h"

namespace zelmo {

NE555Seite::NE555Seite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
