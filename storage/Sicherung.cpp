#include "storage/Sicherung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSaveFile>
#include <QStringList>
#include <array>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "circuits/KonstantstromSeite.h"
#include "circuits/LM317Seite.h"
#include "circuits/LedSeite.h"
#include "circuits/NE555Seite.h"
#include "circuits/SpannungsteilerSeite.h"
#include "circuits/SternDreieckSeite.h"
#include "colourcode/DrosselSeite.h"
#include "colourcode/KondensatorSeite.h"
#include "colourcode/SmdSeite.h"
#include "colourcode/WiderstandSeite.h"
#include "dialogs/OptionenDialog.h"
#include "eseries/ToleranzSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "storage/datenfile.h"
#include "storage/einstellungen.h"
#include "storage/inidokument.h"
#include "values/zahlen.h"

namespace zelmo::Sicherung {

namespace {

QString speichern(const QString& datei, const QByteArray& inhalt) {
    if (!QDir().mkpath(QFileInfo(datei).absolutePath()))
        return QStringLiteral(u"Der Ordner %1 kann nicht angelegt werden.").arg(QFileInfo(datei).absolutePath());
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size() || !f.commit())
        return QStringLiteral(u"Die Datei %1 kann nicht geschrieben werden: %2").arg(datei, f.errorString());
    return {};
}

// The widgets a page names; every one of them exists, the window builds them all.
template <class W>
W* element(const QWidget& f, const char* name) {
    return f.findChild<W*>(QString::fromLatin1(name));
}

const char* const spannungsteilerFelder[][2] = {{"Eingabe_U", "SpT_E_U"},   {"Eingabe_U2", "SpT_E_U2"},
                                                {"Eingabe_IR1", "SpT_E_IR1"}, {"Eingabe_QF", "SpT_E_QF"},
                                                {"Eingabe_IL", "SpT_E_IL"},   {"Eingabe_RL", "SpT_E_RL"}};
const char* const stromteilerFelder[][2] = {{"Eingabe_I", "SpT_E_Strom_I"},   {"Eingabe_I2", "SpT_E_Strom_I2"},
                                            {"Eingabe_U", "SpT_E_Strom_U"},   {"Eingabe_UL", "SpT_E_Strom_UL"},
                                            {"Eingabe_RL", "SpT_E_Strom_RL"}};
const char* const ledFelder[][2] = {{"Eingabe_U", "LED_E_U"}, {"Eingabe_I", "LED_E_I"}, {"Eingabe_Uf", "LED_E_Uf"}};
const char* const lm317Felder[][2] = {{"Eingabe_U1", "LM317ner_E_U1"}, {"Eingabe_U2", "LM317ner_E_U2"},
                                      {"Eingabe_I", "LM317ner_E_I"},   {"Eingabe_R1", "LM317ner_E_R1"},
                                      {"Eingabe_Tu", "LM317ner_E_Tu"}};
const char* const kStromFelder[][2] = {{"Eingabe_U", "kStrom_E_U"},
                                       {"Eingabe_I", "kStrom_E_I"},
                                       {"Eingabe_Iq", "kStrom_E_Iq"},
                                       {"Eingabe_Uf", "kStrom_E_Uf"}};

// The 30 numbers of the data file, in their order.
std::array<double*, DatenfileZahlen> datenwerte(Hauptfenster& f) {
    LED_Vorwiderstand& led = f.ledSeite()->ledVorwiderstand();
    LM317_Gehaeusewerte& jc = f.lm317Seite()->lm317Rthjc();
    LM317_Gehaeusewerte& ja = f.lm317Seite()->lm317Rthja();
    KStrom& k = f.konstantstromSeite()->kStrom();
    return {&led.LED_Rot, &led.LED_Gruen, &led.LED_Gelb, &led.LED_Weiss, &led.LED_Blau, &led.LED_User,
            &jc.TO220,    &jc.TO247,      &jc.TO3,       &jc.TO92,       &jc.TO39,      &jc.DIP_PS,
            &jc.DIP_D_PW, &jc.TO263,      &jc.SOT252,    &jc.SOT223,     &ja.TO220,     &ja.TO247,
            &ja.TO3,      &ja.TO92,       &ja.TO39,      &ja.DIP_PS,     &ja.DIP_D_PW,  &ja.TO263,
            &ja.SOT252,   &ja.SOT223,     &k.Trans,      &k.Dioden,      &k.JFET,       &k.ZDiode};
}

// Writing in the order of a fresh file.
class Schreiber {
public:
    Schreiber(IniDokument& d, const QWidget& f, QChar dez) : m_d(d), m_f(f), m_dez(dez) {}
    void zahl(const char* a, const char* k, double w) { setze(a, k, allgemein(w, m_dez)); }
    void ganz(const char* a, const char* k, int i) { setze(a, k, QString::number(i)); }
    void schalter(const char* a, const char* k, bool b) { setze(a, k, b ? QStringLiteral("1") : QStringLiteral("0")); }
    void feld(const char* a, const char* k, const char* name) { setze(a, k, element<QLineEdit>(m_f, name)->text()); }
    void gruppe(const char* a, const char* k, const char* name) {
        ganz(a, k, element<Radiogruppe>(m_f, name)->itemIndex());
    }
    template <size_t N>
    void felder(const char* a, const char* const (&tabelle)[N][2]) {
        for (const auto& z : tabelle) feld(a, z[0], z[1]);
    }
    void setze(const char* a, const char* k, const QString& w) {
        m_d.schreibe(QString::fromLatin1(a), QString::fromLatin1(k), w);
    }

private:
    IniDokument& m_d;
    const QWidget& m_f;
    QChar m_dez;
};

// Reading with the defaults of every key.
class Leser {
public:
    Leser(const IniDokument& d, QWidget& f, QChar dez) : m_d(d), m_f(f), m_dez(dez) {
        m_gespeichert = d.lies(QStringLiteral("Dezimalseparator"), QStringLiteral("Dezimals"))
                            .value_or(QStringLiteral(","));
    }
    QStringList unlesbar;

