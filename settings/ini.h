// INI files in the manner of the profile functions: section and key names
// matched without regard to case, values updated in place with every other
// line kept, UTF-16 LE text when the file starts with its byte-order mark.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

namespace quarnelo::settings {

class IniDatei {
  public:
    /// The text encodings a file may have; a new file is UTF-16 LE.
    enum class Kodierung { Ansi, Utf8, Utf16LE, Utf16BE };

    IniDatei() = default;

    /// Parses the bytes of a file (mark FF FE or FE FF: UTF-16, EF BB BF: UTF-8,
    /// else Windows-1252).
    static IniDatei AusBytes(const QByteArray& bytes);

    /// Reads a file; a missing or unreadable file gives an empty UTF-16 LE file.
    static IniDatei Laden(const QString& datei);

    /// The file's bytes in its own encoding, with its mark.
    QByteArray ZuBytes() const;

    /// Writes the file through a temporary file that replaces it. Throws
    /// textfiles::DateiFehler "Unable to write to <path>" on failure.
    void Speichern(const QString& datei) const;

    /// The raw value of a key: blanks around it dropped and one pair of enclosing
    /// quotation marks (double or single) removed; nothing when the key is missing.
    std::optional<QString> Lesen(const QString& sektion, const QString& schluessel) const;

    /// Text with `vorgabe` for a missing key.
    QString LeseText(const QString& sektion, const QString& schluessel, const QString& vorgabe) const;
    /// A whole number (decimal, or hexadecimal after "0x"); `vorgabe` otherwise.
    int LeseGanzzahl(const QString& sektion, const QString& schluessel, int vorgabe) const;
    /// A whole number: 0 false, any other true; `vorgabe` otherwise.
    bool LeseBool(const QString& sektion, const QString& schluessel, bool vorgabe) const;

    /// Sets a key: an existing line of the key gets the new value; otherwise the
    /// key goes after the last line of its section, or into a new section at the
    /// end of the file.
    void Schreiben(const QString& sektion, const QString& schluessel, const QString& wert);
    /// A text, enclosed in double quotes when it starts or ends with a blank or
    /// a control character.
    void SchreibeText(const QString& sektion, const QString& schluessel, const QString& wert);
    void SchreibeGanzzahl(const QString& sektion, const QString& schluessel, int wert);
    void SchreibeBool(const QString& sektion, const QString& schluessel, bool wert);

    Kodierung kodierung() const { return kodierung_; }
    /// The lines of the file without their line ends.
    QStringList Zeilen() const;

  private:
    struct Zeile {
        QString text;
        QString ende;  // "\r\n", "\n", "\r" or empty for a last line without one
    };
    // Index of the section header line, -1 when absent.
    int SektionFinden(const QString& sektion) const;
    // Index of the key's line within the section starting at `kopf`, -1 when absent.
    int SchluesselFinden(int kopf, const QString& schluessel) const;

    QVector<Zeile> zeilen_;
    Kodierung kodierung_ = Kodierung::Utf16LE;
};

}  // namespace quarnelo::settings
