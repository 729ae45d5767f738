#include "textfiles/benutzereinheiten.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "catalog/katalog.h"
#include "textfiles/textdatei.h"

using namespace quarnelo::textfiles;
using quarnelo::catalog::Katalog;

namespace {

// A program folder holding a copy of the fixture folder Units.
class Programmordner : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString quelle = QStringLiteral(QUARNELO_FIXTURES "/program/Units");
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("Units"))));
        for (const QString& n : QDir(quelle).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(quelle + QLatin1Char('/') + n, einheiten() + n));
    }
    QString ordner() const { return dir.path(); }
    QString einheiten() const { return dir.filePath(QStringLiteral("Units")) + QLatin1Char('/'); }
    QVector<quarnelo::catalog::TUnitEntry> Laden(const QString& kategorie) {
        Katalog k;
        BenutzerEinheitenLaden(k, ordner(), kategorie);
        return k.Einheitenliste;
    }
    QByteArray Bytes(const QString& name) {
        QFile f(einheiten() + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir dir;
};

TEST_F(Programmordner, LoadsTheUnitLinesAndSkipsTheRest) {
    const auto liste = Laden(QStringLiteral("length"));  // the file is Length.txt
    ASSERT_EQ(liste.size(), 4);
    EXPECT_EQ(liste[0].Anzeige, QStringLiteral("Elle, Eigene"));
    EXPECT_EQ(liste[0].Kuerzel, QString());
    EXPECT_EQ(liste[0].Faktor, QStringLiteral("0,6"));
    EXPECT_EQ(liste[1].Anzeige, QStringLiteral("Klafter (kl), Eigene"));
    EXPECT_EQ(liste[1].Faktor, QStringLiteral("1,5*10^(-3)"));
    EXPECT_EQ(liste[2].Faktor, QStringLiteral("2*10^5"));
    EXPECT_EQ(liste[3].Einheit, QStringLiteral("Versatz"));  // abc, three and five fields skipped
    EXPECT_EQ(liste[3].Faktor, QStringLiteral("(X+1)*2&X/2-1"));
}

TEST_F(Programmordner, FilesThatHoldNoUnitLines) {
    EXPECT_TRUE(Laden(QStringLiteral("time")).isEmpty());       // LF line ends only
    EXPECT_TRUE(Laden(QStringLiteral("mass")).isEmpty());       // UTF-16 without mark
    EXPECT_TRUE(Laden(QStringLiteral("area")).isEmpty());       // no file
    EXPECT_TRUE(Laden(QStringLiteral("notes.txt")).isEmpty());  // looks for notes.txt.txt
    QTemporaryDir leer;
    Katalog k;
    BenutzerEinheitenLaden(k, leer.path(), QStringLiteral("length"));
    EXPECT_TRUE(k.Einheitenliste.isEmpty());
}

TEST_F(Programmordner, UserCategoriesLeaveOutTheBuiltInOnes) {
    QStringList namen = BenutzerKategorien(ordner());
    namen.sort();
    EXPECT_EQ(namen, (QStringList{QStringLiteral("Garten"), QStringLiteral("Notes.TXT")}));
    const auto garten = Laden(KategorieKlein(QStringLiteral("Garten")));
    ASSERT_EQ(garten.size(), 2);
    EXPECT_EQ(garten[1].Anzeige, QString::fromUtf8("Gießkanne, Garten"));
    EXPECT_EQ(garten[1].Faktor, QStringLiteral("2&X"));

    QTemporaryDir ohne;
    EXPECT_TRUE(BenutzerKategorien(ohne.path()).isEmpty());
}

TEST_F(Programmordner, UserUnitsComeLastAndPassTheFilter) {
    Katalog k;
    k.setBenutzerQuelle(BenutzerQuelle(ordner()));
    k.FilterSetzen(QStringLiteral("eigene"));
    k.KategorieLaden(QStringLiteral("length"), Katalog::Tabelle, QStringLiteral("de"));
    ASSERT_GE(k.Einheitenliste.size(), 4);
    EXPECT_EQ(k.Einheitenliste[k.Einheitenliste.size() - 4].Anzeige, QStringLiteral("Elle, Eigene"));
    EXPECT_EQ(k.EinheitenZaehler, k.Einheitenliste.size());
    // A user category runs no builder.
    k.FilterSetzen(QString());
    k.KategorieLaden(QStringLiteral("garten"), Katalog::Liste, QStringLiteral("de"));
    EXPECT_EQ(k.Einheitenliste.size(), 2);
    EXPECT_EQ(k.VorgabeEinheit1, -1);
}

TEST_F(Programmordner, SavesWithMarkAndCrLfAndReadsBack) {
    const QVector<TBenutzerEinheit> zeilen = {
        {QStringLiteral("Elle"), QString(), QStringLiteral("Eigene"), QStringLiteral("0,6")},
        {QStringLiteral("Milli"), QStringLiteral("mi"), QStringLiteral("Eigene"), QStringLiteral("1,5e-3")},
        {QStringLiteral("Groß"), QString(), QString(), QStringLiteral("2E5")},
    };
    BenutzerEinheitenSpeichern(ordner(), QStringLiteral("length"), zeilen);
    // The existing Length.txt is replaced, not joined by a second file.
    EXPECT_FALSE(QFile::exists(einheiten() + QStringLiteral("length.txt")) &&
                 QFile::exists(einheiten() + QStringLiteral("Length.txt")));
    EXPECT_EQ(
        Bytes(QStringLiteral("Length.txt")),
        QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("Elle\t\tEigene\t0,6\r\nMilli\tmi\tEigene\t1,5e-3\r\n"
                                                       "Groß\t\t\t2*10^5\r\n")
                                         .toUtf8());
    const auto liste = Laden(QStringLiteral("length"));
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[1].Faktor, QStringLiteral("1,5*10^(-3)"));
    EXPECT_EQ(liste[2].Anzeige, QString::fromUtf8("Groß, "));

    BenutzerEinheitenSpeichern(ordner(), QStringLiteral("Leer"), {});
    EXPECT_EQ(Bytes(QStringLiteral("Leer.txt")), QByteArray("\xEF\xBB\xBF"));
}