    // A text with the stored separator replaced by the current one.
    QString text(const char* a, const char* k, const QString& vorgabe) const {
        QString t = roh(a, k).value_or(vorgabe);
        if (!m_gespeichert.isEmpty()) t.replace(m_gespeichert, QString(m_dez));
        return t;
    }
    double zahl(const char* a, const char* k, const char* vorgabe) {
        const QString t = text(a, k, QString::fromLatin1(vorgabe));
        if (auto w = Gleitkommazahl(t, m_dez)) return *w;
        unlesbar << QStringLiteral("[%1] %2=%3").arg(QString::fromLatin1(a), QString::fromLatin1(k), t);
        return *Gleitkommazahl(QString::fromLatin1(vorgabe).replace(u'.', m_dez), m_dez);
    }
    // The stored text read directly in the system format; unreadable or missing gives the default.
    double schlichteZahl(const char* a, const char* k, double vorgabe) const {
        const auto t = roh(a, k);
        if (!t) return vorgabe;
        return Gleitkommazahl(*t, m_dez).value_or(vorgabe);
    }
    int ganz(const char* a, const char* k, int vorgabe, int negativ) const {
        bool ok = false;
        const int i = roh(a, k).value_or(QString()).toInt(&ok);
        if (!ok) return vorgabe;
        return i < 0 ? negativ : i;
    }
    bool schalter(const char* a, const char* k) const { return ganz(a, k, 0, 1) != 0; }
    void feld(const char* a, const char* k, const char* name, const QString& vorgabe) {
        setzeFeld(name, text(a, k, vorgabe));
    }
    void setzeFeld(const char* name, const QString& t) {
        auto* e = element<QLineEdit>(m_f, name);
        if (auto* ef = qobject_cast<Eingabefeld*>(e))
            ef->setzeText(t);
        else
            e->setText(t);
    }
    // Selects an item and runs the group's reaction, so that the page shows what was read.
    void gruppe(const char* a, const char* k, const char* name, int vorgabe, int negativ) {
        auto* g = element<Radiogruppe>(m_f, name);
        const int i = ganz(a, k, vorgabe, negativ);
        if (g->itemIndex() != i)
            g->setItemIndex(i);
        else if (g->klick)
            g->klick();
    }
    template <size_t N>
    void felder(const char* a, const char* const (&tabelle)[N][2], const char* const (&vorgaben)[N]) {
        for (size_t i = 0; i < N; ++i) feld(a, tabelle[i][0], tabelle[i][1], mitTrenner(vorgaben[i]));
    }
    QString mitTrenner(const char* t) const { return QString::fromLatin1(t).replace(u',', m_dez); }

private:
    std::optional<QString> roh(const char* a, const char* k) const {
        return m_d.lies(QString::fromLatin1(a), QString::fromLatin1(k));
    }
    const IniDokument& m_d;
    QWidget& m_f;
    QChar m_dez;
    QString m_gespeichert;
};

}  // namespace

