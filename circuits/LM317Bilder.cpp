// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/LM317Bilder.h"

#include <QPainter>
#include <QPainterPath>

#include "fields/Ressourcen.h"
#include "fields/Schaltbild.h"

namespace zelmo::lm317bild {

namespace {

using namespace symbol;

const QColor stromFarbe(190, 0, 0);
const QColor spannungFarbe(0, 60, 190);
constexpr double schrift = 14;

// --- schematics

constexpr double oben = 40;    // supply wire
constexpr double unten = 172;  // ground wire
constexpr double links = 26;   // input terminals
const QRectF ic(86, 22, 100, 50);
constexpr double lead = 16;

// The regulator with IN and OUT on the supply wire; ADJ below (adjOben false) or above the body.
// Returns the end of the ADJ lead.
QPointF icZeichnen(QPainter& p, bool adjOben) {
    const QPointF adj(ic.center().x(), adjOben ? ic.top() - lead : ic.bottom() + lead);
    baustein(p, ic, QStringLiteral("LM317"),
             {{QPointF(ic.left() - lead, oben), QStringLiteral("IN")},
              {QPointF(ic.right() + lead, oben), QStringLiteral("OUT")},
              {adj, QStringLiteral("ADJ")}},
             10);
    return adj;
}

// Input terminals with U1, the ground wire from the input to x and the ground mark.
void eingang(QPainter& p, double rechts) {
    draht(p, QPointF(links + 3, oben), QPointF(ic.left() - lead, oben));
    draht(p, QPointF(links + 3, unten), QPointF(rechts, unten));
    klemme(p, QPointF(links, oben));
    klemme(p, QPointF(links, unten));
    pfeil(p, QPointF(links - 12, oben + 12), QPointF(links - 12, unten - 12), spannungFarbe);
    text(p, QPointF(links + 2, (oben + unten) / 2), QStringLiteral("U"), schrift, QStringLiteral("1"));
    draht(p, QPointF(ic.center().x(), unten), QPointF(ic.center().x(), unten + 9));
    masse(p, QPointF(ic.center().x(), unten + 9));
    punkt(p, QPointF(ic.center().x(), unten));
}

}  // namespace

void spannungsregler(QPainter& p) {
    const double knoten = 226, adjY = 112, ausgang = 272;
    eingang(p, ausgang - 3);
    const QPointF adj = icZeichnen(p, false);
    draht(p, QPointF(ic.right() + lead, oben), QPointF(ausgang - 3, oben));
    widerstand(p, QPointF(knoten, oben), QPointF(knoten, adjY), 40, 15);
    text(p, QPointF(knoten - 22, 76), QStringLiteral("R"), schrift, QStringLiteral("1"));
    widerstand(p, QPointF(knoten, adjY), QPointF(knoten, unten), 40, 15);
    text(p, QPointF(knoten - 22, 142), QStringLiteral("R"), schrift, QStringLiteral("2"));
    draht(p, {adj, QPointF(adj.x(), adjY), QPointF(knoten, adjY)});
    for (QPointF k : {QPointF(knoten, oben), QPointF(knoten, adjY), QPointF(knoten, unten)}) punkt(p, k);
    klemme(p, QPointF(ausgang, oben));
    klemme(p, QPointF(ausgang, unten));
    pfeil(p, QPointF(ausgang + 12, oben + 12), QPointF(ausgang + 12, unten - 12), spannungFarbe);
    text(p, QPointF(ausgang, (oben + unten) / 2), QStringLiteral("U"), schrift, QStringLiteral("2"));
    pfeil(p, QPointF(236, oben - 10), QPointF(264, oben - 10), stromFarbe);
    text(p, QPointF(250, oben - 22), QStringLiteral("I"), schrift);
}

void stromregler(QPainter& p) {
    const double knoten = 252, last = 278;
    eingang(p, last);
    const QPointF adj = icZeichnen(p, true);
    // R2 between OUT and the load; ADJ takes the voltage after it
    widerstand(p, QPointF(ic.right() + lead, oben), QPointF(knoten, oben), 32, 14);
    text(p, QPointF((ic.right() + lead + knoten) / 2, oben - 18), QStringLiteral("R"), schrift, QStringLiteral("2"));
    draht(p, {adj, QPointF(knoten, adj.y()), QPointF(knoten, oben)});
    draht(p, QPointF(knoten, oben), QPointF(last, oben));
    punkt(p, QPointF(knoten, oben));
    // the load the constant current flows through
    widerstand(p, QPointF(last, oben), QPointF(last, unten), 48, 18);
    text(p, QPointF(last - 26, 100), QStringLiteral("R"), schrift, QStringLiteral("L"));
    p.save();
    p.setFont(zelmo::schrift(10));
    p.drawText(QPointF(last - 40, 120), QStringLiteral("Last"));
    p.restore();
    pfeil(p, QPointF(last + 14, 84), QPointF(last + 14, 130), stromFarbe);
    text(p, QPointF(last + 14, 74), QStringLiteral("I"), schrift);
    // U2: the voltage at OUT, as with the voltage regulator
    pfeil(p, QPointF(ic.right() + 8, oben + 12), QPointF(ic.right() + 8, unten - 12), spannungFarbe);
    text(p, QPointF(ic.right() + 26, (oben + unten) / 2), QStringLiteral("U"), schrift, QStringLiteral("2"));
}

// --- pin-outs

namespace {

const QColor plastik(58, 58, 64);
const QColor plastikRand(25, 25, 28);
const QColor metall(208, 210, 215);
const QColor metallRand(115, 117, 122);
const QColor bein(196, 196, 200);
const QColor beinRand(105, 105, 110);

void fuellen(QPainter& p, const QColor& fuellung, const QColor& rand, double breite = 1.2) {
    p.setPen(QPen(rand, breite));
    p.setBrush(fuellung);
}

QFont schriftart(double groesse, bool fett = false) { return zelmo::schrift(int(groesse), fett); }

// Text centred on a point, in a colour.
void schreibe(QPainter& p, QPointF mitte, const QString& t, double groesse, const QColor& farbe = Qt::black,
              bool fett = false) {
    p.save();
    p.setFont(schriftart(groesse, fett));
    p.setPen(farbe);
    p.drawText(QRectF(mitte.x() - 80, mitte.y() - groesse, 160, 2 * groesse), Qt::AlignCenter, t);
    p.restore();
}

// Text with its right (rechts true) or left end at x.
void schreibeAn(QPainter& p, QPointF punkt, const QString& t, double groesse, bool rechts) {
    p.save();
    p.setFont(schriftart(groesse));
    p.setPen(Qt::black);
    const QRectF r = rechts ? QRectF(punkt.x() - 160, punkt.y() - groesse, 160, 2 * groesse)
                            : QRectF(punkt.x(), punkt.y() - groesse, 160, 2 * groesse);
    p.drawText(r, (rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, t);
    p.restore();
}

// Number and name under a lead ending at x, y.
void beinName(QPainter& p, double x, double y, const QString& nummer, const QString& name) {
    schreibe(p, QPointF(x, y + 7), nummer, 11);
    schreibe(p, QPointF(x, y + 20), name, 11, Qt::black, true);
}

// A straight lead of a through-hole housing, a little wider at the body.
void gerade(QPainter& p, double x, double von, double bis, double breite) {
    fuellen(p, bein, beinRand, 0.9);
    p.drawRect(QRectF(x - breite / 2, von, breite, bis - von));
    p.drawRect(QRectF(x - breite * 0.9, von, breite * 1.8, std::min(8.0, (bis - von) / 3)));
}

// A gull-wing lead of a surface-mount housing seen from the top: narrow at the body, a foot below.
void fluegel(QPainter& p, double x, double von, double bis, double breite) {
    fuellen(p, bein, beinRand, 0.9);
    p.drawRect(QRectF(x - breite / 2, von, breite, bis - von));
    p.drawRect(QRectF(x - breite * 0.65, bis - (bis - von) * 0.45, breite * 1.3, (bis - von) * 0.45));
}

// A mark with a leader line: note at the right of the picture.
void notiz(QPainter& p, QPointF ziel, QPointF text, const QString& t) {
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 0.8, Qt::DashLine));
    p.drawLine(ziel, QPointF(text.x() - 3, text.y()));
    p.restore();
    schreibeAn(p, text, t, 10, false);
}

void beschriftungLM317(QPainter& p, QPointF mitte, double groesse) {
    schreibe(p, mitte, QStringLiteral("LM317"), groesse, QColor(225, 225, 225), true);
}

// Three leads ADJ, OUT, IN at the three x positions, the middle one cut short when kurz.
void dreiBeine(QPainter& p, const double (&x)[3], double von, double bis, double breite, bool smd, bool kurz) {
    const QString namen[] = {QStringLiteral("ADJ"), QStringLiteral("OUT"), QStringLiteral("IN")};
    for (int i = 0; i < 3; ++i) {
        const double ende = (kurz && i == 1) ? von + 6 : bis;
        if (smd && !(kurz && i == 1))
            fluegel(p, x[i], von, ende, breite);
        else
            gerade(p, x[i], von, ende, breite);
        beinName(p, x[i], bis + 2, QString::number(i + 1), namen[i]);
    }
}

void to220(QPainter& p) {
    // metal tab with its mounting hole above the moulded body
    QPainterPath fahne;
    fahne.addRoundedRect(QRectF(98, 6, 84, 46), 2, 2);
    QPainterPath loch;
    loch.addEllipse(QPointF(140, 25), 9, 9);
    fuellen(p, metall, metallRand);
    p.drawPath(fahne.subtracted(loch));
    fuellen(p, plastik, plastikRand);
    p.drawRect(QRectF(98, 46, 84, 62));
    beschriftungLM317(p, QPointF(140, 72), 12);
    const double x[] = {112, 140, 168};
    dreiBeine(p, x, 108, 128, 4.5, false, false);
    notiz(p, QPointF(182, 20), QPointF(200, 20), QStringLiteral("Fahne = OUT"));
}

void to247(QPainter& p) {
    // large moulded body with the hole through it, metal back behind
    fuellen(p, metall, metallRand);
    p.drawRect(QRectF(94, 6, 92, 14));
    QPainterPath koerper;
    koerper.addRoundedRect(QRectF(90, 10, 100, 98), 3, 3);
    QPainterPath loch;
    loch.addEllipse(QPointF(140, 30), 9, 9);
    fuellen(p, plastik, plastikRand);
    p.drawPath(koerper.subtracted(loch));
    fuellen(p, metall, metallRand, 0.8);
    p.drawEllipse(QPointF(140, 30), 5, 5);
    beschriftungLM317(p, QPointF(140, 74), 13);
    const double x[] = {112, 140, 168};
    dreiBeine(p, x, 108, 128, 5.5, false, false);
    notiz(p, QPointF(186, 12), QPointF(204, 20), QStringLiteral("Rückseite = OUT"));
}

void to3(QPainter& p) {
    // flange seen from below: two mounting holes, the two pins in their glass beads, the case is OUT
    QPainterPath flansch;
    flansch.moveTo(62, 48);
    flansch.quadTo(100, 20, 140, 20);
    flansch.quadTo(180, 20, 218, 48);
    flansch.arcTo(QRectF(194, 48, 48, 48), 90, -180);
    flansch.quadTo(180, 124, 140, 124);
    flansch.quadTo(100, 124, 62, 96);
    flansch.arcTo(QRectF(38, 48, 48, 48), 270, -180);
    flansch.closeSubpath();
    QPainterPath loecher;
    loecher.addEllipse(QPointF(62, 72), 8, 8);
    loecher.addEllipse(QPointF(218, 72), 8, 8);
    fuellen(p, metall, metallRand);
    p.drawPath(flansch.subtracted(loecher));
    p.setPen(QPen(metallRand, 0.8, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(140, 72), 44, 44);  // the cap on the other side
    const QPointF pins[] = {{122, 60}, {158, 60}};
    const QString namen[] = {QStringLiteral("ADJ"), QStringLiteral("IN")};
    for (int i = 0; i < 2; ++i) {
        fuellen(p, QColor(236, 240, 232), QColor(150, 150, 150), 0.8);
        p.drawEllipse(pins[i], 8, 8);
        fuellen(p, bein, beinRand, 0.9);
        p.drawEllipse(pins[i], 3.5, 3.5);
        schreibe(p, pins[i] + QPointF(0, -16), QString::number(i + 1), 11);
        schreibe(p, pins[i] + QPointF(0, 20), namen[i], 11, Qt::black, true);
    }
    schreibe(p, QPointF(140, 104), QStringLiteral("Gehäuse = OUT"), 11, Qt::black, true);
}

void to92(QPainter& p) {
    // from below: the round body with its flat side at the bottom, the three leads end-on
    const QPointF m(140, 62);
    QPainterPath rund;
    rund.addEllipse(m, 48, 48);
    QPainterPath bis;
    bis.addRect(QRectF(m.x() - 50, m.y() - 50, 100, 50 + 30));
    fuellen(p, plastik, plastikRand);
    p.drawPath(rund.intersected(bis));
    const double x[] = {110, 140, 170};
    const QString namen[] = {QStringLiteral("ADJ"), QStringLiteral("OUT"), QStringLiteral("IN")};
    for (int i = 0; i < 3; ++i) {
        fuellen(p, bein, beinRand, 0.9);
        p.drawRect(QRectF(x[i] - 3, m.y() + 3, 6, 6));
        schreibe(p, QPointF(x[i], m.y() - 10), QString::number(i + 1), 11, QColor(235, 235, 235));
        schreibe(p, QPointF(x[i], m.y() + 46), namen[i], 11, Qt::black, true);
    }
    notiz(p, QPointF(186, m.y() + 30), QPointF(200, m.y() + 30), QStringLiteral("flache Seite"));
}

void to39(QPainter& p) {
    // metal can from below: flange with its tab, three leads on a circle, the case is OUT
    const QPointF m(140, 66);
    QPainterPath flansch;
    flansch.addEllipse(m, 46, 46);
    QPainterPath nase;  // the tab at the lower left, next to pin 1
    nase.addRect(QRectF(-5, 38, 10, 18));
    QTransform t;
    t.translate(m.x(), m.y());
    t.rotate(45);
    flansch = flansch.united(t.map(nase));
    fuellen(p, metall, metallRand);
    p.drawPath(flansch);
    p.setPen(QPen(metallRand, 0.8));
    p.setBrush(QColor(226, 228, 232));
    p.drawEllipse(m, 38, 38);
    const QPointF pins[] = {m + QPointF(-20, 0), m + QPointF(0, -20), m + QPointF(20, 0)};
    const QString namen[] = {QStringLiteral("IN"), QStringLiteral("ADJ"), QStringLiteral("OUT")};
    for (int i = 0; i < 3; ++i) {
        fuellen(p, QColor(236, 240, 232), QColor(150, 150, 150), 0.8);
        p.drawEllipse(pins[i], 6, 6);
        fuellen(p, bein, beinRand, 0.9);
        p.drawEllipse(pins[i], 2.8, 2.8);
        schreibe(p, pins[i] + QPointF(0, 13), QString::number(i + 1), 10);
    }
    schreibeAn(p, QPointF(m.x() - 52, m.y()), namen[0], 11, true);
    schreibe(p, QPointF(m.x(), m.y() - 56), namen[1], 11, Qt::black, true);
    schreibeAn(p, QPointF(m.x() + 52, m.y()), namen[2], 11, false);
    schreibe(p, QPointF(m.x(), m.y() + 60), QStringLiteral("Gehäuse = OUT"), 11, Qt::black, true);
}

// Eight-pin dual-in-line housing from the top: INPUT 1, OUTPUT 2, 3, 6, 7, ADJUST 4, 5 and 8 free.
void dip8(QPainter& p, double breite, double beinLaenge) {
    const double oben8 = 14, hoehe = 118, x0 = 140 - breite / 2, x1 = 140 + breite / 2;
    const QString namen[] = {QStringLiteral("IN"),  QStringLiteral("OUT"), QStringLiteral("OUT"),
                             QStringLiteral("ADJ"), QStringLiteral("NC"),  QStringLiteral("OUT"),
                             QStringLiteral("OUT"), QStringLiteral("NC")};
    for (int i = 0; i < 4; ++i) {
        const double y = oben8 + 17 + i * 28;
        fuellen(p, bein, beinRand, 0.9);
        p.drawRect(QRectF(x0 - beinLaenge, y - 4, beinLaenge, 8));
        p.drawRect(QRectF(x1, y - 4, beinLaenge, 8));
        schreibeAn(p, QPointF(x0 - beinLaenge - 4, y), namen[i] + QStringLiteral("  ") + QString::number(i + 1), 11,
                   true);
        schreibeAn(p, QPointF(x1 + beinLaenge + 4, y), QString::number(8 - i) + QStringLiteral("  ") + namen[7 - i],
                   11, false);
    }
    QPainterPath koerper;
    koerper.addRect(QRectF(x0, oben8, breite, hoehe));
    QPainterPath kerbe;
    kerbe.addEllipse(QPointF(140, oben8), 7, 7);
    fuellen(p, plastik, plastikRand);
    p.drawPath(koerper.subtracted(kerbe));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 155));
    p.drawEllipse(QPointF(x0 + 9, oben8 + 15), 3.5, 3.5);  // pin 1
    p.save();
    p.translate(140, oben8 + hoehe / 2 + 6);
    p.rotate(-90);
    beschriftungLM317(p, QPointF(0, 0), 12);
    p.restore();
}

