// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Meldungen.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace zelmo {

namespace {
Meldungen* installiert = nullptr;
}

QString anwendungsTitel() { return QStringLiteral("Zelmotron V1.2"); }

Meldungen& Meldungen::dienst() {
    static MeldungsBoxen echt;
    return installiert ? *installiert : echt;
}

void Meldungen::setzeDienst(Meldungen* d) { installiert = d; }

Meldungen::Vertretung::Vertretung() : m_installiert(installiert), m_weiter(dienst()) { installiert = this; }

Meldungen::Vertretung::~Vertretung() { installiert = m_installiert; }

void Meldungen::OhneWiederholung::zeige(Art art, const QString& text) {
    if (m_gezeigt.contains(std::pair(art, text))) return;
    m_gezeigt.append({art, text});
    vorher().zeige(art, text);
}

void MeldungsBoxen::zeige(Art art, const QString& text) {
    QMessageBox box;
    box.setWindowTitle(art == Art::Fehler ? QStringLiteral("Fehler") : anwendungsTitel());
    box.setIcon(art == Art::Hinweis ? QMessageBox::NoIcon : QMessageBox::Critical);
    QString anzeige = text;
    anzeige.replace(u'\r', u'\n');
    box.setText(anzeige);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        box.move(r.center() - QPoint(box.width() / 2, box.height() / 2));
    }
    box.exec();
}

}  // namespace zelmo
