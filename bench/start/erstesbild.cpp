// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into a Qt Widgets program by bench/start.sh (LD_PRELOAD): when the first window has been
// painted and handed to the window system, it writes the time since ZELMO_START (bash's
// $EPOCHREALTIME taken just before the program was started), the peak resident memory so far, the
// processor time used so far and the number of shared libraries mapped (without this one) to the file
// named by ZELMO_MESSUNG (with ZELMO_SPEICHERKARTE also a copy of /proc/self/smaps to that file), and
// ends the program at once. The same library goes into the program and into the empty window it is
// compared with, so both pay the same for it.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double jetztSekunden() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The shared libraries this process has mapped, each once, without the preloaded library itself.
int bibliotheken() {
    std::set<std::string> pfade;
    if (FILE* f = std::fopen("/proc/self/maps", "r")) {
        char zeile[4096];
        while (std::fgets(zeile, sizeof zeile, f)) {
            std::string z = zeile;
            const auto anfang = z.find('/');
            if (anfang == std::string::npos) continue;
            std::string pfad = z.substr(anfang);
            while (!pfad.empty() && (pfad.back() == '\n' || pfad.back() == ' ')) pfad.pop_back();
            const auto name = pfad.substr(pfad.rfind('/') + 1);
            if (name.find(".so") != std::string::npos && name != "liberstes_bild.so") pfade.insert(pfad);
        }
        std::fclose(f);
    }
    return int(pfade.size());
}

[[noreturn]] void festhaltenUndEnden() {
    const double ende = jetztSekunden();
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    const char* start = std::getenv("ZELMO_START");
    const char* datei = std::getenv("ZELMO_MESSUNG");
    if (start && datei) {
        // $EPOCHREALTIME uses the locale's decimal separator
        std::string s = start;
        for (char& c : s)
            if (c == ',') c = '.';
        if (FILE* f = std::fopen(datei, "w")) {
            const double cpu = double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000.0 +
                               double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000.0;
            // the figures in C notation whatever the program's locale (its numbers follow the desktop)
            double beginn = 0.0;
            std::from_chars(s.data(), s.data() + s.size(), beginn);
            const auto zahl = [](double w) {
                char t[64];
                return std::string(t, std::to_chars(t, t + sizeof t, w, std::chars_format::fixed, 3).ptr);
            };
            const std::string zeile = zahl((ende - beginn) * 1000.0) + ' ' + std::to_string(r.ru_maxrss) + ' ' +
                                      zahl(cpu) + ' ' + std::to_string(bibliotheken()) + '\n';
            std::fputs(zeile.c_str(), f);
            std::fclose(f);
        }
    }
    // ZELMO_SPEICHERKARTE: a copy of /proc/self/smaps at this moment, to see where the memory goes
    if (const char* karte = std::getenv("ZELMO_SPEICHERKARTE")) {
        FILE* ein = std::fopen("/proc/self/smaps", "r");
        FILE* aus = std::fopen(karte, "w");
        if (ein && aus) {
            char block[65536];
            for (size_t n; (n = std::fread(block, 1, sizeof block, ein)) > 0;) std::fwrite(block, 1, n, aus);
        }
        if (ein) std::fclose(ein);
        if (aus) std::fclose(aus);
    }
    std::fflush(nullptr);
    _exit(0);
}

class ErstesBild : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        // the paint of a window's content; what it painted reaches the window system before the
        // event loop turns again, so the moment after that turn is the first frame
        if (!m_gesehen && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window()->isVisible()) {
            m_gesehen = true;
            QTimer::singleShot(0, [] { festhaltenUndEnden(); });
        }
        return false;
    }

private:
    bool m_gesehen = false;
};

void einrichten() {
    if (!std::getenv("ZELMO_MESSUNG")) return;
    QCoreApplication::instance()->installEventFilter(new ErstesBild);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(einrichten)
