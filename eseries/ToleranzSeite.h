// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The page "Toleranz (E-Reihen)": for a wanted R, L or C every pair of values of one E-series whose
// parallel or series connection lies within the series' window, sorted by the deviation, with the
// neighbouring series values and bold marks on the series that hold the value.

#include <span>
#include <vector>

#include "eseries/ereihen.h"
#include "eseries/toleranz.h"
#include "fields/Rechnerseite.h"
#include "fields/Seitenablage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zelmo {

class Eingabefeld;
class Radiogruppe;
class Schaltbild;
class Zeilenliste;

class ToleranzSeite : public Rechnerseite {
    Q_OBJECT
public:
    ToleranzSeite(const Umgebung& umgebung, QWidget* parent);

    // A resistance in ohm handed over by another page: kind R, value shown, calculation run.
    // False when the value cannot be taken (the page then stays as it was).
    bool Uebergabe(double ohm);

    void ersterStart() override;
    // [Toleranz]: the wanted value of each kind, the kind and the series.
    void speichern(IniSchreiber& s) const override;
    void laden(IniLeser& l) override;
    static const Seitenablage<ToleranzSeite>& ablage();
    void laufzeitEinstellungen() override;

    // The last accepted value per kind (read and written by the settings file).
    Toleranz& toleranz() { return m_toleranz; }
    const Toleranz& toleranz() const { return m_toleranz; }
    // Acceptance window in percent; set by a click on the series group.
    double maxF() const { return m_maxF; }

    Radiogruppe* reihenGruppe() const { return m_reihen; }
    Radiogruppe* auswahlGruppe() const { return m_auswahl; }
    Radiogruppe* anzahlGruppe() const { return m_anzahl; }

    // The stock of a kind: the text as the user keeps it, and the values read from it.
    const QString& bestandText(int art) const { return m_bestandText[art]; }
    const std::vector<double>& bestand(int art) const { return m_bestand[art]; }
    // Takes the stock texts of the three kinds (as the dialog gives them), writes the files and
    // calculates again; names the lines that are no value in one message.
    void bestandUebernehmen(const QString (&texte)[3]);
    // Opens the stock dialog.
    void bestandBearbeiten();
    // The selected lines (alle: every line) of a list as tab-separated text with a header line.
    QString kopieren(const Zeilenliste* liste, bool alle) const;
    Eingabefeld* eingabefeld() const { return m_eingabe; }

    // Shows the stored value of the selected kind in the field and calculates.
    void Toleranz_Wert_anzeigen();
    // Calculates with the table of the selected series; nothing without a selection. getippt: the
    // text of an Enter as typed (the calculation works on it, not on the re-displayed value).
    void EReihe_ermitteln(const std::optional<QString>& getippt = std::nullopt);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void RG_Toleranzen_AuswahlClick();
    void RG_Toleranzen_EReihenClick();
    void Toleranz_E_WertKeyPress(double wert, const QString& getippt);
    void Toleranz_Berechnung(EReihe r, const std::optional<QString>& getippt = std::nullopt);
    void RG_Toleranzen_AnzahlClick();
    void bestandLaden();
    void listenLeeren();
    void kopierenEinrichten(Zeilenliste* re);
    void tabStops(Zeilenliste* re, bool drei);
    // The text the calculation reads: the typed text of an Enter, else the field's, or its last program
    // text when the field holds something that is not a number in range (the user is told so). Nothing
    // when neither is usable.
    std::optional<QString> rechenText(const std::optional<QString>& getippt);
    QString einheit() const;
    void bilderZeigen(int art);
    void listeFuellen(Zeilenliste* re, const std::vector<ToleranzZeile>& zeilen);

    Toleranz m_toleranz;
    double m_maxF = 10;
    int m_teile = 2;  // of the lists as they stand
    QString m_bestandText[3];
    std::vector<double> m_bestand[3];
    bool m_bestandGeladen = false;

    QLabel* m_unten;
    QLabel* m_oben;
    Eingabefeld* m_eingabe;
    Radiogruppe* m_reihen;
    Radiogruppe* m_auswahl;
    Radiogruppe* m_anzahl;
    QPushButton* m_bestandKnopf;
    QCheckBox* m_nurBestand;
    QGroupBox* m_gbParallel;
    QGroupBox* m_gbReihe;
    Zeilenliste* m_reParallel;
    Zeilenliste* m_reSeriell;
    Schaltbild* m_bildPar[3];
    Schaltbild* m_bildSer[3];
    QLabel* m_kopfPar[3];
    QLabel* m_kopfSer[3];
    Schaltbild* m_bildPar3[3];
    Schaltbild* m_bildSer3[3];
    QLabel* m_kopfPar3;
    QLabel* m_kopfSer3;
};

}  // namespace zelmo
