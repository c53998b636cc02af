// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The page "Spannungs-/ Stromteiler": a two-resistor voltage or current divider, with or without load.

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "circuits/normwerte.h"
#include "circuits/spannungsteiler.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QFrame;
class QGroupBox;
class QLabel;

namespace zelmo {

class Eingabefeld;
class Radiogruppe;
class Schaltbild;
class Uebergabeknopf;

class SpannungsteilerSeite : public Rechnerseite, public normwerte::Normwertquelle {
    Q_OBJECT
public:
    SpannungsteilerSeite(const Umgebung& umgebung, QWidget* parent);

    // The divider as the last calculation left it, for the window "Normwerte".
    std::optional<normwerte::Aufgabe> normAufgabe() const override { return m_norm; }

    void ersterStart() override;
    // [Spannungsteiler] and [Stromteiler]: the fields as they stand, the ratios, the modes.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    // What laden() shows, read without widgets: the fields' texts in the order of felder(), the
    // ratios, the two selections.
    static const Seitenablage<SpannungsteilerSeite>& ablage();
    void laufzeitEinstellungen() override;

    // The page's record, kept with the settings.
    Spannungsteiler& spannungsteiler() { return m_spannungsteiler; }
    const Spannungsteiler& spannungsteiler() const { return m_spannungsteiler; }

    // The two calculations from the texts of the fields. When the texts give no result, the result
    // fields are emptied and the reason is shown.
    void Spannungsteiler_Berechnung();
    void Stromteiler_Berechnung();

private:
    // What an Enter or a calculation will write, worked out before anything is written: a refused
    // entry leaves every field as it was.
    struct Schritt {
        QWidget* ziel;  // an Eingabefeld or a QLabel
        QString text;
    };
    struct Plan {
        std::vector<Schritt> schritte;
        std::optional<QString> fehler;
    };
    // Values that replace a field's text in a plan (the text the plan is about to write there).
    using Ersetzt = std::vector<std::pair<const Eingabefeld*, double>>;
    using Kreuzpruefung = std::function<std::optional<QString>(double wert, const QString& text)>;

    void aufbauen();
    void eingabenVerbinden();
    // Keeps what the fields show after a calculation for the window "Normwerte" and says so.
    void normMerken();
    void verbinde(Eingabefeld* feld, Kreuzpruefung nach, std::function<Plan(double)> planer);

    void SpT_RG_SpannungStromClick();
    void SpT_RG_unbel_belClick();
    void zustandZeigen();
    void BitBtn1Click();
    void BitBtn2Click();
    void uebergeben(const Eingabefeld* feld, const QString& name);

    bool strom() const;
    bool mitLast() const;

    // A field's value for a calculation: the replacement, or its text, which must give a positive
    // number (else the plan gets the message naming the field).
    std::optional<double> lies(const Eingabefeld* feld, const Ersetzt& ersetzt, Plan& plan) const;
    // The value the next step reads after w has been written into the field.
    double gezeigt(const Eingabefeld* feld, double w) const;
    static void anhaengen(Plan& plan, Plan&& weiter);
    // Every plan's failure branch: no result puts its reason into the plan (true: the plan ends here).
    template <class T>
    bool scheitert(Plan& plan, const teiler::Ergebnis<T>& r) const;
    // The plan of a typed value that works out one other field from it and a field it reads (quelle),
    // writes that field and goes on with the calculation (weiter) from both. getipptZuerst: the typed
    // value is the rechnung's first operand.
    using Weiter = Plan (SpannungsteilerSeite::*)(const Ersetzt&) const;
    Plan planUeber(const Eingabefeld* getippt, double wert, const Eingabefeld* quelle, Eingabefeld* ziel,
                   teiler::Ergebnis<double> (*rechnung)(double, double), bool getipptZuerst, Weiter weiter) const;
    void ausfuehren(const Plan& plan);
    void rechnen(const Plan& plan);

    Plan planSpannungsteiler(const Ersetzt& ersetzt) const;
    Plan planStromteiler(const Ersetzt& ersetzt) const;
    Plan planStromR1(double I) const;
    Plan planQuerstromfaktor(double QF) const;
    Plan planLaststrom(double IL) const;
    Plan planLastwiderstand(double RL) const;
    Plan planVorwaerts(const Eingabefeld* feld, double R) const;
    Plan planGesamtwiderstand(double RG) const;
    Plan planLastspannung(double UL) const;
    Plan planStromLastwiderstand(double RL) const;

    Spannungsteiler m_spannungsteiler;

    Radiogruppe* m_rgSpannungStrom = nullptr;
    Radiogruppe* m_rgLast = nullptr;
    QFrame* m_panel6 = nullptr;
    QLabel* m_verhaeltnis = nullptr;
    QLabel* m_label100 = nullptr;
    std::array<Schaltbild*, 4> m_bilder{};

    QGroupBox* m_gbSpannung = nullptr;
    QGroupBox* m_gbStrom = nullptr;
    QFrame* m_spannungLast = nullptr;
    QFrame* m_stromLast = nullptr;
    QLabel* m_lR1 = nullptr;
    Eingabefeld* m_U = nullptr;
    Eingabefeld* m_U2 = nullptr;
    Eingabefeld* m_IR1 = nullptr;
    Eingabefeld* m_QF = nullptr;
    Eingabefeld* m_IL = nullptr;
    Eingabefeld* m_RL = nullptr;
    Eingabefeld* m_stromI = nullptr;
    Eingabefeld* m_stromI2 = nullptr;
    Eingabefeld* m_stromU = nullptr;
    Eingabefeld* m_stromUL = nullptr;
    Eingabefeld* m_stromRL = nullptr;

    QGroupBox* m_gbBauteile = nullptr;
    Eingabefeld* m_R1 = nullptr;
    Eingabefeld* m_R2 = nullptr;
    Eingabefeld* m_GR = nullptr;
    std::optional<normwerte::Aufgabe> m_norm;
    QLabel* m_lRG = nullptr;
    Uebergabeknopf* m_bitBtn1 = nullptr;
    Uebergabeknopf* m_bitBtn2 = nullptr;
};

}  // namespace zelmo
