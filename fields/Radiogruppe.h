// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A group box of radio buttons with an item index, laid out in columns (filled column by column).
// Selecting an item from code runs the click handler when the index changes, as a user's click does,
// unless the caller asks otherwise.

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class QRadioButton;

namespace zelmo {

class Radiogruppe : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
public:
    Radiogruppe(const QString& name, const QString& titel, const QStringList& items, int spalten = 1,
                QWidget* parent = nullptr);

    int itemIndex() const { return m_index; }
    // -1 selects nothing. runHandler false: the click handler stays detached for this assignment.
    void setItemIndex(int i, bool runHandler);
    void setItemIndex(int i) { setItemIndex(i, true); }
    // Selects item i and runs the click handler even when i was selected already, so that the page
    // shows what was read from a file or set up for a first start.
    void waehle(int i);

    int anzahl() const { return int(m_knoepfe.size()); }
    QRadioButton* knopf(int i) const { return m_knoepfe.at(size_t(i)); }
    void setKnopfFett(int i, bool fett);
    bool knopfFett(int i) const;
    // Places button i at a left offset (and width, when given) inside the group; kept on re-layout.
    void setzeKnopf(int i, int links, int breite = -1);
    void setSpalten(int spalten);

    // The group's click handler: how a group tells its page (a field has its accept stage).
    std::function<void()> klick;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void anordnen();
    void knopfGeklickt(int i);

    std::vector<QRadioButton*> m_knoepfe;
    std::map<int, std::pair<int, int>> m_platz;  // button -> (left, width)
    int m_spalten;
    int m_index = -1;
};

}  // namespace zelmo
