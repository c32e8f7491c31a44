#pragma once

class CCommandLine;

// tarnvale-cli set and delete: one person's texts changed, or the person moved to the deleted
// folder, by its index in the book's person order; the book is saved with its backup.
class CEditCommands {
public:
    CEditCommands() = delete;

    static int Set(const CCommandLine& commandLine);
    static int Delete(const CCommandLine& commandLine);
};
