// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Page "NE555 Berechnung": timing of the 555 timer as astable multivibrator (pulse t1, pause t2,
// frequency F and duty cycle, with free times or 50 % : 50 %) and as monostable multivibrator (pulse
// t1). Each circuit keeps its own R1 and C in the page's record.

#include "circuits/ne555.h"
#include <optional>

#include "circuits/normwerte.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QLabel;
class QLineEdit;

namespace zelmo {

class Eingabefeld;
class Radiogruppe;
class Schaltbild;

class NE555Seite : public Rechnerseite, public normwerte::Normwertquelle {
    Q_OBJECT
public:
    // The parts as the last calculation left them, for the window "Normwerte".
    std::optional<normwerte::Aufgabe> normAufgabe() const override { return m_norm; }

    NE555Seite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // [NE555]: the record, the fields, the caption of the duty-cycle item, both groups.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<NE555Seite>& ablage();
    void laufzeitEinstellungen() override;

    // The page's record; the settings file reads and restores it.
    NE555& ne555() { return m_daten; }
    const NE555& ne555() const { return m_daten; }

    // NE = 0: astable calculation, NE = 1: monostable calculation, anything else: nothing.
    void NE555_Berechnung(int NE);

    Radiogruppe* multiart() const { return m_multiart; }
    Radiogruppe* tast() const { return m_tast; }
    Eingabefeld* feldR1() const { return m_R1; }
    Eingabefeld* feldR2() const { return m_R2; }
    Eingabefeld* feldC() const { return m_C; }

private:
    void RG_NE555_MultiartClick();
    void RG_NE555_TastClick();
    // Pictures, R2 row and the caption of Label50 for the selected pulse/pause item.
    void tastAnsicht();
    // The record's R1 or C of the selected circuit.
    double& r1();
    double& c();
    // One result: the number (with a leading blank) and its prefix with the unit; "---" without one.
    void zeige(QLineEdit* feld, QLabel* einheit, std::optional<double> wert, const QString& grundeinheit);

    NE555 m_daten;

    Radiogruppe* m_multiart;
    Radiogruppe* m_tast;
    Schaltbild* m_astaMulti;
    Schaltbild* m_astaMulti2;
    Schaltbild* m_monoMulti;
    QLabel* m_label50;
    QLabel* m_label59;
    Eingabefeld* m_R1;
    Eingabefeld* m_R2;
    Eingabefeld* m_C;
    QLabel* m_label156;
    QLabel* m_label147;
    QLineEdit* m_t1;
    QLabel* m_cT1;
    QLineEdit* m_t2;
    QLabel* m_cT2;
    QLineEdit* m_F;
    QLabel* m_cF;
    std::optional<normwerte::Aufgabe> m_norm;
};

}  // namespace zelmo
