#include "settings/ini.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "textfiles/textdatei.h"

using quarnelo::settings::IniDatei;

namespace {

IniDatei Ansi(const char* text) {
    return IniDatei::AusBytes(QByteArray(text));
}

TEST(IniDatei, ReadsTheValueForms) {
    const IniDatei ini = Ansi(
        "[S]\r\n"
        "t1=  Wert mit Blanks  \r\n"
        "t2=\" x \"\r\n"
        "t3='y'\r\n"
        "t4=\"\"\r\n"
        "t5=\"halb\r\n"
        "t6=\"a'\r\n"
        "t7=\r\n"
        "i1=42\r\n"
        "i2=0x1F\r\n"
        "i3=-7\r\n"
        "i4=12abc\r\n"
        "b0=0\r\n"
        "b2=2\r\n"
        "bx=ja\r\n");
    struct T {
        const char* key;
        const char* wert;
    };
    for (const T& t : {T{"t1", "Wert mit Blanks"}, T{"t2", " x "}, T{"t3", "y"}, T{"t4", ""},
                       T{"t5", "\"halb"}, T{"t6", "\"a'"}, T{"t7", ""}})
        EXPECT_EQ(ini.LeseText(QStringLiteral("S"), QLatin1String(t.key), QStringLiteral("?")),
                  QLatin1String(t.wert))
            << t.key;
    EXPECT_EQ(ini.LeseText(QStringLiteral("S"), QStringLiteral("fehlt"), QStringLiteral("?")),
              QStringLiteral("?"));
    EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("S"), QStringLiteral("i1"), 0), 42);
    EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("S"), QStringLiteral("i2"), 0), 31);
    EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("S"), QStringLiteral("i3"), 0), -7);
    EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("S"), QStringLiteral("i4"), 5), 5);
    EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("S"), QStringLiteral("t7"), 5), 5);
    EXPECT_FALSE(ini.LeseBool(QStringLiteral("S"), QStringLiteral("b0"), true));
    EXPECT_TRUE(ini.LeseBool(QStringLiteral("S"), QStringLiteral("b2"), false));
    EXPECT_TRUE(ini.LeseBool(QStringLiteral("S"), QStringLiteral("bx"), true));
    EXPECT_FALSE(ini.LeseBool(QStringLiteral("S"), QStringLiteral("bx"), false));
}

TEST(IniDatei, MatchesSectionsAndKeysWithoutRegardToCase) {
    const IniDatei ini = Ansi(
        "k=ohne Sektion\r\n"
        "; k=Kommentar\r\n"
        " [ Abc ] Rest\r\n"
        "  KeY = eins\r\n"
        "key=zwei\r\n"
        "[Andere]\r\n"
        "nur=hier\r\n"
        "[ABC]\r\n"
        "spaet=drei\r\n");
    EXPECT_EQ(ini.Lesen(QStringLiteral("abc"), QStringLiteral("key")), QStringLiteral("eins"));
    EXPECT_EQ(ini.Lesen(QStringLiteral("aBC"), QStringLiteral("nur")), std::nullopt);
    EXPECT_EQ(ini.Lesen(QStringLiteral("andere"), QStringLiteral("NUR")), QStringLiteral("hier"));
    // Only the first of two sections of one name is consulted.
    EXPECT_EQ(ini.Lesen(QStringLiteral("abc"), QStringLiteral("spaet")), std::nullopt);
    EXPECT_EQ(ini.Lesen(QString(), QStringLiteral("k")), std::nullopt);
}

TEST(IniDatei, WritesInPlaceAndKeepsEveryOtherLine) {
    IniDatei ini = Ansi("; Kopf\n[A]\nX = 1\nfremd=bleibt\n\n[B]\nY=2");
    ini.Schreiben(QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("neu"));
    ini.Schreiben(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3"));
    ini.Schreiben(QStringLiteral("B"), QStringLiteral("w"), QStringLiteral("4"));
    ini.Schreiben(QStringLiteral("C"), QStringLiteral("v"), QStringLiteral("5"));
    EXPECT_EQ(ini.ZuBytes(), QByteArray("; Kopf\n[A]\nX=neu\nfremd=bleibt\nz=3\r\n\n[B]\nY=2\r\nw=4\r\n"
                                        "[C]\r\nv=5\r\n"));
    EXPECT_EQ(ini.kodierung(), IniDatei::Kodierung::Ansi);
}

TEST(IniDatei, QuotesTextWithOuterBlanksOrControls) {
    IniDatei ini;
    struct T {
        QString wert, zeile;
    };
    const T faelle[] = {
        {QStringLiteral(" "), QStringLiteral("k=\" \"")},
        {QStringLiteral("a b"), QStringLiteral("k=a b")},
        {QStringLiteral("a "), QStringLiteral("k=\"a \"")},
        {QStringLiteral("\ta"), QStringLiteral("k=\"\ta\"")},
        {QString(), QStringLiteral("k=")},
        {QStringLiteral("\"x\""), QStringLiteral("k=\"x\"")},
    };
    for (const T& t : faelle) {
        ini.SchreibeText(QStringLiteral("S"), QStringLiteral("k"), t.wert);
        EXPECT_EQ(ini.Zeilen().last(), t.zeile);
        const QString zurueck = IniDatei::AusBytes(ini.ZuBytes())
                                    .LeseText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("?"));
        // A value enclosed in quotes of its own loses them on the way.
        EXPECT_EQ(zurueck, t.wert == QStringLiteral("\"x\"") ? QStringLiteral("x") : t.wert);
    }
}

TEST(IniDatei, NewFileIsUtf16LittleEndian) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("neu.ini"));
    IniDatei ini = IniDatei::Laden(pfad);
    ini.Schreiben(QStringLiteral("S"), QStringLiteral("k"), QString::fromUtf8("Maß"));
    ini.Speichern(pfad);
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QStringLiteral("[S]\r\nk=") + QString::fromUtf8("Maß") + QStringLiteral("\r\n");
    EXPECT_EQ(f.readAll(), QByteArray("\xFF\xFE", 2) +
                               QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    // UTF-8 and big-endian files keep their encoding.
    for (const QByteArray& mark : {QByteArray("\xEF\xBB\xBF"), QByteArray("\xFE\xFF")}) {
        IniDatei i = IniDatei::AusBytes(
            mark + (mark.size() == 3 ? QByteArray("[S]\r\n") : QByteArray("\0[\0S\0]", 6)));
        i.Schreiben(QStringLiteral("S"), QStringLiteral("k"), QString::fromUtf8("ü"));
        EXPECT_EQ(IniDatei::AusBytes(i.ZuBytes()).Lesen(QStringLiteral("s"), QStringLiteral("K")),
                  QString::fromUtf8("ü"));
        EXPECT_TRUE(i.ZuBytes().startsWith(mark));
    }
}

}  // namespace
