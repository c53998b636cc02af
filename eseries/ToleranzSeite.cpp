// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eseries/ToleranzSeite.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QPlainTextEdit>
#include <cmath>

#include "fields/Ressourcen.h"
#include "eseries/ereihen.h"
#include "fields/Eingabefeld.h"
#include "fields/Meldungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Schaltbild.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

const QColor clGreen(0x00, 0x80, 0x00);   // $008000
const QColor clMaroon(0x80, 0x00, 0x00);  // $000080

QStringList reihenNamen() {
    return {QStringLiteral("E 3"),  QStringLiteral("E 6"),  QStringLiteral("E 12"), QStringLiteral("E 24"),
            QStringLiteral("E 48"), QStringLiteral("E 96"), QStringLiteral("E 192")};
}
QStringList auswahlNamen() { return {QStringLiteral("R"), QStringLiteral("L"), QStringLiteral("C")}; }

// The lists and their column headers line up by tab stops made for the narrow sans serif; where it
// is missing, a font of the same widths (Arial and its free twin) keeps the columns under their heads.
QFont listenSchrift(int pixel) {
    QFont f = schrift(pixel);
    f.setFamilies({f.family(), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return f;
}

using Symbol = void (*)(QPainter&, QPointF, QPointF);

void zeichneWiderstand(QPainter& p, QPointF a, QPointF b) { symbol::widerstand(p, a, b, 34, 12); }
void zeichneSpule(QPainter& p, QPointF a, QPointF b) { symbol::spule(p, a, b, 34, 9); }
void zeichneKondensator(QPainter& p, QPointF a, QPointF b) { symbol::kondensator(p, a, b, 6, 16); }

const Symbol symbole[3] = {zeichneWiderstand, zeichneSpule, zeichneKondensator};
const char16_t* buchstaben[3] = {u"R", u"L", u"C"};

constexpr QSizeF bildGroesse(220, 90);

// Two components of a kind between two terminals, one above the other.
void parallelBild(QPainter& p, int art) {
    const QString b = QString::fromUtf16(buchstaben[art]);
    const double oben = 22;
    const double unten = 68;
    const double mitte = 45;
    symbol::draht(p, QPointF(16, mitte), QPointF(55, mitte));
    symbol::draht(p, QPointF(55, oben), QPointF(55, unten));
    symbol::draht(p, QPointF(165, oben), QPointF(165, unten));
    symbol::draht(p, QPointF(165, mitte), QPointF(204, mitte));
    symbole[art](p, QPointF(55, oben), QPointF(165, oben));
    symbole[art](p, QPointF(55, unten), QPointF(165, unten));
    symbol::punkt(p, QPointF(55, mitte));
    symbol::punkt(p, QPointF(165, mitte));
    symbol::klemme(p, QPointF(16, mitte));
    symbol::klemme(p, QPointF(204, mitte));
    symbol::text(p, QPointF(110, oben - 15), b, 11, QStringLiteral("1"));
    symbol::text(p, QPointF(110, unten + 15), b, 11, QStringLiteral("2"));
}

// Two components of a kind in a row between two terminals.
void reiheBild(QPainter& p, int art) {
    const QString b = QString::fromUtf16(buchstaben[art]);
    const double y = 45;
    symbol::draht(p, QPointF(16, y), QPointF(34, y));
    symbole[art](p, QPointF(34, y), QPointF(110, y));
    symbole[art](p, QPointF(110, y), QPointF(186, y));
    symbol::draht(p, QPointF(186, y), QPointF(204, y));
    symbol::klemme(p, QPointF(16, y));
    symbol::klemme(p, QPointF(204, y));
    symbol::text(p, QPointF(72, y - 18), b, 11, QStringLiteral("1"));
    symbol::text(p, QPointF(148, y - 18), b, 11, QStringLiteral("2"));
}

QLabel* kopfLabel(const QString& name, const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setToolTip(QStringLiteral(u"mögliche Kombinationen"));
    l->setFont(listenSchrift(13));
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, eltern->palette().color(QPalette::Base));  // clWindow
    l->setPalette(pal);
    return l;
}

// A read-only box of coloured lines. The plain-text box lays out only the lines in view, so that a
// few hundred lines go in within a fraction of a millisecond.
QPlainTextEdit* liste(const QString& name, QWidget* eltern) {
    auto* re = new QPlainTextEdit(eltern);
    re->setObjectName(name);
    re->setReadOnly(true);
    re->setFrameShape(QFrame::NoFrame);
    re->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    re->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    re->setLineWrapMode(QPlainTextEdit::NoWrap);
    re->setFont(listenSchrift(12));
    re->document()->setDefaultFont(listenSchrift(12));
    re->document()->setDocumentMargin(2);
    re->setToolTip(QStringLiteral(u"mögliche Kombinationen"));
    re->setUndoRedoEnabled(false);  // read-only: every fill would only pile up undo steps
    // tab stops at 48, 70 and 92 points, after the last one every half inch as in a rich-edit box;
    // the fonts are set in pixels, so the stops use the 4/3 pixels per point of the 96 dpi the page
    // is laid out for
    constexpr double proPunkt = 96.0 / 72.0;
    QTextOption opt = re->document()->defaultTextOption();
    opt.setTabs({QTextOption::Tab(48 * proPunkt, QTextOption::LeftTab),
                 QTextOption::Tab(70 * proPunkt, QTextOption::LeftTab),
                 QTextOption::Tab(92 * proPunkt, QTextOption::LeftTab)});
    opt.setTabStopDistance(36 * proPunkt);
    opt.setWrapMode(QTextOption::NoWrap);
    re->document()->setDefaultTextOption(opt);
    return re;
}

}  // namespace

