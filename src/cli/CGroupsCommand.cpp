#include "cli/CGroupsCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CLockedBook.h"
#include "cli/CStdout.h"
#include "core/document/CAddressDoc.h"
#include "core/text/CTextCodec.h"

int CGroupsCommand::Run(const std::string& file) {
    CAddressDoc doc;
    if (const CFileResult loaded = CLockedBook::LoadUnlocked(doc, file); !loaded.ok)
        return CCliArguments::Report(loaded.message);
    const CTextCodec codec;
    CStdout out;
    // A name with a line break would read as two; completion cannot offer it anyway.
    for (const CGroup* group : doc.GetGroupList()) {
        const std::string name = codec.ToUtf8(group->m_strGroupName.View());
        if (name.find_first_of("\r\n") == std::string::npos)
            out.Write(name + "\n");
    }
    return out.Finish();
}
