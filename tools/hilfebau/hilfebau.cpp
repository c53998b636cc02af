// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the sources of the help file: hilfebau <help folder> <build folder>
//
// - every topic listed in inhalt.txt is copied with the numbers of the worked examples put in
//   ({{id.KEY}}: what the page shows, {{id.eingabe:FIELD}}: what the example types; the table is
//   beispiele.json, which the consistency test runs on the real pages);
// - {{bild:NAME}} becomes the picture NAME, drawn here by the program's own drawing code;
// - the contents (.hhc), the keyword index (.hhk, from each topic's <meta name="keywords">), the
//   project file (.hhp) and kontexte.txt are written from inhalt.txt, with the context numbers of the
//   page table (app/Seitentabelle.h); a number given twice or a topic missing stops the build.
// chmcmd then compiles the build folder into ZelmosV121.chm. Any fault (a topic missing, a number
// missing from the table, a picture unknown) stops the build with a message.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <cstdio>
#include <functional>
#include <map>

#include "app/Seitentabelle.h"
#include "circuits/KonstantstromBilder.h"
#include "circuits/LM317Bilder.h"
#include "circuits/LedBilder.h"
#include "circuits/NE555Bilder.h"
#include "circuits/SpannungsteilerBilder.h"
#include "circuits/SternDreieckBilder.h"
#include "fields/Ressourcen.h"
#include "fields/Schaltbild.h"
#include "platform/hilfeinhalt.h"
#include "tools/hilfebau/Beispielseiten.h"

using namespace zelmo;

namespace {

[[noreturn]] void abbruch(const QString& text) {
    std::fprintf(stderr, "hilfebau: %s\n", qPrintable(text));
    std::exit(1);
}

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) abbruch(QStringLiteral("%1 fehlt").arg(pfad));
    return f.readAll();
}

void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(inhalt) != inhalt.size())
        abbruch(QStringLiteral("%1 kann nicht geschrieben werden").arg(pfad));
}

QString html(const QString& s) { return s.toHtmlEscaped(); }

// --- pictures: the drawings of the pages, at twice their size for sharp print and high-dpi screens
constexpr double Schaerfe = 2.0;

struct Bild {
    QImage bild;
    QSizeF groesse;  // shown size in the topic
};

QImage leeresBild(QSizeF groesse) {
    QImage img((groesse * Schaerfe).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(Schaerfe);
    img.fill(Qt::white);
    return img;
}

Bild zeichnung(QSizeF groesse, std::function<void(QPainter&)> z) {
    Schaltbild s(QStringLiteral("hilfe"), groesse);
    s.setZeichnung(std::move(z));
    s.resize(groesse.toSize());
    QImage img = leeresBild(groesse);
    s.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return {img, groesse};
}

// A drawing widget of a page after the steps of an example ran on it.
Bild seitenbild(const QJsonObject& beispiel, const QString& objekt) {
    auto b = hilfebau::baueSeite(beispiel.value(QStringLiteral("seite")).toString());
    if (!b) abbruch(QStringLiteral("Bild %1: unbekannte Seite").arg(objekt));
    if (const QString f = hilfebau::schritteAusfuehren(*b, beispiel); !f.isEmpty()) abbruch(f);
    auto* w = b->seite->findChild<QWidget*>(objekt);
    if (!w) abbruch(QStringLiteral("Bild %1 gibt es auf der Seite nicht").arg(objekt));
    QImage img = leeresBild(w->size());
    QPainter p(&img);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(w->size())), QColor(0xD8, 0xE9, 0xD8));
    p.end();
    w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return {img, QSizeF(w->size())};
}

using Bildquelle = std::function<Bild(const std::map<QString, QJsonObject>&)>;

Bildquelle aufSeite(const char* beispiel, const char* objekt) {
    return [beispiel, objekt](const std::map<QString, QJsonObject>& beispiele) {
        const auto it = beispiele.find(QString::fromLatin1(beispiel));
        if (it == beispiele.end()) abbruch(QStringLiteral("Bild %1: Beispiel %2 fehlt").arg(objekt, beispiel));
        return seitenbild(it->second, QString::fromLatin1(objekt));
    };
}

