#pragma once
// The one validated entry field of every calculator page.
//
// Typing: "." and "," become the system decimal separator. Enter: parse, optional check before the
// range, range (or value-set) test, cross-field checks, re-display in normal form, then the page's
// handler. Every refusal shows the error box and puts back the text the program set last; the focus
// stays in the field. Leaving the field without Enter changes nothing.

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

    // name is the objectName; its limits and unit come from the limits table when it has an entry.
    Eingabefeld(const QString& name, QChar dezimal, QWidget* parent = nullptr);

    QChar dezimal() const { return m_dezimal; }
    const Grenze* grenze() const { return m_grenze; }

    void setEinheit(const QString& einheit) { m_einheit = einheit; }
    QString einheit() const { return m_einheit; }
    // Replaces the range test (value sets, limits computed by the page).
    void setWertepruefung(Pruefung p) { m_wertepruefung = std::move(p); }
    // Runs before the range test.
    void setVorpruefung(Pruefung p) { m_vorpruefung = std::move(p); }
    // Cross-field checks after the range test.
    void setNachpruefung(Pruefung p) { m_nachpruefung = std::move(p); }
    // Replaces the parser (by default Zahleneingabe, with prefixes).
    void setParser(std::function<std::optional<double>(const QString&, QChar)> p) { m_parser = std::move(p); }
    // Text put between the typed text and "  ist keine Gleitkommazahl !".
    void setParseEinschub(const QString& t) { m_parseEinschub = t; }
    // How an accepted value is shown; by default Zahlenausgabe + unit.
    void setAnzeige(std::function<QString(double)> a) { m_anzeige = std::move(a); }

    // The page's reaction to an accepted value (store it, calculate, show results).
    std::function<void(double)> beiAnnahme;

    // Text set by the program; a refused entry returns to it.
    void setzeText(const QString& text);
    // Shows a value in the field's normal form.
    void zeigeWert(double wert);
    QString anzeigeText(double wert) const;
    QString letzterProgrammText() const { return m_programmText; }

    // The Enter pattern; true when the value was accepted.
    bool bestaetigen();

signals:
    void angenommen(double wert);

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
    Pruefung m_nachpruefung;
    std::function<QString(double)> m_anzeige;
    std::function<std::optional<double>(const QString&, QChar)> m_parser;
};

}  // namespace zelmo
