#include "textfiles/textdatei.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "numeric/ansi.h"

namespace quarnelo::textfiles {
namespace {

QString VollerPfad(const QString& datei) {
    return QDir::toNativeSeparators(QFileInfo(datei).absoluteFilePath());
}

[[noreturn]] void NichtErstellt(const QString& datei, const QString& ursache) {
    throw DateiFehler(QStringLiteral("Cannot create file \"%1\". %2").arg(VollerPfad(datei), ursache));
}

[[noreturn]] void NichtGeoeffnet(const QString& datei, const QString& ursache) {
    throw DateiFehler(QStringLiteral("Cannot open file \"%1\". %2").arg(VollerPfad(datei), ursache));
}

bool Beginnt(const QByteArray& b, std::initializer_list<unsigned char> mark) {
    if (b.size() < static_cast<qsizetype>(mark.size())) return false;
    qsizetype i = 0;
    for (unsigned char c : mark)
        if (static_cast<unsigned char>(b[i++]) != c) return false;
    return true;
}

QString Utf16(const char* p, qsizetype n, bool bigEndian) {
    QString out;
    out.resize(n / 2);
    char16_t* z = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i + 1 < n; i += 2) {
        const auto a = static_cast<unsigned char>(p[i]), b = static_cast<unsigned char>(p[i + 1]);
        *z++ = bigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a);
    }
    return out;
}

QString Utf32(const char* p, qsizetype n, bool bigEndian) {
    QString out;
    out.reserve(n / 4);
    for (qsizetype i = 0; i + 3 < n; i += 4) {
        const auto* u = reinterpret_cast<const unsigned char*>(p + i);
        const char32_t c = bigEndian
                               ? char32_t(u[0]) << 24 | char32_t(u[1]) << 16 | char32_t(u[2]) << 8 | u[3]
                               : char32_t(u[3]) << 24 | char32_t(u[2]) << 16 | char32_t(u[1]) << 8 | u[0];
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.append(QLatin1Char('?'));
        } else if (c > 0xFFFF) {
            out.append(QChar(QChar::highSurrogate(c)));
            out.append(QChar(QChar::lowSurrogate(c)));
        } else {
            out.append(QChar(char16_t(c)));
        }
    }
    return out;
}

int Base64Wert(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

bool IstBild(const QString& datei) {
    // The extension is what follows the last dot of the name itself.
    const QString name = QFileInfo(datei).fileName();
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt < 0) return false;
    const QString ext = name.mid(punkt).toUpper();
    return ext == QLatin1String(".BMP") || ext == QLatin1String(".GIF") || ext == QLatin1String(".JPG") ||
           ext == QLatin1String(".JPEG");
}

}  // namespace

DateiFehler::DateiFehler(const QString& meldung)
    : std::runtime_error(meldung.toStdString()), meldung_(meldung) {}

int KodierungAusBytes(const QByteArray& b) {
    if (b.size() < 2) return kAnsi;
    if (Beginnt(b, {0xEF, 0xBB, 0xBF})) return kUtf8;
    if (Beginnt(b, {0x2B, 0x2F, 0x76, 0x38})) return kUtf7;
    if (Beginnt(b, {0xFF, 0xFE, 0x00, 0x00}) && b.size() > 2) return kUtf32LE;
    if (Beginnt(b, {0x00, 0x00, 0xFE, 0xFF})) return kUtf32BE;
    if (Beginnt(b, {0xFF, 0xFE})) return kUtf16LE;
    if (Beginnt(b, {0xFE, 0xFF})) return kUtf16BE;
    return kAnsi;
}

int KodierungErmitteln(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) NichtGeoeffnet(datei, f.errorString());
    return KodierungAusBytes(f.read(4));
}

QString Utf7Dekodieren(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c != '+') {
            out.append(c < 0x80 ? QChar(char16_t(c)) : QChar(QChar::ReplacementCharacter));
            ++i;
            continue;
        }
        ++i;
        if (i < n && bytes[i] == '-') {  // "+-" stands for "+"
            out.append(QLatin1Char('+'));
            ++i;
            continue;
        }
        // A shift sequence: modified base64 of UTF-16 code units.
        std::uint32_t bits = 0;
        int anzahl = 0;
        while (i < n) {
            const int w = Base64Wert(static_cast<unsigned char>(bytes[i]));
            if (w < 0) break;
            bits = (bits << 6 | std::uint32_t(w)) & 0xFFFFFF;
            anzahl += 6;
            if (anzahl >= 16) {
                anzahl -= 16;
                out.append(QChar(char16_t(bits >> anzahl)));
            }
            ++i;
        }
        // Non-zero leftover bits mean the sequence was cut inside a code unit.
        if (anzahl >= 6 || (bits & ((1u << anzahl) - 1)) != 0) out.append(QChar(QChar::ReplacementCharacter));
        if (i < n && bytes[i] == '-') ++i;  // the terminator is absorbed
    }
    return out;
}

