#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class SternDreieckSeite : public Rechnerseite {
    Q_OBJECT
public:
    SternDreieckSeite(const Umgebung& umgebung, QWidget* parent);
};

}  // namespace zelmo
