#include "settings/konfiguration.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/ini.h"
#include "textfiles/textdatei.h"

using namespace quarnelo::settings;

namespace {

const Bildschirm kBildschirm{1920, 1080, 16, 39};

QString Fixture(const char* name) {
    return QStringLiteral(QUARNELO_FIXTURES "/") + QLatin1String(name);
}

QByteArray Bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A record as the program has it after start, with "." as the locale's separator.
TKonfiguration Start() {
    TKonfiguration z;
    z.optionen = Optionen::MitSystemtrenner(QLatin1Char('.'));
    return z;
}

TKonfiguration Geladen(const char* fixture, bool start = false) {
    TKonfiguration z = Start();
    KonfigurationLaden(Fixture(fixture), z, kBildschirm, start);
    return z;
}

TEST(KonfigurationSpeichern, NewFileHoldsTheDefaultLinesInOrder) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Auto.qcf"));
    KonfigurationSpeichern(pfad, Start());
    const QByteArray bytes = Bytes(pfad);
    ASSERT_TRUE(bytes.startsWith(QByteArray("\xFF\xFE", 2)));
    ASSERT_EQ(bytes.size() % 2, 0);
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    QStringList zeilen = text.split(QStringLiteral("\r\n"));
    zeilen.removeLast();
    zeilen.removeIf([](const QString& z) {
        return z.startsWith(QStringLiteral("PT=")) || z.startsWith(QStringLiteral("PL=")) ||
               z.startsWith(QStringLiteral("PR="));
    });
    // clang-format off
    const QStringList erwartet = {
        "[PBCH]", "cb_insmemo=0", "einheit_festhalten=0", "COL=130,50,100,60,120,",
        "[OPED]", "ed_sep=\" \"", "ed_ersteunit=/", "ed_sep_pe=-", "ed_sep_pa=",
        "[OPCH]", "cb_ersteunit=1", "cb_autopref=0", "cb_bruch=1",
        "[OPRB]", "rb_abk=1", "rb_einh=0", "rb_general=1", "rb_fixed=0", "rb_exponent=0", "rb_dsys=1",
        "rb_dcomma=0", "rb_dpunkt=0",
        "[OPCB]", "cb_stellen=6", "cb_exponent=3", "cb_fixed=18", "cb_general=3",
        "[SP]", "PF=0", "PB=517", "PH=514", "PO=68",
        "[AS]", "N=1", "A=0",
    };
    // clang-format on
    EXPECT_EQ(zeilen, erwartet);
}

