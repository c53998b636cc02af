// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The worked examples of the help (help/beispiele.json) run on the program's real pages: a page is
// built as at a first start, the example's steps are done as a user does them (choose an item, type a
// value and press Enter), and what the page then shows is read from its controls. The help build puts
// the table's numbers into the topics; the consistency test runs every example and compares the
// page's texts with the table, so the help cannot drift from the program.
//
// Table format, one object per example:
//   { "id": "lm317_spannung", "seite": "LM317",
//     "schritte": [ {"wahl": "RG_317ner_Reglerart", "item": 0},      radio group item (a click)
//                   {"liste": "LM317ner_C_Iso", "item": 1},          combo box item (a user's pick)
//                   {"feld": "LM317ner_E_I", "text": "1"},          typed text, then Enter
//                   {"haken": "CB_Toleranzen_Bestand"},              check box (a click)
//                   {"bestand": 0, "text": "3,3k\n68"},             stock of a kind (tolerance page)
//                   {"kopieren": "RE_Toleranz_seriell"},            "Alle kopieren" of a list
//                   {"normwerte": true} ],                          opens the window "Normwerte" on the page
//     "zeigt": { "LM317_E_R2": "720,00", "LM317_C_R2": "Ω" },      texts the page shows afterwards
//     "meldungen": [ "..." ] }                                        boxes the steps bring (optional)
// Keys of "zeigt": the objectName of a field, label, group box or list; "NAME#3" is the third line of
// a list; "farbe:NAME" is the colour name of the row selected in a ring group; "Zwischenablage#2" is
// the second line of what was copied last. Once the window "Normwerte" is open, the steps and keys also
// reach its controls (its list of parts reads one line per part, the columns joined by " | ").

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "circuits/NormwerteFenster.h"
#include "fields/Rechnerseite.h"

namespace zelmo::hilfebau {

// The page names a table may use: the short names of the page table (app/Seitentabelle.h).
QStringList seitenNamen();

// A page with its first-start values, ready for an example's steps (nullptr for an unknown name).
struct Beispielseite {
    Umgebung umgebung;
    std::unique_ptr<Rechnerseite> seite;
    std::unique_ptr<NormwerteFenster> normwerte;  // opened by a step of the example
    QStringList meldungen;  // boxes shown while the steps ran
    QString zwischenablage;  // what the last "kopieren" step copied
};
std::unique_ptr<Beispielseite> baueSeite(const QString& name);

// Runs the steps of an example on its page; an error text when a step names nothing on the page.
QString schritteAusfuehren(Beispielseite& b, const QJsonObject& beispiel);

// The text the page shows for a key of "zeigt"; nothing (a null string) when the key names nothing.
QString gezeigt(const Beispielseite& b, const QString& schluessel);

// The differences between what the table says and what the page shows, one line each; empty when
// the example holds. Runs the whole example on a fresh page.
QStringList pruefeBeispiel(const QJsonObject& beispiel);

}  // namespace zelmo::hilfebau
