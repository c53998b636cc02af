#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class WiderstandSeite : public Rechnerseite {
    Q_OBJECT
public:
    WiderstandSeite(const Umgebung& umgebung, QWidget* parent);

};

}  // namespace zelmo
