// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A read-only list of text lines whose columns line up at tab stops, each line in its own colour. It
// lays out and paints only the lines in view, so that filling it with a thousand lines costs no more
// than the few that are seen. Whole lines are selected with the mouse or the keyboard (arrows,
// Shift, Ctrl+A) for copying; assistive technology reads every line with its columns apart.

#include <QColor>
#include <QListView>
#include <QString>
#include <QStringList>
#include <QTextOption>
#include <vector>

namespace zelmo {

struct Listenzeile {
    QString text;
    QColor farbe;
};

class Zeilenmodell;

class Zeilenliste : public QListView {
    Q_OBJECT
public:
    // A list named name (its objectName).
    Zeilenliste(const QString& name, QWidget* eltern);

    // Replaces every line; the list then shows its first line with nothing selected.
    void setzeZeilen(std::vector<Listenzeile> zeilen);
    int anzahl() const;
    // The text and colour of line i (from 0); an empty text and no colour past the end.
    QString zeile(int i) const;
    QColor farbe(int i) const;
    // Every line, in order.
    QStringList alleZeilen() const;
    // The selected lines, in the order of the list.
    QStringList gewaehlteZeilen() const;

    // Font and tab stops of the lines (positions in pixels from the start of a line; after the last
    // stop every abstand pixels). The lines start rand pixels from the left edge of the list.
    void setzeSchrift(const QFont& f);
    void setzeTabs(const QList<QTextOption::Tab>& tabs, double abstand);
    const QTextOption& textOption() const { return m_option; }
    static constexpr int rand = 2;
    // Where the character at position pos of line i starts, in pixels from the start of the line
    // (as the line is painted).
    double zeichenX(int i, int pos) const;

    // As a text box: the first line stands rand pixels below the top edge while the list shows it
    // from its beginning; scrolled, the line at the top touches the edge.
    QRect visualRect(const QModelIndex& i) const override;
    QModelIndex indexAt(const QPoint& p) const override;

protected:
    void changeEvent(QEvent* e) override;

private:
    void masseNeu();

    friend class Zeilenmaler;
    Zeilenmodell* m_modell;
    QTextOption m_option;
    int m_grundHoehe = 14;  // of a line in the font
    int m_zeilenHoehe = 14;  // of the lines shown
    int m_breite = 0;  // of the widest line, with the margins
};

}  // namespace zelmo
