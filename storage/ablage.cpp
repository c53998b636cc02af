// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/ablage.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace zelmo {

namespace ablage {

namespace {
Ablageschluessel schluessel(const char* abschnitt, const char* name, Ablageschluessel::Art art, Ablagewert erst) {
    Ablageschluessel k{abschnitt, name, art};
    k.erst = std::move(erst);
    return k;
}
}  // namespace

Ablageschluessel text(const char* abschnitt, const char* name, const char* vorgabe, QStringView erst) {
    Ablageschluessel k = schluessel(abschnitt, name, Ablageschluessel::Art::Text, erst.toString());
    k.vorgabe = vorgabe;
    return k;
}

Ablageschluessel rohtext(const char* abschnitt, const char* name, const char* vorgabe, QStringView erst) {
    Ablageschluessel k = schluessel(abschnitt, name, Ablageschluessel::Art::Rohtext, erst.toString());
    k.vorgabe = vorgabe;
    return k;
}

Ablageschluessel zahl(const char* abschnitt, const char* name, const char* vorgabe, double erst, Zulaessig z) {
    Ablageschluessel k = schluessel(abschnitt, name, Ablageschluessel::Art::Zahl, erst);
    k.vorgabe = vorgabe;
    k.zulaessig = std::move(z);
    return k;
}

Ablageschluessel schlichteZahl(const char* abschnitt, const char* name, double vorgabe, double erst, Zulaessig z) {
    Ablageschluessel k = schluessel(abschnitt, name, Ablageschluessel::Art::SchlichteZahl, erst);
    k.zahlVorgabe = vorgabe;
    k.zulaessig = std::move(z);
    return k;
}

Ablageschluessel index(const char* abschnitt, const char* name, int vorgabe, std::optional<int> negativ, int anzahl,
                       int erst) {
    Ablageschluessel k = schluessel(abschnitt, name, Ablageschluessel::Art::Index, erst);
    k.indexVorgabe = vorgabe;
    k.negativ = negativ;
    k.anzahl = anzahl;
    return k;
}

Ablageschluessel schalter(const char* abschnitt, const char* name, bool erst) {
    return schluessel(abschnitt, name, Ablageschluessel::Art::Schalter, erst);
}

}  // namespace ablage

std::vector<size_t> Ablage::reihenfolge() const {
    std::vector<size_t> r(m_schluessel.size());
    std::iota(r.begin(), r.end(), size_t(0));
    std::stable_sort(r.begin(), r.end(),
                     [this](size_t a, size_t b) { return m_schluessel[a].stufe < m_schluessel[b].stufe; });
    return r;
}

Ablagewerte Ablage::lesen(IniLeser& l, const std::vector<double>& zahlen) const {
    using Art = Ablageschluessel::Art;
    Ablagewerte w(m_schluessel.size());
    for (size_t i : reihenfolge()) {
        const Ablageschluessel& k = m_schluessel[i];
        if (k.nurGeschrieben) continue;
        switch (k.art) {
        case Art::Text: {
            const QString t = l.text(k.abschnitt, k.name, l.mitTrenner(k.vorgabe));
            w[i] = k.geformt ? k.geformt(t) : t;
            break;
        }
        case Art::Rohtext:
            w[i] = l.rohtext(k.abschnitt, k.name, QString::fromUtf8(k.vorgabe));
            break;
        case Art::Zahl:
            w[i] = l.zahl(k.abschnitt, k.name, k.vorgabe, k.zulaessig);
            break;
        case Art::SchlichteZahl:
            w[i] = l.schlichteZahl(k.abschnitt, k.name, k.zahlVorgabe, k.zulaessig);
            break;
        case Art::Index:
            w[i] = l.index(k.abschnitt, k.name, k.indexVorgabe, k.negativ, k.anzahl);
            break;
        case Art::Schalter:
            w[i] = l.schalter(k.abschnitt, k.name);
            break;
        }
    }
    if (bereinigen) bereinigen(w, zahlen, l.dezimal());
    for (size_t i = 0; i < m_schluessel.size(); ++i)
        if (m_schluessel[i].nurGeschrieben) w[i] = m_schluessel[i].nurGeschrieben(w, l.dezimal());
    return w;
}

Ablagewerte Ablage::erstwerte(QChar dezimal) const {
    Ablagewerte w;
    w.reserve(m_schluessel.size());
    for (const Ablageschluessel& k : m_schluessel) {
        if (k.art == Ablageschluessel::Art::Text)
            w.push_back(QString(std::get<QString>(k.erst)).replace(u',', dezimal));
        else
            w.push_back(k.erst);
    }
    if (bereinigen) bereinigen(w, datenErst(), dezimal);
    for (size_t i = 0; i < m_schluessel.size(); ++i)
        if (m_schluessel[i].nurGeschrieben) w[i] = m_schluessel[i].nurGeschrieben(w, dezimal);
    return w;
}

void Ablage::schreiben(IniSchreiber& s, const Ablagewerte& werte) const {
    using Art = Ablageschluessel::Art;
    for (size_t i = 0; i < m_schluessel.size(); ++i) {
        const Ablageschluessel& k = m_schluessel[i];
        const Ablagewert& w = werte.at(i);
        if (k.gelesenNurHier || (k.geschriebenWenn && !k.geschriebenWenn(w))) continue;
        switch (k.art) {
        case Art::Text:
        case Art::Rohtext:
            s.text(k.abschnitt, k.name, std::get<QString>(w));
            break;
        case Art::Zahl:
        case Art::SchlichteZahl:
            s.zahl(k.abschnitt, k.name, std::get<double>(w));
            break;
        case Art::Index:
            s.ganz(k.abschnitt, k.name, std::get<int>(w));
            break;
        case Art::Schalter:
            s.schalter(k.abschnitt, k.name, std::get<bool>(w));
            break;
        }
    }
}

std::vector<double> Ablage::datenAnfang() const {
    std::vector<double> w;
    for (const Datenzahl& d : m_daten) w.push_back(d.anfang);
    return w;
}

std::vector<double> Ablage::datenErst() const {
    std::vector<double> w;
    for (const Datenzahl& d : m_daten) w.push_back(d.erst);
    return w;
}

void Ablage::datenLesen(DatenLeser& l, std::vector<double>& werte) const {
    for (size_t i = 0; i < m_daten.size(); ++i) l.zahl(werte.at(i), m_daten[i].vorgabe, m_daten[i].zulaessig);
}

void Ablage::datenSchreiben(DatenSchreiber& s, const std::vector<double>& werte) {
    for (double v : werte) s.zahl(v);
}

Ablagewert& Ablage::wert(Ablagewerte& werte, const char* name) const {
    for (size_t i = 0; i < m_schluessel.size(); ++i)
        if (std::strcmp(m_schluessel[i].name, name) == 0) return werte.at(i);
    Q_ASSERT_X(false, "Ablage::wert", name);
    return werte.at(0);
}

QStringList Ablage::abschnitte() const {
    QStringList a;
    for (const Ablageschluessel& k : m_schluessel)
        if (!k.gelesenNurHier && !a.contains(QLatin1StringView(k.abschnitt))) a << QString::fromLatin1(k.abschnitt);
    return a;
}

const Ablagewert& Ablage::wert(const Ablagewerte& werte, const char* name) const {
    return wert(const_cast<Ablagewerte&>(werte), name);
}

}  // namespace zelmo
