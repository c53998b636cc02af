#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class LM317Seite : public Rechnerseite {
    Q_OBJECT
public:
    LM317Seite(const Umgebung& umgebung, QWidget* parent);
};

}  // namespace zelmo