QString TextDekodieren(const QByteArray& bytes) {
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    switch (KodierungAusBytes(bytes)) {
        case kUtf16LE:
            return Utf16(p + 2, n - 2, false);
        case kUtf16BE:
            return Utf16(p + 2, n - 2, true);
        case kUtf8:
            return QString::fromUtf8(p + 3, n - 3);
        case kUtf7:
            return n > 5 ? Utf7Dekodieren(bytes.mid(5)) : QString();
        case kUtf32LE:
            return Utf32(p + 4, n - 4, false);
        case kUtf32BE:
            return Utf32(p + 4, n - 4, true);
        default:
            return QString::fromStdU16String(
                numeric::Utf16AusAnsi(std::string_view(p, static_cast<std::size_t>(n))));
    }
}

QString TextDateiLaden(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) NichtGeoeffnet(datei, f.errorString());
    return TextDekodieren(f.readAll());
}

bool DateiErsetzen(const QString& datei, const QByteArray& bytes, QString* ursache) {
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (ursache) *ursache = f.errorString();
        f.cancelWriting();
        return false;
    }
    return true;
}

void TextDateiSpeichern(const QString& text, const QString& datei, int kodierung) {
    if (IstBild(datei)) return;
    QByteArray bytes;
    if (kodierung == kUtf16LE) {
        bytes.reserve(2 + text.size() * 2);
        bytes.append("\xFF\xFE", 2);
        for (QChar c : text) {
            bytes.append(char(c.unicode() & 0xFF));
            bytes.append(char(c.unicode() >> 8));
        }
    } else {
        bytes = QByteArray("\xEF\xBB\xBF", 3) + text.toUtf8();
    }
    QString ursache;
    if (!DateiErsetzen(datei, bytes, &ursache)) NichtErstellt(datei, ursache);
}

QStringList TextZerlegen(const QString& text, const QString& trenner) {
    QStringList teile;
    if (trenner.isEmpty()) return {text};
    qsizetype start = 0;
    while (true) {
        const qsizetype pos = text.indexOf(trenner, start);
        if (pos < 0) {
            teile.append(text.mid(start));
            return teile;
        }
        teile.append(text.mid(start, pos - start));
        start = pos + trenner.size();
    }
}

QString TextErsetzen(const QString& text, const QString& such, const QString& ersatz) {
    if (such == ersatz || text.isEmpty() || such.isEmpty()) return text;
    QString out = text;
    out.replace(such, ersatz, Qt::CaseSensitive);
    return out;
}

QStringList DateienSuchen(const QString& ordner, const QStringList& endungen, bool unterordner) {
    QString basis = ordner;
    if (!basis.endsWith(QLatin1Char('/')) && !basis.endsWith(QDir::separator())) basis += QLatin1Char('/');
    QDir dir(basis);
    QStringList ergebnis;
    const QDir::Filters alle = QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    if (unterordner) {
        for (const QString& sub : dir.entryList(QDir::Dirs | alle, QDir::Unsorted))
            ergebnis += DateienSuchen(basis + sub, endungen, true);
    }
    const QFileInfoList eintraege = dir.entryInfoList(QDir::AllEntries | alle, QDir::Unsorted);
    for (const QString& endung : endungen) {
        for (const QFileInfo& e : eintraege) {
            if (e.isDir()) continue;
            const QString name = e.fileName();
            if (name.endsWith(endung, Qt::CaseInsensitive)) ergebnis.append(basis + name);
        }
    }
    return ergebnis;
}

QString ENotationUmschreiben(const QString& text) {
    QString t = text;
    if (t.contains(QStringLiteral("E-"))) {
        static const QRegularExpression minus(QStringLiteral("E-([0-9]+)"));
        t.replace(minus, QStringLiteral("*10^(-\\1)"));
    }
    if (t.contains(QLatin1Char('E'))) {
        t.replace(QLatin1Char('E'), QStringLiteral("*10^"));
        t.replace(QLatin1Char('e'), QStringLiteral("*10^"));
    }
    return t;
}

}  // namespace quarnelo::textfiles
