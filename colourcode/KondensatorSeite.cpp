#include "colourcode/KondensatorSeite.h"

namespace zelmo {

KondensatorSeite::KondensatorSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
