// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sub-page "Drosseln": the colour rings of an inductor in the codings IEC, Jahre Dezi and Jahre Multi
// and its inductance and tolerance, converted in both directions, with the tolerance limits and the
// E-series.

#include "colourcode/Farbring.h"
#include "colourcode/drossel.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace zelmo {

class Bauteilbild;
class Eingabefeld;

class DrosselSeite : public Rechnerseite {
    Q_OBJECT
public:
    DrosselSeite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // [Drossel]: the record and the coding.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<DrosselSeite>& ablage();

    // The page's record; whoever changes it from outside runs RG_DrosselClick afterwards.
    Drossel& drossel() { return m_drossel; }
    const Drossel& drossel() const { return m_drossel; }
    // The coding selector (item 0: IEC, 1: Jahre Dezi, 2: Jahre Multi).
    Radiogruppe* kennzeichnung() const { return m_rgDrossel; }
    drosselcode::System system() const;

    // Sets the sub-page up for the selected coding from the record.
    void RG_DrosselClick();

private:
    void aufbauen();
    void RG_L_1Click();
    void RG_L_2Click();
    void RG_L_3Click();
    void RG_L_M_IECClick();
    void RG_L_M_JahreClick();
    void RG_L_T_IECClick();
    void RG_L_T_JahreClick();
    void L_Ziffernring_geklickt(const Farbring& ring, int stelle);
    void L_Multiplikator_geklickt(const Farbring& ring);
    void L_Toleranzring_geklickt(const Farbring& ring);

    void L_Wert_anzeigen();
    void L_berechnen_und_anzeigen(Farbwert farbe, int stelle);
    void L_Multi_berechnen_und_anzeigen(Farbwert farbe);
    void L_Farbringe_setzen(double zahl);
    void L_Toleranzen_berechnen();
    void L_Toleranz_Farbring_setzen();
    void L_E_Reihe();
    void L_E_T_anzeigen();
    // The line under the drawing and whether the value rings are drawn, after every change of the value.
    void ringeBeurteilen();
    // Takes a value computed from the rings when it lies inside the field's limits.
    void wertUebernehmen(std::optional<double> wert);
    const Farbring& multiplikatorRing() const;
    const Farbring& toleranzRing() const;

    Drossel m_drossel;
    Ringtabelle m_ziffern;  // the digit rings' table (its decimal-point row shows the separator)

    Eingabefeld* m_eWert;
    Eingabefeld* m_eT;
    QLineEdit* m_tolMax;
    QLineEdit* m_tolMin;
    Bauteilbild* m_bild;
    QWidget* m_panel22;
    Farblegende* m_legende;
    QGroupBox* m_erstesBand;  // GroupBox11: the fixed silver band of the Jahre codings
    QRadioButton* m_erstesBandKnopf;
    Radiogruppe* m_rgDrossel;
    EReihenListe* m_eReihe;
    Ringform* m_silberband;  // Shape62
    QLabel* m_ringhinweis;
    QLabel* m_marken[5];     // "1.", "2.", Label60, Label61, Label62

    Farbring m_ring1, m_ring2, m_ring3, m_ringMIec, m_ringMJahre, m_ringTIec, m_ringTJahre;
};

}  // namespace zelmo
