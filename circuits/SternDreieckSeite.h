// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Page "Stern-/Dreieckwandlung": three resistors in star connection and the equivalent delta, both
// sides entry fields. Confirming a star resistor recomputes the delta, confirming a delta resistor the
// star. The values live only in the texts of the six fields.

#include <array>
#include <optional>

#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QLabel;

namespace zelmo {

class Eingabefeld;

class SternDreieckSeite : public Rechnerseite {
    Q_OBJECT
public:
    SternDreieckSeite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // [Stern-Dreieck]: the six fields as they stand.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    // What laden() shows, read without widgets: the star's three fields, then the delta's.
    static const Seitenablage<SternDreieckSeite>& ablage();

    // Star to delta and delta to star, from the texts of the fields of one side.
    void Dreieck_Berechnung();
    void Stern_Berechnung();

    // index 0 to 2: SD_E_Rs1 .. SD_E_Rs3, SD_E_Rd1 .. SD_E_Rd3
    Eingabefeld* sternFeld(int i) const { return m_stern[size_t(i)]; }
    Eingabefeld* dreieckFeld(int i) const { return m_dreieck[size_t(i)]; }
    // Which drawings the picture dialog was last asked for (true: star).
    bool sternDreieck() const { return Stern_Dreieck; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Stern_aDClick();
    void Dreieck_aDClick();
    // Converts from one side (stern: from the star) to the other.
    void umrechnen(bool stern);
    // Refuses an entry whose conversion would give a resistor that cannot be shown.
    std::optional<QString> pruefeUmrechnung(bool stern, int index, double wert, const QString& eingabe) const;
    std::array<QString, 3> texte(bool stern) const;

    std::array<Eingabefeld*, 3> m_stern{};
    std::array<Eingabefeld*, 3> m_dreieck{};
    QLabel* m_sternAD = nullptr;
    QLabel* m_dreieckAD = nullptr;
    bool Stern_Dreieck = true;
};

}  // namespace zelmo
