#pragma once

#include <QFont>

namespace zelmo {
// Registers the compiled-in artwork (the UI library is static, so this is not automatic) and the
// font substitution.
void ressourcenLaden();

// The program's one typeface ("Microsoft Sans Serif", which the resources map to the nearest free face
// where it is missing) at a size in pixels (rounded, at least 1).
QFont schrift(double pixel, bool fett = false);
}  // namespace zelmo
