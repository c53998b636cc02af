// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Normwerte": for the page in view, which parts to take from the drawer (standard values
// of the chosen series), what the circuit really does with them at nominal value and at worst over
// the parts' tolerances, and which power rating each resistor needs. Not modal; it follows the page
// in view and that page's last accepted calculation. Its choices, place and open state are stored.

#include <QWidget>
#include <functional>
#include <optional>

#include "circuits/normwerte.h"
#include "fields/Seitenablage.h"
#include "storage/speicherbar.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace zelmo {

class Eingabefeld;

// Help context of the topic "Normwerte" (F1 in the window).
inline constexpr int normwerteHilfekontext = 200;

class NormwerteFenster : public QWidget, public Speicherbar {
    Q_OBJECT
public:
    NormwerteFenster(QChar dezimal, QWidget* parent = nullptr);

    // The page in view: its tab title and, for a page with parts, its last calculation (nothing
    // while it shows no result). quelle false: a page without parts.
    void folge(const QString& titel, bool mitBauteilen, const std::optional<normwerte::Aufgabe>& aufgabe);

    // Hands a computed ideal resistance with the window's series to the tolerance page.
    std::function<void(double ohm, EReihe reihe)> weiterreichen;
    // F1 in the window.
    std::function<void()> hilfe;

    // [Normwerte]: series, tolerances, load, open state and place.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<NormwerteFenster>& ablage();
    // First start: E 24, 5 %, 10 %, 50 %, closed, beside the main window.
    void ersterStart();
    // Was open when the program last closed.
    bool warOffen() const { return m_warOffen; }

    // The choices as they stand.
    normwerte::Wahl wahl() const;
    // The lines of Norm_L_Bauteile as shown, the columns joined by " | ".
    QStringList zeilen() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void rechnen();
    // Sets the window up from its declared values.
    void anwenden(const Ablagewerte& w);
    void reiheGewaehlt(int index);

    QChar m_dezimal;
    bool m_warOffen = false;
    bool m_ortGesetzt = false;
    bool m_mitBauteilen = false;
    std::optional<normwerte::Aufgabe> m_aufgabe;
    double m_tol = 5, m_cTol = 10, m_lastWert = 50;  // the accepted choices, %

    QComboBox* m_reihe;
    Eingabefeld* m_toleranz;
    Eingabefeld* m_cToleranz;
    QLabel* m_cToleranzText;
    Eingabefeld* m_last;
    QLabel* m_keine;
    QTreeWidget* m_bauteile;
    QGroupBox* m_schaltung;
    QLineEdit* m_nenn;
    QLineEdit* m_min;
    QLineEdit* m_max;
    QLabel* m_hinweise;
};

}  // namespace zelmo
