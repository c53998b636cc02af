#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class LedSeite : public Rechnerseite {
    Q_OBJECT
public:
    LedSeite(const Umgebung& umgebung, QWidget* parent);

};

}  // namespace zelmo
