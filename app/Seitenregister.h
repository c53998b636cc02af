#pragma once
// A page control whose tabs wrap onto several rows; the row of the selected tab lies next to the page.

#include <QWidget>
#include <vector>

namespace zelmo {

class Seitenregister : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)
public:
    explicit Seitenregister(const QString& name, QWidget* parent = nullptr);

    // Adds a page (an empty widget named name) and returns it.
    QWidget* neueSeite(const QString& name, const QString& titel);

    int count() const { return int(m_seiten.size()); }
    int currentIndex() const { return m_aktuell; }
    void setCurrentIndex(int i);
    QWidget* seite(int i) const { return m_seiten.at(size_t(i)).seite; }
    QString tabText(int i) const { return m_seiten.at(size_t(i)).titel; }
    // Rectangle of tab i in this widget's coordinates.
    QRect tabRechteck(int i) const { return m_seiten.at(size_t(i)).reiter; }
    int reihen() const { return m_reihen; }
    // The area of the pages.
    QRect seitenRechteck() const;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    struct Eintrag {
        QWidget* seite;
        QString titel;
        QRect reiter;
    };
    void anordnen();
    int reiterHoehe() const;

    std::vector<Eintrag> m_seiten;
    int m_aktuell = -1;
    int m_reihen = 1;
};

}  // namespace zelmo
