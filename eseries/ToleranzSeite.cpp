// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eseries/ToleranzSeite.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <cmath>

#include "fields/Ressourcen.h"
#include "eseries/bestand.h"
#include "eseries/dreier.h"
#include "eseries/ereihen.h"
#include "fields/Eingabefeld.h"
#include "fields/Meldungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Schaltbild.h"
#include "fields/Zeilenliste.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "storage/sicherung.h"
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
QStringList anzahlNamen() { return {QStringLiteral("2 Bauteile"), QStringLiteral("3 Bauteile")}; }

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

constexpr QSizeF bildGroesse3(300, 90);

void zeichne(QPainter& p, int art, QPointF a, QPointF b, double laenge) {
    switch (art) {
        case 1: symbol::spule(p, a, b, laenge, 8); break;
        case 2: symbol::kondensator(p, a, b, 5, 14); break;
        default: symbol::widerstand(p, a, b, laenge, 10); break;
    }
}

void name(QPainter& p, int art, QPointF m, int nummer) {
    symbol::text(p, m, QString::fromUtf16(buchstaben[art]), 9, QString::number(nummer));
}

// Three components of a kind side by side between two rails (left) and one beside the series of
// the other two (right): R1‖R2‖R3 and R1‖(R2+R3).
void parallelBild3(QPainter& p, int art) {
    symbol::draht(p, QPointF(8, 45), QPointF(30, 45));
    symbol::draht(p, QPointF(30, 20), QPointF(30, 70));
    symbol::draht(p, QPointF(120, 20), QPointF(120, 70));
    symbol::draht(p, QPointF(120, 45), QPointF(142, 45));
    for (int i = 0; i < 3; ++i) {
        const double y = 20 + 25 * i;
        zeichne(p, art, QPointF(30, y), QPointF(120, y), 28);
        name(p, art, QPointF(75, y - 13), i + 1);
    }
    for (double x : {30.0, 120.0}) symbol::punkt(p, QPointF(x, 45));
    symbol::klemme(p, QPointF(8, 45));
    symbol::klemme(p, QPointF(142, 45));

    symbol::draht(p, QPointF(158, 45), QPointF(175, 45));
    symbol::draht(p, QPointF(175, 25), QPointF(175, 65));
    symbol::draht(p, QPointF(275, 25), QPointF(275, 65));
    symbol::draht(p, QPointF(275, 45), QPointF(292, 45));
    zeichne(p, art, QPointF(175, 25), QPointF(275, 25), 28);
    zeichne(p, art, QPointF(175, 65), QPointF(225, 65), 26);
    zeichne(p, art, QPointF(225, 65), QPointF(275, 65), 26);
    name(p, art, QPointF(225, 12), 1);
    name(p, art, QPointF(200, 52), 2);
    name(p, art, QPointF(250, 52), 3);
    for (double x : {175.0, 275.0}) symbol::punkt(p, QPointF(x, 45));
    symbol::klemme(p, QPointF(158, 45));
    symbol::klemme(p, QPointF(292, 45));
}

// Three components in a row (left) and one in series with two in parallel (right): R1+R2+R3 and
// R1+(R2‖R3).
void reiheBild3(QPainter& p, int art) {
    const double y = 45;
    symbol::draht(p, QPointF(8, y), QPointF(14, y));
    for (int i = 0; i < 3; ++i) {
        const double x = 14 + 42 * i;
        zeichne(p, art, QPointF(x, y), QPointF(x + 42, y), 26);
        name(p, art, QPointF(x + 21, y - 15), i + 1);
    }
    symbol::draht(p, QPointF(140, y), QPointF(142, y));
    symbol::klemme(p, QPointF(8, y));
    symbol::klemme(p, QPointF(142, y));

    symbol::draht(p, QPointF(158, y), QPointF(164, y));
    zeichne(p, art, QPointF(164, y), QPointF(214, y), 26);
    name(p, art, QPointF(189, y - 15), 1);
    symbol::draht(p, QPointF(214, y), QPointF(222, y));
    symbol::draht(p, QPointF(222, 28), QPointF(222, 62));
    symbol::draht(p, QPointF(282, 28), QPointF(282, 62));
    zeichne(p, art, QPointF(222, 28), QPointF(282, 28), 26);
    zeichne(p, art, QPointF(222, 62), QPointF(282, 62), 26);
    name(p, art, QPointF(252, 15), 2);
    name(p, art, QPointF(252, 49), 3);
    symbol::draht(p, QPointF(282, y), QPointF(292, y));
    for (double x : {222.0, 282.0}) symbol::punkt(p, QPointF(x, y));
    symbol::klemme(p, QPointF(158, y));
    symbol::klemme(p, QPointF(292, y));
}