ToleranzSeite::ToleranzSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    setObjectName(QStringLiteral("ToleranzSeite"));

    // top row: next smaller value < wanted value < next larger value
    m_unten = new QLabel(this);
    m_unten->setObjectName(QStringLiteral("Tol_unten"));
    m_unten->setToolTip(QStringLiteral(u"nächst kleinerer Wert in der eingestellten E-Reihe"));
    m_unten->setFont(schrift(15));
    m_unten->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_unten->setGeometry(62, 10, 150, 28);

    auto* kleiner1 = new QLabel(QStringLiteral("<"), this);
    kleiner1->setObjectName(QStringLiteral("Tol_L_kleiner1"));
    kleiner1->setFont(schrift(29));
    kleiner1->setAlignment(Qt::AlignCenter);
    kleiner1->setGeometry(214, 6, 24, 34);

    m_eingabe = new Eingabefeld(grenzen::Toleranz_E_Wert, dezimal(), this);
    m_eingabe->setToolTip(QStringLiteral("Eingabe der Wertes des Bauteils"));
    m_eingabe->setFont(schrift(15));
    m_eingabe->setGeometry(243, 10, 150, 27);
    m_eingabe->setzeText(QStringLiteral(" 12"));
    // the accepted value is shown with the unit sign of the selected kind
    m_eingabe->setAnzeige([this](double w) { return Zahlenausgabe(w, dezimal()) + einheit(); });
    // the calculation of an Enter works on the text as typed, which the re-display replaces
    m_eingabe->setAnnahme([this](double w, const QString& getippt) {
        return Eingabefeld::Urteil::angenommen([this, w, getippt] { Toleranz_E_WertKeyPress(w, getippt); });
    });

    auto* kleiner2 = new QLabel(QStringLiteral("<"), this);
    kleiner2->setObjectName(QStringLiteral("Tol_L_kleiner2"));
    kleiner2->setFont(schrift(29));
    kleiner2->setAlignment(Qt::AlignCenter);
    kleiner2->setGeometry(398, 6, 24, 34);

    m_oben = new QLabel(this);
    m_oben->setObjectName(QStringLiteral("Tol_oben"));
    m_oben->setToolTip(QStringLiteral(u"nächst größerer Wert in der eingestellten E-Reihe"));
    m_oben->setFont(schrift(15));
    m_oben->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_oben->setGeometry(426, 10, 150, 28);

    auto* linie = new QFrame(this);
    linie->setObjectName(QStringLiteral("Tol_Linie"));
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(8, 45, 621, 3);

    // series and kind
    m_reihen = new Radiogruppe(QStringLiteral("RG_Toleranzen_EReihen"), QStringLiteral(" E-Reihen "),
                               reihenNamen(), 7, this);
    m_reihen->setToolTip(
        QStringLiteral("E-Reihe auswählen - fett gedruckt = Bauteilwert in dieser E-Reihe enthalten"));
    m_reihen->setGeometry(8, 53, 400, 44);
    m_reihen->klick = [this] { RG_Toleranzen_EReihenClick(); };

    m_auswahl = new Radiogruppe(QStringLiteral("RG_Toleranzen_Auswahl"), QStringLiteral(" Auswahl "),
                                auswahlNamen(), 3, this);
    m_auswahl->setToolTip(QStringLiteral(u"Widerstand, Spule oder Kondensator auswählen"));
    m_auswahl->setGeometry(414, 53, 151, 44);
    m_auswahl->klick = [this] { RG_Toleranzen_AuswahlClick(); };

    // the two lists with their circuit pictures and column headers
    const QStringList parBilder{QStringLiteral("I_Toleranz_par_R"), QStringLiteral("I_Toleranz_par_L"),
                                QStringLiteral("I_Toleranz_par_C")};
    const QStringList serBilder{QStringLiteral("I_Toleranz_ser_R"), QStringLiteral("I_Toleranz_ser_L"),
                                QStringLiteral("I_Toleranz_ser_C")};
    const QStringList parKoepfe{QStringLiteral("Label58"), QStringLiteral("Label71"), QStringLiteral("Label72")};
    const QStringList serKoepfe{QStringLiteral("Label53"), QStringLiteral("Label73"), QStringLiteral("Label74")};
    const QStringList parTexte{
        QStringLiteral("       R1            R2             Rges             F                   "),
        QStringLiteral("       L1             L2              Lges              F                   "),
        QStringLiteral("       C1            C2             Cges              F                   ")};
    const QStringList serTexte{
        QStringLiteral("       R1            R2             Rges             F               "),
        QStringLiteral("       L1             L2              Lges              F               "),
        QStringLiteral("       C1            C2             Cges              F               ")};

    constexpr int gbBreite = 312;
    constexpr int gbHoehe = 362;
    constexpr int gbOben = 104;
    auto gruppe = [&](const QString& name, const QString& titel, const QString& hinweis, int links) {
        auto* gb = new QGroupBox(titel, this);
        gb->setObjectName(name);
        gb->setToolTip(hinweis);
        gb->setGeometry(links, gbOben, gbBreite, gbHoehe);
        return gb;
    };
    m_gbParallel = gruppe(QStringLiteral("GB_Toleranzen_Parallel"), QStringLiteral(" Parallelschaltung "),
                          QStringLiteral("Parallelschaltung"), 5);
    m_gbReihe = gruppe(QStringLiteral("GB_Toleranzen_Reihe"), QStringLiteral(" Reihenschaltung "),
                       QStringLiteral("Reihenschaltung"), 320);

    constexpr int bildOben = 20;
    constexpr int bildHoehe = 82;
    constexpr int kopfOben = bildOben + bildHoehe + 4;
    constexpr int kopfHoehe = 17;
    constexpr int innenBreite = gbBreite - 12;
    for (int art = 0; art < 3; ++art) {
        auto* bp = new Schaltbild(parBilder[art], bildGroesse, m_gbParallel);
        bp->setToolTip(QStringLiteral("Parallelschaltung von zwei Bauteilen"));
        bp->setZeichnung([art](QPainter& p) { parallelBild(p, art); });
        bp->setGeometry(6, bildOben, innenBreite, bildHoehe);
        m_bildPar[art] = bp;
        auto* bs = new Schaltbild(serBilder[art], bildGroesse, m_gbReihe);
        bs->setToolTip(QStringLiteral("Reihenschaltung von zwei Bauteilen"));
        bs->setZeichnung([art](QPainter& p) { reiheBild(p, art); });
        bs->setGeometry(6, bildOben, innenBreite, bildHoehe);
        m_bildSer[art] = bs;
        m_kopfPar[art] = kopfLabel(parKoepfe[art], parTexte[art], m_gbParallel);
        m_kopfPar[art]->setGeometry(6, kopfOben, innenBreite, kopfHoehe);
        m_kopfSer[art] = kopfLabel(serKoepfe[art], serTexte[art], m_gbReihe);
        m_kopfSer[art]->setGeometry(6, kopfOben, innenBreite, kopfHoehe);
    }
    for (QGroupBox* gb : {m_gbParallel, m_gbReihe}) {
        auto* strich = new QFrame(gb);
        strich->setObjectName(gb->objectName() + QStringLiteral("_Linie"));
        strich->setFrameShape(QFrame::HLine);
        strich->setFrameShadow(QFrame::Plain);
        strich->setLineWidth(1);
        strich->setGeometry(6, kopfOben + kopfHoehe, innenBreite, 1);
    }
    m_reParallel = liste(QStringLiteral("RE_Toleranz_parallel"), m_gbParallel);
    m_reSeriell = liste(QStringLiteral("RE_Toleranz_seriell"), m_gbReihe);
    // named for assistive technology by what they list (their group's title changes with the count)
    m_reParallel->setAccessibleName(QStringLiteral("Parallelschaltung"));
    m_reSeriell->setAccessibleName(QStringLiteral("Reihenschaltung"));
    const int listeOben = kopfOben + kopfHoehe + 1;
    m_reParallel->setGeometry(6, listeOben, innenBreite, gbHoehe - listeOben - 6);
    m_reSeriell->setGeometry(6, listeOben, innenBreite, gbHoehe - listeOben - 6);
    bilderZeigen(artR);
}