Bildquelle gezeichnet(QSizeF groesse, std::function<void(QPainter&)> z) {
    return [groesse, z](const std::map<QString, QJsonObject>&) { return zeichnung(groesse, z); };
}

// A picture a topic may name, and what it shows (its alternative text, for screen readers and for
// viewers that show no pictures).
struct Bildeintrag {
    const char16_t* beschreibung;
    Bildquelle quelle;
};

// Every picture a topic may name with {{bild:NAME}}.
const std::map<QString, Bildeintrag>& bildquellen() {
    static const std::map<QString, Bildeintrag> q = {
        {"widerstand", {u"Widerstand mit vier Farbringen", aufSeite("widerstand_4", "Panel26")}},
        {"widerstand5", {u"Widerstand mit fünf Farbringen", aufSeite("widerstand_5", "Panel26")}},
        {"drossel", {u"Drossel mit Farbringen nach IEC", aufSeite("drossel_iec", "Panel30")}},
        {"drossel_multi", {u"Drossel mit Farbringen nach Jahre Multi", aufSeite("drossel_multi", "Panel30")}},
        {"kondensator", {u"Keramikkondensator mit Farbringen", aufSeite("kondensator_ker", "Panel28")}},
        {"kondensator_tantal", {u"Tantalelko mit Farbringen", aufSeite("kondensator_tan", "Panel28")}},
        {"smd", {u"SMD-Widerstand mit aufgedrucktem Code", aufSeite("smd_3", "SMD_I_Bauteil")}},
        {"smd_kondensator", {u"SMD-Kondensator mit aufgedrucktem Code", aufSeite("smd_kondensator", "SMD_I_Bauteil")}},
        {"toleranz_parallel", {u"Parallelschaltung zweier Widerstände", aufSeite("toleranz", "I_Toleranz_par_R")}},
        {"toleranz_reihe", {u"Reihenschaltung zweier Widerstände", aufSeite("toleranz", "I_Toleranz_ser_R")}},
        {"teiler_spannung",
         {u"Spannungsteiler ohne Lastwiderstand", gezeichnet(teilerbild::groesse, teilerbild::spannungOhneLast)}},
        {"teiler_spannung_last",
         {u"Spannungsteiler mit Lastwiderstand", gezeichnet(teilerbild::groesse, teilerbild::spannungMitLast)}},
        {"teiler_strom",
         {u"Stromteiler ohne Lastwiderstand", gezeichnet(teilerbild::groesse, teilerbild::stromOhneLast)}},
        {"teiler_strom_last",
         {u"Stromteiler mit Lastwiderstand", gezeichnet(teilerbild::groesse, teilerbild::stromMitLast)}},
        {"led_eine", {u"Eine LED mit Vorwiderstand", gezeichnet(ledbild::schaltungGroesse, ledbild::eineLed)}},
        {"led_viele",
         {u"Mehrere LEDs in Reihe mit Vorwiderstand", gezeichnet(ledbild::schaltungGroesse, ledbild::vieleLeds)}},
        {"led_anschluss",
         {u"Anschlussbild der LED, von unten und von der Seite gesehen",
          gezeichnet(ledbild::anschlussGroesse,
                     [](QPainter& p) { ledbild::anschlussbild(p, ledbild::koerperFarbe(0)); })}},
        {"lm317_spannung",
         {u"LM317 als Spannungsregler", gezeichnet(lm317bild::schaltungGroesse, lm317bild::spannungsregler)}},
        {"lm317_strom", {u"LM317 als Stromregler", gezeichnet(lm317bild::schaltungGroesse, lm317bild::stromregler)}},
        {"lm317_to220",
         {u"Anschlussbild des LM317 im Gehäuse TO 220",
          gezeichnet(lm317bild::anschlussGroesse, [](QPainter& p) { lm317bild::anschlussbild(p, 0); })}},
        {"ne555_astabil",
         {u"NE555 als astabiler Multivibrator", gezeichnet(ne555bild::schaltungGroesse, ne555bild::astabil)}},
        {"ne555_diode",
         {u"NE555 als astabiler Multivibrator mit Diode über R2",
          gezeichnet(ne555bild::schaltungGroesse, ne555bild::astabilMitDiode)}},
        {"ne555_monostabil",
         {u"NE555 als monostabiler Multivibrator", gezeichnet(ne555bild::schaltungGroesse, ne555bild::monostabil)}},
        {"ne555_gehaeuse", {u"Anschlussbild des NE555", gezeichnet(ne555bild::gehaeuseGroesse, ne555bild::gehaeuse)}},
        {"kstrom_transistoren",
         {u"Konstantstromquelle mit zwei npn-Transistoren",
          gezeichnet(kstrombild::groesse, [](QPainter& p) { kstrombild::zeichne(p, 0); })}},
        {"kstrom_dioden",
         {u"Konstantstromquelle mit zwei Si-Dioden und npn-Transistor",
          gezeichnet(kstrombild::groesse, [](QPainter& p) { kstrombild::zeichne(p, 10); })}},
        {"kstrom_jfet",
         {u"Konstantstromquelle mit n-Kanal-J-FET",
          gezeichnet(kstrombild::groesse, [](QPainter& p) { kstrombild::zeichne(p, 20); })}},
        {"kstrom_zdiode",
         {u"Konstantstromquelle mit Z-Diode und npn-Transistor",
          gezeichnet(kstrombild::groesse, [](QPainter& p) { kstrombild::zeichne(p, 30); })}},
        {"kstrom_pnp",
         {u"Konstantstromquelle mit zwei pnp-Transistoren",
          gezeichnet(kstrombild::groesse, [](QPainter& p) { kstrombild::zeichne(p, 1); })}},
        {"stern", {u"Sternschaltung", gezeichnet(sdbild::schaltungGroesse, sdbild::stern)}},
        {"dreieck", {u"Dreieckschaltung", gezeichnet(sdbild::schaltungGroesse, sdbild::dreieck)}},
        {"stern_formen",
         {u"Weitere Darstellungen der Sternschaltung", gezeichnet(sdbild::dialogGroesse, sdbild::sternFormen)}},
        {"dreieck_formen",
         {u"Weitere Darstellungen der Dreieckschaltung", gezeichnet(sdbild::dialogGroesse, sdbild::dreieckFormen)}},
    };
    return q;
}

