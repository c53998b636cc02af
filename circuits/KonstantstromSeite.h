// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Page "konst. Stromquelle": dimensions a simple constant-current source in one of four circuits, each
// for both polarities: the current-setting resistor R1, the bias resistor R2 and the largest load RL.
// Each circuit has its own reference voltage, remembered in the page's record.

#include <array>
#include <optional>

#include "circuits/konstantstrom.h"
#include "circuits/normwerte.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QLabel;
class QLineEdit;

namespace zelmo {

class Eingabefeld;
class Radiogruppe;
class Schaltbild;
class Uebergabeknopf;

class KonstantstromSeite : public Rechnerseite, public normwerte::Normwertquelle {
    Q_OBJECT
public:
    // The parts as the last calculation left them, for the window "Normwerte".
    std::optional<normwerte::Aufgabe> normAufgabe() const override { return m_norm; }

    KonstantstromSeite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // [kStrom]: the fields, the circuit and the polarity.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<KonstantstromSeite>& ablage();
    // Data file: the reference voltage of each circuit.
    void datenSpeichern(DatenSchreiber& s) const override;
    void datenLaden(DatenLeser& l) override;
    void laufzeitEinstellungen() override;

    // The reference voltage of every circuit; settings and data file read and restore it.
    KStrom& kStrom() { return m_daten; }
    const KStrom& kStrom() const { return m_daten; }
    // Circuit code (0, 10, 20, 30) and polarity (0 npn / n-channel, 1 pnp / p-channel) of the picture shown.
    int kStrom1() const { return m_kStrom1; }
    int kStrom2() const { return m_kStrom2; }

    // Reads U, I and Iq from their fields, the reference voltage from the record, shows R1, R2 and RL.
    void kStrom_Berechnung();
    // Shows the picture, the reference label and value of kStrom1 + kStrom2, then calculates.
    void kStrom_Schaltung_anzeigen();

    Radiogruppe* schaltungGruppe() const { return m_schaltung; }
    Radiogruppe* polaritaetGruppe() const { return m_npnpnp; }
    Eingabefeld* feldU() const { return m_u; }
    Eingabefeld* feldI() const { return m_i; }
    Eingabefeld* feldIq() const { return m_iq; }
    Eingabefeld* feldUf() const { return m_uf; }

private:
    void RG_kStrom_SchaltungClick();
    void RG_kStrom_npnpnpClick();
    void BitBtn5Click();
    void BitBtn6Click();
    void uebergeben(const QLineEdit* feld, const QLabel* einheit);
    void zeige(std::optional<double> wert, QLineEdit* feld, QLabel* einheit);
    // The number in a field's text; a text that is none ends the caller (standard error box).
    std::optional<double> lies(const QLineEdit* feld) const;
    // Puts a subscript label right behind the text of its label.
    void indexSetzen(QLabel* index, const QLabel* nach);

    KStrom m_daten;
    int m_kStrom1 = 0;
    int m_kStrom2 = 0;

    Radiogruppe* m_schaltung;
    Radiogruppe* m_npnpnp;
    std::array<Schaltbild*, 8> m_bilder{};
    QLabel* m_label164;
    QLabel* m_label165;
    QLabel* m_label176;
    QLabel* m_label162;
    Eingabefeld* m_u;
    Eingabefeld* m_i;
    Eingabefeld* m_iq;
    Eingabefeld* m_uf;
    QLabel* m_label21;
    QLineEdit* m_r1;
    QLabel* m_cR1;
    QLineEdit* m_r2;
    QLabel* m_cR2;
    QLineEdit* m_rl;
    QLabel* m_cRL;
    Uebergabeknopf* m_bitBtn5;
    Uebergabeknopf* m_bitBtn6;
    std::optional<normwerte::Aufgabe> m_norm;
};

}  // namespace zelmo
