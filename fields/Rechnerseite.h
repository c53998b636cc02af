// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Base of every calculator page and what the shell hands to the pages.

#include <QChar>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

#include "storage/speicherbar.h"

class QPushButton;

namespace zelmo {

class IniLeser;
class DatenLeser;

// Given by the main window to every page when it is created.
struct Umgebung {
    QChar dezimal = u',';  // the system decimal separator, captured once at start-up
    // Hands a resistance in ohm to the tolerance page and shows that page (when the page takes it).
    std::function<void(double ohm)> anToleranzUebergeben;
    // Opens the dialog with further drawings of the star (true) or the delta circuit (false).
    std::function<void(bool stern)> sternDreieckBilderZeigen;
    // Opens the window "Normwerte" (standard values, worst case and power of the page's parts).
    std::function<void()> normwerteZeigen;
    // The folder of the user's files (the stock lists of the tolerance page); none or an empty answer:
    // nothing is kept on disk.
    std::function<QString()> datenOrdner;
};

// A page's content. It lies on the inner panel of its page frame; the page places its own controls
// with fixed geometry (as the window has a fixed size).
//
// The life of a page: built by its constructor (every control, with its limits and handlers), then
// started once by starten(), then driven by the user; when the window closes it saves itself
// (speichern, datenSpeichern). Its share of the data file is read before it starts (datenLaden).
// The window builds a page the first time it is shown (app/Seitenplatz.h); the values it starts from
// are those start-up read, whenever that is.
class Rechnerseite : public QWidget, public Speicherbar {
    Q_OBJECT
public:
    Rechnerseite(const Umgebung& umgebung, QWidget* parent) : QWidget(parent), m_umgebung(umgebung) {}

    // The one start-up sequence of a built page, the same in the window and in the tests: the values of
    // the settings file (laden) or, without a readable one, the first-start values (ersterStart); then
    // the run-time settings.
    void starten(IniLeser* einstellungen);

    // The values a first start (without a settings file) fills in, with the page's calculation.
    virtual void ersterStart() {}
    // Hints and positions of single radio buttons that are set at start-up.
    virtual void laufzeitEinstellungen() {}

    // Every page type declares its stored values once, in a static ablage() (fields/Seitenablage.h):
    // its speichern, laden, ersterStart and data-file functions follow from it, and the window reads,
    // checks and writes back the values of a page it has not built without widgets.

signals:
    // The page's calculation has run and shows new results (or none).
    void gerechnet();

protected:
    QChar dezimal() const { return m_umgebung.dezimal; }
    // A text written with a decimal comma ("12,00 V"), with the user's decimal separator.
    QString mitTrenner(QStringView text) const { return text.toString().replace(u',', dezimal()); }
    const Umgebung& umgebung() const { return m_umgebung; }
    // The button beside a page's results that opens the window "Normwerte".
    QPushButton* normwerteKnopf(QWidget* eltern, const QString& name, QRect platz);

private:
    const Umgebung& m_umgebung;
};

}  // namespace zelmo