TEST(KonfigurationSpeichern, RoundTripOfEveryField) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("x.qcf"));
    TKonfiguration z = Start();
    z.cb_insmemo = z.einheit_festhalten = true;
    z.spalten = {1, 2, 3, 4, 5};
    Optionen& o = z.optionen;
    o.ed_sep = QStringLiteral(" * ");
    o.ed_sep_pe = QString::fromUtf8("→");
    o.ed_sep_pa = QStringLiteral("a b");
    o.ed_ersteunit = QStringLiteral("//");
    o.cb_ersteunit = false;
    o.cb_autopref = true;
    o.cb_bruch = false;
    o.rb_abk = false;
    o.rb_einh = true;
    o.rb_general = false;
    o.rb_exponent = true;
    o.rb_dsys = false;
    o.rb_dcomma = true;
    o.cb_stellen = QStringLiteral("9");
    o.cb_exponent = QStringLiteral("2");
    o.cb_fixed = QStringLiteral("abc");
    o.cb_general = QStringLiteral("4");
    z.PB = 800;
    z.PH = 600;
    z.PT = 5;
    z.PL = -3;
    z.PR = 400;
    z.PO = 90;
    z.autosaveNie = false;
    z.autosaveImmer = true;
    KonfigurationSpeichern(pfad, z);

    TKonfiguration r = Start();
    KonfigurationLaden(pfad, r, kBildschirm, false);
    EXPECT_TRUE(r.cb_insmemo && r.einheit_festhalten);
    EXPECT_EQ(r.spalten, z.spalten);
    const Optionen& p = r.optionen;
    EXPECT_EQ(p.ed_sep, o.ed_sep);
    EXPECT_EQ(p.ed_sep_pe, o.ed_sep_pe);
    EXPECT_EQ(p.ed_sep_pa, o.ed_sep_pa);
    EXPECT_EQ(p.ed_ersteunit, o.ed_ersteunit);
    EXPECT_EQ(std::make_tuple(p.cb_ersteunit, p.cb_autopref, p.cb_bruch),
              std::make_tuple(false, true, false));
    EXPECT_EQ(std::make_tuple(p.rb_abk, p.rb_einh), std::make_tuple(false, true));
    EXPECT_EQ(std::make_tuple(p.rb_general, p.rb_fixed, p.rb_exponent), std::make_tuple(false, false, true));
    EXPECT_EQ(std::make_tuple(p.rb_dsys, p.rb_dcomma, p.rb_dpunkt), std::make_tuple(false, true, false));
    EXPECT_EQ(p.cb_fixed, QStringLiteral("abc"));
    EXPECT_EQ(std::make_tuple(p.Genauigkeit, p.Ziffern, p.Dezimaltrenner), std::make_tuple(9, 2, QChar(',')));
    EXPECT_EQ(std::make_tuple(r.PB, r.PH, r.PT, r.PL, r.PR, r.PO), std::make_tuple(800, 600, 5, -3, 400, 90));
    EXPECT_EQ(std::make_tuple(r.autosaveNie, r.autosaveImmer), std::make_tuple(false, true));

    // A later file selecting the system separator restores the locale's.
    r.optionen.rb_dsys = true;
    r.optionen.rb_dcomma = false;
    KonfigurationSpeichern(pfad, r);
    KonfigurationLaden(pfad, r, kBildschirm, false);
    EXPECT_EQ(r.optionen.Dezimaltrenner, QChar('.'));
}

TEST(KonfigurationSpeichern, UpdatesAHandEditedFileInPlace) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("hand.qcf"));
    ASSERT_TRUE(QFile::copy(Fixture("hand_edited.qcf"), pfad));
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    KonfigurationSpeichern(pfad, Start());
    const IniDatei ini = IniDatei::Laden(pfad);
    EXPECT_EQ(ini.kodierung(), IniDatei::Kodierung::Ansi);
    const QStringList z = ini.Zeilen();
    ASSERT_GE(z.size(), 10);
    EXPECT_EQ(z.mid(0, 10),
              (QStringList{"; Eigene Einstellungen", "[PBCH]", "Cb_InsMemo=0", "Notiz=bleibt stehen",
                           "einheit_festhalten=0", "COL=130,50,100,60,120,", "", "[Extra]", "foo=bar", ""}));
    EXPECT_EQ(z.count(QStringLiteral("[OPED]")), 1);
    EXPECT_EQ(z.filter(QStringLiteral("ed_sep=")), QStringList{QStringLiteral("ed_sep=\" \"")});
    EXPECT_TRUE(Bytes(pfad).startsWith("; Eigene Einstellungen\n[PBCH]\nCb_InsMemo=0\n"));
}

TEST(KonfigurationSpeichern, FailuresNameTheFile) {
    QTemporaryDir dir;
    const QString fehlt = dir.filePath(QStringLiteral("kein/ordner/x.qcf"));
    try {
        KonfigurationSpeichern(fehlt, Start());
        FAIL() << "no error";
    } catch (const quarnelo::textfiles::DateiFehler& e) {
        EXPECT_TRUE(e.Meldung().startsWith(QStringLiteral("Cannot create file \"") + fehlt)) << e.what();
    }

    const QString pfad = dir.filePath(QStringLiteral("schreibgeschuetzt.qcf"));
    ASSERT_TRUE(QFile::copy(Fixture("hand_edited.qcf"), pfad));
    QFile::setPermissions(pfad, QFile::ReadOwner);
    const QByteArray vorher = Bytes(pfad);
    QFile probe(pfad);
    if (probe.open(QIODevice::ReadWrite)) GTEST_SKIP() << "read-only files are writable with these rights";
    try {
        KonfigurationSpeichern(pfad, Start());
        ADD_FAILURE() << "no error";
    } catch (const quarnelo::textfiles::DateiFehler& e) {
        EXPECT_EQ(e.Meldung(), QStringLiteral("Unable to write to ") + pfad);
    }
    EXPECT_EQ(Bytes(pfad), vorher);
}