QString ToleranzSeite::einheit() const { return einheitZeichen(m_auswahl->itemIndex()); }

void ToleranzSeite::bilderZeigen(int art) {
    for (int k = 0; k < 3; ++k) {
        m_bildPar[k]->setVisible(k == art);
        m_bildSer[k]->setVisible(k == art);
        m_kopfPar[k]->setVisible(k == art);
        m_kopfSer[k]->setVisible(k == art);
    }
}

void ToleranzSeite::ersterStart() {
    m_toleranz = Toleranz{};  // 150 Ω, 75 nH, 30 pF
    m_maxF = fensterProzent(EReihe::E12);
    m_reihen->setItemIndex(2, false);
    if (m_auswahl->itemIndex() == artR)
        RG_Toleranzen_AuswahlClick();  // already R: show the reset value all the same
    else
        m_auswahl->setItemIndex(artR);
}

void ToleranzSeite::laufzeitEinstellungen() {
    const char16_t* reihenHinweise[7] = {u">20%", u"20%", u"10%", u"5%", u"2%", u"1%", u"0,5%"};
    const int reihenLinks[7] = {10, 60, 110, 165, 220, 275, 331};
    for (int i = 0; i < 7; ++i) {
        m_reihen->knopf(i)->setToolTip(QString::fromUtf16(reihenHinweise[i]));
        m_reihen->setzeKnopf(i, reihenLinks[i], i == 6 ? 66 : -1);
    }
    const char16_t* auswahlHinweise[3] = {u"Widerstand auswählen", u"Spulen auswählen", u"Kondensator auswählen"};
    const int auswahlLinks[3] = {15, 60, 105};
    for (int i = 0; i < 3; ++i) {
        m_auswahl->knopf(i)->setToolTip(QString::fromUtf16(auswahlHinweise[i]));
        m_auswahl->setzeKnopf(i, auswahlLinks[i], i == 2 ? 40 : -1);
    }
}

