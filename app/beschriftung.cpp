// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/beschriftung.h"

#include <algorithm>

namespace zelmo {

namespace {

// the label's text and the field share most of their height
bool gleicheZeile(const QRect& a, const QRect& b) {
    const int ueberlappung = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return ueberlappung * 2 >= std::min(a.height(), b.height());
}

bool zwischen(const std::vector<QRect>& andere, const QRect& zeile, int links, int rechts) {
    return std::any_of(andere.begin(), andere.end(), [&](const QRect& o) {
        return gleicheZeile(o, zeile) && o.left() >= links && o.right() <= rechts;
    });
}

// Names start with a letter; "<", "1." or a value shown in a label ("120,00 Ω") name nothing.
bool istName(const QString& text) {
    const QString t = text.trimmed();
    return !t.isEmpty() && t.front().isLetter();
}

constexpr int luecke = 4;    // labels closer than this read as one (an index after its letter)
constexpr int oberhalb = 24;  // how far above a field a heading may stand

}  // namespace

QString feldname(const QRect& feld, const std::vector<Beschriftung>& beschriftungen, const std::vector<QRect>& andere) {
    // labels left of the field on its row, nearest first
    std::vector<const Beschriftung*> links;
    for (const Beschriftung& b : beschriftungen)
        if (istName(b.inhalt) && b.text.right() <= feld.left() + 2 && gleicheZeile(b.text, feld) &&
            !zwischen(andere, feld, b.text.right(), feld.left()))
            links.push_back(&b);
    std::sort(links.begin(), links.end(),
              [](const Beschriftung* a, const Beschriftung* b) { return a->text.right() > b->text.right(); });
    if (!links.empty()) {
        // the nearest label, and those touching it on its left
        std::vector<const Beschriftung*> teile{links.front()};
        for (size_t i = 1; i < links.size(); ++i)
            if (teile.back()->text.left() - links[i]->text.right() <= luecke) teile.push_back(links[i]);
        std::sort(teile.begin(), teile.end(),
                  [](const Beschriftung* a, const Beschriftung* b) { return a->text.left() < b->text.left(); });
        QString name;
        for (const Beschriftung* t : teile) name += t->inhalt.trimmed();
        return name.simplified();
    }
    // otherwise the nearest label just above the field, over it
    const Beschriftung* oben = nullptr;
    for (const Beschriftung& b : beschriftungen) {
        if (!istName(b.inhalt) || b.text.bottom() > feld.top() + 2 ||
            b.text.bottom() < feld.top() - oberhalb)
            continue;
        if (b.text.right() < feld.left() || b.text.left() > feld.right()) continue;
        // a label that names a control on its own row is no heading
        if (std::any_of(andere.begin(), andere.end(), [&b](const QRect& o) {
                return gleicheZeile(o, b.text) && o.left() >= b.text.right();
            }))
            continue;
        if (!oben || b.text.bottom() > oben->text.bottom()) oben = &b;
    }
    return oben ? oben->inhalt.simplified() : QString();
}

}  // namespace zelmo
