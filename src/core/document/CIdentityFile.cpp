#include "core/document/CIdentityFile.h"

#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CSha1.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace fs = std::filesystem;

namespace {
constexpr std::string_view MAGIC_V1 = "tarnvale-ids 1\n";
constexpr std::string_view MAGIC = "tarnvale-ids 2\n";
constexpr std::string_view BOOK = "book ";
constexpr std::size_t DIGEST_DIGITS = 40;
constexpr std::size_t KEY_DIGITS = 16;
constexpr std::size_t UID_DIGITS = 36;
// Far above what a book the program can load would need; a larger file is no ids file.
constexpr std::size_t MAX_FILE_SIZE = 512 * 1024 * 1024;
// The namespace of the UIDs derived from a book's digest and a person's position.
constexpr CUuid::CBytes BOOK_NAMESPACE = {0x6f, 0x1c, 0x2e, 0x4a, 0x93, 0x57, 0x4b, 0x0d,
                                          0xa4, 0x61, 0x3e, 0x0f, 0x8b, 0x25, 0xd7, 0x19};

enum class EKeyVersion { ByteWise, WordWise };

std::uint64_t ByteWiseHash(const CIdentityFile::CTexts& texts) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    auto add = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    };
    for (const std::string_view text : texts) {
        // The length first, so that moving bytes from one text to the next changes the key.
        for (std::size_t shift = 0; shift < 32; shift += 8)
            add(static_cast<unsigned char>(text.size() >> shift));
        for (const char c : text)
            add(static_cast<unsigned char>(c));
    }
    return hash;
}

// Eight bytes, the first the lowest, whatever the processor's order, so that every machine
// writes the same keys.
std::uint64_t LittleEndianWord(const char* bytes, std::size_t size) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, size);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word;
}

std::uint64_t WordWiseHash(const CIdentityFile::CTexts& texts) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    auto add = [&hash](std::uint64_t word) {
        hash ^= word;
        hash *= 0x9e3779b97f4a7c15ULL;
        hash ^= hash >> 32;
    };
    for (const std::string_view text : texts) {
        add(text.size());
        std::size_t at = 0;
        for (; at + 8 <= text.size(); at += 8)
            add(LittleEndianWord(text.data() + at, 8));
        if (at < text.size())
            add(LittleEndianWord(text.data() + at, text.size() - at));
    }
    return hash;
}

std::string KeyOf(const CIdentityFile::CTexts& texts, EKeyVersion version) {
    const std::uint64_t hash =
        version == EKeyVersion::ByteWise ? ByteWiseHash(texts) : WordWiseHash(texts);
    static constexpr char DIGITS[] = "0123456789abcdef";
    std::string key(KEY_DIGITS, '0');
    for (std::size_t i = 0; i < KEY_DIGITS; ++i)
        key[i] = DIGITS[(hash >> (60 - 4 * i)) & 0x0F];
    return key;
}

struct CRemembered {
    EKeyVersion keys = EKeyVersion::WordWise;
    std::string digest;
    std::vector<std::pair<CUuid, std::string>> records; // UID and record key
};

bool IsLowerHex(std::string_view text) {
    return text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// The file's records, or nothing for a file the program did not write as it is.
std::optional<CRemembered> Parse(std::string_view bytes) {
    CRemembered remembered;
    if (bytes.starts_with(MAGIC_V1))
        remembered.keys = EKeyVersion::ByteWise;
    else if (!bytes.starts_with(MAGIC))
        return std::nullopt;
    bytes.remove_prefix(MAGIC.size());
    std::unordered_set<CUuid> seen;
    bool first = true;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end + 1);
        if (first) {
            if (!line.starts_with(BOOK) || line.size() != BOOK.size() + DIGEST_DIGITS ||
                !IsLowerHex(line.substr(BOOK.size())))
                return std::nullopt;
            remembered.digest = line.substr(BOOK.size());
            first = false;
            continue;
        }
        if (line.size() != UID_DIGITS + 1 + KEY_DIGITS || line[UID_DIGITS] != ' ')
            return std::nullopt;
        const auto uid = CUuid::Parse(line.substr(0, UID_DIGITS));
        const std::string_view key = line.substr(UID_DIGITS + 1);
        if (!uid || uid->IsNil() || !IsLowerHex(key) || !seen.insert(*uid).second)
            return std::nullopt;
        remembered.records.emplace_back(*uid, key);
    }
    if (first)
        return std::nullopt;
    return remembered;
}

