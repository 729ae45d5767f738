// Feeds arbitrary bytes to the text-file decoders: the mark detection, every
// decoder behind it, and UTF-7 on its own.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "textfiles/textdatei.h"

using namespace quarnelo::textfiles;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int kodierung = KodierungAusBytes(bytes);
    const QString text = TextDekodieren(bytes);
    // No decoder yields more code units than there are bytes.
    if (text.size() > bytes.size()) std::abort();
    if (kodierung == kUtf16LE && text.size() != (bytes.size() - 2) / 2) std::abort();
    (void)Utf7Dekodieren(bytes);
    // What the writer produces reads back unchanged, unless the text starts with
    // U+0000: FF FE 00 00 is the mark of UTF-32.
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    if ((text.isEmpty() || text.front() != QChar(0)) && TextDekodieren(utf16) != text) std::abort();
    (void)TextZerlegen(text, QStringLiteral("\r\n"));
    (void)ENotationUmschreiben(text);
    return 0;
}
