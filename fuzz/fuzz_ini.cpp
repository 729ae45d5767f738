// Feeds arbitrary bytes to the INI reader, then writes a key into the parsed
// file and checks that it reads back and that the other keys keep their values.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/ini.h"

using quarnelo::settings::IniDatei;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 20000) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniDatei ini = IniDatei::AusBytes(bytes);
    const QString sektionen[] = {QStringLiteral("PBCH"), QStringLiteral("oped"), QStringLiteral("SP")};
    const QString schluessel[] = {QStringLiteral("COL"), QStringLiteral("ed_sep"), QStringLiteral("pb")};
    for (const QString& s : sektionen)
        for (const QString& k : schluessel) {
            (void)ini.LeseText(s, k, QString());
            (void)ini.LeseGanzzahl(s, k, 0);
        }
    const QString vorher = ini.LeseText(QStringLiteral("SP"), QStringLiteral("PB"), QStringLiteral("<none>"));

    // The value is taken from the input, without line breaks, which no value holds.
    QString wert = QString::fromUtf8(bytes.left(40));
    wert.remove(QLatin1Char('\r'));
    wert.remove(QLatin1Char('\n'));
    ini.SchreibeText(QStringLiteral("OPED"), QStringLiteral("ed_sep"), wert);
    const IniDatei wieder = IniDatei::AusBytes(ini.ZuBytes());
    const QString gelesen =
        wieder.LeseText(QStringLiteral("oped"), QStringLiteral("ED_SEP"), QStringLiteral("<none>"));
    const bool eigeneQuotes = wert.size() >= 2 && wert.front() == wert.back() &&
                              (wert.front() == QLatin1Char('"') || wert.front() == QLatin1Char('\''));
    const bool ansi = ini.kodierung() == IniDatei::Kodierung::Ansi;
    if (!eigeneQuotes && !ansi && gelesen != wert) std::abort();
    if (wieder.LeseText(QStringLiteral("SP"), QStringLiteral("PB"), QStringLiteral("<none>")) != vorher)
        std::abort();
    return 0;
}
