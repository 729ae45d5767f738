#include "textfiles/textdatei.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace quarnelo::textfiles;

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(QUARNELO_FIXTURES "/encodings/") + QLatin1String(name);
}

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// True when a read-only folder still accepts new files (running with root rights).
bool SchreibschutzWirkungslos(const QString& ordner) {
    QFile probe(ordner + QStringLiteral("/probe"));
    const bool geht = probe.open(QIODevice::WriteOnly);
    if (geht) probe.remove();
    return geht;
}

const QString kBeispiel = QString::fromUtf8("Maß+€ \xF0\x9D\x84\x9E\r\nZeile 2");

TEST(TextDateiLaden, DecodesEveryMarkOfTheFixtures) {
    struct F {
        const char* datei;
        int kodierung;
        QString text;
    };
    const F faelle[] = {
        {"utf8.txt", 65001, kBeispiel},
        {"utf7.txt", 65000, kBeispiel},
        {"utf16le.txt", 1200, kBeispiel},
        {"utf16be.txt", 1201, kBeispiel},
        {"utf32le.txt", 65005, kBeispiel},
        {"utf32be.txt", 65006, kBeispiel},
        {"ansi.txt", 0, QString::fromUtf8("Maß+€ ü\r\nZeile 2")},
        {"mark_ff_fe.txt", 1200, QString()},
        {"mark_ff_fe_00_00.txt", 65005, QString()},
        // Without a mark a UTF-16 file is read byte by byte.
        {"utf16_no_mark.txt", 0, QString::fromLatin1("Z\0e\0i\0l\0e\0", 10)},
    };
    for (const F& f : faelle) {
        EXPECT_EQ(KodierungErmitteln(Fixture(f.datei)), f.kodierung) << f.datei;
        EXPECT_EQ(TextDateiLaden(Fixture(f.datei)), f.text) << f.datei;
    }
}

TEST(TextDateiLaden, ShortFilesAndTruncatedUnits) {
    struct F {
        QByteArray bytes;
        int kodierung;
        QString text;
    };
    const F faelle[] = {
        {QByteArray(), 0, QString()},
        {QByteArray("\xFF", 1), 0, QString::fromUtf8("\xC3\xBF")},
        // The 4-byte UTF-32 mark cannot match a 3-byte file.
        {QByteArray("\xFF\xFE\x00", 3), 1200, QString()},
        {QByteArray("\xFF\xFE"
                    "A\x00"
                    "B",
                    5),
         1200, QStringLiteral("A")},
        {QByteArray("\xFE\xFF\x00"
                    "A\x00",
                    5),
         1201, QStringLiteral("A")},
        {QByteArray("+/v", 3), 0, QStringLiteral("+/v")},
        {QByteArray("\x00\x00\xFE\xFF\x00\x00\x00"
                    "A\x00\x00",
                    10),
         65006, QStringLiteral("A")},
        // Surrogate code points and values beyond U+10FFFF become "?".
        {QByteArray("\xFF\xFE\x00\x00\x00\xD8\x00\x00\x00\x00\x11\x00"
                    "A\x00\x00\x00",
                    16),
         65005, QStringLiteral("??A")},
        // Unpaired UTF-16 surrogates are passed on as they are.
        {QByteArray("\xFF\xFE\x3D\xD8", 4), 1200, QString(QChar(char16_t(0xD83D)))},
    };
    for (const F& f : faelle) {
        EXPECT_EQ(KodierungAusBytes(f.bytes), f.kodierung) << f.bytes.toHex().constData();
        EXPECT_EQ(TextDekodieren(f.bytes), f.text) << f.bytes.toHex().constData();
    }
}

