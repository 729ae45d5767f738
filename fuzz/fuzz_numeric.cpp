// Feeds arbitrary text to the value reader, the term checks and the evaluator.
#include <cstddef>
#include <cstdint>
#include <string>

#include "numeric/checks.h"
#include "numeric/format.h"
#include "numeric/term.h"

using namespace quarnelo::numeric;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 6000) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    for (char sep : {',', '.'}) {
        try {
            long double v;
            if (WertFinden(text, v, sep)) (void)ZahlFormatieren(v, Zahlformat{});
        } catch (const EvalError&) {
        }
        if (TermGueltig(text)) {
            try {
                (void)TermBerechnen(text, 1.5L, sep);
            } catch (const EvalError&) {
            }
        }
        (void)ZweiTermeGueltig(text);
    }
    return 0;
}
