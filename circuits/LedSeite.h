// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Page "LED-Vorwiderstand": series resistor and its power for one or more LEDs of one colour in series
// on a supply U at a current I. The page keeps the inputs possible: a supply below the LEDs' forward
// voltages is refused, raised (one LED) or answered with fewer LEDs.

#include <optional>

#include "circuits/ledvorwiderstand.h"
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

class LedSeite : public Rechnerseite, public normwerte::Normwertquelle {
    Q_OBJECT
public:
    // The parts as the last calculation left them, for the window "Normwerte".
    std::optional<normwerte::Aufgabe> normAufgabe() const override { return m_norm; }

    LedSeite(const Umgebung& umgebung, QWidget* parent);

    void ersterStart() override;
    void laufzeitEinstellungen() override;
    // [LED-Vorwiderstand]: the fields, the user count, colour and count.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<LedSeite>& ablage();
    // Data file: the forward voltage of each colour.
    void datenSpeichern(DatenSchreiber& s) const override;
    void datenLaden(DatenLeser& l) override;

    // The page's record (forward voltages per colour, the count in effect); settings and data file
    // read and restore it.
    LED_Vorwiderstand& ledVorwiderstand() { return m_daten; }
    const LED_Vorwiderstand& ledVorwiderstand() const { return m_daten; }

    // Computes R and P from the texts of the three entry fields and Anzahl_LED and shows them.
    void LED_Vorwiderstand_berechnen();
    // Count check (pictures, fewer LEDs when the supply is too low), then the calculation.
    void LED_Anzahl_ueberpruefen();
    // Colour check (one LED: supply raised; else fewer LEDs), then the calculation.
    void LED_Farbe_ueberpruefen();

    Radiogruppe* farbGruppe() const { return m_farbe; }
    Radiogruppe* anzahlGruppe() const { return m_anzahl; }
    Eingabefeld* feldU() const { return m_u; }
    Eingabefeld* feldI() const { return m_i; }
    Eingabefeld* feldUf() const { return m_uf; }
    QLineEdit* userLeds() const { return m_userLeds; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void RG_LED_AnzahlClick();
    void RG_LED_FarbeClick();
    void User_LedsClick();
    void User_LedsKeyPress();
    void BitBtn4Click();

    // The number in a field's text; a text that is none ends the caller (standard error box).
    std::optional<double> lies(const QLineEdit* feld) const;
    // The count of the selected count item (the user item reads User_Leds).
    std::optional<int> liesAnzahl() const;
    // Fewer LEDs while they need more than u, with the message; the count buttons follow. Returns n.
    int anzahlAngleichen(int n, double uf, double u);
    void setzeUserText(const QString& text);
    void userLedsPlatzieren();

    LED_Vorwiderstand m_daten;

    Radiogruppe* m_farbe;
    Radiogruppe* m_anzahl;
    QLineEdit* m_userLeds;
    QString m_userText;  // last count text set by the program or accepted; a refused entry returns to it
    Eingabefeld* m_u;
    Eingabefeld* m_i;
    Eingabefeld* m_uf;
    QLineEdit* m_r;
    QLabel* m_cR;
    QLineEdit* m_p;
    QLabel* m_cP;
    Uebergabeknopf* m_bitBtn4;
    Schaltbild* m_eineLed;
    Schaltbild* m_vieleLeds;
    Schaltbild* m_anschluss;
    std::optional<normwerte::Aufgabe> m_norm;
};

}  // namespace zelmo