void dipPs(QPainter& p) { dip8(p, 58, 15); }
void dipDPw(QPainter& p) { dip8(p, 44, 11); }

// Surface-mount power housing (D2PAK, DPAK) from the top: the soldered tab at the back, the middle lead
// cut short (it is the tab's), ADJ and IN as gull-wing leads.
void smdLeistung(QPainter& p, double breite, double koerperHoehe, double fahneHoehe, double beinAbstand,
                 double beinBreite) {
    const double x0 = 140 - breite / 2;
    const double fahneOben = 8;
    fuellen(p, metall, metallRand);
    p.drawRect(QRectF(x0 + breite * 0.1, fahneOben, breite * 0.8, fahneHoehe + 4));
    const double koerperOben = fahneOben + fahneHoehe;
    fuellen(p, plastik, plastikRand);
    p.drawRoundedRect(QRectF(x0, koerperOben, breite, koerperHoehe), 2, 2);
    beschriftungLM317(p, QPointF(140, koerperOben + koerperHoehe / 2), breite > 70 ? 12 : 10);
    const double x[] = {140 - beinAbstand, 140, 140 + beinAbstand};
    dreiBeine(p, x, koerperOben + koerperHoehe, 128, beinBreite, true, true);
    notiz(p, QPointF(x0 + breite * 0.9, fahneOben + 6), QPointF(200, fahneOben + 8), QStringLiteral("Fahne = OUT"));
}