// The column heads of the three-part lists of a kind.
QString kopf3(int art, bool parallel) {
    const QString b = QString::fromUtf16(buchstaben[art]);
    (void)parallel;
    return QStringLiteral("    ") + b + QStringLiteral("1        ") + b + QStringLiteral("2       ") + b +
           QStringLiteral("3     Schaltung     ") + b + QStringLiteral("ges     F");
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

// A read-only list of coloured lines that lays out only the lines in view, so that a thousand lines
// cost no more than the few that are seen.
Zeilenliste* liste(const QString& name, QWidget* eltern) {
    auto* re = new Zeilenliste(name, eltern);
    re->setFrameShape(QFrame::NoFrame);
    re->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    re->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    re->setzeSchrift(listenSchrift(12));
    re->setToolTip(QStringLiteral(u"mögliche Kombinationen"));
    re->setAccessibleDescription(re->toolTip());
    re->setContextMenuPolicy(Qt::CustomContextMenu);
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
    m_unten->setGeometry(8, 10, 124, 28);

    auto* kleiner1 = new QLabel(QStringLiteral("<"), this);
    kleiner1->setObjectName(QStringLiteral("Tol_L_kleiner1"));
    kleiner1->setFont(schrift(29));
    kleiner1->setAlignment(Qt::AlignCenter);
    kleiner1->setGeometry(134, 6, 24, 34);

    m_eingabe = new Eingabefeld(grenzen::Toleranz_E_Wert, dezimal(), this);
    m_eingabe->setToolTip(QStringLiteral("Eingabe der Wertes des Bauteils"));
    m_eingabe->setFont(schrift(15));
    m_eingabe->setGeometry(162, 10, 140, 27);
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
    kleiner2->setGeometry(305, 6, 24, 34);

    m_oben = new QLabel(this);
    m_oben->setObjectName(QStringLiteral("Tol_oben"));
    m_oben->setToolTip(QStringLiteral(u"nächst größerer Wert in der eingestellten E-Reihe"));
    m_oben->setFont(schrift(15));
    m_oben->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_oben->setGeometry(333, 10, 124, 28);

    // two or three parts
    m_anzahl = new Radiogruppe(QStringLiteral("RG_Toleranzen_Anzahl"), QStringLiteral(" Anzahl "), anzahlNamen(), 2, this);
    m_anzahl->setToolTip(QStringLiteral(u"Kombinationen aus zwei oder drei Bauteilen suchen"));
    m_anzahl->setGeometry(460, 1, 173, 42);
    m_anzahl->setItemIndex(0, false);
    m_anzahl->klick = [this] { RG_Toleranzen_AnzahlClick(); };

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
    m_auswahl->setGeometry(412, 53, 112, 44);
    m_auswahl->klick = [this] { RG_Toleranzen_AuswahlClick(); };

    // the values in stock
    m_bestandKnopf = new QPushButton(QStringLiteral(u"Bestand …"), this);
    m_bestandKnopf->setObjectName(QStringLiteral("B_Toleranzen_Bestand"));
    m_bestandKnopf->setToolTip(QStringLiteral(u"Die vorrätigen Werte für R, L und C eintragen"));
    m_bestandKnopf->setGeometry(528, 55, 104, 23);
    connect(m_bestandKnopf, &QPushButton::clicked, this, [this] { bestandBearbeiten(); });
    m_nurBestand = new QCheckBox(QStringLiteral("nur Bestand"), this);
    m_nurBestand->setObjectName(QStringLiteral("CB_Toleranzen_Bestand"));
    m_nurBestand->setToolTip(QStringLiteral(u"Nur mit den vorrätigen Werten kombinieren; die E-Reihe bestimmt dann nur das Fenster"));
    m_nurBestand->setGeometry(530, 79, 102, 20);
    connect(m_nurBestand, &QCheckBox::clicked, this, [this] { EReihe_ermitteln(); });

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
    const char16_t* art3[3] = {u"R", u"L", u"C"};
    for (int art = 0; art < 3; ++art) {
        auto* bp = new Schaltbild(QStringLiteral("I_Toleranz_par3_") + QString::fromUtf16(art3[art]), bildGroesse3, m_gbParallel);
        bp->setToolTip(QStringLiteral("Parallelschaltungen von drei Bauteilen"));
        bp->setZeichnung([art](QPainter& p) { parallelBild3(p, art); });
        bp->setGeometry(6, bildOben, innenBreite, bildHoehe);
        m_bildPar3[art] = bp;
        auto* bs = new Schaltbild(QStringLiteral("I_Toleranz_ser3_") + QString::fromUtf16(art3[art]), bildGroesse3, m_gbReihe);
        bs->setToolTip(QStringLiteral("Reihenschaltungen von drei Bauteilen"));
        bs->setZeichnung([art](QPainter& p) { reiheBild3(p, art); });
        bs->setGeometry(6, bildOben, innenBreite, bildHoehe);
        m_bildSer3[art] = bs;
    }
    m_kopfPar3 = kopfLabel(QStringLiteral("Tol_Kopf3_parallel"), kopf3(0, true), m_gbParallel);
    m_kopfPar3->setGeometry(6, kopfOben, innenBreite, kopfHoehe);
    m_kopfSer3 = kopfLabel(QStringLiteral("Tol_Kopf3_seriell"), kopf3(0, false), m_gbReihe);
    m_kopfSer3->setGeometry(6, kopfOben, innenBreite, kopfHoehe);
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
    for (Zeilenliste* re : {m_reParallel, m_reSeriell}) {
        tabStops(re, false);
        kopierenEinrichten(re);
    }
    bilderZeigen(artR);
}

void ToleranzSeite::tabStops(Zeilenliste* re, bool drei) {
    // pairs: tab stops at 48, 70 and 92 points, after the last one every half inch as in a rich-edit
    // box; the fonts are set in pixels, so the stops use the 4/3 pixels per point of the 96 dpi the
    // page is laid out for. Three parts: three value columns, the connection, the total and F.
    constexpr double proPunkt = 96.0 / 72.0;
    // three parts need six columns in the same width: a pixel smaller, stops set in pixels
    re->setzeSchrift(listenSchrift(drei ? 11 : 12));
    re->setHorizontalScrollBarPolicy(drei ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (drei)
        re->setzeTabs({QTextOption::Tab(46, QTextOption::LeftTab), QTextOption::Tab(92, QTextOption::LeftTab),
                       QTextOption::Tab(138, QTextOption::LeftTab), QTextOption::Tab(200, QTextOption::LeftTab),
                       QTextOption::Tab(243, QTextOption::LeftTab)},
                      36 * proPunkt);
    else
        re->setzeTabs({QTextOption::Tab(48 * proPunkt, QTextOption::LeftTab),
                       QTextOption::Tab(70 * proPunkt, QTextOption::LeftTab),
                       QTextOption::Tab(92 * proPunkt, QTextOption::LeftTab)},
                      36 * proPunkt);
}

void ToleranzSeite::kopierenEinrichten(Zeilenliste* re) {
    connect(re, &QWidget::customContextMenuRequested, this, [this, re](const QPoint& wo) {
        QMenu menu(re);
        QAction* eins = menu.addAction(QStringLiteral("Kopieren"));
        eins->setShortcut(QKeySequence::Copy);
        eins->setEnabled(re->selectionModel()->hasSelection());
        QAction* alle = menu.addAction(QStringLiteral("Alle kopieren"));
        alle->setEnabled(re->anzahl() > 0);
        QAction* gewaehlt = menu.exec(re->viewport()->mapToGlobal(wo));
        if (gewaehlt == eins || gewaehlt == alle) QApplication::clipboard()->setText(kopieren(re, gewaehlt == alle));
    });
    re->installEventFilter(this);
}

QString ToleranzSeite::kopieren(const Zeilenliste* re, bool alle) const {
    const QStringList zeilen = alle ? re->alleZeilen() : re->gewaehlteZeilen();
    if (zeilen.isEmpty()) return {};
    return kopierText(zeilen, m_auswahl->itemIndex(), m_teile);
}

bool ToleranzSeite::eventFilter(QObject* o, QEvent* e) {
    // Ctrl+C on a list copies whole lines with the header, not the characters of the selection
    if ((o == m_reParallel || o == m_reSeriell) &&
        (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->matches(QKeySequence::Copy)) {
            e->accept();
            if (e->type() == QEvent::KeyPress) {
                const QString t = kopieren(static_cast<Zeilenliste*>(o), false);
                if (!t.isEmpty()) QApplication::clipboard()->setText(t);
            }
            return true;
        }
    }
    return Rechnerseite::eventFilter(o, e);
}

QString ToleranzSeite::einheit() const { return einheitZeichen(m_auswahl->itemIndex()); }

void ToleranzSeite::bilderZeigen(int art) {
    const bool drei = m_anzahl->itemIndex() == 1;
    for (int k = 0; k < 3; ++k) {
        m_bildPar[k]->setVisible(k == art && !drei);
        m_bildSer[k]->setVisible(k == art && !drei);
        m_kopfPar[k]->setVisible(k == art && !drei);
        m_kopfSer[k]->setVisible(k == art && !drei);
        m_bildPar3[k]->setVisible(k == art && drei);
        m_bildSer3[k]->setVisible(k == art && drei);
    }
    const int a = art >= 0 && art <= 2 ? art : 0;
    m_kopfPar3->setText(kopf3(a, true));
    m_kopfSer3->setText(kopf3(a, false));
    m_kopfPar3->setVisible(drei && art >= 0 && art <= 2);
    m_kopfSer3->setVisible(drei && art >= 0 && art <= 2);
}

const Seitenablage<ToleranzSeite>& ToleranzSeite::ablage() {
    using namespace zelmo::ablage;
    using S = ToleranzSeite;
    const auto wert = zwischen(grenzen::Toleranz_E_Wert.min, grenzen::Toleranz_E_Wert.max);
    const Toleranz erst;  // 150 Ω, 75 nH, 30 pF
    // the count and the stock switch are set before the kind and the series run their handlers
    static const Seitenablage<S> a{{
        {zahl("Toleranz", "Eingabe_R", "130", erst.Toleranz_R, wert),
         glied<S>([](auto& s) -> auto& { return s.m_toleranz.Toleranz_R; })},
        {zahl("Toleranz", "Eingabe_L", "8e-8", erst.Toleranz_L, wert),
         glied<S>([](auto& s) -> auto& { return s.m_toleranz.Toleranz_L; })},
        {zahl("Toleranz", "Eingabe_C", "3e-11", erst.Toleranz_C, wert),
         glied<S>([](auto& s) -> auto& { return s.m_toleranz.Toleranz_C; })},
        {index("Toleranz", "Auswahl", 0, 0, int(auswahlNamen().size()), artR).danach(1), gruppe(&S::m_auswahl)},
        {index("Toleranz", "E-Reihe", 2, 2, int(reihenNamen().size()), 2).danach(1), gruppe(&S::m_reihen)},
        {index("Toleranz", "Bauteile", 0, 0, int(anzahlNamen().size()), 0),
         {[](const S& s) -> Ablagewert { return s.m_anzahl->itemIndex(); },
          [](S& s, const Ablagewert& w) { s.m_anzahl->setItemIndex(std::get<int>(w), false); }}},
        {schalter("Toleranz", "NurBestand", false), kasten(&S::m_nurBestand)},
    }};
    return a;
}

void ToleranzSeite::ersterStart() {
    m_maxF = fensterProzent(EReihe::E12);
    ablage().ersterStart(*this, dezimal());
}

void ToleranzSeite::laufzeitEinstellungen() {
    const char16_t* reihenHinweise[7] = {u">20%", u"20%", u"10%", u"5%", u"2%", u"1%", u"0,5%"};
    const int reihenLinks[7] = {10, 60, 110, 165, 220, 275, 331};
    for (int i = 0; i < 7; ++i) {
        m_reihen->knopf(i)->setToolTip(QString::fromUtf16(reihenHinweise[i]));
        m_reihen->setzeKnopf(i, reihenLinks[i], i == 6 ? 66 : -1);
    }
    const char16_t* auswahlHinweise[3] = {u"Widerstand auswählen", u"Spulen auswählen", u"Kondensator auswählen"};
    const int auswahlLinks[3] = {8, 42, 76};
    for (int i = 0; i < 3; ++i) {
        m_auswahl->knopf(i)->setToolTip(QString::fromUtf16(auswahlHinweise[i]));
        m_auswahl->setzeKnopf(i, auswahlLinks[i], 34);
    }
    const char16_t* anzahlHinweise[2] = {u"Paare von Bauteilen", u"Dreiergruppen von Bauteilen"};
    for (int i = 0; i < 2; ++i) {
        m_anzahl->knopf(i)->setToolTip(QString::fromUtf16(anzahlHinweise[i]));
        m_anzahl->setzeKnopf(i, 1 + 85 * i, 86);
    }
}

void ToleranzSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void ToleranzSeite::laden(IniLeser& l) { ablage().laden(*this, l); }

void ToleranzSeite::RG_Toleranzen_AuswahlClick() {
    const int art = m_auswahl->itemIndex();
    if (art >= 0 && art <= 2) bilderZeigen(art);
    Toleranz_Wert_anzeigen();
}

void ToleranzSeite::RG_Toleranzen_EReihenClick() {
    const auto r = reiheZuIndex(m_reihen->itemIndex());
    if (!r) return;
    m_maxF = fensterProzent(*r);
    Toleranz_Berechnung(*r);
}

void ToleranzSeite::RG_Toleranzen_AnzahlClick() {
    bilderZeigen(m_auswahl->itemIndex());
    EReihe_ermitteln();
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
    if (const auto r = reiheZuIndex(m_reihen->itemIndex())) Toleranz_Berechnung(*r, getippt);
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

void ToleranzSeite::Toleranz_Berechnung(EReihe r, const std::optional<QString>& getippt) {
    const auto text = rechenText(getippt);
    if (!text) return;
    const int art = m_auswahl->itemIndex();
    ToleranzSuche suche;
    suche.teile = m_anzahl->itemIndex() == 1 ? 3 : 2;
    suche.dreierWerte = dreierReihe(r);
    if (m_nurBestand->isChecked()) {
        bestandLaden();
        const int a = art >= 0 && art <= 2 ? art : 0;
        if (m_bestand[a].empty()) {
            listenLeeren();
            Meldungen::hinweis(QStringLiteral(u"Der Bestand „") + bestandName(a) +
                               QStringLiteral(u"“ ist leer, daher wird nichts gesucht.\r\rBitte die vorrätigen Werte "
                                              u"über „Bestand …“ eintragen oder „nur Bestand“ ausschalten."));
            return;
        }
        suche.bestand = &m_bestand[a];
    }
    const auto erg = zelmo::Toleranz_Berechnung(*text, reihe(r), m_maxF, art, dezimal(), suche);
    if (!erg) return;
    for (int k = 0; k < m_reihen->anzahl(); ++k) m_reihen->setKnopfFett(k, erg->fett[size_t(k)]);
    if (m_teile != erg->teile) {
        m_teile = erg->teile;
        for (Zeilenliste* re : {m_reParallel, m_reSeriell}) tabStops(re, m_teile == 3);
    }
    listeFuellen(m_reParallel, erg->parallel);
    listeFuellen(m_reSeriell, erg->seriell);
    if (erg->teile == 3) {
        m_gbParallel->setTitle(parallelTitel(int(erg->parallel.size()), erg->parallelAlle));
        m_gbReihe->setTitle(reiheTitel(int(erg->seriell.size()), erg->seriellAlle));
    } else {
        m_gbParallel->setTitle(parallelTitel(int(erg->parallel.size())));
        m_gbReihe->setTitle(reiheTitel(int(erg->seriell.size())));
    }
    m_unten->setText(erg->unten);
    m_oben->setText(erg->oben);
}

void ToleranzSeite::listenLeeren() {
    listeFuellen(m_reParallel, {});
    listeFuellen(m_reSeriell, {});
    m_gbParallel->setTitle(parallelTitel(0));
    m_gbReihe->setTitle(reiheTitel(0));
}

void ToleranzSeite::bestandLaden() {
    if (m_bestandGeladen) return;
    m_bestandGeladen = true;
    const QString ordner = umgebung().datenOrdner ? umgebung().datenOrdner() : QString();
    if (ordner.isEmpty()) return;
    QStringList meldungen;
    for (int art = 0; art < 3; ++art) {
        const auto datei = sicherung::textDateiLesen(bestandDatei(ordner, art));
        if (!datei.fehler.isEmpty()) {
            meldungen << datei.fehler;
            continue;
        }
        m_bestandText[art] = datei.text;
        if (m_bestandText[art].endsWith(u'\n')) m_bestandText[art].chop(1);
        const Bestandsliste b = bestandLesen(m_bestandText[art], dezimal());
        m_bestand[art] = b.werte;
        if (!b.falsch.empty()) meldungen << bestandMeldung(b.falsch, art);
    }
    if (!meldungen.isEmpty()) Meldungen::fehler(meldungen.join(QStringLiteral("\r\r")));
}

void ToleranzSeite::bestandUebernehmen(const QString (&texte)[3]) {
    bestandLaden();
    const QString ordner = umgebung().datenOrdner ? umgebung().datenOrdner() : QString();
    QStringList meldungen;
    for (int art = 0; art < 3; ++art) {
        const bool anders = texte[art] != m_bestandText[art];
        m_bestandText[art] = texte[art];
        const Bestandsliste b = bestandLesen(texte[art], dezimal());
        m_bestand[art] = b.werte;
        if (!b.falsch.empty()) meldungen << bestandMeldung(b.falsch, art);
        if (anders && !ordner.isEmpty()) {
            const QString fehler = sicherung::textSchreiben(bestandDatei(ordner, art), texte[art] + u'\n');
            if (!fehler.isEmpty()) meldungen << fehler;
        }
    }
    if (!meldungen.isEmpty()) Meldungen::fehler(meldungen.join(QStringLiteral("\r\r")));
    EReihe_ermitteln();
}

void ToleranzSeite::bestandBearbeiten() {
    bestandLaden();
    QDialog d(this);
    d.setObjectName(QStringLiteral("BestandDialog"));
    d.setWindowTitle(QStringLiteral("Bestand"));
    auto* lay = new QVBoxLayout(&d);
    auto* hinweis = new QLabel(QStringLiteral(u"Ein Wert je Zeile, z. B. 4,7k  4.7k  4k7  100n  2,2 µH. "
                                              u"Zeilen ohne Wert bleiben stehen und werden nicht verwendet."),
                               &d);
    hinweis->setWordWrap(true);
    lay->addWidget(hinweis);
    auto* karten = new QTabWidget(&d);
    karten->setObjectName(QStringLiteral("Bestand_Arten"));
    QPlainTextEdit* felder[3];
    const char16_t* titel[3] = {u"R (Widerstände)", u"L (Spulen)", u"C (Kondensatoren)"};
    const char* namen[3] = {"Bestand_R", "Bestand_L", "Bestand_C"};
    for (int art = 0; art < 3; ++art) {
        felder[art] = new QPlainTextEdit(karten);
        felder[art]->setObjectName(QString::fromLatin1(namen[art]));
        felder[art]->setPlainText(m_bestandText[art]);
        karten->addTab(felder[art], QString::fromUtf16(titel[art]));
    }
    const int art = m_auswahl->itemIndex();
    karten->setCurrentIndex(art >= 0 && art <= 2 ? art : 0);
    lay->addWidget(karten);
    auto* datei = new QPushButton(QStringLiteral(u"Aus Datei lesen …"), &d);
    datei->setObjectName(QStringLiteral("Bestand_Datei"));
    connect(datei, &QPushButton::clicked, &d, [&] {
        const QString pfad = QFileDialog::getOpenFileName(&d, QStringLiteral("Bestand aus Datei lesen"), QString(),
                                                          QStringLiteral("Text und CSV (*.txt *.csv);;Alle Dateien (*)"));
        if (pfad.isEmpty()) return;
        const auto t = sicherung::textDateiLesen(pfad);
        if (!t.fehler.isEmpty()) {
            Meldungen::fehler(t.fehler);
            return;
        }
        QPlainTextEdit* f = felder[karten->currentIndex()];
        QString neu = f->toPlainText();
        if (!neu.isEmpty() && !neu.endsWith(u'\n')) neu += u'\n';
        f->setPlainText(neu + bestandAusDatei(t.text, dezimal()));
    });
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    knoepfe->addButton(datei, QDialogButtonBox::ActionRole);
    connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    lay->addWidget(knoepfe);
    d.resize(360, 380);
    if (d.exec() != QDialog::Accepted) return;
    QString texte[3];
    for (int k = 0; k < 3; ++k) texte[k] = felder[k]->toPlainText();
    bestandUebernehmen(texte);
}

void ToleranzSeite::listeFuellen(Zeilenliste* re, const std::vector<ToleranzZeile>& zeilen) {
    std::vector<Listenzeile> l;
    l.reserve(zeilen.size());
    for (const ToleranzZeile& z : zeilen) l.push_back({z.text, z.gruen ? clGreen : clMaroon});
    re->setzeZeilen(std::move(l));
}

}  // namespace zelmo
