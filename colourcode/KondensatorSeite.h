#pragma once

#include "fields/Rechnerseite.h"

namespace zelmo {

class KondensatorSeite : public Rechnerseite {
    Q_OBJECT
public:
    KondensatorSeite(const Umgebung& umgebung, QWidget* parent);
};

}  // namespace zelmo
