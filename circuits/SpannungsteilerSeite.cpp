#include "circuits/SpannungsteilerSeite.h"

namespace zelmo {

SpannungsteilerSeite::SpannungsteilerSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {}

}  // namespace zelmo
