// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Zeilenliste.h"

#include <QAbstractItemDelegate>
#include <QAbstractListModel>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#if defined(__x86_64__) || defined(__i386__)
#endif

namespace zelmo {

// The lines as the view asks for them: the text, its colour, and for assistive technology the
// columns without the padding, one after the other.
class Zeilenmodell : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    std::vector<Listenzeile> zeilen;

    int rowCount(const QModelIndex& eltern) const override { return eltern.isValid() ? 0 : int(zeilen.size()); }
    QVariant data(const QModelIndex& i, int rolle) const override {
        if (!i.isValid() || i.row() >= int(zeilen.size())) return {};
        const Listenzeile& z = zeilen[size_t(i.row())];
        switch (rolle) {
            case Qt::DisplayRole: return z.text;
            case Qt::ForegroundRole: return z.farbe;
            case Qt::AccessibleTextRole: {
                QStringList spalten = z.text.split(u'\t');
                for (QString& s : spalten) s = s.simplified();
                spalten.removeAll(QString());
                return spalten.join(QStringLiteral("; "));
            }
            default: return {};
        }
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override {
        return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
    }
    void setzen(std::vector<Listenzeile> neu) {
        beginResetModel();
        zeilen = std::move(neu);
        endResetModel();
    }
};

namespace {

// One line laid out as the list paints it: one text line in the list's font, tab stops and margin.
struct Zeilensatz {
    QTextLayout satz;
    Zeilensatz(const QString& text, const QFont& f, const QTextOption& o) : satz(text, f) {
        satz.setTextOption(o);
        satz.setCacheEnabled(true);  // drawn as it was shaped, not shaped a second time
        satz.beginLayout();
        QTextLine l = satz.createLine();
        l.setLeadingIncluded(true);
        l.setPosition(QPointF(Zeilenliste::rand, 0));
        satz.endLayout();
    }
    QTextLine zeile() const { return satz.lineAt(0); }
};

}  // namespace

// Paints one line: the highlight of a selected line, the text in its colour from its tab stops, the
// focus frame of the current line.
class Zeilenmaler : public QAbstractItemDelegate {
public:
    explicit Zeilenmaler(Zeilenliste* liste) : QAbstractItemDelegate(liste), m_liste(liste) {}

    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        const Listenzeile& z = m_liste->m_modell->zeilen[size_t(i.row())];
        const QPalette::ColorGroup gruppe = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                            : (o.state & QStyle::State_Active) ? QPalette::Active
                                                                                : QPalette::Inactive;
        const bool gewaehlt = o.state & QStyle::State_Selected;
        if (gewaehlt) p->fillRect(o.rect, o.palette.brush(gruppe, QPalette::Highlight));
        const Zeilensatz s(z.text, o.font, m_liste->m_option);
        p->save();
        p->setPen(gewaehlt ? o.palette.color(gruppe, QPalette::HighlightedText) : z.farbe);
        s.satz.draw(p, QPointF(o.rect.left(), o.rect.top()));
        p->restore();
        if (o.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect f;
            f.QStyleOption::operator=(o);
            f.backgroundColor = o.palette.color(gruppe, gewaehlt ? QPalette::Highlight : QPalette::Base);
            m_liste->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &f, p, m_liste);
        }
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {m_liste->m_breite, m_liste->m_zeilenHoehe};
    }

private:
    Zeilenliste* m_liste;
};

Zeilenliste::Zeilenliste(const QString& name, QWidget* eltern) : QListView(eltern), m_modell(new Zeilenmodell(this)) {
    setObjectName(name);
    m_option.setWrapMode(QTextOption::NoWrap);
    setModel(m_modell);
    setItemDelegate(new Zeilenmaler(this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setDragEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    masseNeu();
}

void Zeilenliste::setzeZeilen(std::vector<Listenzeile> zeilen) {
    // Width and height of a line: those of the line with the most characters, the only one laid out
    // here (a sign from a fallback font, such as the double bar of a formula, makes a line higher).
    const Listenzeile* laengste = nullptr;
    for (const Listenzeile& z : zeilen)
        if (!laengste || z.text.size() > laengste->text.size()) laengste = &z;
    m_breite = 0;
    m_zeilenHoehe = m_grundHoehe;
    if (laengste) {
        const Zeilensatz s(laengste->text, font(), m_option);
        m_breite = int(std::ceil(s.zeile().naturalTextRect().right())) + rand;
        m_zeilenHoehe = std::max(m_grundHoehe, int(std::ceil(s.zeile().height())));
    }
    m_modell->setzen(std::move(zeilen));
    executeDelayedItemsLayout();  // the scroll bar knows the new length at once
    scrollToTop();
}

int Zeilenliste::anzahl() const { return int(m_modell->zeilen.size()); }

QString Zeilenliste::zeile(int i) const {
    return i >= 0 && i < anzahl() ? m_modell->zeilen[size_t(i)].text : QString();
}

QColor Zeilenliste::farbe(int i) const { return i >= 0 && i < anzahl() ? m_modell->zeilen[size_t(i)].farbe : QColor(); }

QStringList Zeilenliste::alleZeilen() const {
    QStringList l;
    l.reserve(anzahl());
    for (const Listenzeile& z : m_modell->zeilen) l << z.text;
    return l;
}

QStringList Zeilenliste::gewaehlteZeilen() const {
    QModelIndexList gewaehlt = selectionModel()->selectedRows();
    std::sort(gewaehlt.begin(), gewaehlt.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList l;
    for (const QModelIndex& i : gewaehlt) l << zeile(i.row());
    return l;
}

void Zeilenliste::setzeSchrift(const QFont& f) { setFont(f); }  // measured again on the change

void Zeilenliste::setzeTabs(const QList<QTextOption::Tab>& tabs, double abstand) {
    m_option.setTabs(tabs);
    m_option.setTabStopDistance(abstand);
    masseNeu();
}

double Zeilenliste::zeichenX(int i, int pos) const {
    const Zeilensatz s(zeile(i), font(), m_option);
    return s.zeile().cursorToX(pos) - s.zeile().x();
}

QRect Zeilenliste::visualRect(const QModelIndex& i) const {
    QRect r = QListView::visualRect(i);
    if (r.isValid() && verticalScrollBar()->value() == 0) r.translate(0, rand);
    return r;
}

QModelIndex Zeilenliste::indexAt(const QPoint& p) const {
    // lines of one height, scrolled line by line: the scroll bar's value is the top line
    const int oben = verticalScrollBar()->value();
    const int y = oben == 0 ? p.y() - rand : p.y();
    if (y < 0 || p.x() < 0 || p.x() >= viewport()->width() || m_zeilenHoehe <= 0) return {};
    const int zeile = oben + y / m_zeilenHoehe;
    return zeile < anzahl() ? m_modell->index(zeile, 0) : QModelIndex();
}

void Zeilenliste::changeEvent(QEvent* e) {
    QListView::changeEvent(e);
    if (e->type() == QEvent::FontChange) masseNeu();
}

void Zeilenliste::masseNeu() {
    // the height of a line as a text box gives it: ascent, descent and the font's leading
    m_grundHoehe = int(std::ceil(Zeilensatz(QStringLiteral("0"), font(), m_option).zeile().height()));
    setzeZeilen(m_modell->zeilen);  // the lines measured again
}

}  // namespace zelmo
