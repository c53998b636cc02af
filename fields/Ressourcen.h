#pragma once

namespace zelmo {
// Registers the compiled-in artwork (the UI library is static, so this is not automatic) and the
// font substitution.
void ressourcenLaden();
}  // namespace zelmo
