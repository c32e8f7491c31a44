#include "gui/print/CPostcardPdf.h"

#include "gui/print/CPdfUnicodeMap.h"
#include "gui/print/CPostcardPages.h"

#include <QBuffer>
#include <QFont>
#include <QPdfWriter>

QByteArray CPostcardPdf::Render(const std::vector<CPostcardLayout>& cards,
                                const QString& fontFamily, bool withCard) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(RESOLUTION);
        CPostcardPages::Paint(writer, RESOLUTION, cards, fontFamily, withCard);
    }
    CPdfUnicodeMap::PreferIdeographs(bytes, CPdfUnicodeMap::RadicalsOf(QFont(fontFamily)));
    return bytes;
}
