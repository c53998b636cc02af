// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/sicherung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "storage/datenfile.h"
#include "storage/einstellungen.h"
#include "storage/inidokument.h"
#include "storage/speicherbar.h"
#include "storage/textlesen.h"

namespace zelmo::sicherung {

namespace {

// The bytes of a file, or why there are none: it cannot be read, or its bytes are no text.
struct Inhalt {
    bool vorhanden = false;
    std::optional<QString> text;  // decoded, lines ended by "\n"
    QString grund;
};

Inhalt lesen(const QString& datei) {
    Inhalt i;
    i.vorhanden = QFileInfo::exists(datei);
    if (!i.vorhanden) return i;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        i.grund = f.errorString();
        return i;
    }
    QByteArray b = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        i.grund = f.errorString();
        return i;
    }
    GelesenerText gelesen = textLesen(b);
    if (!gelesen.fehler.isEmpty()) {
        i.grund = std::move(gelesen.fehler);
        return i;
    }
    i.text = std::move(gelesen.text);
    return i;
}

QString unlesbarMeldung(const QString& datei, const QString& grund) {
    return QStringLiteral(u"Die Datei %1 kann nicht gelesen werden: %2\r\rDas Programm beginnt mit den Werten "
                          u"eines ersten Starts. Die Datei bleibt beim Schließen als %3 erhalten.")
        .arg(QDir::toNativeSeparators(datei), grund, QFileInfo(datei).fileName() + QStringLiteral(".bak"));
}

// Writes the file whole (a crash while writing leaves the old one). behalten: the old file is first
// renamed to "<datei>.bak", which needs no read permission on it.
QString schreiben(const QString& datei, const QByteArray& inhalt, bool behalten) {
    const QString ordner = QFileInfo(datei).absolutePath();
    if (!QDir().mkpath(ordner))
        return QStringLiteral(u"Der Ordner %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(ordner));
    if (behalten && QFileInfo::exists(datei)) {
        const QString bak = datei + QStringLiteral(".bak");
        QFile::remove(bak);
        if (!QFile::rename(datei, bak))
            return QStringLiteral(u"Die Datei %1 kann nicht als %2 erhalten werden; sie bleibt unverändert.")
                .arg(QDir::toNativeSeparators(datei), QFileInfo(bak).fileName());
    }
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size() || !f.commit())
        return QStringLiteral(u"Die Datei %1 kann nicht geschrieben werden: %2")
            .arg(QDir::toNativeSeparators(datei), f.errorString());
    return {};
}

}  // namespace

QString textSchreiben(const QString& datei, const QString& text) { return schreiben(datei, text.toUtf8(), false); }

TextDatei textDateiLesen(const QString& datei) {
    const Inhalt i = lesen(datei);
    TextDatei t;
    t.vorhanden = i.vorhanden;
    if (i.text)
        t.text = *i.text;
    else if (i.vorhanden)
        t.fehler = QStringLiteral(u"Die Datei %1 kann nicht gelesen werden: %2").arg(QDir::toNativeSeparators(datei), i.grund);
    return t;
}

Bericht datenLesen(const QString& datei, const std::vector<Speicherbar*>& seiten, QChar dezimal) {
    const Inhalt inhalt = lesen(datei);
    Bericht b{inhalt.vorhanden, false, {}};
    if (!inhalt.vorhanden) return b;
    if (!inhalt.text) {
        b.meldung = unlesbarMeldung(datei, inhalt.grund);
        return b;
    }
    b.gelesen = true;
    DatenLeser leser(leseDatenfileText(*inhalt.text, dezimal));
    for (Speicherbar* s : seiten) s->datenLaden(leser);

    QStringList teile;
    if (const auto t = fremderDatenfileTrenner(*inhalt.text))
        teile << QStringLiteral(u"In Zeile 1 steht „%1“ statt eines Dezimaltrenners; gelesen wurde mit „,“.").arg(*t);
    if (!leser.unlesbar().isEmpty())
        teile << QStringLiteral(u"Nicht lesbare Zeilen (dort gelten die bisherigen Werte): %1")
                     .arg(leser.unlesbar().join(QStringLiteral(", ")));
    if (!leser.ausserhalb().isEmpty())
        teile << QStringLiteral(u"Zeilen außerhalb des gültigen Wertebereiches (dort gelten die Vorgabewerte): %1")
                     .arg(leser.ausserhalb().join(QStringLiteral(", ")));
    if (!teile.isEmpty())
        b.meldung = QStringLiteral(u"In der Datei %1:\r\r").arg(QDir::toNativeSeparators(datei)) + teile.join(u'\r');
    return b;
}

