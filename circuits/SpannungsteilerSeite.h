#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class SpannungsteilerSeite : public Rechnerseite {
    Q_OBJECT
public:
    SpannungsteilerSeite(const Umgebung& umgebung, QWidget* parent);

};

}  // namespace zelmo
