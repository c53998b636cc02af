#pragma once
// A desktop session that ends saves the values, on every platform.

namespace zelmo {

class Hauptfenster;

// The session manager's request to save (logout, shutdown) writes the settings and data files at
// once; the window stays open, since the session may still be cancelled. On Unix the signals a
// session sends its programs (SIGTERM, SIGINT, SIGHUP) close the window like its "OK" button.
void sitzungsendeBeachten(Hauptfenster& fenster);

}  // namespace zelmo