// --- the topic list
struct Thema {
    QString datei;
    int ebene = 0;
    int kontext = 0;  // 0: none; from the page table
    QString titel;
    QStringList stichworte;
};

std::vector<Thema> leseInhalt(const QString& pfad) {
    std::vector<Thema> themen;
    int nr = 0;
    for (const QString& roh : QString::fromUtf8(lies(pfad)).split(u'\n')) {
        ++nr;
        QString zeile = roh;
        zeile.remove(u'\r');
        if (zeile.trimmed().isEmpty() || zeile.trimmed().startsWith(u'#')) continue;
        int blanks = 0;
        while (blanks < zeile.size() && zeile[blanks] == u' ') ++blanks;
        Thema t;
        t.ebene = blanks / 2;
        const QStringList teile = zeile.trimmed().split(u' ', Qt::SkipEmptyParts);
        t.datei = teile[0];
        // the numbers F1 and the pages' links open come from the page table, nowhere else
        if (teile.size() > 1)
            abbruch(QStringLiteral("inhalt.txt Zeile %1: nur der Dateiname; die Kontextnummern stehen in der "
                                   "Seitentabelle (app/Seitentabelle.cpp)")
                        .arg(nr));
        if (t.ebene > (themen.empty() ? 0 : themen.back().ebene + 1))
            abbruch(QStringLiteral("inhalt.txt Zeile %1: zu tief eingerückt").arg(nr));
        themen.push_back(t);
    }
    return themen;
}