QString IniFileschreiben(const Hauptfenster& f, const OptionenDialog* optionen, const QString& datei, QChar dezimal) {
    QFile alt(datei);
    IniDokument d = alt.open(QIODevice::ReadOnly) ? IniDokument::ausBytes(alt.readAll()) : IniDokument();
    alt.close();
    Schreiber s(d, f, dezimal);

    const Widerstand& w = f.widerstandSeite()->widerstand();
    s.zahl("Widerstand", "4_Ringe", w.Wert_4R);
    s.zahl("Widerstand", "5_Ringe", w.Wert_5R);
    s.zahl("Widerstand", "4_Toleranz", w.Toleranz_4R);
    s.zahl("Widerstand", "5_Toleranz", w.Toleranz_5R);
    s.zahl("Widerstand", "4_Spannung", w.Spannung_4R);
    s.zahl("Widerstand", "5_Spannung", w.Spannung_5R);
    s.gruppe("Widerstand", "Ringzahl", "RG_Widerstand");

    const Drossel& dr = f.drosselSeite()->drossel();
    s.zahl("Drossel", "IEC", dr.Wert_IEC);
    s.zahl("Drossel", "J-Dezi", dr.Wert_Dezi);
    s.zahl("Drossel", "J-Multi", dr.Wert_Multi);
    s.zahl("Drossel", "Tol-IEC", dr.Toleranz_IEC);
    s.zahl("Drossel", "Tol-Dezi", dr.Toleranz_Dezi);
    s.zahl("Drossel", "Tol-Multi", dr.Toleranz_Multi);
    s.gruppe("Drossel", "Typ", "RG_Drossel");

    const Kondensator& k = f.kondensatorSeite()->kondensator();
    s.zahl("Kondensator", "Ker", k.Wert_Ker);
    s.zahl("Kondensator", "Tan", k.Wert_Tan);
    s.zahl("Kondensator", "Tol-U10", k.Toleranz_U10);
    s.zahl("Kondensator", "Tol-O10", k.Toleranz_O10);
    s.zahl("Kondensator", "U-U10", k.Spannung_U10);
    s.zahl("Kondensator", "U-O10", k.Spannung_O10);
    s.zahl("Kondensator", "U-Tan", k.Spannung_Tan);
    s.gruppe("Kondensator", "Typ", "RG_Kondensatore");

    const Toleranz& t = f.toleranzSeite()->toleranz();
    s.zahl("Toleranz", "Eingabe_R", t.Toleranz_R);
    s.zahl("Toleranz", "Eingabe_L", t.Toleranz_L);
    s.zahl("Toleranz", "Eingabe_C", t.Toleranz_C);
    s.gruppe("Toleranz", "Auswahl", "RG_Toleranzen_Auswahl");
    s.gruppe("Toleranz", "E-Reihe", "RG_Toleranzen_EReihen");

    s.felder("Spannungsteiler", spannungsteilerFelder);
    s.felder("Stromteiler", stromteilerFelder);
    s.gruppe("Stromteiler", "Last", "SpT_RG_SpannungStrom");
    s.gruppe("Spannungsteiler", "SpannungStrom", "SpT_RG_SpannungStrom");
    s.gruppe("Spannungsteiler", "unbelbel", "SpT_RG_unbel_bel");
    s.zahl("Stromteiler", "Ratio1", f.spannungsteilerSeite()->spannungsteiler().Ratio1);
    s.zahl("Stromteiler", "Ratio2", f.spannungsteilerSeite()->spannungsteiler().Ratio2);

    s.felder("LED-Vorwiderstand", ledFelder);
    s.gruppe("LED-Vorwiderstand", "LED-Anzahl", "RG_LED_Anzahl");
    s.feld("LED-Vorwiderstand", "User", "User_Leds");
    s.gruppe("LED-Vorwiderstand", "LED-Farbe", "RG_LED_Farbe");

    s.felder("LM317-Berechnung", lm317Felder);
    s.ganz("LM317-Berechnung", "Isoliersch", element<QComboBox>(f, "LM317ner_C_Iso")->currentIndex());
    s.feld("LM317-Berechnung", "Eingabe_Rthjc", "LM317ner_E_Rthjc");
    s.feld("LM317-Berechnung", "Eingabe_Rthja", "LM317ner_E_Rthja");
    s.gruppe("LM317-Berechnung", "Reglerart", "RG_317ner_Reglerart");
    s.ganz("LM317-Berechnung", "Gehaeuse", element<QComboBox>(f, "LM317_CB_Gehaeuse")->currentIndex());

    const NE555& n = f.ne555Seite()->ne555();
    s.zahl("NE555", "astabil_R1", n.asta_R1);
    s.zahl("NE555", "monostabil_R1", n.mono_R1);
    s.zahl("NE555", "astabil_C", n.asta_C);
    s.zahl("NE555", "monostabil_C", n.mono_C);
    s.feld("NE555", "Eingabe_R1", "NE555_E_R1");
    s.feld("NE555", "Eingabe_R2", "NE555_E_R2");
    s.feld("NE555", "Eingabe_C", "NE555_E_C");
    s.setze("NE555", "Tast", element<Radiogruppe>(f, "RG_NE555_Tast")->knopf(0)->text());
    s.gruppe("NE555", "asta_mono", "RG_NE555_Multiart");
    s.gruppe("NE555", "Tastverh", "RG_NE555_Tast");

    s.felder("kStrom", kStromFelder);
    s.gruppe("kStrom", "Schaltung", "RG_kStrom_Schaltung");
    s.gruppe("kStrom", "npn_pnp", "RG_kStrom_npnpnp");

    IniSchreiber schreiber(d, dezimal);
    f.sternDreieckSeite()->speichern(schreiber);

    s.ganz("Register", "Karte", f.pageControl1()->currentIndex());
    s.ganz("Register2", "Karte", f.pageControl2()->currentIndex());
    if (optionen) {
        s.schalter("Optionen", "AutoUpdate", optionen->autoUpdate()->isChecked());
        s.schalter("Optionen", "Kurzhinweise", optionen->kurzhinweise()->isChecked());
        s.schalter("Optionen", "Vordergrund", optionen->vordergrund()->isChecked());
        s.setze("Optionen", "LM317Berechnung_Tjmax", optionen->tjmax()->text());
    }
    s.setze("Dezimalseparator", "Dezimals", QString(dezimal));
    // pages added later keep their sections behind all others
    f.smdSeite()->speichern(schreiber);
    return speichern(datei, d.alsBytes());
}

