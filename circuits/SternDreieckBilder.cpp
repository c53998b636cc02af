// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/SternDreieckBilder.h"

#include <QFontMetricsF>
#include <QPainter>
#include <vector>

#include "fields/Ressourcen.h"
#include "fields/Schaltbild.h"

namespace zelmo::sdbild {

namespace {

using namespace symbol;

constexpr double schrift = 14;

// A resistor with its name ("R" and index) at a place beside it.
void bauteil(QPainter& p, QPointF a, QPointF b, const QString& index, QPointF beschriftung, double laenge = 44) {
    widerstand(p, a, b, laenge, 14);
    text(p, beschriftung, QStringLiteral("R"), schrift, index);
}

// An open terminal with its number.
void anschluss(QPainter& p, QPointF m, const QString& nummer, QPointF beschriftung) {
    klemme(p, m);
    text(p, beschriftung, nummer, schrift);
}

// --- formulas: lines of text pieces with subscripts, fractions

struct Teil {
    QString text;
    QString index;
};
using Zeile = std::vector<Teil>;

Teil R(const char* index) { return {QStringLiteral("R"), QString::fromLatin1(index)}; }
Teil zeichen(const char16_t* t) { return {QString::fromUtf16(t), {}}; }

QFont formelSchrift(double groesse) { return zelmo::schrift(groesse); }

constexpr double formelGroesse = 13;

double breite(const Zeile& z) {
    const QFontMetricsF fm(formelSchrift(formelGroesse));
    const QFontMetricsF fi(formelSchrift(formelGroesse * 0.7));
    double w = 0;
    for (const Teil& t : z) w += fm.horizontalAdvance(t.text) + fi.horizontalAdvance(t.index);
    return w;
}

// Draws a line of pieces from its left end; y is the middle of the line. Returns its width.
double zeile(QPainter& p, QPointF links, const Zeile& z) {
    p.save();
    const QFont f = formelSchrift(formelGroesse);
    const QFont fi = formelSchrift(formelGroesse * 0.7);
    const QFontMetricsF fm(f);
    const QFontMetricsF fmi(fi);
    QPointF x(links.x(), links.y() + fm.ascent() / 2 - fm.descent() / 2);
    p.setPen(Qt::black);
    for (const Teil& t : z) {
        p.setFont(f);
        p.drawText(x, t.text);
        x.rx() += fm.horizontalAdvance(t.text);
        if (!t.index.isEmpty()) {
            p.setFont(fi);
            p.drawText(x + QPointF(0, formelGroesse * 0.3), t.index);
            x.rx() += fmi.horizontalAdvance(t.index);
        }
    }
    p.restore();
    return x.x() - links.x();
}

// Numerator over denominator with the fraction bar on the middle line y. Returns its width.
double bruch(QPainter& p, QPointF links, const Zeile& oben, const Zeile& unten) {
    const double w = std::max(breite(oben), breite(unten)) + 4;
    zeile(p, {links.x() + (w - breite(oben)) / 2, links.y() - 10}, oben);
    zeile(p, {links.x() + (w - breite(unten)) / 2, links.y() + 11}, unten);
    p.save();
    stift(p, 1);
    p.drawLine(QPointF(links.x(), links.y()), QPointF(links.x() + w, links.y()));
    p.restore();
    return w;
}

// Heading and the thin lines between the three columns of a dialog picture.
void spalten(QPainter& p, const QString& formen1, const QString& formen2, const QString& formeln) {
    p.save();
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawLine(QPointF(210, 10), QPointF(210, 215));
    p.drawLine(QPointF(420, 10), QPointF(420, 215));
    p.restore();
    text(p, {105, 210}, formen1, 13);
    text(p, {315, 210}, formen2, 13);
    text(p, {524, 22}, formeln, 13);
}

}  // namespace

void stern(QPainter& p) {
    const QPointF k1(100, 22), k2(22, 232), k3(178, 232), m(100, 140);
    bauteil(p, k1, m, QStringLiteral("s1"), {126, 80});
    bauteil(p, k2, m, QStringLiteral("s2"), {42, 170});
    bauteil(p, k3, m, QStringLiteral("s3"), {158, 170});
    punkt(p, m);
    anschluss(p, k1, QStringLiteral("1"), {86, 22});
    anschluss(p, k2, QStringLiteral("2"), {10, 232});
    anschluss(p, k3, QStringLiteral("3"), {190, 232});
}

void dreieck(QPainter& p) {
    const QPointF e1(100, 52), e2(22, 205), e3(178, 205);
    bauteil(p, e1, e3, QStringLiteral("d1"), {162, 118});
    bauteil(p, e1, e2, QStringLiteral("d2"), {38, 118});
    bauteil(p, e2, e3, QStringLiteral("d3"), {100, 228});
    const QPointF k1(100, 22), k2(22, 232), k3(178, 232);
    draht(p, e1, k1);
    draht(p, e2, k2);
    draht(p, e3, k3);
    for (QPointF e : {e1, e2, e3}) punkt(p, e);
    anschluss(p, k1, QStringLiteral("1"), {86, 22});
    anschluss(p, k2, QStringLiteral("2"), {10, 232});
    anschluss(p, k3, QStringLiteral("3"), {190, 232});
}

void wandlung(QPainter& p) {
    pfeil(p, {6, 22}, {44, 22});
    pfeil(p, {44, 38}, {6, 38});
}

void sternFormen(QPainter& p) {
    spalten(p, QStringLiteral("Y-Schaltung"), QStringLiteral("T-Schaltung"), QStringLiteral("Dreieck in Stern:"));

    // Y: terminals 1 and 3 above, 2 below
    {
        const QPointF k1(35, 28), k3(175, 28), k2(105, 180), m(105, 100);
        bauteil(p, k1, m, QStringLiteral("s1"), {52, 80}, 40);
        bauteil(p, k3, m, QStringLiteral("s3"), {158, 80}, 40);
        bauteil(p, m, k2, QStringLiteral("s2"), {130, 142}, 40);
        punkt(p, m);
        anschluss(p, k1, QStringLiteral("1"), {23, 20});
        anschluss(p, k3, QStringLiteral("3"), {187, 20});
        anschluss(p, k2, QStringLiteral("2"), {118, 188});
    }
    // T: Rs1 and Rs3 in the through line, Rs2 across to the common line of terminal 2
    {
        const double links = 232, rechts = 398, mitte = 315, oben = 60, unten = 165;
        bauteil(p, {links, oben}, {mitte, oben}, QStringLiteral("s1"), {273, 40});
        bauteil(p, {mitte, oben}, {rechts, oben}, QStringLiteral("s3"), {357, 40});
        bauteil(p, {mitte, oben}, {mitte, unten}, QStringLiteral("s2"), {340, 112});
        draht(p, {links, unten}, {rechts, unten});
        punkt(p, {mitte, oben});
        punkt(p, {mitte, unten});
        anschluss(p, {links, oben}, QStringLiteral("1"), {221, oben});
        anschluss(p, {rechts, oben}, QStringLiteral("3"), {409, oben});
        anschluss(p, {links, unten}, QStringLiteral("2"), {221, unten});
        anschluss(p, {rechts, unten}, QStringLiteral("2"), {409, unten});
    }
    // the star from a delta
    const Zeile summe{R("d1"), zeichen(u" + "), R("d2"), zeichen(u" + "), R("d3")};
    const struct {
        const char* links;
        const char* a;
        const char* b;
    } formeln[] = {{"s1", "d1", "d2"}, {"s2", "d2", "d3"}, {"s3", "d1", "d3"}};
    double y = 68;
    for (const auto& f : formeln) {
        const double w = zeile(p, {438, y}, {R(f.links), zeichen(u" = ")});
        bruch(p, {438 + w, y}, {R(f.a), zeichen(u" \u00B7 "), R(f.b)}, summe);
        y += 56;
    }
}

void dreieckFormen(QPainter& p) {
    spalten(p, QStringLiteral(u"\u0394-Schaltung"), QStringLiteral(u"\u03A0-Schaltung"),
            QStringLiteral("Stern in Dreieck:"));

    // triangle with its point down: terminals 1 and 3 above, 2 below
    {
        const QPointF e1(40, 48), e3(170, 48), e2(105, 160);
        const QPointF k1(40, 20), k3(170, 20), k2(105, 186);
        bauteil(p, e1, e3, QStringLiteral("d1"), {105, 30});
        bauteil(p, e1, e2, QStringLiteral("d2"), {50, 116}, 40);
        bauteil(p, e3, e2, QStringLiteral("d3"), {160, 116}, 40);
        draht(p, e1, k1);
        draht(p, e3, k3);
        draht(p, e2, k2);
        for (QPointF e : {e1, e2, e3}) punkt(p, e);
        anschluss(p, k1, QStringLiteral("1"), {28, 20});
        anschluss(p, k3, QStringLiteral("3"), {182, 20});
        anschluss(p, k2, QStringLiteral("2"), {118, 190});
    }
    // Π: Rd1 in the through line, Rd2 and Rd3 across to the common line of terminal 2
    {
        const double links = 232, a = 265, b = 365, rechts = 398, oben = 60, unten = 165;
        draht(p, {links, oben}, {a, oben});
        bauteil(p, {a, oben}, {b, oben}, QStringLiteral("d1"), {315, 40});
        draht(p, {b, oben}, {rechts, oben});
        bauteil(p, {a, oben}, {a, unten}, QStringLiteral("d2"), {290, 112});
        bauteil(p, {b, oben}, {b, unten}, QStringLiteral("d3"), {390, 112});
        draht(p, {links, unten}, {rechts, unten});
        for (QPointF q : {QPointF(a, oben), QPointF(b, oben), QPointF(a, unten), QPointF(b, unten)}) punkt(p, q);
        anschluss(p, {links, oben}, QStringLiteral("1"), {221, oben});
        anschluss(p, {rechts, oben}, QStringLiteral("3"), {409, oben});
        anschluss(p, {links, unten}, QStringLiteral("2"), {221, unten});
        anschluss(p, {rechts, unten}, QStringLiteral("2"), {409, unten});
    }
    // the delta from a star
    const struct {
        const char* links;
        const char* a;
        const char* b;
        const char* c;  // the one divided by
    } formeln[] = {{"d1", "s1", "s3", "s2"}, {"d2", "s1", "s2", "s3"}, {"d3", "s2", "s3", "s1"}};
    double y = 68;
    for (const auto& f : formeln) {
        const double w =
            zeile(p, {432, y}, {R(f.links), zeichen(u" = "), R(f.a), zeichen(u" + "), R(f.b), zeichen(u" + ")});
        bruch(p, {432 + w, y}, {R(f.a), zeichen(u" \u00B7 "), R(f.b)}, {R(f.c)});
        y += 56;
    }
}

}  // namespace zelmo::sdbild