void ToleranzSeite::speichern(IniSchreiber& s) const {
    s.zahl("Toleranz", "Eingabe_R", m_toleranz.Toleranz_R);
    s.zahl("Toleranz", "Eingabe_L", m_toleranz.Toleranz_L);
    s.zahl("Toleranz", "Eingabe_C", m_toleranz.Toleranz_C);
    s.ganz("Toleranz", "Auswahl", m_auswahl->itemIndex());
    s.ganz("Toleranz", "E-Reihe", m_reihen->itemIndex());
}

ToleranzSeite::Gespeichert ToleranzSeite::lesen(IniLeser& l) {
    const auto wert = zwischen(grenzen::Toleranz_E_Wert.min, grenzen::Toleranz_E_Wert.max);
    Gespeichert g;
    g.toleranz.Toleranz_R = l.zahl("Toleranz", "Eingabe_R", "130", wert);
    g.toleranz.Toleranz_L = l.zahl("Toleranz", "Eingabe_L", "8e-8", wert);
    g.toleranz.Toleranz_C = l.zahl("Toleranz", "Eingabe_C", "3e-11", wert);
    g.auswahl = l.index("Toleranz", "Auswahl", 0, 0, int(auswahlNamen().size()));
    g.reihe = l.index("Toleranz", "E-Reihe", 2, 2, int(reihenNamen().size()));
    return g;
}

void ToleranzSeite::laden(IniLeser& l) {
    const Gespeichert g = lesen(l);
    m_toleranz = g.toleranz;
    m_auswahl->waehle(g.auswahl);
    m_reihen->waehle(g.reihe);
}

void ToleranzSeite::RG_Toleranzen_AuswahlClick() {
    const int art = m_auswahl->itemIndex();
    if (art >= 0 && art <= 2) bilderZeigen(art);
    Toleranz_Wert_anzeigen();
}

void ToleranzSeite::RG_Toleranzen_EReihenClick() {
    const auto r = reiheZuIndex(m_reihen->itemIndex());
    if (!r) return;
    m_maxF = fensterProzent(*r);
    Toleranz_Berechnung(reihe(*r));
}

void ToleranzSeite::Toleranz_Wert_anzeigen() {
    double wert = 1;
    if (double* feld = m_toleranz.fuer(m_auswahl->itemIndex())) {
        // a stored value the field would refuse (from a damaged settings file) falls back to the
        // first-start value of its kind, so that the calculation always gets a usable number
        if (!(*feld >= Rechengrenzen120::Tol_min && *feld <= Rechengrenzen120::Tol_max))
            *feld = *Toleranz{}.fuer(m_auswahl->itemIndex());
        wert = *feld;
    }
    m_eingabe->setzeText(Zahlenausgabe(wert, dezimal()) + einheit());
    EReihe_ermitteln();
}

