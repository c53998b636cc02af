#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class DrosselSeite : public Rechnerseite {
    Q_OBJECT
public:
    DrosselSeite(const Umgebung& umgebung, QWidget* parent);
};

}  // namespace zelmo