// The context numbers of the page table and the other windows onto the topics; each number once, each
// topic at most once, every topic in the contents.
void kontexteZuordnen(std::vector<Thema>& themen) {
    std::map<int, QString> vergeben;
    for (const seitentabelle::Hilfethema& h : seitentabelle::hilfethemen()) {
        const QString datei = QString::fromLatin1(h.thema);
        if (h.kontext <= 0) abbruch(QStringLiteral("%1: Kontextnummer %2 ist keine").arg(datei).arg(h.kontext));
        if (const auto it = vergeben.find(h.kontext); it != vergeben.end())
            abbruch(QStringLiteral("Kontextnummer %1 zweimal vergeben: %2 und %3").arg(h.kontext).arg(it->second, datei));
        vergeben[h.kontext] = datei;
        const auto t = std::find_if(themen.begin(), themen.end(), [&](const Thema& x) { return x.datei == datei; });
        if (t == themen.end()) abbruch(QStringLiteral("%1 (Kontext %2) fehlt in inhalt.txt").arg(datei).arg(h.kontext));
        if (t->kontext)
            abbruch(QStringLiteral("%1 hat zwei Kontextnummern: %2 und %3").arg(datei).arg(t->kontext).arg(h.kontext));
        t->kontext = h.kontext;
    }
}

// {{...}} in a topic
QString einsetzen(const QString& vorlage, const QString& datei, const std::map<QString, QJsonObject>& beispiele,
                  QStringList& bilder) {
    static const QRegularExpression platz(QStringLiteral(R"re(\{\{([^{}]*)\}\})re"));
    QString aus;
    qsizetype pos = 0;
    auto it = platz.globalMatch(vorlage);
    while (it.hasNext()) {
        const auto m = it.next();
        aus += vorlage.mid(pos, m.capturedStart() - pos);
        pos = m.capturedEnd();
        const QString inhalt = m.captured(1).trimmed();
        if (inhalt.startsWith(QStringLiteral("bild:"))) {
            const QString name = inhalt.mid(5);
            if (!bildquellen().count(name)) abbruch(QStringLiteral("%1: unbekanntes Bild %2").arg(datei, name));
            if (!bilder.contains(name)) bilder << name;
            aus += QStringLiteral("@@bild:%1@@").arg(name);  // size filled in once the picture is drawn
            continue;
        }
        const qsizetype punkt = inhalt.indexOf(u'.');
        const auto b = beispiele.find(inhalt.left(punkt));
        if (punkt <= 0 || b == beispiele.end())
            abbruch(QStringLiteral("%1: {{%2}} nennt kein Beispiel").arg(datei, inhalt));
        const QString schluessel = inhalt.mid(punkt + 1);
        QString wert;
        bool gefunden = false;
        if (schluessel.startsWith(QStringLiteral("eingabe:"))) {
            const QString feld = schluessel.mid(8);
            for (const QJsonValue& s : b->second.value(QStringLiteral("schritte")).toArray())
                if (s.toObject().value(QStringLiteral("feld")).toString() == feld) {
                    wert = s.toObject().value(QStringLiteral("text")).toString();
                    gefunden = true;
                }
        } else if (schluessel == QStringLiteral("meldung")) {
            const QJsonArray m = b->second.value(QStringLiteral("meldungen")).toArray();
            gefunden = !m.isEmpty();
            if (gefunden) wert = m.first().toString();
        } else {
            const QJsonObject zeigt = b->second.value(QStringLiteral("zeigt")).toObject();
            gefunden = zeigt.contains(schluessel);
            wert = zeigt.value(schluessel).toString().trimmed();
        }
        if (!gefunden) abbruch(QStringLiteral("%1: {{%2}} steht nicht in der Beispieltabelle").arg(datei, inhalt));
        // a message keeps its line breaks; the lines of a list (the E-series) are set in a row
        QString h;
        if (schluessel == QStringLiteral("meldung")) {
            h = html(wert);
            h.replace(QRegularExpression(QStringLiteral("\r+")), QStringLiteral("<br>"));
        } else {
            QStringList zeilen;
            for (const QString& z : wert.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts))
                zeilen << html(z.simplified());
            h = zeilen.join(QStringLiteral(", "));
        }
        aus += h;
    }
    aus += vorlage.mid(pos);
    return aus;
}

