#include "core/sync/CSyncCardStore.h"

#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/sync/CTransferLimits.h"

#include <charconv>
#include <sys/stat.h>

namespace {
constexpr std::string_view MAGIC = "tarnvale-cards 1\n";
constexpr std::size_t MAX_BYTES = std::size_t{1} << 30; // far beyond any book's cards
constexpr std::size_t MAX_UID_BYTES = 64 * 1024;

bool ReadNumber(std::string_view& text, char end, std::size_t& number) {
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || rest == text.data() + text.size() || *rest != end)
        return false;
    text.remove_prefix(static_cast<std::size_t>(rest - text.data()) + 1);
    return true;
}
} // namespace

std::filesystem::path CSyncCardStore::PathFor(const std::filesystem::path& book) {
    std::filesystem::path path = book;
    path += ".cards";
    return path;
}

CSyncCardStore CSyncCardStore::Parse(std::string_view bytes) {
    if (!bytes.starts_with(MAGIC))
        return {};
    bytes.remove_prefix(MAGIC.size());
    CSyncCardStore store;
    while (!bytes.empty()) {
        std::size_t uidBytes = 0;
        std::size_t cardBytes = 0;
        if (!ReadNumber(bytes, ' ', uidBytes) || !ReadNumber(bytes, '\n', cardBytes) ||
            uidBytes == 0 || uidBytes > MAX_UID_BYTES || cardBytes > CTransferLimits().cardBytes ||
            uidBytes + cardBytes > bytes.size())
            return {};
        store.m_cards[std::string(bytes.substr(0, uidBytes))] =
            std::string(bytes.substr(uidBytes, cardBytes));
        bytes.remove_prefix(uidBytes + cardBytes);
    }
    return store;
}

std::string CSyncCardStore::Encode() const {
    std::string text(MAGIC);
    for (const auto& [uid, card] : m_cards) {
        text += std::to_string(uid.size()) + ' ' + std::to_string(card.size()) + '\n';
        text += uid;
        text += card;
    }
    return text;
}

CFileResult CSyncCardStore::Load(const std::filesystem::path& book, CSyncCardStore& store) {
    store = {};
    const std::filesystem::path path = PathFor(book);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return {true, {}, 0};
    std::string bytes;
    if (CFileReader::Read(path, bytes, MAX_BYTES).ok)
        store = Parse(bytes);
    return {true, {}, 0};
}

CFileResult CSyncCardStore::Save(const std::filesystem::path& book) const {
    return CSafeFileWriter::WritePrivate(PathFor(book), Encode());
}

const std::string* CSyncCardStore::Find(const std::string& uid) const {
    const auto found = m_cards.find(uid);
    return found == m_cards.end() ? nullptr : &found->second;
}

void CSyncCardStore::Put(const std::string& uid, std::string card) {
    std::string& kept = m_cards[uid];
    if (kept == card)
        return;
    kept = std::move(card);
    m_bChanged = true;
}

void CSyncCardStore::Keep(const std::map<std::string, CSyncEntry>& entries) {
    m_bChanged |=
        std::erase_if(m_cards, [&](const auto& card) { return !entries.contains(card.first); }) > 0;
}
