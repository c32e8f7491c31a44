#include "core/model/CUid.h"

#include <algorithm>

namespace {
constexpr std::string_view URN_PREFIX = "urn:uuid:";

// Only the exact lowercase text of a UUID is kept as one: any other spelling would come back
// changed.
std::optional<CUuid> ExactUuid(std::string_view text) {
    const auto uuid = CUuid::Parse(text);
    if (!uuid || uuid->IsNil() || uuid->ToString() != text)
        return std::nullopt;
    return uuid;
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}
} // namespace

CUid::CUid(const CUid& other)
    : m_uuid(other.m_uuid), m_bUrn(other.m_bUrn),
      m_text(other.m_text ? std::make_unique<const std::string>(*other.m_text) : nullptr) {}

CUid& CUid::operator=(const CUid& other) {
    if (this != &other)
        *this = CUid(other);
    return *this;
}

std::optional<CUid> CUid::FromText(std::string_view text) {
    if (text.empty() || text.size() > MAX_TEXT || std::any_of(text.begin(), text.end(), IsControl))
        return std::nullopt;
    const bool urn = text.starts_with(URN_PREFIX);
    if (const auto uuid = ExactUuid(urn ? text.substr(URN_PREFIX.size()) : text)) {
        CUid uid(*uuid);
        uid.m_bUrn = urn;
        return uid;
    }
    CUid uid;
    uid.m_text = std::make_unique<const std::string>(text);
    return uid;
}

std::string CUid::ToString() const {
    if (m_text)
        return *m_text;
    return m_bUrn ? std::string(URN_PREFIX) + m_uuid.ToString() : m_uuid.ToString();
}

std::string CUid::Key() const {
    if (IsNil())
        return {};
    std::string key;
    for (const char c : ToString()) {
        if (c == ' ')
            key += "%20";
        else if (c == '%')
            key += "%25";
        else
            key += c;
    }
    return key;
}

std::optional<CUuid> CUid::AsUuid() const {
    if (m_text)
        return std::nullopt;
    return m_uuid;
}

bool operator==(const CUid& a, const CUid& b) {
    if (a.m_text || b.m_text)
        return a.m_text && b.m_text && *a.m_text == *b.m_text;
    return a.m_uuid == b.m_uuid;
}

std::size_t CUid::Hash() const {
    return m_text ? std::hash<std::string>()(*m_text) : std::hash<CUuid>()(m_uuid);
}
