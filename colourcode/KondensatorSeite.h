// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sub-page "Kondensatore": the colour rings of a ceramic capacitor (with its two tolerance classes) or
// a tantalum capacitor and its capacitance, tolerance and voltage, converted in both directions, with
// the tolerance limits and the E-series.

#include "colourcode/Farbring.h"
#include "colourcode/kondensator.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QLabel;

namespace zelmo {

class Bauteilbild;
class Eingabefeld;

class KondensatorSeite : public Rechnerseite {
    Q_OBJECT
public:
    KondensatorSeite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // [Kondensator]: the record and the kind.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<KondensatorSeite>& ablage();

    // The page's record; whoever changes it from outside runs RG_KondensatoreClick afterwards.
    Kondensator& kondensator() { return m_kondensator; }
    const Kondensator& kondensator() const { return m_kondensator; }
    // The kind selector (item 0: ceramic, 1: tantalum).
    Radiogruppe* auswahl() const { return m_rgKondensatore; }
    kondensatorcode::Art art() const;

    // Sets the sub-page up for the selected kind from the record.
    void RG_KondensatoreClick();

private:
    void aufbauen();
    void RG_C_1Click();
    void RG_C_2Click();
    void RG_C_M_KerClick();
    void RG_C_M_TanClick();
    void RG_C_T_U10Click();
    void RG_C_T_O10Click();
    void RG_C_U_KerClick();
    void RG_C_U_TanClick();
    void C_Ziffernring_geklickt(const Farbring& ring, int stelle);
    void C_Toleranzring_geklickt(const Farbring& ring, bool klein);
    void C_Spannungsring_geklickt(const Farbring& ring);

    // The ceramic layout of the class of the displayed value.
    void C_Kerko_Klasse();
    void C_Kerko_kleiner_10p();
    void C_Kerko_groesser_10p();
    void C_Kerko_Aufbau(bool klein);
    // The class of the value the program shows in C_E_Wert (at most 10 pF or above).
    bool angezeigtHoechstens10p() const;

    void C_Wert_anzeigen();
    void C_berechnen_und_anzeigen(Farbwert farbe, int stelle);
    void C_Multi_berechnen_und_anzeigen(Farbwert farbe);
    void C_Farbringe_setzen(double zahl);
    void C_Toleranzen_berechnen();
    void C_Toleranz_Farbring_setzen();
    void C_U_Berechnung();
    void C_E_Reihe();
    void C_E_T_anzeigen();
    void C_E_U_anzeigen();
    // The line under the drawing and whether the value rings are drawn, after every change of the value.
    void ringeBeurteilen();
    // Takes a value computed from the rings when it lies inside the field's limits.
    void wertUebernehmen(std::optional<double> wert);
    const Farbring& multiplikatorRing() const;
    const Farbring& spannungsRing() const;
    const Farbring& toleranzRing(bool klein) const;

    Kondensator m_kondensator;
    bool m_kleinAufgebaut = false;  // the tolerance class the ceramic layout shows

    Eingabefeld* m_eWert;
    Eingabefeld* m_eT;
    Eingabefeld* m_eU;
    QLineEdit* m_tolMax;
    QLineEdit* m_tolMin;
    QLabel* m_ringhinweis;
    QLabel* m_labelMax;
    QLabel* m_labelMin;
    QLabel* m_labelToleranz;
    Bauteilbild* m_bild;
    Farblegende* m_legende;
    Radiogruppe* m_rgKondensatore;
    EReihenListe* m_eReihe;
    QLabel* m_labelT;  // Label64
    QLabel* m_labelU;  // Label65

    Farbring m_ring1, m_ring2, m_ringMKer, m_ringMTan, m_ringTU10, m_ringTO10, m_ringUKer, m_ringUTan;
};

}  // namespace zelmo