void to263(QPainter& p) { smdLeistung(p, 90, 72, 18, 30, 6); }
void sot252(QPainter& p) { smdLeistung(p, 74, 58, 16, 28, 5); }

void sot223(QPainter& p) {
    // the wide tab (pin 4, OUT) at the top, three leads below
    fuellen(p, bein, beinRand, 0.9);
    p.drawRect(QRectF(108, 14, 64, 20));
    fuellen(p, plastik, plastikRand);
    p.drawRect(QRectF(94, 30, 92, 60));
    beschriftungLM317(p, QPointF(140, 60), 11);
    const double x[] = {112, 140, 168};
    dreiBeine(p, x, 90, 128, 6, true, false);
    notiz(p, QPointF(172, 20), QPointF(200, 20), QStringLiteral("4 = OUT"));
}

}  // namespace

void anschlussbild(QPainter& p, int gehaeuse) {
    p.save();
    switch (gehaeuse) {
        case 0: to220(p); break;
        case 1: to247(p); break;
        case 2: to3(p); break;
        case 3: to92(p); break;
        case 4: to39(p); break;
        case 5: dipPs(p); break;
        case 6: dipDPw(p); break;
        case 7: to263(p); break;
        case 8: sot252(p); break;
        case 9: sot223(p); break;
        default: break;
    }
    p.restore();
}

}  // namespace zelmo::lm317bild
