#pragma once

#include "core/model/CUuid.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A person's UID as the world wrote it. Other programs and servers choose their own (khard and
// many servers write no UUID at all), and a card must go back with the UID it came with, byte
// for byte, or the server sees another contact. The program's own UIDs are UUIDs, kept in their
// sixteen bytes; any other text is kept as it is. "urn:uuid:X" (the vCard 4.0 form) and "X"
// name the same UUID and compare equal, but each is written back as it came.
class CUid {
public:
    // The longest UID taken as it is; a longer one is no name but data, and is given a UUID.
    static constexpr std::size_t MAX_TEXT = 1024;

    CUid() = default;
    explicit CUid(const CUuid& uuid) : m_uuid(uuid) {}
    CUid(const CUid& other);
    CUid& operator=(const CUid& other);
    CUid(CUid&&) noexcept = default;
    CUid& operator=(CUid&&) noexcept = default;
    ~CUid() = default;

    // Nothing for an empty text, or one that cannot be kept byte for byte in a line of text
    // (longer than MAX_TEXT, or with a control character).
    static std::optional<CUid> FromText(std::string_view text);

    std::string ToString() const;
    // The UID as a settings file keeps it, among other words: blanks and '%' escaped (%20,
    // %25), so a program's own UUID reads as it always did. Empty for none.
    std::string Key() const;
    bool IsNil() const { return !m_text && m_uuid.IsNil(); }
    // The UUID it is (all zero for none), unless it is a text of another kind.
    std::optional<CUuid> AsUuid() const;

    friend bool operator==(const CUid& a, const CUid& b);
    std::size_t Hash() const;

private:
    CUuid m_uuid;
    bool m_bUrn = false;
    std::unique_ptr<const std::string> m_text; // a UID that is no UUID, as written
};

template <> struct std::hash<CUid> {
    std::size_t operator()(const CUid& uid) const noexcept { return uid.Hash(); }
};
