// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "app/beschriftung.h"
#include "app/tastatur.h"
#include "support/gtest_qt.h"

using namespace zelmo;

TEST(Blaettern, TastenUndUmschalter) {
    const struct {
        int taste;
        Qt::KeyboardModifiers mod;
        int schritt;
    } faelle[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, -1},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
        {Qt::Key_PageDown, Qt::ControlModifier, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, -1},
        {Qt::Key_PageDown, Qt::ControlModifier | Qt::KeypadModifier, 1},
        {Qt::Key_Tab, Qt::NoModifier, 0},          // plain Tab moves the focus
        {Qt::Key_PageDown, Qt::NoModifier, 0},     // plain PgDown belongs to the control
        {Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier | Qt::ShiftModifier, 0},
        {Qt::Key_Right, Qt::ControlModifier, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(tastatur::blaetterSchritt(f.taste, f.mod), f.schritt) << f.taste << " " << int(f.mod);
}

TEST(Blaettern, EbeneDerTaste) {
    using R = std::vector<tastatur::Register>;
    const R farbcodeMitte{{1, 4}, {0, 8}};
    const R farbcodeLetzte{{3, 4}, {0, 8}};
    const R farbcodeErste{{0, 4}, {0, 8}};
    const struct {
        const char* name;
        R register_;
        int schritt;
        bool tab;
        int ebene;
    } faelle[] = {
        {"Ctrl+Tab inside", farbcodeMitte, 1, true, 0},
        {"Ctrl+Tab at the last sub-page", farbcodeLetzte, 1, true, 1},
        {"Ctrl+Shift+Tab at the last sub-page", farbcodeLetzte, -1, true, 0},
        {"Ctrl+Shift+Tab at the first sub-page", farbcodeErste, -1, true, 1},
        {"Ctrl+Tab at the first sub-page", farbcodeErste, 1, true, 0},
        {"Ctrl+PgDown at the last sub-page", farbcodeLetzte, 1, false, 0},
        {"Ctrl+PgUp at the first sub-page", farbcodeErste, -1, false, 0},
        {"outermost alone cycles", {{7, 8}}, 1, true, 0},
        {"both at their end: the outermost", {{3, 4}, {7, 8}}, 1, true, 1},
        {"none", {}, 1, true, -1},
    };
    for (const auto& f : faelle) EXPECT_EQ(tastatur::blaetterEbene(f.register_, f.schritt, f.tab), f.ebene) << f.name;
}

TEST(Lesereihenfolge, ZeilenVonLinksNachRechts) {
    const struct {
        const char* name;
        std::vector<QRect> orte;
        std::vector<int> reihenfolge;
    } faelle[] = {
        {"two columns of fields", {{135, 55, 122, 22}, {14, 25, 115, 22}, {135, 25, 122, 22}, {14, 55, 115, 22}},
         {1, 2, 3, 0}},
        // a field a little lower than its neighbour on the right still reads first
        {"shifted neighbours", {{510, 107, 130, 22}, {22, 122, 125, 22}, {510, 155, 130, 22}}, {1, 0, 2}},
        // a tall group on the left: the small groups beside it follow it, top down
        {"tall group beside small ones", {{290, 138, 337, 90}, {10, 90, 125, 175}, {290, 8, 337, 118}, {10, 8, 262, 72}},
         {3, 2, 1, 0}},
        {"touching rows stay apart", {{0, 22, 50, 22}, {60, 0, 50, 22}}, {1, 0}},
        {"empty", {}, {}},
    };
    for (const auto& f : faelle) EXPECT_EQ(tastatur::leseReihenfolge(f.orte), f.reihenfolge) << f.name;
}

// Arrow keys in a radio group follow the grid the buttons stand in.
TEST(Pfeiltasten, FolgenDemGitter) {
    // three columns of two, filled column by column (0 above 1, 2 right of 0), as the LED colours;
    // the columns wider than their distance, so that the buttons overlap
    const std::vector<QRect> gitter{{20, 16, 100, 20}, {20, 36, 100, 20}, {95, 16, 100, 20},
                                    {95, 36, 100, 20}, {170, 16, 60, 20}, {170, 36, 60, 20}};
    // two columns with other widths and a little shifted, as the circuits of the constant-current page
    const std::vector<QRect> schief{{30, 15, 110, 21}, {30, 37, 100, 21}, {155, 16, 60, 21}, {157, 37, 80, 21}};
    const std::vector<QRect> spalte{{8, 20, 60, 24}, {8, 44, 60, 24}, {8, 68, 60, 24}, {8, 92, 60, 24}};
    const std::vector<QRect> zeile{{18, 20, 60, 20}, {83, 20, 60, 20}, {148, 20, 60, 20}};
    const std::vector<bool> alle6(6, true), alle4(4, true), alle3(3, true);
    const struct {
        const char* name;
        const std::vector<QRect>& orte;
        std::vector<bool> waehlbar;
        int von;
        int taste;
        int ziel;
    } faelle[] = {
        {"right: the neighbour on the row", gitter, alle6, 0, Qt::Key_Right, 2},
        {"down: the one below", gitter, alle6, 0, Qt::Key_Down, 1},
        {"right at the row's end: next row", gitter, alle6, 4, Qt::Key_Right, 1},
        {"down at the column's end: next column", gitter, alle6, 1, Qt::Key_Down, 2},
        {"left at the start: round the end", gitter, alle6, 0, Qt::Key_Left, 5},
        {"up at the start: round the end", gitter, alle6, 0, Qt::Key_Up, 5},
        {"up: the one above", gitter, alle6, 3, Qt::Key_Up, 2},
        {"left: the neighbour on the row", gitter, alle6, 5, Qt::Key_Left, 3},
        {"disabled passed over", gitter, {true, true, false, true, true, true}, 0, Qt::Key_Right, 4},
        {"shifted columns", schief, alle4, 0, Qt::Key_Right, 2},
        {"shifted rows", schief, alle4, 1, Qt::Key_Right, 3},
        {"shifted, down", schief, alle4, 2, Qt::Key_Down, 3},
        {"one column: right is down", spalte, alle4, 1, Qt::Key_Right, 2},
        {"one column: down", spalte, alle4, 3, Qt::Key_Down, 0},
        {"one row: down is right", zeile, alle3, 0, Qt::Key_Down, 1},
        {"one row: up round the end", zeile, alle3, 0, Qt::Key_Up, 2},
        {"nothing else to choose", zeile, {false, true, false}, 1, Qt::Key_Right, -1},
        {"no arrow", zeile, alle3, 0, Qt::Key_Tab, -1},
        {"outside the group", zeile, alle3, 3, Qt::Key_Right, -1},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(tastatur::pfeilZiel(f.orte, f.waehlbar, f.von, f.taste), f.ziel) << f.name;
}

TEST(Feldname, BeschriftungLinksOderDarueber) {
    const QRect feld{135, 25, 122, 22};
    const struct {
        const char* name;
        std::vector<Beschriftung> beschriftungen;
        std::vector<QRect> andere;
        const char* erwartet;
    } faelle[] = {
        {"label left", {{{14, 28, 70, 16}, "Spannung U"}, {{262, 28, 10, 16}, "V"}}, {}, "Spannung U"},
        {"nearest of two", {{{14, 28, 30, 16}, "Eingang"}, {{60, 28, 60, 16}, "Strom I"}}, {}, "Strom I"},
        {"index after its letter", {{{14, 28, 58, 16}, "Laststrom I"}, {{73, 34, 6, 12}, "L"}}, {}, "Laststrom IL"},
        {"blanks simplified", {{{14, 28, 100, 16}, " max.  Strom I "}}, {}, "max. Strom I"},
        {"another control between", {{{14, 28, 40, 16}, "Modus"}}, {{60, 25, 60, 22}}, ""},
        {"other row", {{{14, 60, 70, 16}, "Spannung U"}}, {}, ""},
        {"no letters", {{{14, 28, 60, 16}, "120,00 \u2126"}, {{100, 28, 10, 16}, "<"}}, {}, ""},
        {"heading above", {{{140, 6, 60, 16}, "Toleranz"}}, {}, "Toleranz"},
        {"label of the field above is no heading", {{{140, 6, 40, 16}, "max."}}, {{190, 2, 60, 22}}, ""},
        {"too far above", {{{140, -30, 60, 16}, "Toleranz"}}, {}, ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(feldname(feld, f.beschriftungen, f.andere), QString::fromUtf8(f.erwartet)) << f.name;
}
