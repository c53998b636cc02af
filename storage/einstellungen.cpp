// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/einstellungen.h"

#include "storage/inidokument.h"
#include "values/zahlen.h"

namespace zelmo {

Zulaessig zwischen(double min, double max) {
    return [min, max](double x) { return x >= min && x <= max; };
}

namespace {
QString name(const char* t) { return QString::fromLatin1(t); }
}  // namespace

// --- settings file, writing ----------------------------------------------------------------------

void IniSchreiber::zahl(const char* a, const char* k, double wert) { text(a, k, allgemein(wert, m_dezimal)); }

void IniSchreiber::ganz(const char* a, const char* k, int wert) { text(a, k, QString::number(wert)); }

void IniSchreiber::schalter(const char* a, const char* k, bool wert) {
    text(a, k, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniSchreiber::text(const char* a, const char* k, const QString& wert) { m_d.schreibe(name(a), name(k), wert); }

// --- settings file, reading ----------------------------------------------------------------------

IniLeser::IniLeser(const IniDokument& dokument, QChar dezimal) : m_d(dokument), m_dezimal(dezimal) {
    const auto d = roh("Dezimalseparator", "Dezimals");
    m_gespeichert = QStringLiteral(",");
    if (!d) return;
    if (istDezimaltrenner(*d))
        m_gespeichert = *d;
    else
        vermerke("Dezimalseparator", "Dezimals", *d);
}

std::optional<QString> IniLeser::roh(const char* a, const char* k) const { return m_d.lies(name(a), name(k)); }

void IniLeser::vermerke(const char* a, const char* k, const QString& wert) {
    m_unlesbar << QStringLiteral("[%1] %2=%3").arg(name(a), name(k), wert);
}

QString IniLeser::mitDezimal(QString t) const { return t.replace(m_gespeichert, QString(m_dezimal)); }

QString IniLeser::text(const char* a, const char* k, const QString& vorgabe) const {
    return mitDezimal(roh(a, k).value_or(vorgabe));
}

QString IniLeser::rohtext(const char* a, const char* k, const QString& vorgabe) const {
    return roh(a, k).value_or(vorgabe);
}

QString IniLeser::mitTrenner(const char* t) const { return QString::fromLatin1(t).replace(u',', m_dezimal); }

double IniLeser::zahl(const char* a, const char* k, const char* vorgabe, const Zulaessig& zulaessig) {
    const auto standard = [&] { return *Gleitkommazahl(name(vorgabe).replace(u'.', m_dezimal), m_dezimal); };
    // a key that is not there is no fault of the file: it takes its default without a word
    const auto r = roh(a, k);
    if (!r) return standard();
    const QString t = mitDezimal(*r);
    const auto w = Gleitkommazahl(t, m_dezimal);
    if (w && (!zulaessig || zulaessig(*w))) return *w;
    vermerke(a, k, t);
    return standard();
}

double IniLeser::schlichteZahl(const char* a, const char* k, double vorgabe, const Zulaessig& zulaessig) {
    const auto t = roh(a, k);
    if (!t) return vorgabe;
    const auto w = Gleitkommazahl(*t, m_dezimal);
    if (!w) return vorgabe;
    if (zulaessig && !zulaessig(*w)) {
        vermerke(a, k, *t);
        return vorgabe;
    }
    return *w;
}

int IniLeser::index(const char* a, const char* k, int vorgabe, std::optional<int> negativ, int anzahl) {
    const auto t = roh(a, k);
    bool ok = false;
    const int i = t.value_or(QString()).toInt(&ok);
    if (!ok) return vorgabe;
    if (i < 0 && negativ) return *negativ;
    if (i < 0 || i >= anzahl) {
        vermerke(a, k, *t);
        return vorgabe;
    }
    return i;
}

bool IniLeser::schalter(const char* a, const char* k) const {
    bool ok = false;
    const int i = roh(a, k).value_or(QString()).toInt(&ok);
    return ok && i != 0;
}

// --- data file -----------------------------------------------------------------------------------

void DatenLeser::zahl(double& ziel, double vorgabe, const Zulaessig& zulaessig) {
    const size_t i = m_naechste++;
    const QString zeile = QString::number(i + 2);  // line 1 holds the separator
    const std::optional<double> w = i < m_gelesen.size() ? m_gelesen[i] : std::nullopt;
    if (!w) {
        m_unlesbar << zeile;
        return;
    }
    if (zulaessig && !zulaessig(*w)) {
        m_ausserhalb << zeile;
        ziel = vorgabe;
        return;
    }
    ziel = *w;
}

}  // namespace zelmo
