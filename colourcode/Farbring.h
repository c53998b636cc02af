// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The widgets every colour-code sub-page shares: the colour legend " Farben ", the ring radio
// groups beside it, a ring (its shape and its group), the tolerance-limit displays and the E-series
// list.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <initializer_list>
#include <vector>

#include "colourcode/ringe.h"
#include "fields/Radiogruppe.h"
#include "fields/Ringform.h"

namespace zelmo {

inline QColor alsFarbe(Farbwert f) { return farbeBGR(f); }
inline Farbwert alsFarbwert(const QColor& c) {
    return Farbwert(c.red()) | (Farbwert(c.green()) << 8) | (Farbwert(c.blue()) << 16);
}

// Geometry shared by the legend and the ring groups: 337 pixels high, rows 24 pixels apart.
inline constexpr int RinggruppenHoehe = 337;
inline constexpr int Zeilenabstand = 24;
inline constexpr int ErsteZeile = 24;

// The static legend: per row a caption at the left and a 49-pixel swatch at the right.
class Farblegende : public QGroupBox {
    Q_OBJECT
public:
    Farblegende(const QString& name, const Palette& palette, QWidget* parent);
    QLabel* beschriftung(int zeile) const { return m_labels.at(size_t(zeile)); }
    Ringform* muster(int zeile) const { return m_muster.at(size_t(zeile)); }

private:
    std::vector<QLabel*> m_labels;
    std::vector<Ringform*> m_muster;
};

// A ring radio group of 13 items in one column, item r beside legend row r; nothing selected.
Radiogruppe* neueRinggruppe(const QString& name, const QString& titel, const Ringtabelle& t, const QString& hinweis,
                            QWidget* parent);

// One ring: the shape on the component body (its brush colour is the ring's state) and its group.
class Farbring {
public:
    Farbring() = default;
    Farbring(Ringform* form, Radiogruppe* gruppe, const Ringtabelle* tabelle)
        : m_form(form), m_gruppe(gruppe), m_tabelle(tabelle) {}

    Ringform* form() const { return m_form; }
    Radiogruppe* gruppe() const { return m_gruppe; }
    const Ringtabelle& tabelle() const { return *m_tabelle; }

    Farbwert farbe() const { return alsFarbwert(m_form->farbe()); }
    void malen(Farbwert f) const { m_form->setFarbe(alsFarbe(f)); }
    // Set from code: paint the colour and mark item zeile without running the group's handler.
    void setzen(int zeile, Farbwert f) const;
    // The same with the colour of the table row (a row without colour is only marked).
    void setzen(int zeile) const;
    // After a click: paints the colour of the selected item when it has one; true when it did.
    bool auswahlMalen() const;
    // The selected item's row of the table (nothing when none is selected).
    const Ringzeile* auswahl() const;
    // Enables every item except the listed rows and the empty ones.
    void sperren(std::initializer_list<int> zeilen) const;
    void sperren(const std::vector<int>& zeilen) const;

private:
    Ringform* m_form = nullptr;
    Radiogruppe* m_gruppe = nullptr;
    const Ringtabelle* m_tabelle = nullptr;
};

// A limit display: borderless, read-only, in the panel colour, with its hint.
QLineEdit* neuesGrenzfeld(const QString& name, const QString& text, const QString& hinweis, QWidget* parent);

// The read-only list of the series a value belongs to.
class EReihenListe : public QTextEdit {
    Q_OBJECT
public:
    EReihenListe(const QString& name, QWidget* parent);
    // Clears the list and adds the lines; a "\r" inside a line starts a new one.
    void zeigen(const QStringList& zeilen);
    // The lines as shown.
    QStringList zeilen() const;
};

}  // namespace zelmo
