#include "ui/u_hilfe.h"

namespace quarnelo::ui {

namespace {

Hilfetexte Texte() {
    return {
        .deutsch = true,
        .seiten = {QStringLiteral("Hilfe"), QStringLiteral("Empfehlungen"), QStringLiteral("Software"),
                   QStringLiteral("Wieso spenden?"), QStringLiteral("Lizenz")},
        .hilfe = QStringLiteral("Hilfe"),
        .absaetze =
            {QStringLiteral("Der Quarnelo ermöglicht es Ihnen beliebige Werte, Brüche oder Terme von einer Einheit in "
                            "eine andere umzurechnen. Es stehen eine Vielzahl von Einheiten aus verschiedenen "
                            "Kategorien zur Verfügung und es können auch eigene Einheiten und Kategorien definiert "
                            "werden."),
             QStringLiteral("Wählen Sie als erstes oben eine Kategorie aus, dann wählen Sie eine Darstellungsform als "
                            "Vergleich oder als Tabelle. Im Vergleich können Sie zwei oder drei Einheiten auswählen "
                            "und dann direkt Werte für die Einheit eingeben, die dann umgerechnet werden. In der "
                            "Tabelle werden alle Einheiten gegenübergestellt, die Werte können in der Box unter der "
                            "Tabelle eingegeben werden. Um die Auswahl der Einheiten zu erleichtern können Sie in die "
                            "Boxen die ersten Buchstaben der Einheit, die Sie suchen, eingeben oder oben einen "
                            "globalen Filter wie \"einheit1,einheit2,einheit3\" verwenden."),
             QStringLiteral("Eine ausführliche Beschreibung aller Funktionen, mit Beispielen zu Brüchen, Termen und "
                            "eigenen Einheiten, finden Sie in der Online-Dokumentation auf der Seite des Programms "
                            "(Verweis oben)."),
             QStringLiteral("Haben Sie Anregungen, Wünsche oder Kritik? Wir freuen uns über jede Rückmeldung. "
                            "Schreiben Sie uns einfach über das Formular auf unserer Support-Seite.")},
        .anliegen = QStringLiteral("Ihre Anliegen"),
        .individuell = QStringLiteral("Individuelle Software"),
        .individuellText =
            QStringLiteral("Sie suchen ein Programm, das genau zu Ihren Abläufen passt? Wir entwickeln Software nach "
                           "Ihren Wünschen, vom kleinen Hilfsprogramm bis zur vollständigen Anwendung, und passen "
                           "bestehende Programme an Ihre Bedürfnisse an."),
        .individuellPfad = QStringLiteral("/individuell"),
        .webdienste = QStringLiteral("Webdienste"),
        .webdiensteText = QStringLiteral("Außerdem planen, gestalten und betreuen wir Webseiten und "
                                         "Online-Anwendungen, von der ersten Idee bis zum laufenden Betrieb."),
        .softwareHinweis = QStringLiteral("Unsere weiteren Programme stellen wir auf unserer Website vor:"),
        .spendenText = QStringLiteral("Der Quarnelo ist kostenlos. Wenn er Ihnen gefällt, unterstützen Sie seine "
                                      "Weiterentwicklung mit einer Spende:"),
        .spendenPfad = QStringLiteral("/spenden"),
        .spendenbild = {QStringLiteral("So hilft Ihre Spende"),
                        {QStringLiteral("Sie nutzen den Quarnelo kostenlos"),
                         QStringLiteral("Sie spenden einen Betrag Ihrer Wahl"),
                         QStringLiteral("Wir pflegen und erweitern das Programm")}},
        .bedingungen = QStringLiteral("Nutzungsbedingungen"),
        .bedingungenText =
            QStringLiteral("Der Quarnelo ist kostenlos. Sie dürfen ihn privat und beruflich ohne Einschränkung "
                           "nutzen und unverändert, mit allen seinen Dateien, weitergeben. Es ist nicht erlaubt, das "
                           "Programm zu verändern, zu verkaufen oder als Teil eines anderen Angebots zu vertreiben. "
                           "Die vollständigen Lizenzbedingungen finden Sie hier:"),
        .lizenzPfad = QStringLiteral("/lizenz"),
        .spendenBitte = QStringLiteral("Wenn Ihnen der Quarnelo gefällt, freuen wir uns über eine Spende:"),
        .haftung = QStringLiteral("ACHTUNG! Die Definition einer Einheit kann sich je nach Quelle stark "
                                  "unterscheiden. Daher übernehmen wir keinerlei Gewähr für die Korrektheit der "
                                  "Einheitenwerte."),
        .zurueck = QStringLiteral("<< zurück"),
        .weiter = QStringLiteral("weiter >>"),
        .zurueckName = "btide1",
        .weiterName = "btide2",
        .logoName = "Image2",
        .listeName = "TFrame1",
    };
}

}  // namespace

Thilfe::Thilfe(Programm& programm)
    : Hilfefenster(programm, "Thilfe", Texte()), btide1(zurueck_), btide2(weiter_), Image2(logo_) {}

}  // namespace quarnelo::ui
