// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every list of the tolerance page, pinned byte for byte: the whole result of many calculations (all
// series, all kinds, both separators, everyday and edge values) against a stored record. The record
// was written by the calculation as it stood before it worked on numbers first; any change of a
// line, its colour, its order, a neighbour, a bold mark or a count shows up here.
//
// To write the record anew (only after a deliberate change of what the page shows):
//   ZELMO_TOLERANZ_AUFZEICHNEN=1 ./logik_tests --gtest_filter='ToleranzAufzeichnung.*'

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QStringList>
#include <cstdlib>
#include <filesystem>

#include "eseries/ereihen.h"
#include "eseries/toleranz.h"

using namespace zelmo;

namespace {

const std::filesystem::path aufzeichnung = std::filesystem::path(ZELMO_TESTQUELLEN) / "eseries" / "toleranz_aufzeichnung.txt";

// Wanted values: first-start values, every decade step, values on and between series values, the
// edges of the normalisation (0.999999, 9.999999), rounding edges, the upper limit of the field and
// values where the decade factor is inexact. Wanted values near the lowest prefix are left out: there
// the lists reach below 1 y, where the value display has rules of its own.
const char16_t* const werte[] = {
    u"1",         u"12",         u" 12",       u"150",       u"1k",         u"1,00 k\u2126", u"4,7k",
    u"4,7E3",     u"2,2M",       u"33\u00B5",  u"7,5E-8",    u"3E-11",      u"4,7n",         u"1n",
    u"1p",        u"100m",       u"0,1",       u"6,8",       u"1,21",       u"9,76",         u"9,99999",
    u"9,999999",  u"9,9999995k", u"0,999999",  u"0,9999995", u"999,995",    u"1,005",        u"3,3333",
    u"123456789", u"1e27",       u"999E24",    u"0,47",
    u"68k",       u"220",        u"47\u00B5",  u"2,5",       u"15,8",       u"1000000",      u"0,00012"};

QString fallText(EReihe r, int art, QChar dezimal, const QString& text) {
    return reihenName(r) + u' ' + QString::number(art) + u' ' + dezimal + u' ' + u'"' + text + u'"';
}

QString hex(const QString& s) {
    return QString::fromLatin1(QCryptographicHash::hash(s.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString liste(const std::vector<ToleranzZeile>& z) {
    QString t;
    for (const auto& l : z) {
        t += l.gruen ? u'g' : u'm';
        t += l.text;
        t += u'\n';
    }
    return t;
}

// The record of one calculation: a heading, the scalar results, then each list either in full (up to
// E6) or as its SHA-256 (the larger series hold thousands of lines).
void schreibeFall(QStringList& aus, EReihe r, int art, QChar dezimal, const QString& text) {
    aus << QStringLiteral("# ") + fallText(r, art, dezimal, text);
    const auto e = Toleranz_Berechnung(text, reihe(r), fensterProzent(r), art, dezimal);
    if (!e) {
        aus << QStringLiteral("keine Rechnung");
        return;
    }
    QString fett;
    for (EReihe k : alleEReihen) fett += e->fett[size_t(k)] ? u'1' : u'0';
    aus << QStringLiteral("wert %1 temp1 %2").arg(e->wert, 0, 'g', 17).arg(e->temp1, 0, 'g', 17);
    aus << QStringLiteral("unten [%1] oben [%2] fett %3").arg(e->unten, e->oben, fett);
    aus << QStringLiteral("kandidaten %1 %2 gezeigt %3 %4")
               .arg(e->parallelKandidaten)
               .arg(e->seriellKandidaten)
               .arg(e->parallel.size())
               .arg(e->seriell.size());
    const bool voll = int(r) <= int(EReihe::E6);
    for (const auto* l : {&e->parallel, &e->seriell}) {
        const QString t = liste(*l);
        if (voll) {
            QStringList zeilen = t.split(u'\n');
            zeilen.removeLast();
            aus << zeilen;
        } else {
            aus << QStringLiteral("sha256 ") + hex(t);
        }
        aus << QStringLiteral("--");
    }
}

QStringList alleFaelle() {
    QStringList aus;
    for (EReihe r : alleEReihen)
        for (int art : {artR, artL, artC})
            for (const char16_t* w : werte) schreibeFall(aus, r, art, u',', QString::fromUtf16(w));
    // the point as separator, and a kind index outside the group (no unit sign)
    for (EReihe r : {EReihe::E12, EReihe::E96})
        for (const char16_t* w : {u"4.7k", u"1k", u"0.999999", u"150", u"33\u00B5"})
            schreibeFall(aus, r, artR, u'.', QString::fromUtf16(w));
    for (EReihe r : {EReihe::E6, EReihe::E24})
        for (const char16_t* w : {u"1k", u"12", u"1n"}) schreibeFall(aus, r, -1, u',', QString::fromUtf16(w));
    // texts that give no calculation
    for (const char16_t* w : {u"", u"abc", u"0", u"-5", u"1E400"}) schreibeFall(aus, EReihe::E12, artR, u',', QString::fromUtf16(w));
    return aus;
}

}  // namespace

TEST(ToleranzAufzeichnung, JedeListeWieAufgezeichnet) {
    const QStringList ist = alleFaelle();
    if (std::getenv("ZELMO_TOLERANZ_AUFZEICHNEN")) {
        QFile f(QString::fromStdString(aufzeichnung.string()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write((ist.join(u'\n') + u'\n').toUtf8());
        GTEST_SKIP() << "record written: " << aufzeichnung.string();
    }
    QFile f(QString::fromStdString(aufzeichnung.string()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << aufzeichnung.string();
    QStringList soll = QString::fromUtf8(f.readAll()).split(u'\n');
    if (!soll.isEmpty() && soll.back().isEmpty()) soll.removeLast();

    // report the first differing lines together with the case they belong to
    QString fall;
    int fehler = 0;
    const qsizetype n = std::max(ist.size(), soll.size());
    for (qsizetype i = 0; i < n && fehler < 10; ++i) {
        const QString a = i < ist.size() ? ist[i] : QStringLiteral("<fehlt>");
        const QString b = i < soll.size() ? soll[i] : QStringLiteral("<fehlt>");
        if (b.startsWith(u'#')) fall = b;
        if (a != b) {
            ++fehler;
            ADD_FAILURE() << fall.toStdString() << "\n  line " << i + 1 << "\n  expected: " << b.toStdString()
                          << "\n  actual:   " << a.toStdString();
        }
    }
    EXPECT_EQ(ist.size(), soll.size());
}
