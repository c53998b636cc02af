// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Seitentabelle.h"

#include "circuits/KonstantstromSeite.h"
#include "circuits/LM317Seite.h"
#include "circuits/LedSeite.h"
#include "circuits/NE555Seite.h"
#include "circuits/NormwerteFenster.h"
#include "circuits/SpannungsteilerSeite.h"
#include "circuits/SternDreieckSeite.h"
#include "colourcode/DrosselSeite.h"
#include "colourcode/KondensatorSeite.h"
#include "colourcode/SmdSeite.h"
#include "colourcode/WiderstandSeite.h"
#include "eseries/ToleranzSeite.h"

namespace zelmo::seitentabelle {

namespace {

template <class S>
Rechnerseite* baue(const Umgebung& umgebung, QWidget* eltern) {
    return new S(umgebung, eltern);
}

template <class S>
Seite seite(const char* name, Register reg, int platz, const char* reiter, const char16_t* titel, int kontext,
            const char* thema, const char* hilfeLabel, const char* hilfeBild, const char* bild) {
    return {name, reg, platz, reiter, titel, kontext, thema, hilfeLabel, hilfeBild, bild, Seitenplatz::fuer<S>(),
            &baue<S>};
}

constexpr auto F = Register::Farbcode;
constexpr auto S = Register::Seiten;

}  // namespace

const std::vector<Seite>& seiten() {
    static const std::vector<Seite> t = {
        seite<WiderstandSeite>("Widerstand", F, 0, "TabSheet2", u"Widerstände", 90, "widerstand.htm", "LHilfe_R",
                               "IHilfe_R", "farbcode-widerstaende"),
        seite<DrosselSeite>("Drossel", F, 1, "TabSheet3", u"Drosseln", 100, "drossel.htm", "LHilfe_L", "IHilfe_L",
                            "farbcode-drosseln"),
        seite<KondensatorSeite>("Kondensator", F, 2, "TabSheet4", u"Kondensatore", 110, "kondensator.htm",
                                "LHilfe_C", "IHilfe_C", "farbcode-kondensatoren"),
        seite<ToleranzSeite>("Toleranz", S, 1, "TabSheet5", u"Toleranz (E-Reihen)", 120, "toleranz.htm",
                             "LHilfe_Toleranz", "IHilfe_Toleranz", "toleranz"),
        seite<SpannungsteilerSeite>("Teiler", S, 2, "TabSheet6", u"Spannungs-/ Stromteiler", 130, "teiler.htm",
                                    "LHilfe_SpannTeiler", "IHilfe_SpannTeiler", "spannungsteiler"),
        seite<LedSeite>("LED", S, 3, "TabSheet7", u"LED-Vorwiderstand", 140, "led.htm", "LHilfe_LED", "IHilfe_LED",
                        "led-vorwiderstand"),
        seite<LM317Seite>("LM317", S, 4, "TabSheet8", u"LM317 Berechnung", 150, "lm317.htm", "LHilfe_LM317",
                          "ILHilfe_LM317", "lm317"),
        seite<NE555Seite>("NE555", S, 5, "TabSheet9", u"NE555 Berechnung", 160, "ne555.htm", "LHilfe_NE555",
                          "IHilfe_NE555", "ne555"),
        seite<KonstantstromSeite>("Konstantstrom", S, 6, "TabSheet10", u"konst. Stromquelle", 170, "konststrom.htm",
                                  "LHilfe_konstStrom", "IHilfe_konstStrom", "konstantstrom"),
        seite<SternDreieckSeite>("SternDreieck", S, 7, "TabSheet11", u"Stern-/Dreieckwandlung", 180,
                                 "sterndreieck.htm", "LHilfe_SternDreieck", "IHilfe_SternDreieck", "stern-dreieck"),
        seite<SmdSeite>("SMD", F, 3, "TabSheet12", u"SMD-Code", 190, "smd.htm", "LHilfe_SMD", "IHilfe_SMD",
                        "farbcode-smd"),
    };
    return t;
}

int reiterAnzahl(Register r) {
    int n = r == Register::Seiten ? 1 : 0;  // the tab "Farbcode"
    for (const Seite& s : seiten()) n += s.reg == r;
    return n;
}

const Seite* auf(Register r, int platz) {
    for (const Seite& s : seiten())
        if (s.reg == r && s.platz == platz) return &s;
    return nullptr;
}

const Seite* namens(QStringView name) {
    for (const Seite& s : seiten())
        if (name == QLatin1StringView(s.name)) return &s;
    return nullptr;
}

std::vector<Hilfethema> hilfethemen() {
    std::vector<Hilfethema> t;
    for (const Seite& s : seiten()) t.push_back({s.hilfekontext, s.thema});
    t.push_back({normwerteHilfekontext, "normwerte.htm"});
    return t;
}

}  // namespace zelmo::seitentabelle
