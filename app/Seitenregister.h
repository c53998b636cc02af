// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A page control whose tabs wrap onto several rows; the row of the selected tab lies next to the page.
//
// Keyboard: the tab rows take the focus with Tab; the arrow keys (and Home, End) then choose the page.
// Ctrl+PgDown / Ctrl+PgUp switch the pages of the page control that holds the focus (the innermost one
// around the focused widget), round the end. Ctrl+Tab / Ctrl+Shift+Tab do the same, except that past the
// last (before the first) page of an inner page control they switch the page control outside it. A
// switch from inside a page moves the focus to the first stop of the new page. Assistive technology sees a page tab list with one page tab per
// page (name, selected state, focus and selection events).

#include <QWidget>
#include <vector>

namespace zelmo {

class Seitenregister : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)
public:
    explicit Seitenregister(const QString& name, QWidget* parent = nullptr);
    ~Seitenregister() override;

    // Adds a page (an empty widget named name) and returns it.
    QWidget* neueSeite(const QString& name, const QString& titel);

    int count() const { return int(m_seiten.size()); }
    int currentIndex() const { return m_aktuell; }
    void setCurrentIndex(int i);
    QWidget* seite(int i) const { return m_seiten.at(size_t(i)).seite; }
    // The index of a page, -1 for any other widget.
    int indexVon(const QWidget* seite) const;
    QString tabText(int i) const { return m_seiten.at(size_t(i)).titel; }
    // Rectangle of tab i in this widget's coordinates.
    QRect tabRechteck(int i) const { return m_seiten.at(size_t(i)).reiter; }
    int reihen() const { return m_reihen; }
    // The area of the pages.
    QRect seitenRechteck() const;

    // Next (schritt 1) or previous (-1) page, round the end; the focus follows into the new page when
    // it was inside the old one.
    void blaettern(int schritt);

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    struct Eintrag {
        QWidget* seite;
        QString titel;
        QRect reiter;
        int breite = 0;  // of the tab at its natural size: the title's width in the font, with margins
    };
    int reiterBreite(const QString& titel) const;
    void anordnen();
    int reiterHoehe() const;
    void meldeAuswahl(int alt, int neu);

    std::vector<Eintrag> m_seiten;
    int m_aktuell = -1;
    int m_reihen = 1;
};

}  // namespace zelmo
