#pragma once

#include <string_view>

// Standard output for a sub-command: pieces go out as they come, and a failure to write any of
// them is told once, at the end, as every other failure is.
class CStdout {
public:
    void Write(std::string_view piece);
    // Flushes; gives the exit code, after reporting a failed write.
    int Finish();

private:
    bool m_bWritten = true;
};
