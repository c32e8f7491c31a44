#include "core/text/CSha1.h"

#include <new>
#include <openssl/evp.h>
#include <stdexcept>

void CSha1::CFreeContext::operator()(evp_md_ctx_st* context) const {
    EVP_MD_CTX_free(context);
}

CSha1::CSha1() : m_context(EVP_MD_CTX_new()) {
    if (!m_context)
        throw std::bad_alloc();
    if (EVP_DigestInit_ex(m_context.get(), EVP_sha1(), nullptr) != 1)
        throw std::runtime_error("SHA-1 is not available");
}

void CSha1::Restart() {
    if (EVP_DigestInit_ex2(m_context.get(), nullptr, nullptr) != 1)
        throw std::runtime_error("SHA-1 is not available");
}

void CSha1::Update(std::string_view bytes) {
    if (EVP_DigestUpdate(m_context.get(), bytes.data(), bytes.size()) != 1)
        throw std::runtime_error("SHA-1 failed");
}

CSha1::CDigest CSha1::Finish() {
    CDigest digest{};
    unsigned int size = 0;
    if (EVP_DigestFinal_ex(m_context.get(), digest.data(), &size) != 1 || size != digest.size())
        throw std::runtime_error("SHA-1 failed");
    return digest;
}

CSha1::CDigest CSha1::Of(std::string_view bytes) {
    CSha1 sha;
    sha.Update(bytes);
    return sha.Finish();
}

std::string CSha1::Hex(const CDigest& digest) {
    static constexpr char DIGITS[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(digest.size() * 2);
    for (const std::uint8_t byte : digest) {
        hex.push_back(DIGITS[byte >> 4]);
        hex.push_back(DIGITS[byte & 0x0F]);
    }
    return hex;
}
