// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a page uses to save itself and to read itself back: a writer and a reader of the settings
// file, and a writer and a reader of its share of the data file. Pure logic; the file handling and the
// order of the pages live in storage/sicherung.h.
//
// The reader replaces the separator the file was written with by the current one, gives every missing
// key its default and checks every stored number against what the page can hold; a value that cannot be
// read or lies outside takes its default and is named in the one message of the start-up.

#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace zelmo {

class IniDokument;

// Which values a stored number may take; an empty check takes every number.
using Zulaessig = std::function<bool(double)>;
// min <= x <= max, both bounds included.
Zulaessig zwischen(double min, double max);

class IniSchreiber {
public:
    IniSchreiber(IniDokument& dokument, QChar dezimal) : m_d(dokument), m_dezimal(dezimal) {}

    // Float: shortest general form with up to 15 digits and the current separator.
    void zahl(const char* abschnitt, const char* schluessel, double wert);
    void ganz(const char* abschnitt, const char* schluessel, int wert);
    // "1" or "0".
    void schalter(const char* abschnitt, const char* schluessel, bool wert);
    // A field's text exactly as shown.
    void text(const char* abschnitt, const char* schluessel, const QString& wert);

private:
    IniDokument& m_d;
    QChar m_dezimal;
};

class IniLeser {
public:
    // dezimal: the current separator. The stored one ([Dezimalseparator] Dezimals) counts only as ","
    // or "."; anything else is taken as missing (",") and named.
    IniLeser(const IniDokument& dokument, QChar dezimal);

    QChar dezimal() const { return m_dezimal; }

    // A text with the stored separator replaced by the current one (entry fields, captions).
    QString text(const char* abschnitt, const char* schluessel, const QString& vorgabe) const;
    // A text as it stands, without separator replacement.
    QString rohtext(const char* abschnitt, const char* schluessel, const QString& vorgabe) const;
    // A float key: its text with the separator replaced, converted. Missing: the default (a literal
    // such as "36500" or "82e-10"). Unreadable or not zulaessig: the default, named.
    double zahl(const char* abschnitt, const char* schluessel, const char* vorgabe, const Zulaessig& zulaessig = {});
    // A number stored in the current format without separator replacement: missing or unreadable give
    // the default silently (the file's own fallback for these keys); not zulaessig: the default, named.
    double schlichteZahl(const char* abschnitt, const char* schluessel, double vorgabe,
                         const Zulaessig& zulaessig = {});
    // The item index of a list of anzahl items. Missing or no integer: vorgabe; negative: negativ
    // where the list has such a rule, else like a number beyond the list: vorgabe, named.
    int index(const char* abschnitt, const char* schluessel, int vorgabe, std::optional<int> negativ, int anzahl);
    // Any integer other than 0 is true; missing or no integer is false.
    bool schalter(const char* abschnitt, const char* schluessel) const;
    // A default written with "," in the current separator ("12,00 V").
    QString mitTrenner(const char* text) const;

    // What could not be read or lay outside, as "[Abschnitt] Schlüssel=Wert", in file order.
    const QStringList& unlesbar() const { return m_unlesbar; }

private:
    std::optional<QString> roh(const char* abschnitt, const char* schluessel) const;
    // A stored text with the file's separator replaced by the current one.
    QString mitDezimal(QString text) const;
    void vermerke(const char* abschnitt, const char* schluessel, const QString& wert);

    const IniDokument& m_d;
    QChar m_dezimal;
    QString m_gespeichert;  // the separator the file was written with
    QStringList m_unlesbar;
};

// A page's share of the data file: numbers in the file's order, one after the other.
class DatenSchreiber {
public:
    void zahl(double wert) { m_werte.push_back(wert); }
    const std::vector<double>& werte() const { return m_werte; }

private:
    std::vector<double> m_werte;
};

class DatenLeser {
public:
    // The numbers of the file in order; an empty entry for a line that is missing or no number.
    explicit DatenLeser(std::vector<std::optional<double>> gelesen) : m_gelesen(std::move(gelesen)) {}

    // The next number into ziel. A missing or broken line leaves ziel as it is; a number that is not
    // zulaessig gives ziel the default. Either is named by its line.
    void zahl(double& ziel, double vorgabe, const Zulaessig& zulaessig = {});

    // File lines (counting the separator line as 1) that were missing or broken, and those outside.
    const QStringList& unlesbar() const { return m_unlesbar; }
    const QStringList& ausserhalb() const { return m_ausserhalb; }

private:
    std::vector<std::optional<double>> m_gelesen;
    size_t m_naechste = 0;
    QStringList m_unlesbar;
    QStringList m_ausserhalb;
};

}  // namespace zelmo
