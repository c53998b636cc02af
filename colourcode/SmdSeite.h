// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sub-page "SMD-Code": the number code of an SMD resistor (3 digits, 4 digits, EIA-96) or the 3-digit
// code of a capacitor with tolerance letter and voltage code, read in both directions: a code gives the
// value, a value gives the code of every system that can express it (or the nearest ones), with the
// tolerance limits, the E-series and a drawing of the part with its print.

#include "colourcode/smdcode.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QLabel;
class QLineEdit;

namespace zelmo {

class EReihenListe;
class Eingabefeld;
class Radiogruppe;
class SmdBild;
class Uebergabeknopf;

// What the page keeps: the resistance shared by the three resistor codes, the capacitor's value,
// tolerance letter and voltage code, the selected system.
struct SmdZustand {
    int system = 0;         // item of RG_SMD
    double wertR = 0;       // ohm
    double wertC = 0;       // farad
    QString toleranz;       // capacitor tolerance letter, empty: none
    QString spannung;       // capacitor voltage code, empty: none
    QString code;           // the code as the field shows it
};

class SmdSeite : public Rechnerseite {
    Q_OBJECT
public:
    SmdSeite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // Its own section [SMD-Code] of the settings file.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<SmdSeite>& ablage();

    smdcode::System system() const;
    Radiogruppe* auswahl() const { return m_rgSmd; }
    SmdZustand zustand() const;
    // Takes a stored state (values out of range or unknown letters fall back to the first-start ones)
    // and sets the page up for it.
    void setzeZustand(const SmdZustand& z);
    // The state of the declared values.
    static SmdZustand zustandAus(const Ablagewerte& w);

    // Sets the sub-page up for the selected system from the stored values.
    void RG_SMDClick();

private:
    void aufbauen();
    bool kondensator() const;
    double wert() const;
    // The code of the value, or the code as it was read.
    void SMD_Code_anzeigen(const std::optional<QString>& gelesen = std::nullopt);
    void SMD_Wert_anzeigen();
    void SMD_E_T_anzeigen();
    void SMD_E_U_anzeigen();
    void SMD_Toleranzen_berechnen();
    void SMD_Codes_auflisten();
    void SMD_E_Reihe();
    void SMD_Bild_zeigen();
    void SMD_Hinweis_zeigen();
    void alles_anzeigen(const std::optional<QString>& gelesen = std::nullopt);
    void uebergeben();

    double m_wertR = 4700;
    double m_wertC = 1e-7;
    const smdcode::Toleranzbuchstabe* m_toleranz = nullptr;
    const smdcode::Spannungscode* m_spannung = nullptr;

    Eingabefeld* m_eCode;
    Eingabefeld* m_eWert;
    Eingabefeld* m_eT;
    Eingabefeld* m_eU;
    QLineEdit* m_tolMax;
    QLineEdit* m_tolMin;
    QLabel* m_hinweis;
    Radiogruppe* m_rgSmd;
    EReihenListe* m_codes;
    EReihenListe* m_eReihe;
    SmdBild* m_bild;
    Uebergabeknopf* m_uebergabe;
};

}  // namespace zelmo
