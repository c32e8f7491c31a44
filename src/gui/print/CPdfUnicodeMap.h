#pragma once

#include <QByteArray>
#include <QHash>

class QFont;
class QString;

// Mends the text that Qt's PDF writer records for CJK glyphs. It names each glyph by the lowest
// code point the font maps to it, so 一 and 山 come out as the Kangxi radicals ⼀ and ⼭, which
// look alike but are not found by a search. The radicals are put back as the ideographs that
// share their glyph; the PDF keeps its length, so nothing else in it moves.
class CPdfUnicodeMap {
public:
    CPdfUnicodeMap() = delete;

    // Radical -> ideograph, for the radicals the font draws with an ideograph's glyph.
    static QHash<char16_t, char16_t> RadicalsOf(const QFont& font);
    // Rewrites the targets of every ToUnicode map in the PDF.
    static void PreferIdeographs(QByteArray& pdf, const QHash<char16_t, char16_t>& radicals);
    // The same for a PDF file a printer wrote; false when it could not be read or written.
    static bool MendFile(const QString& path, const QFont& font);

private:
    static QHash<char16_t, char16_t> RadicalsOfOne(const QFont& font);
};