TEST(BenutzerEinheitenSpeichern, CreatesTheUnitsFolderWithItsParents) {
    QTemporaryDir dir;
    const QString programm = dir.filePath(QStringLiteral("a/b"));
    BenutzerEinheitenSpeichern(programm, QStringLiteral("Neu"),
                               {{QStringLiteral("X"), QString(), QString(), QStringLiteral("1")}});
    EXPECT_TRUE(QFile::exists(programm + QStringLiteral("/Units/Neu.txt")));
    EXPECT_EQ(BenutzerKategorien(programm), QStringList{QStringLiteral("Neu")});
}

TEST_F(Programmordner, ReadOnlyUnitsFolderKeepsTheOldFile) {
    const QByteArray alt = Bytes(QStringLiteral("Length.txt"));
    QFile::setPermissions(einheiten(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(einheiten() + QStringLiteral("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(einheiten(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "read-only folders are writable with these rights";
    }
    try {
        BenutzerEinheitenSpeichern(ordner(), QStringLiteral("length"),
                                   {{QStringLiteral("Neu"), QString(), QString(), QStringLiteral("1")}});
        ADD_FAILURE() << "no error";
    } catch (const DateiFehler& e) {
        EXPECT_TRUE(e.Meldung().startsWith(QStringLiteral("Cannot create file \"") + einheiten() +
                                           QStringLiteral("Length.txt\". ")))
            << e.what();
    }
    QFile::setPermissions(einheiten(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Bytes(QStringLiteral("Length.txt")), alt);
}

TEST(ProgrammOrdner, OptionBeforeEnvironmentBeforeExecutable) {
    QTemporaryDir a, b;
    qputenv("QUARNELO_PROGRAM_DIR", b.path().toUtf8());
    EXPECT_EQ(ProgrammOrdner(a.path()), a.path());
    EXPECT_EQ(ProgrammOrdner(), b.path());
    qunsetenv("QUARNELO_PROGRAM_DIR");
    EXPECT_EQ(ProgrammOrdner(),
              QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath());
}

TEST(EinheitenOrdner, FindsTheFolderWithoutRegardToCase) {
    QTemporaryDir dir;
    EXPECT_EQ(EinheitenOrdner(dir.path()), dir.path() + QStringLiteral("/Units/"));
    QDir(dir.path()).mkdir(QStringLiteral("UNITS"));
    EXPECT_EQ(EinheitenOrdner(dir.path()), dir.path() + QStringLiteral("/UNITS/"));
}

}  // namespace