TEST(KonfigurationLaden, MissingFileChangesNothing) {
    TKonfiguration z = Start();
    z.optionen.ed_sep = QStringLiteral("#");
    z.PB = 1;
    KonfigurationLaden(QStringLiteral("/nonexistent/x.qcf"), z, kBildschirm, true);
    EXPECT_EQ(z.optionen.ed_sep, QStringLiteral("#"));
    EXPECT_EQ(z.PB, 1);
    EXPECT_EQ(z.Tag, 1);
    EXPECT_EQ(z.spalten, Start().spalten);
}

TEST(KonfigurationLaden, MixedCaseKeysAndQuotedValues) {
    const TKonfiguration m = Geladen("mixed_case.qcf");
    EXPECT_TRUE(m.cb_insmemo);
    EXPECT_TRUE(m.einheit_festhalten);
    EXPECT_EQ(m.optionen.ed_sep, QStringLiteral("->"));
    EXPECT_FALSE(m.optionen.cb_bruch);
    EXPECT_EQ(m.PB, 600);

    const Optionen q = Geladen("quoted.qcf").optionen;
    EXPECT_EQ(q.ed_sep, QStringLiteral("  "));
    EXPECT_EQ(q.ed_ersteunit, QStringLiteral("|"));
    EXPECT_EQ(q.ed_sep_pe, QStringLiteral("\"a\""));
    EXPECT_EQ(q.ed_sep_pa, QStringLiteral("\""));
}

TEST(KonfigurationLaden, LaterRadioOfAGroupWins) {
    TKonfiguration z = Start();
    z.optionen.rb_general = false;
    z.optionen.rb_exponent = true;
    z.optionen.EinheitenWechsel();
    KonfigurationLaden(Fixture("two_radios.qcf"), z, kBildschirm, false);
    const Optionen& o = z.optionen;
    EXPECT_EQ(std::make_tuple(o.rb_general, o.rb_fixed, o.rb_exponent), std::make_tuple(false, true, false));
    EXPECT_EQ(std::make_tuple(o.Genauigkeit, o.Ziffern), std::make_tuple(10, 2));
    EXPECT_EQ(std::make_tuple(o.rb_dsys, o.rb_dcomma, o.rb_dpunkt), std::make_tuple(false, true, false));
    EXPECT_EQ(o.Dezimaltrenner, QChar(','));
    // Both radios of the unit group switched off: the group keeps its choice.
    EXPECT_EQ(std::make_tuple(o.rb_abk, o.rb_einh), std::make_tuple(true, false));
}

TEST(KonfigurationLaden, ColumnWidthsNeedMoreThanFourParts) {
    EXPECT_EQ(Geladen("col_short.qcf").spalten, Start().spalten);
    EXPECT_EQ(Geladen("col_parts.qcf").spalten, (QVector<int>{10, 50, 30, 40, 120}));
}

TEST(KonfigurationLaden, GeometryWithinTheScreen) {
    const TKonfiguration g = Geladen("geometry.qcf");
    EXPECT_FALSE(g.PF);
    EXPECT_EQ(g.PB, 517);  // wider than the screen
    EXPECT_EQ(g.PH, 600);
    EXPECT_EQ(g.PT, 0);  // below the screen
    EXPECT_EQ(g.PL, -20);
    EXPECT_EQ(g.PR, 0);    // wider than the window
    EXPECT_EQ(g.PO, 600);  // within the window's 600 + 39
    EXPECT_FALSE(g.autosaveNie);
    EXPECT_TRUE(g.autosaveImmer);

    const TKonfiguration s = Geladen("maximized.qcf", true);
    EXPECT_EQ(s.Tag, 0);
    EXPECT_EQ(std::make_tuple(s.PB, s.PH, s.PT, s.PL), std::make_tuple(517, 514, 0, 0));
    const TKonfiguration n = Geladen("maximized.qcf", false);
    EXPECT_TRUE(n.PF);
    EXPECT_EQ(n.Tag, 1);
    EXPECT_EQ(n.PB, 517);
}

}  // namespace