QString IniFileLaden(Hauptfenster& f, OptionenDialog* optionen, const QString& datei, QChar dezimal) {
    QFile datei_(datei);
    if (!datei_.open(QIODevice::ReadOnly))
        return QStringLiteral(u"Die Datei %1 kann nicht gelesen werden: %2").arg(datei, datei_.errorString());
    const IniDokument d = IniDokument::ausBytes(datei_.readAll());
    Leser l(d, f, dezimal);

    f.pageControl2()->setCurrentIndex(0);
    Widerstand& w = f.widerstandSeite()->widerstand();
    w.Wert_4R = l.zahl("Widerstand", "4_Ringe", "36500");
    w.Wert_5R = l.zahl("Widerstand", "5_Ringe", "36500");
    w.Toleranz_4R = l.zahl("Widerstand", "4_Toleranz", "10");
    w.Toleranz_5R = l.zahl("Widerstand", "5_Toleranz", "10");
    w.Spannung_4R = l.schlichteZahl("Widerstand", "4_Spannung", 100);
    w.Spannung_5R = l.schlichteZahl("Widerstand", "5_Spannung", 100);
    l.gruppe("Widerstand", "Ringzahl", "RG_Widerstand", 0, 0);

    f.pageControl2()->setCurrentIndex(1);
    Drossel& dr = f.drosselSeite()->drossel();
    dr.Wert_IEC = l.zahl("Drossel", "IEC", "1e-5");
    dr.Wert_Dezi = l.zahl("Drossel", "J-Dezi", "1e-5");
    dr.Wert_Multi = l.zahl("Drossel", "J-Multi", "1e-5");
    dr.Toleranz_IEC = l.zahl("Drossel", "Tol-IEC", "10");
    dr.Toleranz_Dezi = l.zahl("Drossel", "Tol-Dezi", "10");
    dr.Toleranz_Multi = l.zahl("Drossel", "Tol-Multi", "10");
    l.gruppe("Drossel", "Typ", "RG_Drossel", 0, 0);

    f.pageControl2()->setCurrentIndex(2);
    Kondensator& k = f.kondensatorSeite()->kondensator();
    k.Wert_Ker = l.zahl("Kondensator", "Ker", "1e-8");
    k.Wert_Tan = l.zahl("Kondensator", "Tan", "1e-5");
    k.Toleranz_U10 = l.zahl("Kondensator", "Tol-U10", "10");
    k.Toleranz_O10 = l.zahl("Kondensator", "Tol-O10", "10");
    k.Spannung_U10 = l.zahl("Kondensator", "U-U10", "10");
    k.Spannung_O10 = l.zahl("Kondensator", "U-O10", "10");
    k.Spannung_Tan = l.zahl("Kondensator", "U-Tan", "10");
    l.gruppe("Kondensator", "Typ", "RG_Kondensatore", 0, 0);

    f.pageControl1()->setCurrentIndex(1);
    Toleranz& t = f.toleranzSeite()->toleranz();
    t.Toleranz_R = l.zahl("Toleranz", "Eingabe_R", "130");
    t.Toleranz_L = l.zahl("Toleranz", "Eingabe_L", "8e-8");
    t.Toleranz_C = l.zahl("Toleranz", "Eingabe_C", "3e-11");
    l.gruppe("Toleranz", "Auswahl", "RG_Toleranzen_Auswahl", 0, 0);
    l.gruppe("Toleranz", "E-Reihe", "RG_Toleranzen_EReihen", 2, 2);

    f.pageControl1()->setCurrentIndex(6);
    const char* const spannungVorgaben[] = {"12,00", "5,00", "15,00", "5,00", "5,00", "10000,00"};
    l.felder("Spannungsteiler", spannungsteilerFelder, spannungVorgaben);
    const char* const stromVorgaben[] = {"12,00", "15,00", "5,00", "1,00", "5,00"};
    l.felder("Stromteiler", stromteilerFelder, stromVorgaben);
    Spannungsteiler& sp = f.spannungsteilerSeite()->spannungsteiler();
    sp.Ratio1 = l.zahl("Stromteiler", "Ratio1", "1");
    sp.Ratio2 = l.zahl("Stromteiler", "Ratio2", "1");
    l.gruppe("Spannungsteiler", "SpannungStrom", "SpT_RG_SpannungStrom", 0, 0);
    l.gruppe("Spannungsteiler", "unbelbel", "SpT_RG_unbel_bel", 0, 0);
    if (element<Radiogruppe>(f, "SpT_RG_SpannungStrom")->itemIndex() == 0)
        f.spannungsteilerSeite()->Spannungsteiler_Berechnung();
    else
        f.spannungsteilerSeite()->Stromteiler_Berechnung();

    const char* const ledVorgaben[] = {"12,00", "10,00", "2,00"};
    l.felder("LED-Vorwiderstand", ledFelder, ledVorgaben);
    l.setzeFeld("User_Leds", d.lies(QStringLiteral("LED-Vorwiderstand"), QStringLiteral("User")).value_or("6"));
    l.gruppe("LED-Vorwiderstand", "LED-Farbe", "RG_LED_Farbe", 0, 0);
    l.gruppe("LED-Vorwiderstand", "LED-Anzahl", "RG_LED_Anzahl", 0, 0);
    f.ledSeite()->LED_Vorwiderstand_berechnen();

    const char* const lm317Vorgaben[] = {"12,00", "5,00", "150,00", "240,00", "50,00"};
    l.felder("LM317-Berechnung", lm317Felder, lm317Vorgaben);
    element<QComboBox>(f, "LM317ner_C_Iso")->setCurrentIndex(l.ganz("LM317-Berechnung", "Isoliersch", 0, -1));
    l.feld("LM317-Berechnung", "Eingabe_Rthjc", "LM317ner_E_Rthjc", l.mitTrenner("3,00"));
    l.feld("LM317-Berechnung", "Eingabe_Rthja", "LM317ner_E_Rthja", l.mitTrenner("50,00"));
    l.gruppe("LM317-Berechnung", "Reglerart", "RG_317ner_Reglerart", 0, 0);
    element<QComboBox>(f, "LM317_CB_Gehaeuse")->setCurrentIndex(l.ganz("LM317-Berechnung", "Gehaeuse", 0, 0));
    f.lm317Seite()->setTjmax(l.zahl("Optionen", "LM317Berechnung_Tjmax", "125"));
    f.lm317Seite()->LM317_CB_GehaeuseChange();

    NE555& n = f.ne555Seite()->ne555();
    n.asta_R1 = l.zahl("NE555", "astabil_R1", "120000");
    n.mono_R1 = l.zahl("NE555", "monostabil_R1", "10000");
    n.asta_C = l.zahl("NE555", "astabil_C", "82e-10");
    n.mono_C = l.zahl("NE555", "monostabil_C", "15e-9");
    l.feld("NE555", "Eingabe_R2", "NE555_E_R2", l.mitTrenner("47000,00"));
    l.gruppe("NE555", "Tastverh", "RG_NE555_Tast", 1, 0);
    l.gruppe("NE555", "asta_mono", "RG_NE555_Multiart", 1, 1);
    element<Radiogruppe>(f, "RG_NE555_Tast")->knopf(0)->setText(l.text("NE555", "Tast", l.mitTrenner("30,00")));

    const char* const kStromVorgaben[] = {"12,00", "0,01", "0,01", "2,50"};
    l.felder("kStrom", kStromFelder, kStromVorgaben);
    l.gruppe("kStrom", "npn_pnp", "RG_kStrom_npnpnp", 0, 0);
    l.gruppe("kStrom", "Schaltung", "RG_kStrom_Schaltung", 0, 0);
    f.konstantstromSeite()->kStrom_Berechnung();

    IniLeser leser(d, dezimal);
    f.sternDreieckSeite()->laden(leser);
    f.smdSeite()->laden(leser);
    l.unlesbar << leser.unlesbar();

    f.pageControl1()->setCurrentIndex(l.ganz("Register", "Karte", 1, 1));
    f.pageControl2()->setCurrentIndex(l.ganz("Register2", "Karte", 0, 0));

    if (optionen) {
        optionen->kurzhinweise()->setChecked(l.schalter("Optionen", "Kurzhinweise"));
        optionen->vordergrund()->setChecked(l.schalter("Optionen", "Vordergrund"));
        optionen->autoUpdate()->setChecked(l.schalter("Optionen", "AutoUpdate"));
        optionen->tjmax()->setzeText(u' ' + l.text("Optionen", "LM317Berechnung_Tjmax", l.mitTrenner("120,00")));
    }
    if (l.unlesbar.isEmpty()) return {};
    return QStringLiteral(u"In der Einstellungsdatei %1 sind diese Werte nicht lesbar; für sie gelten die "
                          u"Vorgabewerte:\r\r")
               .arg(datei) +
           l.unlesbar.join(u'\r');
}