Einstellungsdatei::Einstellungsdatei(const QString& datei, QChar dezimal) : m_datei(datei) {
    const Inhalt inhalt = lesen(datei);
    m_bericht.vorhanden = inhalt.vorhanden;
    if (!inhalt.vorhanden) return;
    if (!inhalt.text) {
        m_bericht.meldung = unlesbarMeldung(datei, inhalt.grund);
        return;
    }
    m_bericht.gelesen = true;
    m_dokument = IniDokument::ausText(*inhalt.text);
    m_leser.emplace(m_dokument, dezimal);
}

void Einstellungsdatei::fensterLesen(Fensterwerte& fenster, int karten, int unterkarten) {
    if (!m_leser) return;
    IniLeser& l = *m_leser;
    fenster.karte = l.index("Register", "Karte", 1, 1, karten);
    fenster.karte2 = l.index("Register2", "Karte", 0, 0, unterkarten);
    if (fenster.optionen) {
        Fensterwerte::Optionen& o = *fenster.optionen;
        o.kurzhinweise = l.schalter("Optionen", "Kurzhinweise");
        o.vordergrund = l.schalter("Optionen", "Vordergrund");
        o.autoUpdate = l.schalter("Optionen", "AutoUpdate");
        // trimmed when read, so that the one blank in front does not grow with every start
        o.tjmax = u' ' + l.text("Optionen", "LM317Berechnung_Tjmax", l.mitTrenner("120,00"));
    }
}

QString Einstellungsdatei::meldung() const {
    if (!m_leser) return m_bericht.meldung;
    if (m_leser->unlesbar().isEmpty()) return {};
    return QStringLiteral(u"In der Einstellungsdatei %1 sind diese Werte nicht lesbar oder außerhalb des "
                          u"gültigen Wertebereiches; für sie gelten die Vorgabewerte:\r\r")
               .arg(QDir::toNativeSeparators(m_datei)) +
           m_leser->unlesbar().join(u'\r');
}

QString einstellungenSchreiben(const QString& datei, const std::vector<Speicherbar*>& seiten,
                               const Fensterwerte& fenster, QChar dezimal, bool behalten) {
    // an existing file is the start, so that sections and keys of others stay; one that cannot be read
    // now is kept aside like one that could not be read at start-up
    IniDokument d;
    if (!behalten) {
        const Inhalt alt = lesen(datei);
        if (alt.text)
            d = IniDokument::ausText(*alt.text);
        else if (alt.vorhanden)
            behalten = true;
    }
    IniSchreiber s(d, dezimal);
    for (const Speicherbar* seite : seiten) seite->speichern(s);
    s.ganz("Register", "Karte", fenster.karte);
    s.ganz("Register2", "Karte", fenster.karte2);
    if (fenster.optionen) {
        const Fensterwerte::Optionen& o = *fenster.optionen;
        s.schalter("Optionen", "AutoUpdate", o.autoUpdate);
        s.schalter("Optionen", "Kurzhinweise", o.kurzhinweise);
        s.schalter("Optionen", "Vordergrund", o.vordergrund);
        s.text("Optionen", "LM317Berechnung_Tjmax", o.tjmax);
    }
    s.text("Dezimalseparator", "Dezimals", QString(dezimal));
    return schreiben(datei, d.alsBytes(), behalten);
}

QString datenSchreiben(const QString& datei, const std::vector<Speicherbar*>& seiten, QChar dezimal,
                       bool behalten) {
    DatenSchreiber s;
    for (const Speicherbar* seite : seiten) seite->datenSpeichern(s);
    return schreiben(datei, datenfileText(s.werte(), dezimal), behalten);
}

}  // namespace zelmo::sicherung
