// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Page "LM317 Berechnung": the programming resistor R2 of an LM317 as voltage or current regulator, the
// power in the IC and whether (and how good) a heat sink is needed for the chosen housing. The thermal
// data of the ten housings can be edited per housing; the page remembers them.

#include <array>
#include <optional>

#include "circuits/lm317.h"
#include "circuits/normwerte.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zelmo {

class Eingabefeld;
class Radiogruppe;
class Schaltbild;
class Uebergabeknopf;

class LM317Seite : public Rechnerseite, public normwerte::Normwertquelle {
    Q_OBJECT
public:
    // The parts as the last calculation left them, for the window "Normwerte".
    std::optional<normwerte::Aufgabe> normAufgabe() const override { return m_norm; }

    LM317Seite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    // [LM317-Berechnung]: the fields, insulation, regulator kind, housing; the options' Tjmax.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<LM317Seite>& ablage();
    // Data file: Rthjc, then Rthja of every housing.
    void datenSpeichern(DatenSchreiber& s) const override;
    void datenLaden(DatenLeser& l) override;
    void laufzeitEinstellungen() override;

    // The page's records; the settings and data file read and restore them.
    LM317_Berechnungen& lm317Berechnungen() { return m_berechnungen; }
    const LM317_Berechnungen& lm317Berechnungen() const { return m_berechnungen; }
    LM317_Gehaeusewerte& lm317Rthjc() { return m_rthjc; }
    const LM317_Gehaeusewerte& lm317Rthjc() const { return m_rthjc; }
    LM317_Gehaeusewerte& lm317Rthja() { return m_rthja; }
    const LM317_Gehaeusewerte& lm317Rthja() const { return m_rthja; }
    // The largest permitted junction temperature (options dialog); used from the next calculation on.
    void setTjmax(double tjmax) { m_berechnungen.Tjmax = tjmax; }
    double tjmax() const { return m_berechnungen.Tjmax; }

    // Computes R2, the power and the heat sink from the fields and shows them.
    void LM317_Berechnung();
    // Shows the selected housing's picture and thermal values, then calculates.
    void LM317_CB_GehaeuseChange();

    Radiogruppe* reglerart() const { return m_reglerart; }
    QComboBox* gehaeuseAuswahl() const { return m_gehaeuse; }
    QComboBox* isoAuswahl() const { return m_iso; }
    Eingabefeld* feldU1() const { return m_u1; }
    Eingabefeld* feldU2() const { return m_u2; }
    Eingabefeld* feldI() const { return m_i; }
    Eingabefeld* feldR1() const { return m_r1; }
    Eingabefeld* feldTu() const { return m_tu; }
    Eingabefeld* feldRthjc() const { return m_rthjcFeld; }
    Eingabefeld* feldRthja() const { return m_rthjaFeld; }

private:
    // The input fields' texts of a first start.
    void startTexte();
    void RG_317ner_ReglerartClick();
    void BitBtn3Click();

    // The number in a field's text; a text that is none ends the caller (standard error box).
    std::optional<double> lies(const QLineEdit* feld) const;
    void keinErgebnis(const QString& grund);
    void zeigeUrteil(const QString& text, const QColor& farbe);

    LM317_Berechnungen m_berechnungen;
    LM317_Gehaeusewerte m_rthjc;
    LM317_Gehaeusewerte m_rthja;

    Radiogruppe* m_reglerart;
    Schaltbild* m_bildSpannung;
    Schaltbild* m_bildStrom;
    QComboBox* m_gehaeuse;
    QLabel* m_ansicht;
    std::array<Schaltbild*, lm317::anzahlGehaeuse> m_anschluss{};
    QLabel* m_labelR1;
    Eingabefeld* m_u1;
    Eingabefeld* m_u2;
    Eingabefeld* m_i;
    Eingabefeld* m_r1;
    Eingabefeld* m_tu;
    QComboBox* m_iso;
    Eingabefeld* m_rthjcFeld;
    Eingabefeld* m_rthjaFeld;
    QLineEdit* m_r2;
    QLabel* m_cR2;
    QLineEdit* m_p;
    QLabel* m_cP;
    QLineEdit* m_kk;
    QLabel* m_cKK;
    QLabel* m_urteil;
    Uebergabeknopf* m_bitBtn3;
    std::optional<normwerte::Aufgabe> m_norm;
};

}  // namespace zelmo
