// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sub-page "Widerstände": the colour rings of a resistor with 4 or 5 rings and its value, tolerance
// and maximum voltage, converted in both directions, with the tolerance limits and the E-series.

#include "colourcode/Farbring.h"
#include "colourcode/widerstand.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QLabel;

namespace zelmo {

class Bauteilbild;
class Eingabefeld;

class WiderstandSeite : public Rechnerseite {
    Q_OBJECT
public:
    WiderstandSeite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // [Widerstand]: the record and the ring count.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<WiderstandSeite>& ablage();

    // The page's record; whoever changes it from outside runs RG_WiderstandClick afterwards.
    Widerstand& widerstand() { return m_widerstand; }
    const Widerstand& widerstand() const { return m_widerstand; }
    // The ring-count selector (item 0: 4 rings, item 1: 5 rings).
    Radiogruppe* ringzahl() const { return m_rgWiderstand; }
    bool fuenfRinge() const;

    // Sets the sub-page up for the selected ring count from the record.
    void RG_WiderstandClick();

private:
    void aufbauen();
    void RG_R_1Click();
    void RG_R_2Click();
    void RG_R_3Click();
    void RG_R_MClick();
    void RG_R_TClick();
    void RG_R_UClick();
    void R_Ziffernring_geklickt(const Farbring& ring, int stelle);

    void R_berechnen_und_anzeigen(Farbwert farbe, int stelle);
    void R_Multi_berechnen_und_anzeigen(Farbwert farbe);
    void R_Farbringe_setzen(double zahl);
    void R_Toleranzen_berechnen();
    void R_Toleranz_Farbring_setzen();
    void R_U_Berechnung();
    void R_E_Reihe();
    void R_Wert_anzeigen();
    void R_E_T_anzeigen();
    void R_E_U_anzeigen();
    // The line under the drawing and whether the value rings are drawn, after every change of the value.
    void ringeBeurteilen();
    // Takes a value computed from the rings when it lies inside the field's limits.
    void wertUebernehmen(std::optional<double> wert);

    Widerstand m_widerstand;

    Eingabefeld* m_eWert;
    Eingabefeld* m_eT;
    Eingabefeld* m_eU;
    QLineEdit* m_tolMax;
    QLineEdit* m_tolMin;
    Bauteilbild* m_bild;
    Farblegende* m_legende;
    Radiogruppe* m_rgWiderstand;
    EReihenListe* m_eReihe;
    QLabel* m_label3;   // ring label "3."
    QLabel* m_labelM;
    QLabel* m_labelT;
    QLabel* m_labelU;
    QLabel* m_label1;
    QLabel* m_label2;
    QLabel* m_ringhinweis;

    Farbring m_ring1, m_ring2, m_ring3, m_ringM, m_ringT, m_ringU;
};

}  // namespace zelmo
