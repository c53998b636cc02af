// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A page's stored values, each declared once: its section and key, how it is written and read, its
// default when the key is missing, its value on a first start and the check of what was read; and the
// page's numbers of the data file, each with its check. Writing, reading without widgets and the values
// of a first start all follow from the declaration, so a page that was never built writes back what
// start-up read for it. fields/Seitenablage.h binds each value to the control or member it belongs to.
// Pure logic.

#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "storage/einstellungen.h"

namespace zelmo {

// One value as a page holds it: a text, a number, an item index or a switch.
using Ablagewert = std::variant<QString, double, int, bool>;
// The values of a page, one for each declared key, in the order of the declaration.
using Ablagewerte = std::vector<Ablagewert>;

struct Ablageschluessel {
    enum class Art {
        Text,           // a field's text; the separator the file was written with is replaced on reading
        Rohtext,        // a text as it stands
        Zahl,           // a float in general form, read with the separator replaced
        SchlichteZahl,  // a float read in the current format only (missing or unreadable: default, silently)
        Index,          // the item index of a list
        Schalter,       // "1" or "0"
    };
    const char* abschnitt;
    const char* name;
    Art art;
    // Default when the key is missing: a text with "," for the separator (Text), a text as it is
    // (Rohtext), a literal such as "36500" or "82e-10" (Zahl), a number (SchlichteZahl), an item index.
    const char* vorgabe = "";
    double zahlVorgabe = 0;
    int indexVorgabe = 0;
    std::optional<int> negativ;  // the item index a negative stored one gives, where the list has such a rule
    int anzahl = 0;              // items of the list
    Zulaessig zulaessig;         // Zahl, SchlichteZahl: what a stored number may be
    // The value of a first start; a Text with "," for the separator.
    Ablagewert erst;
    // Read and applied after the values of a lower stage (the page's order dependencies).
    int stufe = 0;
    // A text as the page shows it once read (the star-delta fields with their blank in front).
    QString (*geformt)(const QString&) = nullptr;
    // Written for the readers of older versions and never read back: the value a page that was never
    // built writes follows from its other values.
    std::function<Ablagewert(const Ablagewerte&, QChar dezimal)> nurGeschrieben;
    bool gelesenNurHier = false;  // read by the page, written by another (the window's options)
    // Written only when its value says so (a window's place, kept only once it was placed).
    bool (*geschriebenWenn)(const Ablagewert&) = nullptr;

    Ablageschluessel danach(int s) const {
        Ablageschluessel k = *this;
        k.stufe = s;
        return k;
    }
    Ablageschluessel geformtDurch(QString (*f)(const QString&)) const {
        Ablageschluessel k = *this;
        k.geformt = f;
        return k;
    }
    Ablageschluessel fuerAlteLeser(std::function<Ablagewert(const Ablagewerte&, QChar)> f) const {
        Ablageschluessel k = *this;
        k.nurGeschrieben = std::move(f);
        return k;
    }
    Ablageschluessel nurWenn(bool (*f)(const Ablagewert&)) const {
        Ablageschluessel k = *this;
        k.geschriebenWenn = f;
        return k;
    }
    Ablageschluessel nurGelesen() const {
        Ablageschluessel k = *this;
        k.gelesenNurHier = true;
        return k;
    }
};

// The declarations, one line each (erst: the value of a first start).
namespace ablage {
// vorgabe and erst with "," for the separator
Ablageschluessel text(const char* abschnitt, const char* name, const char* vorgabe, QStringView erst);
Ablageschluessel rohtext(const char* abschnitt, const char* name, const char* vorgabe, QStringView erst);
Ablageschluessel zahl(const char* abschnitt, const char* name, const char* vorgabe, double erst, Zulaessig z = {});
Ablageschluessel schlichteZahl(const char* abschnitt, const char* name, double vorgabe, double erst, Zulaessig z = {});
Ablageschluessel index(const char* abschnitt, const char* name, int vorgabe, std::optional<int> negativ, int anzahl,
                       int erst);
Ablageschluessel schalter(const char* abschnitt, const char* name, bool erst);
}  // namespace ablage

// One number of the page's share of the data file.
struct Datenzahl {
    double anfang;  // what the page holds before the file is read (a missing or broken line keeps it)
    double vorgabe;  // what a number outside gives
    double erst;     // the value of a first start
    Zulaessig zulaessig;
};

class Ablage {
public:
    Ablage(std::vector<Ablageschluessel> schluessel, std::vector<Datenzahl> daten = {})
        : m_schluessel(std::move(schluessel)), m_daten(std::move(daten)) {}

    const std::vector<Ablageschluessel>& schluessel() const { return m_schluessel; }
    const std::vector<Datenzahl>& daten() const { return m_daten; }
    // The sections of the settings file the page writes, each once, in the order of its keys (a key
    // the page only reads, written by another, does not count).
    QStringList abschnitte() const;

    // The declarations' places in the order of reading and applying (by stage, else as declared).
    std::vector<size_t> reihenfolge() const;

    // Every key read with its default and check (unreadable values are named in the reader); the values
    // the page shows from others (bereinigen) and those written only for older readers follow from the
    // rest. zahlen: the page's numbers of the data file.
    Ablagewerte lesen(IniLeser& l, const std::vector<double>& zahlen) const;
    // The values of a first start, with the current separator.
    Ablagewerte erstwerte(QChar dezimal) const;
    // The keys in the order of the declaration.
    void schreiben(IniSchreiber& s, const Ablagewerte& werte) const;

    // The share of the data file: the numbers before reading, those of a first start, read into werte
    // (each checked), written.
    std::vector<double> datenAnfang() const;
    std::vector<double> datenErst() const;
    void datenLesen(DatenLeser& l, std::vector<double>& werte) const;
    static void datenSchreiben(DatenSchreiber& s, const std::vector<double>& werte);

    // Brings values as read or as a first start's to what the page shows once they are applied, for a
    // value the page shows from others or from its numbers of the data file (a field showing the stored
    // number of the item selected); empty: they are held as they are.
    std::function<void(Ablagewerte&, const std::vector<double>& zahlen, QChar dezimal)> bereinigen;

    // The value of the key name, for values that follow from others.
    const Ablagewert& wert(const Ablagewerte& werte, const char* name) const;
    Ablagewert& wert(Ablagewerte& werte, const char* name) const;

private:
    std::vector<Ablageschluessel> m_schluessel;
    std::vector<Datenzahl> m_daten;
};

}  // namespace zelmo
