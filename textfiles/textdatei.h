// Text files: reading by byte-order mark, writing with a mark, and the small
// text routines the program shares (splitting, replacing, listing files).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace quarnelo::textfiles {

/// A file that cannot be created or opened. what() is the UTF-8 message,
/// Meldung() the same as a QString.
class DateiFehler : public std::runtime_error {
  public:
    explicit DateiFehler(const QString& meldung);
    QString Meldung() const { return meldung_; }

  private:
    QString meldung_;
};

/// Encoding codes as KodierungErmitteln returns them.
enum Kodierung : int {
    kAnsi = 0,
    kUtf7 = 65000,
    kUtf8 = 65001,
    kUtf32LE = 65005,
    kUtf32BE = 65006,
    kUtf16LE = 1200,
    kUtf16BE = 1201,
};

/// The encoding that the first bytes of a file announce (see KodierungErmitteln).
int KodierungAusBytes(const QByteArray& bytes);

/// The encoding of a file by its first bytes; a file of 0 or 1 bytes is ANSI.
/// Throws DateiFehler ("Cannot open file") when the file cannot be read.
int KodierungErmitteln(const QString& datei);

/// The whole content of a file, decoded by its mark (KodierungAusBytes); bytes
/// without a mark are Windows-1252.
QString TextDekodieren(const QByteArray& bytes);

/// RFC 2152 decoding. Bytes outside ASCII and a shift sequence cut short give
/// U+FFFD; bits left over at the end of a shift sequence are dropped.
QString Utf7Dekodieren(const QByteArray& bytes);

/// Reads a whole text file. Throws DateiFehler ("Cannot open file") when the
/// file cannot be opened for reading.
QString TextDateiLaden(const QString& datei);

/// Writes `text` with a mark: 65001 UTF-8 (EF BB BF), 1200 UTF-16 LE (FF FE).
/// Names ending in .bmp, .gif, .jpg or .jpeg (any case) are left alone. The new
/// content goes to a temporary file in the same folder that then replaces the
/// old file, so a failed write leaves the old content intact.
/// Throws DateiFehler ("Cannot create file") on failure.
void TextDateiSpeichern(const QString& text, const QString& datei, int kodierung);

/// Replaces the file's content by `bytes` through a temporary file in the same
/// folder. False on failure, with the cause in `ursache`.
bool DateiErsetzen(const QString& datei, const QByteArray& bytes, QString* ursache);

/// The pieces of `text` between the occurrences of `trenner` (not empty); the
/// empty text gives one empty piece, a trailing separator a last empty piece.
QStringList TextZerlegen(const QString& text, const QString& trenner);

/// Every occurrence of `such` replaced by `ersatz`, case-sensitive, left to right,
/// matches never overlapping.
QString TextErsetzen(const QString& text, const QString& such, const QString& ersatz);

/// Full paths of the files in `ordner` whose names end in one of `endungen`
/// (letters compared without regard to case), per extension in listing order;
/// with `unterordner` the results of the subfolders come first.
QStringList DateienSuchen(const QString& ordner, const QStringList& endungen, bool unterordner);

/// Rewrites E-notation as powers of ten: "E-<digits>" becomes "*10^(-<digits>)",
/// then, if an upper-case E remains, every "E" and "e" becomes "*10^".
QString ENotationUmschreiben(const QString& text);

}  // namespace quarnelo::textfiles
