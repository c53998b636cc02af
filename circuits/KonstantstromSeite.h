#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class KonstantstromSeite : public Rechnerseite {
    Q_OBJECT
public:
    KonstantstromSeite(const Umgebung& umgebung, QWidget* parent);
};

}  // namespace zelmo