QString Datenfile_schreiben(const Hauptfenster& f, const QString& datei, QChar dezimal) {
    Datenwerte werte{};
    const auto quelle = datenwerte(const_cast<Hauptfenster&>(f));
    for (size_t i = 0; i < werte.size(); ++i) werte[i] = *quelle[i];
    return speichern(datei, datenfileText(werte, dezimal));
}

QString Datenfile_lesen(Hauptfenster& f, const QString& datei, QChar dezimal) {
    QFile d(datei);
    if (!d.open(QIODevice::ReadOnly))
        return QStringLiteral(u"Die Datei %1 kann nicht gelesen werden: %2").arg(datei, d.errorString());
    const auto gelesen = leseDatenfile(d.readAll(), dezimal);
    const auto ziel = datenwerte(f);
    QStringList fehlend;
    for (size_t i = 0; i < ziel.size(); ++i) {
        if (gelesen[i])
            *ziel[i] = *gelesen[i];
        else
            fehlend << QString::number(i + 2);
    }
    if (fehlend.isEmpty()) return {};
    return QStringLiteral(u"In der Datei %1 sind die Zeilen %2 nicht lesbar; dort gelten die bisherigen Werte.")
        .arg(datei, fehlend.join(QStringLiteral(", ")));
}

}  // namespace zelmo::Sicherung
