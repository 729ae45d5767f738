#include "ui/u_bugreport_en.h"

namespace quarnelo::ui {

Tbugreport_en::Tbugreport_en(Programm& programm)
    : Berichtfenster(
          programm, "Tbugreport_en",
          {.deutsch = false,
           .titel = QStringLiteral("Report Bug or Improvement"),
           .anrede = QStringLiteral("Dear User,"),
           .einladung = QStringLiteral("have you found an error or do you have an idea how the Quarnelo could be "
                                       "improved? Then please tell us on the following web page. We appreciate every "
                                       "report and every proposal:"),
           .email = QStringLiteral("Giving your e-mail address is voluntary. If you give it, we can answer you and "
                                   "get in touch with you when we have questions."),
           .individuell = QStringLiteral("Do you need a program that is tailored exactly to your tasks? We develop "
                                         "individual software solutions for every purpose:"),
           .individuellPfad = QStringLiteral("/individual")}) {}

}  // namespace quarnelo::ui