TEST(TextDateiLaden, Utf7FollowsTheRfc) {
    struct F {
        const char* bytes;
        QString text;
    };
    const F faelle[] = {
        {"Hi Mom -+Jjo--!", QString::fromUtf8("Hi Mom -\xE2\x98\xBA-!")},
        {"A+ImIDkQ.", QString::fromUtf8("A\xE2\x89\xA2\xCE\x91.")},
        {"+ZeVnLIqe-", QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E")},
        {"1 +- 1", QStringLiteral("1 + 1")},
        {"+2D3eAA-x", QString::fromUtf8("\xF0\x9F\x98\x80x")},
        // Only the first "-" after a shift sequence belongs to it.
        {"+AEE--", QStringLiteral("A-")},
        // Cut inside a code unit, and a byte that is no ASCII.
        {"+AE", QString(QChar::ReplacementCharacter)},
        {"a\xE4", QStringLiteral("a") + QChar(QChar::ReplacementCharacter)},
    };
    for (const F& f : faelle) EXPECT_EQ(Utf7Dekodieren(QByteArray(f.bytes)), f.text) << f.bytes;
}

TEST(TextDateiLaden, MissingFileRaisesTheOpenError) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fehlt.txt"));
    try {
        TextDateiLaden(pfad);
        FAIL() << "no error";
    } catch (const DateiFehler& e) {
        EXPECT_TRUE(
            e.Meldung().startsWith(QStringLiteral("Cannot open file \"") + pfad + QStringLiteral("\". ")))
            << e.what();
        EXPECT_GT(e.Meldung().size(), QStringLiteral("Cannot open file \"\". ").size() + pfad.size());
    }
}

TEST(TextDateiSpeichern, WritesTheMarkAndTheEncoding) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("a.txt"));
    TextDateiSpeichern(QString(), pfad, 1200);
    EXPECT_EQ(Lesen(pfad), QByteArray("\xFF\xFE", 2));
    TextDateiSpeichern(QString(), pfad, 65001);
    EXPECT_EQ(Lesen(pfad), QByteArray("\xEF\xBB\xBF"));

    TextDateiSpeichern(kBeispiel, pfad, 1200);
    EXPECT_EQ(Lesen(pfad),
              QByteArray("\xFF\xFE", 2) +
                  QByteArray(reinterpret_cast<const char*>(kBeispiel.utf16()), kBeispiel.size() * 2));
    EXPECT_EQ(TextDateiLaden(pfad), kBeispiel);
    TextDateiSpeichern(kBeispiel, pfad, 65001);
    EXPECT_EQ(Lesen(pfad), QByteArray("\xEF\xBB\xBF") + kBeispiel.toUtf8());
    // A shorter text leaves nothing of the longer one behind.
    TextDateiSpeichern(QStringLiteral("x"), pfad, 65001);
    EXPECT_EQ(Lesen(pfad), QByteArray("\xEF\xBB\xBFx"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.txt")});
}

TEST(TextDateiSpeichern, LeavesImageFilesAlone) {
    QTemporaryDir dir;
    for (const char* name : {"liste.jpg", "liste.JPEG", "bild.Bmp", "x.txt.gif"}) {
        const QString pfad = dir.filePath(QLatin1String(name));
        TextDateiSpeichern(QStringLiteral("text"), pfad, 65001);
        EXPECT_FALSE(QFile::exists(pfad)) << name;
    }
    const QString alt = dir.filePath(QStringLiteral("alt.jpg"));
    Schreiben(alt, "bild");
    TextDateiSpeichern(QStringLiteral("text"), alt, 1200);
    EXPECT_EQ(Lesen(alt), QByteArray("bild"));
    TextDateiSpeichern(QStringLiteral("t"), dir.filePath(QStringLiteral("jpg")), 65001);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("jpg"))));
}

TEST(TextDateiSpeichern, FailureKeepsTheOldFileAndNamesIt) {
    QTemporaryDir dir;
    const QString ordner = dir.filePath(QStringLiteral("nur_lesen"));
    ASSERT_TRUE(QDir().mkpath(ordner));
    const QString pfad = ordner + QStringLiteral("/length.txt");
    Schreiben(pfad, "alt");
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool wirkungslos = SchreibschutzWirkungslos(ordner);
    if (!wirkungslos) {
        try {
            TextDateiSpeichern(QStringLiteral("neu"), pfad, 65001);
            ADD_FAILURE() << "no error";
        } catch (const DateiFehler& e) {
            EXPECT_TRUE(e.Meldung().startsWith(QStringLiteral("Cannot create file \"") + pfad +
                                               QStringLiteral("\". ")))
                << e.what();
        }
        EXPECT_EQ(Lesen(pfad), QByteArray("alt"));
        EXPECT_EQ(QDir(ordner).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("length.txt")});
    }
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (wirkungslos) GTEST_SKIP() << "read-only folders are writable with these rights";
}

