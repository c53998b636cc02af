#pragma once

namespace zelmo {
// Registers the compiled-in artwork (the UI library is static, so this is not automatic).
void ressourcenLaden();
}  // namespace zelmo
