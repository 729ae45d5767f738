#include "ui/u_bugreport_de.h"

namespace quarnelo::ui {

Tbugreport_de::Tbugreport_de(Programm& programm)
    : Berichtfenster(
          programm, "Tbugreport_de",
          {.deutsch = true,
           .titel = QStringLiteral("Fehler oder Verbesserung melden"),
           .anrede = QStringLiteral("Sehr geehrter Anwender,"),
           .einladung = QStringLiteral("haben Sie einen Fehler gefunden oder eine Idee, wie sich der Quarnelo "
                                       "verbessern ließe? Dann teilen Sie es uns bitte auf der folgenden Webseite "
                                       "mit. Wir freuen uns über jede Meldung und jeden Vorschlag:"),
           .email = QStringLiteral("Die Angabe Ihrer E-Mail-Adresse ist freiwillig. Wenn Sie sie angeben, können "
                                   "wir Ihnen antworten und bei Rückfragen mit Ihnen in Kontakt treten."),
           .individuell = QStringLiteral("Sie brauchen ein Programm, das genau auf Ihre Aufgaben zugeschnitten ist? "
                                         "Wir entwickeln individuelle Softwarelösungen für jeden Zweck:"),
           .individuellPfad = QStringLiteral("/individuell")}) {}

}  // namespace quarnelo::ui