TEST(TextZerlegen, SplitsAtEveryOccurrence) {
    struct F {
        QString text, trenner;
        QStringList teile;
    };
    const F faelle[] = {
        {QString(), QStringLiteral(","), {QString()}},
        {QStringLiteral("abc"), QStringLiteral(","), {QStringLiteral("abc")}},
        {QStringLiteral("a,b,"), QStringLiteral(","), {QStringLiteral("a"), QStringLiteral("b"), QString()}},
        {QStringLiteral(",,"), QStringLiteral(","), {QString(), QString(), QString()}},
        {QStringLiteral("a\r\nb\r\n"),
         QStringLiteral("\r\n"),
         {QStringLiteral("a"), QStringLiteral("b"), QString()}},
        {QStringLiteral("a\nb\r"), QStringLiteral("\r\n"), {QStringLiteral("a\nb\r")}},
        {QStringLiteral("x\t\ty"),
         QStringLiteral("\t"),
         {QStringLiteral("x"), QString(), QStringLiteral("y")}},
        {QStringLiteral(" a & b "), QStringLiteral("&"), {QStringLiteral(" a "), QStringLiteral(" b ")}},
    };
    for (const F& f : faelle) EXPECT_EQ(TextZerlegen(f.text, f.trenner), f.teile) << f.text.toStdString();
}

TEST(TextErsetzen, ReplacesWithoutOverlapAndCaseSensitive) {
    struct F {
        const char *text, *such, *ersatz, *ergebnis;
    };
    const F faelle[] = {
        {"aaa", "aa", "b", "ba"},
        {"a/b/c", "/", ", ", "a, b, c"},
        {"Notes.TXT", ".txt", "", "Notes.TXT"},
        {"a.txt.txt", ".txt", "", "a"},
        {"abc", "", "x", "abc"},
        {"", "a", "x", ""},
        {"abab", "ab", "ab", "abab"},
        {"x, </li>y, </li>", ", </li>", "</li>", "x</li>y</li>"},
    };
    for (const F& f : faelle)
        EXPECT_EQ(
            TextErsetzen(QString::fromUtf8(f.text), QString::fromUtf8(f.such), QString::fromUtf8(f.ersatz)),
            QString::fromUtf8(f.ergebnis))
            << f.text;
}

TEST(ENotationUmschreiben, RewritesPowersOfTen) {
    struct F {
        const char *text, *ergebnis;
    };
    const F faelle[] = {
        {"1,5E-3", "1,5*10^(-3)"},
        {"2E5", "2*10^5"},
        {"1,5e-3", "1,5e-3"},
        {"2E-3+1E-12", "2*10^(-3)+1*10^(-12)"},
        {"1E-3*2e4", "1*10^(-3)*2e4"},
        {"1E3*2e4", "1*10^3*2*10^4"},
        {"E-", "*10^-"},
        {"0,6", "0,6"},
    };
    for (const F& f : faelle)
        EXPECT_EQ(ENotationUmschreiben(QString::fromUtf8(f.text)), QString::fromUtf8(f.ergebnis)) << f.text;
}

TEST(DateienSuchen, MatchesExtensionsWithoutRegardToCase) {
    QTemporaryDir dir;
    QDir d(dir.path());
    d.mkpath(QStringLiteral("sub/tief"));
    d.mkpath(QStringLiteral("ordner.txt"));
    for (const char* n :
         {"a.txt", "B.TXT", ".versteckt.txt", "c.text", "d.txt.bak", "e.csv", "sub/s.txt", "sub/tief/t.Txt"})
        Schreiben(dir.filePath(QLatin1String(n)), "x");
    const QString basis = dir.path() + QLatin1Char('/');

    QStringList flach = DateienSuchen(dir.path(), {QStringLiteral(".txt")}, false);
    flach.sort();
    EXPECT_EQ(flach, (QStringList{basis + ".versteckt.txt", basis + "B.TXT", basis + "a.txt"}));

    const QStringList zwei = DateienSuchen(basis, {QStringLiteral(".csv"), QStringLiteral(".txt")}, false);
    ASSERT_EQ(zwei.size(), 4);
    EXPECT_EQ(zwei[0], basis + "e.csv");

    const QStringList rekursiv = DateienSuchen(dir.path(), {QStringLiteral(".txt")}, true);
    ASSERT_EQ(rekursiv.size(), 5);
    EXPECT_EQ(rekursiv[0], basis + "sub/tief/t.Txt");
    EXPECT_EQ(rekursiv[1], basis + "sub/s.txt");
    EXPECT_TRUE(
        DateienSuchen(dir.filePath(QStringLiteral("fehlt")), {QStringLiteral(".txt")}, true).isEmpty());
}

}  // namespace
