// The German report window for errors and proposals.
#pragma once

#include "ui/berichtfenster.h"

namespace quarnelo::ui {

class Tbugreport_de : public Berichtfenster {
    Q_OBJECT
public:
    explicit Tbugreport_de(Programm& programm);
};

}  // namespace quarnelo::ui
