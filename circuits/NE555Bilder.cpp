// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/NE555Bilder.h"

#include <QPainter>

#include "fields/Ressourcen.h"
#include "fields/Schaltbild.h"

namespace zelmo::ne555bild {

namespace {

using symbol::ne555Anschluss;

constexpr double oben = 30;    // supply rail
constexpr double unten = 325;  // ground rail
constexpr double klemmeX = 22;
constexpr double bauteilX = 70;  // R1, R2 and C of the timing network
constexpr double brueckeX = 126; // where threshold and trigger are tied together
const QPointF ic(150, 115);      // top left corner of the 555 block

QPointF pin(int n) { return ne555Anschluss(ic, n); }

// Supply and ground rails with their terminals, reset and supply pin on the rail, ground pin, the
// control-voltage capacitor, and the output terminal.
void rahmen(QPainter& p) {
    using namespace symbol;
    const QPointF p1 = pin(1), p3 = pin(3), p4 = pin(4), p5 = pin(5), p8 = pin(8);
    draht(p, QPointF(klemmeX + 3, oben), QPointF(p8.x(), oben));
    draht(p, QPointF(klemmeX + 3, unten), QPointF(p5.x(), unten));
    klemme(p, QPointF(klemmeX, oben));
    klemme(p, QPointF(klemmeX, unten));
    text(p, QPointF(klemmeX + 2, oben - 16), QStringLiteral("+U"), 13, QStringLiteral("B"));
    text(p, QPointF(klemmeX + 2, unten + 15), QStringLiteral("0 V"), 12);
    draht(p, {p8, QPointF(p8.x(), oben)});
    draht(p, {p4, QPointF(p4.x(), oben)});
    punkt(p, QPointF(p4.x(), oben));
    draht(p, p1, QPointF(p1.x(), unten));
    punkt(p, QPointF(p1.x(), unten));
    kondensator(p, p5, QPointF(p5.x(), unten), 6, 18);
    text(p, QPointF(p5.x() + 26, (p5.y() + unten) / 2), QStringLiteral("10 nF"), 11);
    draht(p, p3, p3 + QPointF(27, 0));
    klemme(p, p3 + QPointF(30, 0));
    text(p, p3 + QPointF(13, -15), QStringLiteral("Ausgang"), 11);
    symbol::ne555Baustein(p, ic);
}

// The output signal beside the output: pulses of width t1 (and pauses t2).
void signal(QPainter& p, bool astabilerBetrieb, bool gleich) {
    using namespace symbol;
    const double x0 = 246, y1 = 200, y0 = 224;  // left end, high and low level
    p.save();
    stift(p, 1.2);
    if (astabilerBetrieb) {
        const double a = gleich ? 12 : 15, b = gleich ? 12 : 7;  // high, low
        draht(p, {QPointF(x0, y0), QPointF(x0 + 4, y0), QPointF(x0 + 4, y1), QPointF(x0 + 4 + a, y1),
                  QPointF(x0 + 4 + a, y0), QPointF(x0 + 4 + a + b, y0), QPointF(x0 + 4 + a + b, y1),
                  QPointF(x0 + 4 + 2 * a + b, y1), QPointF(x0 + 4 + 2 * a + b, y0),
                  QPointF(x0 + 6 + 2 * a + 2 * b, y0)});
        text(p, QPointF(x0 + 4 + a / 2, y1 - 8), QStringLiteral("t"), 10, QStringLiteral("1"));
        text(p, QPointF(x0 + 4 + a + b / 2, y0 + 9), QStringLiteral("t"), 10, QStringLiteral("2"));
    } else {
        draht(p, {QPointF(x0, y0), QPointF(x0 + 8, y0), QPointF(x0 + 8, y1), QPointF(x0 + 36, y1),
                  QPointF(x0 + 36, y0), QPointF(x0 + 50, y0)});
        text(p, QPointF(x0 + 22, y1 - 8), QStringLiteral("t"), 10, QStringLiteral("1"));
    }
    p.restore();
}

// R1 from the rail to the discharge pin, its junction and the wire to pin 7.
void r1(QPainter& p) {
    using namespace symbol;
    const QPointF a(bauteilX, pin(7).y());
    widerstand(p, QPointF(bauteilX, oben), a, 44, 13);
    punkt(p, QPointF(bauteilX, oben));
    text(p, QPointF(bauteilX - 22, (oben + a.y()) / 2), QStringLiteral("R1"), 13);
    draht(p, a, pin(7));
    punkt(p, a);
}

// The astable network: R2 from pin 7 to threshold and trigger, C from there to ground.
void astabilesNetz(QPainter& p) {
    using namespace symbol;
    r1(p);
    const QPointF a(bauteilX, pin(7).y());
    const QPointF b(bauteilX, 235);
    widerstand(p, a, b, 44, 13);
    text(p, QPointF(bauteilX - 22, (a.y() + b.y()) / 2), QStringLiteral("R2"), 13);
    draht(p, {b, QPointF(brueckeX, b.y()), QPointF(brueckeX, pin(6).y()), pin(6)});
    draht(p, QPointF(brueckeX, pin(2).y()), pin(2));
    punkt(p, QPointF(brueckeX, pin(2).y()));
    punkt(p, b);
    kondensator(p, b, QPointF(bauteilX, unten), 6, 22);
    text(p, QPointF(bauteilX - 22, (b.y() + unten) / 2), QStringLiteral("C"), 13);
    punkt(p, QPointF(bauteilX, unten));
}

}  // namespace

void astabil(QPainter& p) {
    rahmen(p);
    astabilesNetz(p);
    signal(p, true, false);
}

void astabilMitDiode(QPainter& p) {
    using namespace symbol;
    rahmen(p);
    astabilesNetz(p);
    // C charges through the diode and discharges through R2: pulse and pause take the same time
    const double x = 97;
    const QPointF a(x, pin(7).y()), b(x, 235);
    diode(p, a, b, 16);
    punkt(p, a);
    punkt(p, b);
    text(p, QPointF(x + 17, (a.y() + b.y()) / 2), QStringLiteral("D"), 12);
    signal(p, true, true);
}

void monostabil(QPainter& p) {
    using namespace symbol;
    rahmen(p);
    r1(p);
    // threshold and discharge together on R1 and C
    const QPointF a(bauteilX, pin(7).y());
    draht(p, {QPointF(brueckeX, pin(7).y()), QPointF(brueckeX, pin(6).y()), pin(6)});
    punkt(p, QPointF(brueckeX, pin(7).y()));
    kondensator(p, a, QPointF(bauteilX, unten), 6, 22);
    text(p, QPointF(bauteilX - 22, (a.y() + unten) / 2 + 10), QStringLiteral("C"), 13);
    punkt(p, QPointF(bauteilX, unten));
    // the trigger input: a short low pulse starts t1
    const QPointF t(brueckeX, 283);
    draht(p, {pin(2), QPointF(brueckeX, pin(2).y()), t - QPointF(0, 3)});
    klemme(p, t);
    text(p, t + QPointF(0, 16), QStringLiteral("Trigger"), 11);
    p.save();
    stift(p, 1.2);
    const double x0 = 130, y1 = 262, y0 = 276;
    draht(p, {QPointF(x0, y1), QPointF(x0 + 10, y1), QPointF(x0 + 10, y0), QPointF(x0 + 15, y0),
              QPointF(x0 + 15, y1), QPointF(x0 + 30, y1)});
    p.restore();
    signal(p, false, false);
}

void gehaeuse(QPainter& p) {
    using namespace symbol;
    const QRectF koerper(115, 12, 60, 158);
    const double abstand = 36, erster = koerper.top() + 25;
    const QString namenLinks[] = {QStringLiteral("GND"), QStringLiteral("Trigger"), QStringLiteral("Ausgang"),
                                  QStringLiteral("Reset")};
    const QString namenRechts[] = {QStringLiteral("Steuerspannung"), QStringLiteral("Schwelle"),
                                   QStringLiteral("Entladung"), QStringLiteral("+U")};
    const QFont schrift = zelmo::schrift(11);
    const QFont klein = zelmo::schrift(8);

    // the legs: 1 to 4 down the left side, 5 to 8 up the right side (seen from above, notch on top)
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(200, 200, 200));
    for (int i = 0; i < 4; ++i) {
        const double y = erster + i * abstand;
        p.drawRect(QRectF(koerper.left() - 12, y - 4, 12, 8));
        p.drawRect(QRectF(koerper.right(), y - 4, 12, 8));
    }
    // the body with its notch and the mark of pin 1
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(55, 55, 60));
    p.drawRoundedRect(koerper, 3, 3);
    p.setBrush(QColor(35, 35, 38));
    p.drawChord(QRectF(koerper.center().x() - 9, koerper.top() - 9, 18, 18), 180 * 16, 180 * 16);
    p.setBrush(QColor(120, 120, 125));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(koerper.left() + 11, koerper.top() + 12), 3.5, 3.5);
    // the print on top, along the body
    p.save();
    p.setPen(QColor(235, 235, 235));
    QFont aufdruck = schrift;
    aufdruck.setPixelSize(16);
    aufdruck.setBold(true);
    p.setFont(aufdruck);
    p.translate(koerper.center());
    p.rotate(-90);
    p.drawText(QRectF(-60, -12, 120, 24), Qt::AlignCenter, QStringLiteral("NE555"));
    p.restore();

    for (int i = 0; i < 4; ++i) {
        const double y = erster + i * abstand;
        p.setPen(QColor(235, 235, 235));
        p.setFont(schrift);
        p.drawText(QRectF(koerper.left() + 2, y - 8, 16, 16), Qt::AlignCenter, QString::number(i + 1));
        p.drawText(QRectF(koerper.right() - 18, y - 8, 16, 16), Qt::AlignCenter, QString::number(8 - i));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - 8, koerper.left() - 18, 16), Qt::AlignRight | Qt::AlignVCenter, namenLinks[i]);
        const QRectF rechts(koerper.right() + 18, y - 8, 120, 16);
        p.drawText(rechts, Qt::AlignLeft | Qt::AlignVCenter, namenRechts[3 - i]);
        if (i == 0) {  // the supply carries its index B
            p.setFont(klein);
            const double w = QFontMetricsF(schrift).horizontalAdvance(namenRechts[3]);
            p.drawText(QPointF(rechts.left() + w, y + 7), QStringLiteral("B"));
        }
    }
}

}  // namespace zelmo::ne555bild
