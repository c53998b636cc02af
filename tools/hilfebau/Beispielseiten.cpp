// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/hilfebau/Beispielseiten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <functional>
#include <map>

#include "app/Seitentabelle.h"
#include "colourcode/ringe.h"
#include "eseries/ToleranzSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Meldungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Zeilenliste.h"

namespace zelmo::hilfebau {

namespace {

// The boxes of the page being run are recorded instead of shown.
class Aufzeichnung : public Meldungen {
public:
    explicit Aufzeichnung(QStringList& ziel) : m_ziel(ziel) { Meldungen::setzeDienst(this); }
    ~Aufzeichnung() override { Meldungen::setzeDienst(nullptr); }
    void zeige(Art, const QString& text) override { m_ziel << text; }

private:
    QStringList& m_ziel;
};

// A control of the page or, once it is open, of the window "Normwerte".
template <class T>
T* finde(const Beispielseite& b, const QString& name) {
    if (T* t = b.seite->findChild<T*>(name)) return t;
    if (b.normwerte)
        if (T* t = b.normwerte->findChild<T*>(name)) return t;
    return nullptr;
}

void normwerteOeffnen(Beispielseite& b) {
    if (b.normwerte) return;
    b.normwerte = std::make_unique<NormwerteFenster>(b.umgebung.dezimal);
    b.normwerte->ersterStart();
    const auto folgen = [&b] {
        const auto* q = dynamic_cast<const normwerte::Normwertquelle*>(b.seite.get());
        b.normwerte->folge(QString(), q != nullptr, q ? q->normAufgabe() : std::nullopt);
    };
    QObject::connect(b.seite.get(), &Rechnerseite::gerechnet, b.normwerte.get(), folgen);
    folgen();
}

}  // namespace

QStringList seitenNamen() {
    QStringList n;
    for (const seitentabelle::Seite& s : seitentabelle::seiten()) n << QString::fromLatin1(s.name);
    return n;
}

std::unique_ptr<Beispielseite> baueSeite(const QString& name) {
    const seitentabelle::Seite* eintrag = seitentabelle::namens(name);
    if (!eintrag) return nullptr;
    auto b = std::make_unique<Beispielseite>();
    b->umgebung.dezimal = u',';
    b->umgebung.anToleranzUebergeben = [](double) {};
    b->umgebung.sternDreieckBilderZeigen = [](bool) {};
    Aufzeichnung a(b->meldungen);
    b->seite.reset(eintrag->bauen(b->umgebung, nullptr));
    b->seite->resize(637, 473);
    b->seite->show();
    b->seite->ersterStart();
    b->seite->laufzeitEinstellungen();
    return b;
}

QString schritteAusfuehren(Beispielseite& b, const QJsonObject& beispiel) {
    Aufzeichnung a(b.meldungen);
    for (const QJsonValue& v : beispiel.value(QStringLiteral("schritte")).toArray()) {
        const QJsonObject s = v.toObject();
        if (s.contains(QStringLiteral("feld"))) {
            const QString name = s.value(QStringLiteral("feld")).toString();
            auto* feld = finde<Eingabefeld>(b, name);
            if (!feld) return QStringLiteral("kein Eingabefeld %1").arg(name);
            // typed over the old text, so that a refused entry is undone as the user's would be
            feld->setFocus();
            feld->selectAll();
            feld->insert(s.value(QStringLiteral("text")).toString());
            feld->bestaetigen();
        } else if (s.contains(QStringLiteral("wahl"))) {
            const QString name = s.value(QStringLiteral("wahl")).toString();
            auto* gruppe = finde<Radiogruppe>(b, name);
            const int item = s.value(QStringLiteral("item")).toInt(-1);
            if (!gruppe || item < 0 || item >= gruppe->anzahl())
                return QStringLiteral("keine Auswahl %1 mit Punkt %2").arg(name).arg(item);
            gruppe->knopf(item)->click();
        } else if (s.contains(QStringLiteral("haken"))) {
            const QString name = s.value(QStringLiteral("haken")).toString();
            auto* haken = b.seite->findChild<QCheckBox*>(name);
            if (!haken) return QStringLiteral("kein Kontrollkästchen %1").arg(name);
            haken->click();
        } else if (s.contains(QStringLiteral("bestand"))) {
            auto* t = qobject_cast<ToleranzSeite*>(b.seite.get());
            const int art = s.value(QStringLiteral("bestand")).toInt(-1);
            if (!t || art < 0 || art > 2) return QStringLiteral("kein Bestand %1 auf dieser Seite").arg(art);
            QString texte[3] = {t->bestandText(0), t->bestandText(1), t->bestandText(2)};
            texte[art] = s.value(QStringLiteral("text")).toString();
            t->bestandUebernehmen(texte);
        } else if (s.contains(QStringLiteral("kopieren"))) {
            const QString name = s.value(QStringLiteral("kopieren")).toString();
            auto* t = qobject_cast<ToleranzSeite*>(b.seite.get());
            auto* liste = b.seite->findChild<Zeilenliste*>(name);
            if (!t || !liste) return QStringLiteral("keine Liste %1 zum Kopieren").arg(name);
            b.zwischenablage = t->kopieren(liste, true);
        } else if (s.contains(QStringLiteral("liste"))) {
            const QString name = s.value(QStringLiteral("liste")).toString();
            auto* liste = finde<QComboBox>(b, name);
            const int item = s.value(QStringLiteral("item")).toInt(-1);
            if (!liste || item < 0 || item >= liste->count())
                return QStringLiteral("keine Liste %1 mit Eintrag %2").arg(name).arg(item);
            liste->setCurrentIndex(item);
            emit liste->activated(item);
        } else if (s.contains(QStringLiteral("normwerte"))) {
            normwerteOeffnen(b);
        } else {
            return QStringLiteral("unbekannter Schritt");
        }
    }
    return {};
}

QString gezeigt(const Beispielseite& b, const QString& schluessel) {
    QString name = schluessel;
    int zeile = 0;
    const bool farbe = name.startsWith(QStringLiteral("farbe:"));
    if (farbe) name = name.mid(6);
    if (const qsizetype raute = name.indexOf(u'#'); raute > 0) {
        zeile = name.mid(raute + 1).toInt();
        name.truncate(raute);
    }
    if (name == QStringLiteral("Zwischenablage")) {
        const QStringList zeilen = b.zwischenablage.split(u'\n');
        if (zeile <= 0) return b.zwischenablage;
        return zeile <= zeilen.size() ? zeilen[zeile - 1] : QString();
    }
    QObject* o = finde<QObject>(b, name);
    if (!o) return {};
    if (farbe) {
        auto* g = qobject_cast<Radiogruppe*>(o);
        if (!g || g->itemIndex() < 0 || g->itemIndex() >= Farbzeilen) return {};
        // the inductor page has gold and silver the other way round
        const Palette& pal = name.startsWith(QStringLiteral("RG_L_")) ? drosselPalette() : standardPalette();
        return QString::fromUtf16(pal[size_t(g->itemIndex())].name);
    }
    if (auto* z = qobject_cast<Zeilenliste*>(o))  // a list of result lines
        return zeile > 0 ? z->zeile(zeile - 1) : z->alleZeilen().join(u'\n');
    QString text;
    if (auto* e = qobject_cast<QLineEdit*>(o))
        text = e->text();
    else if (auto* l = qobject_cast<QLabel*>(o))
        text = l->text();
    else if (auto* t = qobject_cast<QTextEdit*>(o))
        text = t->toPlainText();
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        text = g->title();
    else if (auto* r = qobject_cast<Radiogruppe*>(o))
        text = r->itemIndex() >= 0 ? r->knopf(r->itemIndex())->text() : QString();
    else if (auto* k = qobject_cast<QRadioButton*>(o))
        text = k->text();
    else if (auto* c = qobject_cast<QComboBox*>(o))
        text = c->currentText();
    else if (auto* baum = qobject_cast<QTreeWidget*>(o)) {
        QStringList zeilen;
        for (int i = 0; i < baum->topLevelItemCount(); ++i) {
            QStringList spalten;
            for (int k = 0; k < baum->columnCount(); ++k) spalten << baum->topLevelItem(i)->text(k);
            while (!spalten.isEmpty() && spalten.last().isEmpty()) spalten.removeLast();
            zeilen << spalten.join(QStringLiteral(" | "));
        }
        text = zeilen.join(u'\n');
    }
    else
        return {};
    if (zeile > 0) {
        const QStringList zeilen = text.split(u'\n');
        return zeile <= zeilen.size() ? zeilen[zeile - 1] : QString();
    }
    return text.isNull() ? QStringLiteral("") : text;
}

QStringList pruefeBeispiel(const QJsonObject& beispiel) {
    QStringList fehler;
    const QString id = beispiel.value(QStringLiteral("id")).toString();
    auto b = baueSeite(beispiel.value(QStringLiteral("seite")).toString());
    if (!b) return {QStringLiteral("%1: unbekannte Seite").arg(id)};
    b->meldungen.clear();
    if (const QString f = schritteAusfuehren(*b, beispiel); !f.isEmpty()) return {id + QStringLiteral(": ") + f};
    const QJsonObject zeigt = beispiel.value(QStringLiteral("zeigt")).toObject();
    for (auto it = zeigt.begin(); it != zeigt.end(); ++it) {
        const QString ist = gezeigt(*b, it.key());
        if (ist.isNull())
            fehler << QStringLiteral("%1: %2 gibt es auf der Seite nicht").arg(id, it.key());
        else if (ist != it.value().toString())
            fehler << QStringLiteral("%1: %2 zeigt \"%3\", die Tabelle sagt \"%4\"").arg(id, it.key(), ist,
                                                                                         it.value().toString());
    }
    QStringList erwartet;
    for (const QJsonValue& m : beispiel.value(QStringLiteral("meldungen")).toArray()) erwartet << m.toString();
    if (b->meldungen != erwartet)
        fehler << QStringLiteral("%1: Meldungen \"%2\", die Tabelle sagt \"%3\"")
                      .arg(id, b->meldungen.join(QStringLiteral(" | ")), erwartet.join(QStringLiteral(" | ")));
    return fehler;
}

}  // namespace zelmo::hilfebau
