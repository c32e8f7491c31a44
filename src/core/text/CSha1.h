#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct evp_md_ctx_st;

// The SHA-1 digest of a byte stream: what name-based UUIDs are made from, and how the program
// recognises a book's bytes again. Not for secrets. The system's crypto library computes it,
// with the processor's SHA instructions where there are any: a book of 20 MB is digested as it
// is opened and saved.
class CSha1 {
public:
    using CDigest = std::array<std::uint8_t, 20>;

    CSha1();

    void Update(std::string_view bytes);
    // The digest of everything given so far; the object may not be updated afterwards until
    // it starts again.
    CDigest Finish();
    // Forgets what it was given, so that one object digests many short texts in turn.
    void Restart();

    static CDigest Of(std::string_view bytes);
    // Lowercase hexadecimal, forty digits.
    static std::string Hex(const CDigest& digest);

private:
    struct CFreeContext {
        void operator()(evp_md_ctx_st* context) const;
    };

    std::unique_ptr<evp_md_ctx_st, CFreeContext> m_context;
};
