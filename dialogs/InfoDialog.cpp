// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/InfoDialog.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "fields/Bausteine.h"
#include "fields/Meldungen.h"
#include "platform/Plattform.h"

namespace zelmo {

namespace {
const QString buildDatum = QStringLiteral("08.06.2021");

QLabel* text(QWidget* eltern, const QString& name, const QString& t, QRect platz, int pixel, bool fett,
             bool unterstrichen, const QColor& farbe, Qt::Alignment ausrichtung) {
    QLabel* l = beschriftung(eltern, t, platz, name);
    QFont f(QStringLiteral("Arial"));
    if (pixel > 0) f.setPixelSize(pixel);
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, farbe);
    l->setPalette(p);
    l->setAlignment(ausrichtung);
    return l;
}

QPlainTextEdit* memo(QWidget* eltern, const QString& name, const QString& inhalt, QRect platz) {
    auto* m = new QPlainTextEdit(inhalt, eltern);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setGeometry(platz);
    return m;
}
}  // namespace

QString lizenzHinweis() {
    return QStringLiteral(u"Zelmotron " ZELMO_VERSION "\r"
                          u"Copyright © 2026 QR2ZUX <autor@qr2zux.example>\r\r"
                          u"Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU "
                          u"General Public License, wie von der Free Software Foundation veröffentlicht, "
                          u"weitergeben und/oder ändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer "
                          u"Wahl) jeder späteren Version.\r\r"
                          u"Dieses Programm wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE "
                          u"JEDE GEWÄHRLEISTUNG, sogar ohne die implizite Gewährleistung der MARKTREIFE oder "
                          u"der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten stehen in der GNU General "
                          u"Public License.\r\r"
                          u"Den Wortlaut der Lizenz gibt es unter https://www.gnu.org/licenses/gpl-3.0.html, "
                          u"auf Debian-Systemen auch in /usr/share/common-licenses/GPL-3.");
}

QString mailLink() {
    return QStringLiteral("mailto:") + autorAdresse + QStringLiteral(" ?Subject=Zelmos V1.2.1   Build vom:  ") +
           buildDatum + QStringLiteral("&Body=Ihre Nachricht:");
}

InfoDialog::InfoDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm3"), QStringLiteral(" Info   Zelmotron V1.2"), {401, 532}, parent) {
    oeffnen = [](const QString& url) { plattform::oeffne(url); };
    const QColor navy(0, 0, 128);

    auto* titel = new QFrame(this);
    titel->setObjectName(QStringLiteral("Panel1"));
    titel->setGeometry(12, 12, 377, 150);
    titel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hintergrund(titel, palette().color(QPalette::ToolTipBase));
    text(titel, QStringLiteral("StaticText3"), QStringLiteral("QR2ZUXs"), {14, 10, 200, 26}, 21, true, false, navy,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(titel, QStringLiteral("StaticText1"), QStringLiteral("Zelmotron"), {0, 42, 377, 36}, 27, true, true, navy,
         Qt::AlignCenter);
    text(titel, QStringLiteral("StaticText2"), QStringLiteral("Programmversion 1.2.1"), {0, 86, 377, 20}, 0, false,
         false, Qt::black, Qt::AlignCenter);
    m_build = text(titel, QStringLiteral("StaticText4"), QString(), {0, 114, 377, 20}, 0, false, false, Qt::black,
                   Qt::AlignCenter);

    auto* label4 = beschriftung(this, QString(), {12, 170, 377, 20}, QStringLiteral("Label4"));
    label4->setWordWrap(true);

    m_credits = new QPushButton(QStringLiteral("Credits"), this);
    m_credits->setObjectName(QStringLiteral("Credits"));
    m_credits->setGeometry(12, 196, 90, 26);
    connect(m_credits, &QPushButton::clicked, this, &InfoDialog::CreditsClick);

    m_memo1 = memo(this, QStringLiteral("Memo1"),
                   QStringLiteral(" Dieses Programm ist leider nicht fehlerfrei!\n\n"
                                  " Fehlermeldungen oder Anregungen zur Verbesserung \n"
                                  " des Programms bitte, per E-Mail, an den Autor \n"
                                  " senden.\n"),
                   {12, 230, 377, 130});
    m_memo2 = memo(this, QStringLiteral("Memo2"),
                   QStringLiteral(" Layout und Design der Oberfläche: das Zelmotron-Team"), {12, 230, 377, 130});
    m_memo2->hide();
    // named as the button names them that switches between the two
    m_memo1->setAccessibleName(QStringLiteral("Hinweis"));
    m_memo2->setAccessibleName(QStringLiteral("Credits"));

    auto* linie = new QFrame(this);
    linie->setObjectName(QStringLiteral("Shape1"));
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(12, 372, 377, 4);

    auto* updates = new QPushButton(QStringLiteral("nach Updates sehen"), this);
    updates->setObjectName(QStringLiteral("Info_B_Updates"));
    updates->setGeometry(12, 388, 160, 28);
    connect(updates, &QPushButton::clicked, this, [this] {
        if (updatesZeigen) updatesZeigen();
    });

    m_web = text(this, QStringLiteral("Info_L_WebSeite"), QStringLiteral("Web Seite des Programmautors"),
                 {12, 430, 260, 20}, 0, false, true, QColor(0, 0, 160), Qt::AlignLeft | Qt::AlignVCenter);
    m_mail = text(this, QStringLiteral("Info_L_EMail"), QStringLiteral("E-Mail an den Autor senden"),
                  {12, 456, 260, 20}, 0, false, false, QColor(0, 0, 160), Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* l : {m_web, m_mail}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }
    // where the links lead, for assistive technology
    m_web->setAccessibleDescription(webSeite);
    m_mail->setAccessibleDescription(autorAdresse);

    // the notices the licence asks of an interactive program: copyright, no warranty, the licence
    auto* lizenz = beschriftung(this, QString(), {12, 482, 280, 40}, QStringLiteral("Info_L_Lizenz"));
    lizenz->setTextFormat(Qt::RichText);
    lizenz->setWordWrap(true);
    lizenz->setText(QStringLiteral(u"© 2026 QR2ZUX · ohne jede Gewährleistung<br>"
                                   u"<a href=\"lizenz\">Lizenz: GNU GPL, Version 3 oder später</a>"));
    lizenz->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lizenz->setFocusPolicy(Qt::StrongFocus);
    connect(lizenz, &QLabel::linkActivated, this, [] { Meldungen::hinweis(lizenzHinweis()); });

    auto* ok = new QPushButton(QStringLiteral("Schliessen"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(299, 488, 90, 30);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void InfoDialog::showEvent(QShowEvent* e) {
    m_build->setText(QStringLiteral("Build:  ") + buildDatum);
    Dialog::showEvent(e);
}

bool InfoDialog::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton &&
        (o == m_web || o == m_mail)) {
        // the result is not checked: without a browser or mail program nothing happens
        if (oeffnen) oeffnen(o == m_web ? webSeite : mailLink());
        return true;
    }
    return Dialog::eventFilter(o, e);
}

void InfoDialog::CreditsClick() {
    m_memos = !m_memos;
    m_memo1->setVisible(!m_memos);
    m_memo2->setVisible(m_memos);
    m_credits->setText(m_memos ? QStringLiteral("Hinweis") : QStringLiteral("Credits"));
}

}  // namespace zelmo
