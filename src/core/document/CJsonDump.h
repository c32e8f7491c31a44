#pragma once

#include "core/storage/CFileResult.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CAddressDoc;

// The address book as JSON (UTF-8) for scripts: groups, then persons with their texts, sex
// and the indexes of their groups, all in document order. Texts are converted from CP932;
// bytes that are not CP932 become U+FFFD.
class CJsonDump {
public:
    // Receives the JSON piece by piece, in order.
    using CSink = std::function<void(std::string_view)>;

    CJsonDump() = delete;

    static std::string Dump(const CAddressDoc& doc);
    static void Dump(const CAddressDoc& doc, const CSink& sink);
    // {"persons": [...]} with the persons at the given positions of the document's person list
    // (ascending), each as in a dump plus its "index".
    static void DumpPersons(const CAddressDoc& doc, const std::vector<std::size_t>& indexes,
                            const CSink& sink);

    // Straight from a data file, without building a document. The file is checked whole
    // first, so a damaged one gives the sink nothing.
    static CFileResult DumpFile(const std::filesystem::path& path, const CSink& sink);
};