QStringList stichworteVon(const QString& text) {
    static const QRegularExpression meta(
        QStringLiteral(R"re(<meta\s+name\s*=\s*"keywords"\s+content\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList w;
    const auto m = meta.match(text);
    if (m.hasMatch())
        for (const QString& s : m.captured(1).split(u';', Qt::SkipEmptyParts))
            if (!s.trimmed().isEmpty()) w << hilfe::entitaetenAufloesen(s.trimmed());
    return w;
}

QByteArray objekt(const QString& name, const QString& datei) {
    QString o = QStringLiteral("<OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"%1\">\n").arg(html(name));
    if (!datei.isEmpty()) o += QStringLiteral("<param name=\"Local\" value=\"%1\">\n").arg(html(datei));
    o += QStringLiteral("</OBJECT>\n");
    return o.toUtf8();
}

const QByteArray kopf = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML>\n<HEAD>\n"
                        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n</HEAD>\n<BODY>\n";

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ressourcenLaden();
    if (argc != 3) abbruch(QStringLiteral("Aufruf: hilfebau <Hilfeordner> <Zielordner>"));
    const QDir quelle(QString::fromLocal8Bit(argv[1]));
    QDir ziel(QString::fromLocal8Bit(argv[2]));
    if (!ziel.mkpath(QStringLiteral("bilder"))) abbruch(QStringLiteral("Zielordner fehlt"));

    const std::vector<Thema> themenListe = leseInhalt(quelle.filePath(QStringLiteral("inhalt.txt")));
    std::vector<Thema> themen = themenListe;

    std::map<QString, QJsonObject> beispiele;
    QJsonParseError fehler;
    const QJsonDocument doc = QJsonDocument::fromJson(lies(quelle.filePath(QStringLiteral("beispiele.json"))), &fehler);
    if (doc.isNull()) abbruch(QStringLiteral("beispiele.json: %1").arg(fehler.errorString()));
    for (const QJsonValue& v : doc.object().value(QStringLiteral("beispiele")).toArray())
        beispiele[v.toObject().value(QStringLiteral("id")).toString()] = v.toObject();

    // topics with numbers and pictures put in
    QStringList bilder;
    std::map<QString, QString> seiten;
    for (Thema& t : themen) {
        const QString vorlage = QString::fromUtf8(lies(quelle.filePath(t.datei)));
        t.titel = hilfe::titel(vorlage);
        if (t.titel.isEmpty()) abbruch(QStringLiteral("%1 hat keinen <title>").arg(t.datei));
        t.stichworte = stichworteVon(vorlage);
        seiten[t.datei] = einsetzen(vorlage, t.datei, beispiele, bilder);
    }
    kontexteZuordnen(themen);
    std::map<QString, QSizeF> groessen;
    for (const QString& name : bilder) {
        const Bild b = bildquellen().at(name).quelle(beispiele);
        if (!b.bild.save(ziel.filePath(QStringLiteral("bilder/%1.png").arg(name)), "PNG"))
            abbruch(QStringLiteral("Bild %1 kann nicht gespeichert werden").arg(name));
        groessen[name] = b.groesse;
    }
    for (auto& [datei, text] : seiten) {
        for (const auto& [name, g] : groessen)
            text.replace(QStringLiteral("@@bild:%1@@").arg(name),
                         QStringLiteral("<img src=\"bilder/%1.png\" width=\"%2\" height=\"%3\" alt=\"%4\">")
                             .arg(name)
                             .arg(qRound(g.width()))
                             .arg(qRound(g.height()))
                             .arg(QString::fromUtf16(bildquellen().at(name).beschreibung).toHtmlEscaped()));
        schreibe(ziel.filePath(datei), text.toUtf8());
    }

    // other files of the help folder (the style sheet)
    QStringList weitere;
    for (const QFileInfo& f : quelle.entryInfoList(QDir::Files)) {
        if (f.suffix() == QStringLiteral("htm") || f.fileName() == QStringLiteral("inhalt.txt") ||
            f.fileName() == QStringLiteral("beispiele.json") || f.fileName().startsWith(u'.') ||
            f.fileName() == QStringLiteral("README.md"))
            continue;
        schreibe(ziel.filePath(f.fileName()), lies(f.filePath()));
        weitere << f.fileName();
    }

    // contents
    QByteArray hhc = kopf + "<OBJECT type=\"text/site properties\">\n<param name=\"Window Styles\" value=\"0x800025\">\n"
                            "</OBJECT>\n<UL>\n";
    int ebene = 0;
    for (const Thema& t : themen) {
        for (; ebene < t.ebene; ++ebene) hhc += "<UL>\n";
        for (; ebene > t.ebene; --ebene) hhc += "</UL>\n";
        hhc += "<LI> " + objekt(t.titel, t.datei);
    }
    for (; ebene > 0; --ebene) hhc += "</UL>\n";
    hhc += "</UL>\n</BODY>\n</HTML>\n";
    schreibe(ziel.filePath(QStringLiteral("ZelmosV121.hhc")), hhc);

    // index: every keyword once, with every topic that names it, sorted as a German reader expects
    // (case and umlauts ignored, numbers by value: E3, E6, E12, E24)
    const auto vor = [](const QString& a, const QString& b) { return hilfe::natuerlichVor(a, b); };
    std::map<QString, std::pair<QString, QStringList>, decltype(vor)> index(vor);  // sort key -> shown, topics
    for (const Thema& t : themen)
        for (const QString& w : t.stichworte) {
            QString schluessel = w.toLower();
            schluessel.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u').replace(QStringLiteral(u"ß"), QStringLiteral("ss"));
            auto& e = index[schluessel];
            if (e.first.isEmpty()) e.first = w;
            if (!e.second.contains(t.datei)) e.second << t.datei;
        }
    QByteArray hhk = kopf + "<UL>\n";
    for (const auto& [schluessel, e] : index) {
        QString o = QStringLiteral("<LI> <OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"%1\">\n")
                        .arg(html(e.first));
        for (const QString& d : e.second) {
            const auto t = std::find_if(themen.begin(), themen.end(), [&](const Thema& x) { return x.datei == d; });
            o += QStringLiteral("<param name=\"Name\" value=\"%1\">\n<param name=\"Local\" value=\"%2\">\n")
                     .arg(html(t->titel), html(d));
        }
        hhk += (o + QStringLiteral("</OBJECT>\n")).toUtf8();
    }
    hhk += "</UL>\n</BODY>\n</HTML>\n";
    schreibe(ziel.filePath(QStringLiteral("ZelmosV121.hhk")), hhk);

    // context numbers and the project
    QString kontexte = QStringLiteral("# help context number and its topic\n");
    QString alias, map;
    for (const Thema& t : themen)
        if (t.kontext) {
            kontexte += QStringLiteral("%1 %2\n").arg(t.kontext).arg(t.datei);
            alias += QStringLiteral("IDH_%1=%2\n").arg(t.kontext).arg(t.datei);
            map += QStringLiteral("#define IDH_%1 %1\n").arg(t.kontext);
        }
    schreibe(ziel.filePath(QStringLiteral("kontexte.txt")), kontexte.toUtf8());
    QString hhp = QStringLiteral(
        "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=ZelmosV121.chm\nContents file=ZelmosV121.hhc\n"
        "Index file=ZelmosV121.hhk\nDefault topic=%1\nDisplay compile progress=No\nFull-text search=Yes\n"
        "Language=0x407 Deutsch (Deutschland)\nTitle=Zelmotron Hilfe\n\n[FILES]\n")
                      .arg(themen.front().datei);
    for (const Thema& t : themen) hhp += t.datei + u'\n';
    for (const QString& b : bilder) hhp += QStringLiteral("bilder/%1.png\n").arg(b);
    for (const QString& w : weitere) hhp += w + u'\n';
    hhp += QStringLiteral("kontexte.txt\n\n[ALIAS]\n") + alias +
           QStringLiteral("\n[MAP]\n") + map;
    schreibe(ziel.filePath(QStringLiteral("ZelmosV121.hhp")), hhp.toUtf8());
    return 0;
}
