// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one validated entry field of every calculator page.
//
// What a field declares when the page builds it: its limits (an entry of the limits table, which also
// gives its objectName and unit) or its own value test, and one accept stage of the page.
//
// Typing: "." and "," become the system decimal separator. Enter: parse, optional check before the
// limits, the limits (or value-set) test, then the page's accept stage, which either refuses the value
// or says how to commit it; the field then shows the value in normal form and the commit runs (store,
// calculate, show). Whatever the stage worked out travels inside its commit, so a page keeps no state
// between the check and the write. Every refusal shows the error box and puts back the text the
// program set last; the focus stays in the field. Leaving the field without Enter changes nothing.

#include <QLineEdit>
#include <functional>
#include <optional>

namespace zelmo {

struct Grenze;

class Eingabefeld : public QLineEdit {
    Q_OBJECT
public:
    // A check returns the message of a refusal, or nothing when the value may pass.
    using Pruefung = std::function<std::optional<QString>(double wert, const QString& text)>;

    // What the accept stage decides: a refusal (its message) or the commit of the value.
    struct Urteil {
        std::optional<QString> ablehnung;
        std::function<void()> uebernahme;
        static Urteil abgelehnt(QString meldung) { return {std::move(meldung), {}}; }
        static Urteil angenommen(std::function<void()> f) { return {std::nullopt, std::move(f)}; }
    };
    using Annahme = std::function<Urteil(double wert, const QString& eingabe)>;

    // A field with fixed limits: objectName, range test and unit from its entry of the limits table.
    Eingabefeld(const Grenze& grenze, QChar dezimal, QWidget* parent = nullptr);
    // A field without an entry (its value test, if any, is set with setWertepruefung).
    Eingabefeld(const QString& name, QChar dezimal, QWidget* parent = nullptr);

    QChar dezimal() const { return m_dezimal; }
    const Grenze* grenze() const { return m_grenze; }

    void setEinheit(const QString& einheit) { m_einheit = einheit; }
    QString einheit() const { return m_einheit; }
    // Replaces the range test (value sets, limits computed by the page).
    void setWertepruefung(Pruefung p) { m_wertepruefung = std::move(p); }
    // Runs before the range test.
    void setVorpruefung(Pruefung p) { m_vorpruefung = std::move(p); }

    // The page's accept stage: cross-field checks, then what an accepted value does.
    void setAnnahme(Annahme a) { m_annahme = std::move(a); }
    // A stage that never refuses: f runs with the accepted value.
    void setUebernahme(std::function<void(double)> f);
    // Replaces the parser (by default Zahleneingabe, with prefixes).
    void setParser(std::function<std::optional<double>(const QString&, QChar)> p) { m_parser = std::move(p); }
    // Text put between the typed text and "  ist keine Gleitkommazahl !".
    void setParseEinschub(const QString& t) { m_parseEinschub = t; }
    // How an accepted value is shown; by default Zahlenausgabe + unit.
    void setAnzeige(std::function<QString(double)> a) { m_anzeige = std::move(a); }

    // Text set by the program; a refused entry returns to it.
    void setzeText(const QString& text);
    // Shows a value in the field's normal form.
    void zeigeWert(double wert);
    QString anzeigeText(double wert) const;
    QString letzterProgrammText() const { return m_programmText; }

    // The Enter pattern; true when the value was accepted.
    bool bestaetigen();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool ablehnen(const QString& meldung);

    QChar m_dezimal;
    const Grenze* m_grenze = nullptr;
    QString m_einheit;
    QString m_parseEinschub;
    QString m_programmText;
    Pruefung m_wertepruefung;
    Pruefung m_vorpruefung;
    Annahme m_annahme;
    std::function<QString(double)> m_anzeige;
    std::function<std::optional<double>(const QString&, QChar)> m_parser;
};

}  // namespace zelmo
