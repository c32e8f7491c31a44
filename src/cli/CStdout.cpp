#include "cli/CStdout.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"

#include <cstdio>

void CStdout::Write(std::string_view piece) {
    m_bWritten = m_bWritten && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
}

int CStdout::Finish() {
    if (!m_bWritten || std::fflush(stdout) != 0)
        return CCliArguments::Report(CCliTexts::STDOUT_FAILED);
    return CCliArguments::EXIT_OK;
}
