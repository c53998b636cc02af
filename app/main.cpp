// Program entry: the application, the main window, the four dialogs, the message loop.

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "app/Hauptfenster.h"
#include "dialogs/Dialoge.h"
#include "platform/Einzelinstanz.h"
#include "platform/Hilfeanzeige.h"
#include "platform/Plattform.h"
#include "platform/ordner.h"

namespace {
int signalPaar[2];
void beiSignal(int) {
    char c = 1;
    (void)!::write(signalPaar[0], &c, 1);
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmotron V1.2"));
    QApplication::setApplicationDisplayName(QString());

    // one program per data folder: a second start shows the running window and ends untouched
    zelmo::Einzelinstanz einzeln(zelmo::plattform::datenOrdner());
    if (!einzeln.alsErsteStarten()) return einzeln.zweiterStart();

    zelmo::Hauptfenster fenster;
    einzeln.fensterZeigenBeiAnfrage(&fenster);
    zelmo::OptionenDialog optionen(fenster.umgebung().dezimal, &fenster);
    zelmo::InfoDialog info(&fenster);
    zelmo::SternDreieckDialog sternDreieck(&fenster);
    zelmo::UpdateDialog update(&fenster);
    fenster.setzeDialoge(&optionen, &info, &sternDreieck, &update);

    // the help viewer reads the help file beside the program when a topic is asked for
    zelmo::Hilfeanzeige hilfe(zelmo::plattform::programmOrdner() + u'/' + zelmo::hilfeDateiName);
    zelmo::plattform::setzeHilfeAnzeige([&hilfe](int kontext) { hilfe.zeige(kontext); });

    // A desktop session that ends (SIGTERM, SIGINT) closes the window like its "OK" button, so that
    // the values are saved.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPaar) == 0) {
        auto* notifier = new QSocketNotifier(signalPaar[1], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &fenster, [&fenster] {
            char c;
            (void)!::read(signalPaar[1], &c, 1);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &fenster && w->isModal()) w->close();
            fenster.close();
        });
        std::signal(SIGTERM, beiSignal);
        std::signal(SIGINT, beiSignal);
    }

    fenster.show();
    return app.exec();
}