std::string ReadIds(const fs::path& book) {
    std::string bytes;
    if (!CFileReader::Read(CIdentityFile::PathFor(book), bytes, MAX_FILE_SIZE).ok)
        bytes.clear();
    return bytes;
}
} // namespace

fs::path CIdentityFile::PathFor(const fs::path& book) {
    fs::path ids = book;
    ids += ".ids";
    return ids;
}

CIdentityFile::CTexts CIdentityFile::TextsOf(const CPersonalData& person) {
    CTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = person.GetText(static_cast<EPersonText>(i));
    return texts;
}

std::string CIdentityFile::Encode(std::string_view bookBytes, const CPersonList& persons) {
    std::string text(MAGIC);
    text.reserve(MAGIC.size() + 64 + persons.size() * (UID_DIGITS + KEY_DIGITS + 2));
    text += BOOK;
    text += CSha1::Hex(CSha1::Of(bookBytes));
    text += '\n';
    for (const CPersonalData* person : persons) {
        text += person->GetUid().ToString();
        text += ' ';
        text += KeyOf(TextsOf(*person), EKeyVersion::WordWise);
        text += '\n';
    }
    return text;
}

std::vector<CUuid> CIdentityFile::Resolve(std::string_view idsBytes, std::string_view bookBytes,
                                          const std::vector<CTexts>& persons) {
    return Resolve(idsBytes, bookBytes, persons.size(),
                   [&persons](std::size_t i) { return persons[i]; });
}

std::vector<CUuid> CIdentityFile::Resolve(std::string_view idsBytes, std::string_view bookBytes,
                                          std::size_t count,
                                          const std::function<CTexts(std::size_t)>& textsOf) {
    const std::string digest = CSha1::Hex(CSha1::Of(bookBytes));
    std::vector<CUuid> uids;
    uids.reserve(count);
    const std::optional<CRemembered> remembered = Parse(idsBytes);
    if (remembered && remembered->digest == digest) {
        if (remembered->records.size() == count) {
            for (const auto& record : remembered->records)
                uids.push_back(record.first);
            return uids;
        }
    } else if (remembered) {
        std::unordered_map<std::string, std::deque<CUuid>> byKey;
        for (const auto& [uid, key] : remembered->records)
            byKey[key].push_back(uid);
        for (std::size_t i = 0; i < count; ++i) {
            auto found = byKey.find(KeyOf(textsOf(i), remembered->keys));
            if (found == byKey.end() || found->second.empty()) {
                uids.emplace_back();
                continue;
            }
            uids.push_back(found->second.front());
            found->second.pop_front();
        }
    }
    uids.resize(count);
    const CUuid ns(BOOK_NAMESPACE);
    CSha1 sha;
    std::string name = digest + '/';
    const std::size_t prefix = name.size();
    for (std::size_t i = 0; i < uids.size(); ++i) {
        if (!uids[i].IsNil())
            continue;
        name.resize(prefix);
        name += std::to_string(i);
        uids[i] = CUuid::NameBased(ns, name, sha);
    }
    return uids;
}

void CIdentityFile::Restore(const fs::path& book, std::string_view bookBytes,
                            const std::vector<CPersonalData*>& persons) {
    // A person's texts are read only when the book was changed elsewhere.
    const std::vector<CUuid> uids =
        Resolve(ReadIds(book), bookBytes, persons.size(),
                [&persons](std::size_t i) { return TextsOf(*persons[i]); });
    for (std::size_t i = 0; i < persons.size(); ++i)
        persons[i]->SetUid(uids[i]);
}

std::vector<CUuid> CIdentityFile::Read(const fs::path& book, std::string_view bookBytes,
                                       const std::vector<CTexts>& persons) {
    return Resolve(ReadIds(book), bookBytes, persons);
}

CFileResult CIdentityFile::Save(const fs::path& book, std::string_view bookBytes,
                                const CPersonList& persons) {
    return CSafeFileWriter::Write(PathFor(book), Encode(bookBytes, persons), ELinkRule::Replace,
                                  nullptr, book);
}
