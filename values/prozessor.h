// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Clears the upper halves of the processor's AVX registers (vzeroupper), on x86 processors that have
// them. The toolkit's drawing code (text drawn from a kept layout) may leave them in use; until they are
// cleared, the plain SSE arithmetic that follows runs at about half speed (measured: the three-part
// search of E192 in 130 ms of processor time instead of 65 after a list was painted). A long calculation
// calls this before it starts, whatever ran before it.

namespace zelmo {

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) inline void avxOberhaelftenFreiMitAvx() { __builtin_ia32_vzeroupper(); }
inline void avxOberhaelftenFrei() {
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) avxOberhaelftenFreiMitAvx();
}
#else
inline void avxOberhaelftenFrei() {}
#endif

}  // namespace zelmo
