#include "gui/print/CPdfUnicodeMap.h"

#include "core/storage/CSafeFileWriter.h"

#include <QFile>
#include <QFont>
#include <QRawFont>

namespace {
constexpr char16_t FIRST_RADICAL = 0x2E80; // CJK radicals supplement, then Kangxi radicals
constexpr char16_t LAST_RADICAL = 0x2FDF;
constexpr char16_t FIRST_IDEOGRAPH = 0x3400; // extension A, then the unified ideographs
constexpr char16_t LAST_IDEOGRAPH = 0x9FFF;
constexpr int HEX_DIGITS = 4;
constexpr const char* FALLBACK_FAMILY = "Noto Sans CJK JP";

QString Range(char16_t first, char16_t last) {
    QString text;
    text.reserve(last - first + 1);
    for (char32_t c = first; c <= last; ++c)
        text.append(QChar(static_cast<char16_t>(c)));
    return text;
}

// Replaces the four-digit targets between `begin` and `end` that name a radical.
void RewriteTargets(QByteArray& pdf, qsizetype begin, qsizetype end,
                    const QHash<char16_t, char16_t>& radicals) {
    bool inTargets = false;
    for (qsizetype at = begin; at < end; ++at) {
        const char c = pdf[at];
        if (c == '[' || c == ']') {
            inTargets = c == '[';
            continue;
        }
        if (!inTargets || c != '<' || at + HEX_DIGITS + 1 >= end || pdf[at + HEX_DIGITS + 1] != '>')
            continue;
        bool ok = false;
        const auto code = static_cast<char16_t>(pdf.mid(at + 1, HEX_DIGITS).toUInt(&ok, 16));
        const auto found = radicals.constFind(code);
        if (ok && found != radicals.cend())
            pdf.replace(at + 1, HEX_DIGITS,
                        QByteArray::number(*found, 16).toUpper().rightJustified(HEX_DIGITS, '0'));
        at += HEX_DIGITS + 1;
    }
}
} // namespace

QHash<char16_t, char16_t> CPdfUnicodeMap::RadicalsOf(const QFont& font) {
    // Text in a font without CJK glyphs falls back to the CJK fonts the program installs.
    QHash<char16_t, char16_t> radicals = RadicalsOfOne(QFont(QString::fromLatin1(FALLBACK_FAMILY)));
    radicals.insert(RadicalsOfOne(font));
    return radicals;
}

QHash<char16_t, char16_t> CPdfUnicodeMap::RadicalsOfOne(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QList<quint32> ideographGlyphs =
        raw.glyphIndexesForString(Range(FIRST_IDEOGRAPH, LAST_IDEOGRAPH));
    QHash<quint32, char16_t> ideographOf;
    for (qsizetype at = 0; at < ideographGlyphs.size(); ++at) {
        if (ideographGlyphs[at] != 0 && !ideographOf.contains(ideographGlyphs[at]))
            ideographOf.insert(ideographGlyphs[at], static_cast<char16_t>(FIRST_IDEOGRAPH + at));
    }
    const QList<quint32> radicalGlyphs =
        raw.glyphIndexesForString(Range(FIRST_RADICAL, LAST_RADICAL));
    QHash<char16_t, char16_t> radicals;
    for (qsizetype at = 0; at < radicalGlyphs.size(); ++at) {
        const auto found = ideographOf.constFind(radicalGlyphs[at]);
        if (radicalGlyphs[at] != 0 && found != ideographOf.cend())
            radicals.insert(static_cast<char16_t>(FIRST_RADICAL + at), *found);
    }
    return radicals;
}

void CPdfUnicodeMap::PreferIdeographs(QByteArray& pdf, const QHash<char16_t, char16_t>& radicals) {
    static const QByteArray MAP_START = "/Adobe-Identity-UCS";
    static const QByteArray MAP_END = "endcmap";
    for (qsizetype begin = pdf.indexOf(MAP_START); begin >= 0;
         begin = pdf.indexOf(MAP_START, begin + 1)) {
        const qsizetype end = pdf.indexOf(MAP_END, begin);
        if (end < 0)
            return;
        RewriteTargets(pdf, begin, end, radicals);
    }
}

bool CPdfUnicodeMap::MendFile(const QString& path, const QFont& font) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray pdf = file.readAll();
    file.close();
    PreferIdeographs(pdf, RadicalsOf(font));
    return CSafeFileWriter::Write(
               path.toStdString(),
               std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))
        .ok;
}
