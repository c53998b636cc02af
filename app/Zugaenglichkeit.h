// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What assistive technology (screen readers) sees of the program's own controls: the page control as
// a page tab list with one page tab per page, the help links as links, the drawings as pictures that
// carry their hint as description. Installed once, before the first such control is created.

namespace zelmo {

void zugaenglichkeitEinrichten();

}  // namespace zelmo
