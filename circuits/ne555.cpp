// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/ne555.h"

#include <cmath>

#include "fields/grenzen.h"
#include "values/zahlen.h"

namespace zelmo::ne555 {

namespace {

bool positiv(double w) { return std::isfinite(w) && w > 0; }

}  // namespace

QStringList artNamen() { return {QStringLiteral("astabil"), QStringLiteral("monostabil")}; }

QStringList tastNamen() { return {QStringLiteral("beliebig"), QStringLiteral("50% : 50%")}; }

std::optional<AstabilErgebnis> astabil(double R1, double R2, double C, bool fest) {
    if (!positiv(R1) || !positiv(C) || (!fest && !positiv(R2))) return std::nullopt;
    AstabilErgebnis a{};
    if (fest) {
        a.t1 = kAstabil * R1 * C;
        a.t2 = kAstabil * R1 * C;
    } else {
        a.t1 = (R1 + R2) * kAstabil * C;
        a.t2 = kAstabil * R2 * C;
    }
    a.F = 1 / (a.t1 + a.t2);
    const double periode = 1 / a.F;
    a.D1 = a.t1 * 100 / periode;
    a.D2 = a.t2 * 100 / periode;
    for (double w : {a.t1, a.t2, a.F, a.D1, a.D2})
        if (!positiv(w)) return std::nullopt;
    return a;
}

std::optional<double> monostabil(double R1, double C) {
    if (!positiv(R1) || !positiv(C)) return std::nullopt;
    const double t1 = kMonostabil * R1 * C;
    if (!positiv(t1)) return std::nullopt;
    return t1;
}

std::optional<double> r2AusText(const QString& text, QChar dezimal) {
    const auto r2 = Zahleneingabe(text, dezimal);
    if (!r2) return std::nullopt;
    using namespace Rechengrenzen120;
    if (!(*r2 >= NE555R2_min && *r2 <= NE555R2_max)) return std::nullopt;
    return r2;
}

QString tastText(double D1, double D2, QChar dezimal) {
    return festkomma(D1, 2, dezimal) + QStringLiteral(" : ") + festkomma(D2, 2, dezimal) + u'%';
}

}  // namespace zelmo::ne555
