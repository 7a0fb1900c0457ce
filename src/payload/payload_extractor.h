#pragma once
#include <windows.h>

// Turns the program's payloads into files. A payload is a resource of the
// type "CUSTOM" whose bytes are a file compressed in the SZDD form:
//   0  "SZDD" 0x88 0xF0 0x27 0x33   the magic
//   8  'A'                           the compression mode
//   9  one byte                      a replaced name character (unused here)
//   10 four bytes, little-endian     the length of the expanded file
//   14 the LZ-coded data, which LZ32 expands
// The extractor holds nothing; a caller makes one for an extraction step.
class PayloadExtractor {
public:
    // Writes the payload with this resource number to target, expanded,
    // replacing any file there. True only when target holds the whole file
    // that the payload's header promises. On false no target remains (a file
    // that was there before is gone too once its replacement was begun), and
    // on every path the temporary copy of the payload is removed again.
    bool ExtractPayload(WORD id, const char* target);

    // Expands the SZDD file source into target through LZ32, replacing any
    // file there. False for a source without the magic and mode 'A', and for
    // an expansion that does not come to the length in the source's header,
    // which LZ32 alone would let pass: it copies a file without the magic
    // unchanged and ends a cut-off stream as if it were complete. On false no
    // target remains.
    bool ExpandCompressedFile(const char* source, const char* target);
};
