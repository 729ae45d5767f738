#include "settings/ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "numeric/ansi.h"
#include "numeric/checks.h"
#include "textfiles/textdatei.h"

namespace quarnelo::settings {
namespace {

bool IstBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString Beschnitten(const QString& s) {
    qsizetype a = 0, e = s.size();
    while (a < e && IstBlank(s[a])) ++a;
    while (e > a && IstBlank(s[e - 1])) --e;
    return s.mid(a, e - a);
}

// The section name of a header line, or nothing when the line is none.
std::optional<QString> Kopfname(const QString& zeile) {
    const QString t = Beschnitten(zeile);
    if (!t.startsWith(QLatin1Char('['))) return std::nullopt;
    qsizetype ende = t.indexOf(QLatin1Char(']'));
    if (ende < 0) ende = t.size();
    return Beschnitten(t.mid(1, ende - 1));
}

// Key and raw value of a value line; comments and lines without "=" are none.
bool Wertzeile(const QString& zeile, QString* schluessel, QString* wert) {
    const QString t = Beschnitten(zeile);
    if (t.startsWith(QLatin1Char(';'))) return false;
    const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
    if (gleich < 0) return false;
    if (schluessel) *schluessel = Beschnitten(zeile.left(gleich));
    if (wert) *wert = zeile.mid(gleich + 1);
    return true;
}

bool IstSteuerOderBlank(QChar c) {
    return c == QLatin1Char(' ') || c.category() == QChar::Other_Control;
}

}  // namespace

IniDatei IniDatei::AusBytes(const QByteArray& bytes) {
    IniDatei ini;
    QString text;
    const auto b = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && b(0) == 0xFF && b(1) == 0xFE) {
        ini.kodierung_ = Kodierung::Utf16LE;
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
            text.append(QChar(char16_t(b(i + 1) << 8 | b(i))));
    } else if (bytes.size() >= 2 && b(0) == 0xFE && b(1) == 0xFF) {
        ini.kodierung_ = Kodierung::Utf16BE;
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
            text.append(QChar(char16_t(b(i) << 8 | b(i + 1))));
    } else if (bytes.size() >= 3 && b(0) == 0xEF && b(1) == 0xBB && b(2) == 0xBF) {
        ini.kodierung_ = Kodierung::Utf8;
        text = QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    } else if (bytes.isEmpty()) {
        ini.kodierung_ = Kodierung::Utf16LE;
    } else {
        ini.kodierung_ = Kodierung::Ansi;
        text = QString::fromStdU16String(numeric::Utf16AusAnsi(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    }
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n')) ++i;
        Zeile z{text.mid(start, i - start), QString()};
        if (i < n) {
            const bool crlf = text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n');
            z.ende = text.mid(i, crlf ? 2 : 1);
            i += crlf ? 2 : 1;
        }
        ini.zeilen_.append(std::move(z));
        start = i;
    }
    return ini;
}

IniDatei IniDatei::Laden(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return IniDatei();
    return AusBytes(f.readAll());
}

QByteArray IniDatei::ZuBytes() const {
    QString text;
    for (const Zeile& z : zeilen_) text += z.text + z.ende;
    QByteArray out;
    switch (kodierung_) {
        case Kodierung::Utf16LE:
        case Kodierung::Utf16BE: {
            const bool be = kodierung_ == Kodierung::Utf16BE;
            out.reserve(2 + text.size() * 2);
            out.append(be ? "\xFE\xFF" : "\xFF\xFE", 2);
            for (QChar c : text) {
                const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
                out.append(be ? hi : lo);
                out.append(be ? lo : hi);
            }
            break;
        }
        case Kodierung::Utf8:
            out = QByteArray("\xEF\xBB\xBF", 3) + text.toUtf8();
            break;
        case Kodierung::Ansi:
            out = QByteArray::fromStdString(numeric::AnsiAusUtf16(text.toStdU16String()));
            break;
    }
    return out;
}

void IniDatei::Speichern(const QString& datei) const {
    if (!textfiles::DateiErsetzen(datei, ZuBytes(), nullptr))
        throw textfiles::DateiFehler(QStringLiteral("Unable to write to %1")
                                         .arg(QDir::toNativeSeparators(QFileInfo(datei).absoluteFilePath())));
}

QStringList IniDatei::Zeilen() const {
    QStringList out;
    for (const Zeile& z : zeilen_) out.append(z.text);
    return out;
}

int IniDatei::SektionFinden(const QString& sektion) const {
    for (int i = 0; i < zeilen_.size(); ++i) {
        std::optional<QString> name = Kopfname(zeilen_[i].text);
        if (name && name->compare(sektion, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int IniDatei::SchluesselFinden(int kopf, const QString& schluessel) const {
    for (int i = kopf + 1; i < zeilen_.size(); ++i) {
        if (Kopfname(zeilen_[i].text)) break;
        QString k;
        if (Wertzeile(zeilen_[i].text, &k, nullptr) && k.compare(schluessel, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> IniDatei::Lesen(const QString& sektion, const QString& schluessel) const {
    const int kopf = SektionFinden(sektion);
    if (kopf < 0) return std::nullopt;
    const int i = SchluesselFinden(kopf, schluessel);
    if (i < 0) return std::nullopt;
    QString wert;
    Wertzeile(zeilen_[i].text, nullptr, &wert);
    wert = Beschnitten(wert);
    if (wert.size() >= 2 && wert.front() == wert.back() &&
        (wert.front() == QLatin1Char('"') || wert.front() == QLatin1Char('\'')))
        wert = wert.mid(1, wert.size() - 2);
    return wert;
}

QString IniDatei::LeseText(const QString& sektion, const QString& schluessel, const QString& vorgabe) const {
    return Lesen(sektion, schluessel).value_or(vorgabe);
}

int IniDatei::LeseGanzzahl(const QString& sektion, const QString& schluessel, int vorgabe) const {
    const std::optional<QString> w = Lesen(sektion, schluessel);
    int v;
    if (w && numeric::IstGanzzahl(numeric::AnsiAusUtf16(w->toStdU16String()), &v)) return v;
    return vorgabe;
}

bool IniDatei::LeseBool(const QString& sektion, const QString& schluessel, bool vorgabe) const {
    const std::optional<QString> w = Lesen(sektion, schluessel);
    int v;
    if (w && numeric::IstGanzzahl(numeric::AnsiAusUtf16(w->toStdU16String()), &v)) return v != 0;
    return vorgabe;
}

void IniDatei::Schreiben(const QString& sektion, const QString& schluessel, const QString& wert) {
    const QString crlf = QStringLiteral("\r\n");
    int kopf = SektionFinden(sektion);
    if (kopf >= 0) {
        if (int i = SchluesselFinden(kopf, schluessel); i >= 0) {
            QString alt;
            Wertzeile(zeilen_[i].text, &alt, nullptr);
            zeilen_[i].text = alt + QLatin1Char('=') + wert;
            return;
        }
        // After the last line of the section that is not blank.
        int letzte = kopf;
        for (int i = kopf + 1; i < zeilen_.size() && !Kopfname(zeilen_[i].text); ++i)
            if (!Beschnitten(zeilen_[i].text).isEmpty()) letzte = i;
        if (zeilen_[letzte].ende.isEmpty()) zeilen_[letzte].ende = crlf;
        zeilen_.insert(letzte + 1, Zeile{schluessel + QLatin1Char('=') + wert, crlf});
        return;
    }
    if (!zeilen_.isEmpty() && zeilen_.back().ende.isEmpty()) zeilen_.back().ende = crlf;
    zeilen_.append(Zeile{QLatin1Char('[') + sektion + QLatin1Char(']'), crlf});
    zeilen_.append(Zeile{schluessel + QLatin1Char('=') + wert, crlf});
}

void IniDatei::SchreibeText(const QString& sektion, const QString& schluessel, const QString& wert) {
    const bool quoten =
        !wert.isEmpty() && (IstSteuerOderBlank(wert.front()) || IstSteuerOderBlank(wert.back()));
    Schreiben(sektion, schluessel, quoten ? QLatin1Char('"') + wert + QLatin1Char('"') : wert);
}

void IniDatei::SchreibeGanzzahl(const QString& sektion, const QString& schluessel, int wert) {
    Schreiben(sektion, schluessel, QString::number(wert));
}

void IniDatei::SchreibeBool(const QString& sektion, const QString& schluessel, bool wert) {
    Schreiben(sektion, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace quarnelo::settings