void ToleranzSeite::EReihe_ermitteln(const std::optional<QString>& getippt) {
    if (const auto r = reiheZuIndex(m_reihen->itemIndex())) Toleranz_Berechnung(reihe(*r), getippt);
}

void ToleranzSeite::Toleranz_E_WertKeyPress(double wert, const QString& getippt) {
    if (double* feld = m_toleranz.fuer(m_auswahl->itemIndex())) *feld = wert;
    EReihe_ermitteln(getippt);
}

bool ToleranzSeite::Uebergabe(double ohm) {
    if (!std::isfinite(ohm)) {
        Meldungen::fehler(QStringLiteral(u"Der übergebene Widerstandswert ist keine Zahl und kann nicht auf "
                                         u"die Seite Toleranz übernommen werden."));
        return false;
    }
    if (!(ohm >= Rechengrenzen120::Tol_min && ohm <= Rechengrenzen120::Tol_max)) {
        Meldungen::fehler(QStringLiteral(u"Der Widerstandswert ") + allgemein(ohm, dezimal()) +
                          QStringLiteral(u" \u2126 kann nicht auf die Seite Toleranz übernommen werden.\r\r"
                                         u"Möglich sind Werte von %1 \u2126 bis %2 \u2126.")
                              .arg(allgemein(Rechengrenzen120::Tol_min, dezimal()),
                                   allgemein(Rechengrenzen120::Tol_max, dezimal())));
        return false;
    }
    m_toleranz.Toleranz_R = ohm;
    if (m_auswahl->itemIndex() != artR)
        m_auswahl->setItemIndex(artR);  // its handler shows the value and calculates
    else
        Toleranz_Wert_anzeigen();
    return true;
}

std::optional<QString> ToleranzSeite::rechenText(const std::optional<QString>& getippt) {
    if (getippt) return getippt;
    const Grenze* g = m_eingabe->grenze();
    auto fehler = [&](const QString& text) -> std::optional<QString> {
        const auto w = Zahleneingabe(text, dezimal());
        if (!w) return meldungKeineZahl(text);
        if (g) return pruefeBereich(*g, *w, text, dezimal());
        return std::nullopt;
    };
    const QString text = m_eingabe->text();
    const auto meldung = fehler(text);
    if (!meldung) return text;
    // a typed but unconfirmed text that is no usable number: told as on Enter, and undone
    Meldungen::fehler(*meldung);
    const QString alt = m_eingabe->letzterProgrammText();
    m_eingabe->setText(alt);
    if (fehler(alt)) return std::nullopt;
    return alt;
}

void ToleranzSeite::Toleranz_Berechnung(std::span<const double> E, const std::optional<QString>& getippt) {
    const auto text = rechenText(getippt);
    if (!text) return;
    const int art = m_auswahl->itemIndex();
    const auto erg = zelmo::Toleranz_Berechnung(*text, E, m_maxF, art, dezimal());
    if (!erg) return;
    for (int k = 0; k < m_reihen->anzahl(); ++k) m_reihen->setKnopfFett(k, erg->fett[size_t(k)]);
    listeFuellen(m_reParallel, erg->parallel);
    listeFuellen(m_reSeriell, erg->seriell);
    m_gbParallel->setTitle(parallelTitel(int(erg->parallel.size())));
    m_gbReihe->setTitle(reiheTitel(int(erg->seriell.size())));
    m_unten->setText(erg->unten);
    m_oben->setText(erg->oben);
}

void ToleranzSeite::listeFuellen(QPlainTextEdit* re, const std::vector<ToleranzZeile>& zeilen) {
    QTextDocument* doc = re->document();
    doc->clear();
    QTextCharFormat gruen;
    gruen.setForeground(clGreen);
    QTextCharFormat maroon;
    maroon.setForeground(clMaroon);
    QTextCursor c(doc);
    c.beginEditBlock();
    // lines of one colour go in as one text
    for (size_t i = 0; i < zeilen.size();) {
        const bool g = zeilen[i].gruen;
        QString stueck = zeilen[i].text;
        for (++i; i < zeilen.size() && zeilen[i].gruen == g; ++i) {
            stueck += QChar::ParagraphSeparator;
            stueck += zeilen[i].text;
        }
        if (c.position() > 0) c.insertBlock();
        c.insertText(stueck, g ? gruen : maroon);
    }
    c.endEditBlock();
    re->verticalScrollBar()->setValue(0);
}

}  // namespace zelmo
