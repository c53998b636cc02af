// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keyboard rules of the window that need no widget: the page-switching keys and the reading order
// in which Tab visits the controls of a page.

#include <QRect>
#include <Qt>
#include <vector>

namespace zelmo::tastatur {

// Ctrl+Tab and Ctrl+PgDown: 1 (next page); Ctrl+Shift+Tab and Ctrl+PgUp: -1; anything else: 0.
int blaetterSchritt(int taste, Qt::KeyboardModifiers umschalter);

// A page control around the focus: its current page and its number of pages.
struct Register {
    int aktuell;
    int anzahl;
};
// Which of the page controls around the focus (innermost first) a page key switches. Ctrl+PgDown and
// Ctrl+PgUp (tab false) cycle the innermost. Ctrl+Tab goes on past a page control that stands at its
// last page (Ctrl+Shift+Tab: at its first) to the next one outside, so that the keys lead out of inner
// pages; the outermost cycles. -1 when there is none.
int blaetterEbene(const std::vector<Register>& register_, int schritt, bool tab);

// The order in which to visit the rectangles: left to right, top to bottom. A rectangle that starts
// before the first (topmost) one of a row ends belongs to that row, so that shifted neighbours and
// small controls beside a tall group read as one row (from left to right, each column top down).
std::vector<int> leseReihenfolge(const std::vector<QRect>& rechtecke);

// Where an arrow key moves in a group of radio buttons laid out as a grid (orte: the buttons; waehlbar:
// which can be chosen). Right and Left go along the rows (at a row's end on to the next row), Down and
// Up along the columns (at a column's end on to the next column), round the end; buttons that cannot
// be chosen are passed over. A row is the buttons whose middles stand at the same height, a column
// those whose left edges line up (within half a button's height). -1 for any other key, or when no
// other button can be chosen.
int pfeilZiel(const std::vector<QRect>& orte, const std::vector<bool>& waehlbar, int von, int taste);

}  // namespace zelmo::tastatur
