#include "cli/CDuplicatesCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCommandLine.h"
#include "cli/CLockedBook.h"
#include "cli/CStdout.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/duplicates/CDuplicateFinder.h"

#include <array>
#include <string>
#include <utility>

namespace {
constexpr std::array<std::pair<EDuplicateReason, const char*>, 3> REASON_NAMES = {{
    {EDuplicateReason::Name, "\"name\""},
    {EDuplicateReason::Email, "\"email\""},
    {EDuplicateReason::Phone, "\"phone\""},
}};

std::string SetJson(const CDuplicateSet& set) {
    std::string json = "{\"indexes\": [";
    for (std::size_t i = 0; i < set.indexes.size(); ++i)
        json.append(i > 0 ? ", " : "").append(std::to_string(set.indexes[i]));
    json += "], \"reasons\": [";
    bool first = true;
    for (const auto& [reason, name] : REASON_NAMES) {
        if (!set.Has(reason))
            continue;
        json.append(first ? "" : ", ").append(name);
        first = false;
    }
    return json + "]}";
}
} // namespace

int CDuplicatesCommand::Run(const CCommandLine& commandLine) {
    CAddressDoc doc;
    if (const CFileResult loaded = CLockedBook::LoadUnlocked(doc, commandLine.GetFiles()[0]);
        !loaded.ok)
        return CCliArguments::Report(loaded.message);
    const std::vector<const CPersonalData*> persons(doc.GetPersonList().begin(),
                                                    doc.GetPersonList().end());
    CStdout out;
    out.Write("{\"sets\": [");
    const std::vector<CDuplicateSet> sets = CDuplicateFinder().Find(persons);
    for (std::size_t i = 0; i < sets.size(); ++i)
        out.Write((i > 0 ? ", " : "") + SetJson(sets[i]));
    out.Write("]}\n");
    return out.Finish();
}
