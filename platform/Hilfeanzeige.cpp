// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Hilfeanzeige.h"

#include "platform/Hilfefenster.h"

namespace zelmo {

Hilfeanzeige::Hilfeanzeige(const QString& datei, QWidget* parent) : m_datei(datei), m_parent(parent) {}

Hilfeanzeige::~Hilfeanzeige() = default;

Hilfefenster* Hilfeanzeige::fenster() {
    if (!m_fenster) m_fenster = std::make_unique<Hilfefenster>(m_datei, m_parent);
    return m_fenster.get();
}

bool Hilfeanzeige::zeige(int kontext) { return fenster()->zeige(kontext); }

QTextBrowser* Hilfeanzeige::browser() { return fenster()->browser(); }

QString Hilfeanzeige::thema() const { return m_fenster ? m_fenster->thema() : QString(); }

bool Hilfeanzeige::isVisible() const { return m_fenster && m_fenster->isVisible(); }

}  // namespace zelmo
