#include "ui/u_hilfe_en.h"

namespace quarnelo::ui {

namespace {

Hilfetexte Texte() {
    return {
        .deutsch = false,
        .seiten = {QStringLiteral("Help"), QStringLiteral("Regards"), QStringLiteral("Software"),
                   QStringLiteral("Why Donate?"), QStringLiteral("Licence")},
        .hilfe = QStringLiteral("Help"),
        .absaetze =
            {QStringLiteral("The Quarnelo makes it possible to convert values, fractions and terms from one unit to "
                            "another one. There are a lot units at your disposal and you can also define custom "
                            "units and categories to work with them in the same way."),
             QStringLiteral("First, choose a category of units at the top of the window. After that you can choose to "
                            "display the units as comparison or as table. In the comparison mode, you can choose two "
                            "or three units and enter values for them, which are then converted. In the table mode, "
                            "all units of a category are displayed at the same time and the values have to be entered "
                            "under the table. To facilitate selecting units, you can enter the first characters of the "
                            "unit in the input boxes or you can use a global filter at the top of the window like "
                            "\"unit1,unit2,unit3\"."),
             QStringLiteral("A detailed description of all functions, with examples of fractions, terms and custom "
                            "units, can be found in the online documentation on the program's page (link above)."),
             QStringLiteral("Do you have suggestions, wishes or criticism? We appreciate any feedback. Simply write to "
                            "us using the form on our support page.")},
        .anliegen = QStringLiteral("Your Converns"),
        .individuell = QStringLiteral("Individual Software"),
        .individuellText =
            QStringLiteral("Are you looking for a program that fits your workflow exactly? We develop software to "
                           "your wishes, from a small utility to a complete application, and adapt existing programs "
                           "to your needs."),
        .individuellPfad = QStringLiteral("/individual"),
        .webdienste = QStringLiteral("Web Services"),
        .webdiensteText = QStringLiteral("We also plan, design and look after websites and online applications, "
                                         "from the first idea to their daily operation."),
        .softwareHinweis = QStringLiteral("Our other programs are presented on our website:"),
        .spendenText = QStringLiteral("The Quarnelo is free of charge. If you like it, please support its further "
                                      "development with a donation:"),
        .spendenPfad = QStringLiteral("/donate"),
        .spendenbild = {QStringLiteral("How your donation helps"),
                        {QStringLiteral("You use the Quarnelo free of charge"),
                         QStringLiteral("You donate an amount of your choice"),
                         QStringLiteral("We maintain and extend the program")}},
        .bedingungen = QStringLiteral("Terms of Use"),
        .bedingungenText =
            QStringLiteral("The Quarnelo is free of charge. You may use it without restriction for private and "
                           "business purposes and pass it on unchanged, together with all its files. You may not "
                           "modify or sell the program, nor distribute it as part of another offer. The complete "
                           "licence terms are available here:"),
        .lizenzPfad = QStringLiteral("/licence"),
        .spendenBitte = QStringLiteral("If you like the Quarnelo, we are glad about a donation:"),
        .haftung = QStringLiteral("ATTENTION! Dependend on the source, there are different definitions of one and the "
                                  "same unit. Because of that, no responsibility is taken for the correctness of the "
                                  "values and units provided."),
        .zurueck = QStringLiteral("<< back"),
        .weiter = QStringLiteral("next >>"),
        .zurueckName = "btien1",
        .weiterName = "btien2",
        .logoName = "Image3",
        .listeName = "TFrame2",
    };
}

}  // namespace

Thilfe_en::Thilfe_en(Programm& programm)
    : Hilfefenster(programm, "Thilfe_en", Texte()), btien1(zurueck_), btien2(weiter_), Image3(logo_) {}

}  // namespace quarnelo::ui
