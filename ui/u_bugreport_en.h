// The English report window for errors and proposals.
#pragma once

#include "ui/berichtfenster.h"

namespace quarnelo::ui {

class Tbugreport_en : public Berichtfenster {
    Q_OBJECT
public:
    explicit Tbugreport_en(Programm& programm);
};

}  // namespace quarnelo::ui
