// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What assistive technology (screen readers) sees of the program's controls: the page control as a
// page tab list with one page tab per page that holds its page; the help links and the labels that act
// on a click as links; the drawings as pictures that carry their hint as description; radio buttons
// as radio buttons (also where their group makes them exclusive); combo boxes named by their label
// with the item shown as value; group boxes without what is only drawn in them (lines, swatches, the
// empty items of ring groups). Every name and description without the blanks of the layout.
// Installed once, before the first such control is created.

namespace zelmo {

void zugaenglichkeitEinrichten();

}  // namespace zelmo
