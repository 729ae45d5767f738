// Runs the real quarnelo binary: export-html, and user units on the command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "catalog/katalog.h"
#include "catalog/registry.h"

namespace {

struct Lauf {
    int code;
    QString out, err;
};

Lauf Starte(const QStringList& args, const QString& ordner, const QString& programmEnv = {}) {
    QProcess p;
    p.setWorkingDirectory(ordner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QUARNELO_PROGRAM_DIR"));
    if (!programmEnv.isEmpty()) env.insert(QStringLiteral("QUARNELO_PROGRAM_DIR"), programmEnv);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QUARNELO_BIN), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void Schreiben(const QString& pfad, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(ExportHtml, CountEqualsTheEnglishUnitsOfAllCategories) {
    QTemporaryDir arbeit, programm;
    const Lauf l = Starte({"export-html", "--lang", "en", "--program-dir", programm.path()}, arbeit.path());
    ASSERT_EQ(l.code, 0) << l.err.toStdString();
    quarnelo::catalog::Katalog kat;
    int summe = 0;
    for (int i = 0; i < quarnelo::catalog::kKategorienAnzahl; ++i) {
        kat.KategorieLaden(QString::fromLatin1(quarnelo::catalog::Kategorien()[i].key),
                           quarnelo::catalog::Katalog::Liste, QStringLiteral("en"));
        summe += kat.Einheitenliste.size();
    }
    EXPECT_EQ(l.out, QString::number(summe) + QLatin1Char('\n'));
    QFile f(arbeit.filePath(QStringLiteral("quarnelo-units.php")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<title>Quarnelo | Units</title>"));
    EXPECT_FALSE(bytes.contains('\n') || bytes.contains('\r'));
    EXPECT_FALSE(bytes.contains(", </li>"));
    EXPECT_EQ(bytes.count("<a name=\""), 33);
}

TEST(UserUnits, UnitsCategoriesAndConvertSeeTheProgramFolder) {
    QTemporaryDir arbeit, programm;
    Schreiben(programm.filePath(QStringLiteral("Units/length.txt")),
              "\xEF\xBB\xBF"
              "Elle\t\tEigene\t0,6\r\n");
    Schreiben(programm.filePath(QStringLiteral("Units/Garten.txt")),
              "Zqxbeet\tzqb\tGarten\t4\r\nZqxhalb\tzqh\tGarten\t2\r\n");

    Lauf l = Starte({"units", "length", "--filter", "elle", "--lang", "de", "--program-dir", programm.path()},
                    arbeit.path());
    ASSERT_EQ(l.code, 0) << l.err.toStdString();
    EXPECT_TRUE(l.out.endsWith(QStringLiteral("\nElle, Eigene\n"))) << l.out.toStdString();
    // The environment variable, and without either the folder of the executable.
    l = Starte({"units", "length", "--filter", "eigene"}, arbeit.path(), programm.path());
    EXPECT_EQ(l.out, QStringLiteral("Elle, Eigene\n"));
    l = Starte({"units", "length", "--filter", "eigene"}, arbeit.path());
    EXPECT_EQ(l.out, QString());

    l = Starte({"categories", "--program-dir", programm.path()}, arbeit.path());
    EXPECT_TRUE(
        l.out.endsWith(QStringLiteral("\n32\tamountofsubstance\tStoffmenge (Mol)\n33\tgarten\tGarten\n")))
        << l.out.toStdString();
    // A user category is a candidate after the built-in ones, or named by --category.
    l = Starte({"convert", "--separator", ",", "--program-dir", programm.path(), "3", "Zqxbeet", "zqh"},
               arbeit.path());
    EXPECT_EQ(l.code, 0) << l.err.toStdString();
    EXPECT_EQ(l.out, QStringLiteral("6\t\tZqxhalb (zqh), Garten\n"));
    l = Starte({"convert", "--category", "Garten", "--separator", ",", "--program-dir", programm.path(), "1",
                "zqh", "zqb"},
               arbeit.path());
    EXPECT_EQ(l.out, QStringLiteral("0,5\t\tZqxbeet (zqb), Garten\n")) << l.err.toStdString();
    l = Starte({"dump", "--lang", "en", "--program-dir", programm.path()}, arbeit.path());
    EXPECT_TRUE(l.out.endsWith(QStringLiteral("garten\ten\t1\tGarten\tZqxhalb\tzqh\t2\t2\n")));
}

}  // namespace
