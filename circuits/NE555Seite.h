#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class NE555Seite : public Rechnerseite {
    Q_OBJECT
public:
    NE555Seite(const Umgebung& umgebung, QWidget* parent);
};

}  // namespace zelmo
