#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

class CSha1;

// A universally unique identifier: sixteen bytes, all zero for none. Persons carry one so that
// other address books can recognise them across exports and imports.
class CUuid {
public:
    using CBytes = std::array<std::uint8_t, 16>;

    CUuid() = default;
    explicit CUuid(const CBytes& bytes) : m_bytes(bytes) {}

    // Version 4: random bits from the caller's generator.
    static CUuid Random(std::mt19937_64& random);
    // Version 5: the SHA-1 of the namespace and the name, so the same name always gives the
    // same identifier.
    static CUuid NameBased(const CUuid& ns, std::string_view name);
    // The same with a digest of the caller's, used again for each name: a book of 100,000
    // persons is given its identifiers without setting up a digest for each.
    static CUuid NameBased(const CUuid& ns, std::string_view name, CSha1& sha);
    // Lowercase 8-4-4-4-12 hexadecimal; Parse also takes uppercase and a "urn:uuid:" prefix.
    std::string ToString() const;
    static std::optional<CUuid> Parse(std::string_view text);

    bool IsNil() const;
    const CBytes& GetBytes() const { return m_bytes; }
    friend bool operator==(const CUuid&, const CUuid&) = default;

private:
    void SetVersion(std::uint8_t version);

    CBytes m_bytes{};
};

// So that identifiers can key hash maps.
template <> struct std::hash<CUuid> {
    std::size_t operator()(const CUuid& uuid) const noexcept {
        std::size_t value = 0;
        for (const std::uint8_t byte : uuid.GetBytes())
            value = value * 131 + byte;
        return value;
    }
};
