#include "core/document/CIdentityFile.h"

#include "core/document/CDocumentTexts.h"
#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CSha1.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

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
constexpr std::string_view MAGIC_V2 = "tarnvale-ids 2\n";
constexpr std::string_view MAGIC = "tarnvale-ids 3\n";
constexpr std::string_view BOOK = "book ";
constexpr std::size_t DIGEST_DIGITS = 40;
constexpr std::size_t KEY_DIGITS = 16;
constexpr std::size_t UUID_DIGITS = 36;
constexpr std::size_t CHECK_DIGITS = 8;
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

std::string HexOf(std::uint64_t value, std::size_t digits) {
    static constexpr char DIGITS[] = "0123456789abcdef";
    std::string hex(digits, '0');
    for (std::size_t i = 0; i < digits; ++i)
        hex[i] = DIGITS[(value >> (4 * (digits - 1 - i))) & 0x0F];
    return hex;
}

std::string KeyOf(const CIdentityFile::CTexts& texts, EKeyVersion version) {
    return HexOf(version == EKeyVersion::ByteWise ? ByteWiseHash(texts) : WordWiseHash(texts),
                 KEY_DIGITS);
}

// FNV-1a over the UID's text: enough to tell a line that changed on disk from a sound one.
std::string CheckOf(std::string_view uid) {
    std::uint32_t hash = 0x811c9dc5U;
    for (const char c : uid) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x01000193U;
    }
    return HexOf(hash, CHECK_DIGITS);
}

// The persons one book had: its digest and each person's UID and record key, in order.
struct CSection {
    std::string digest;
    std::vector<std::pair<CUid, std::string>> records;
    bool damaged = false;
};

struct CRemembered {
    EKeyVersion keys = EKeyVersion::WordWise;
    std::vector<CSection> sections;
    bool damaged = false;
};

bool IsLowerHex(std::string_view text) {
    return text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// A person's line, or nothing for one that is not as the program wrote it.
std::optional<std::pair<CUid, std::string>> ParseRecord(std::string_view line, bool oldForm) {
    std::string_view uidText;
    std::string_view key;
    if (oldForm) {
        if (line.size() != UUID_DIGITS + 1 + KEY_DIGITS || line[UUID_DIGITS] != ' ')
            return std::nullopt;
        uidText = line.substr(0, UUID_DIGITS);
        key = line.substr(UUID_DIGITS + 1);
    } else {
        if (line.size() <= KEY_DIGITS + CHECK_DIGITS + 2 || line[KEY_DIGITS] != ' ' ||
            line[KEY_DIGITS + 1 + CHECK_DIGITS] != ' ')
            return std::nullopt;
        key = line.substr(0, KEY_DIGITS);
        uidText = line.substr(KEY_DIGITS + CHECK_DIGITS + 2);
        if (line.substr(KEY_DIGITS + 1, CHECK_DIGITS) != CheckOf(uidText))
            return std::nullopt;
    }
    auto uid = CUid::FromText(uidText);
    if (!uid || !IsLowerHex(key) || (oldForm && !uid->AsUuid()))
        return std::nullopt;
    return std::pair(std::move(*uid), std::string(key));
}

std::optional<std::string_view> TakeLine(std::string_view& bytes) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    return line;
}

// The file's sections, with the lines that could not be read left out and the damage noted;
// nothing for a file that is no ids file at all.
std::optional<CRemembered> Parse(std::string_view bytes) {
    CRemembered remembered;
    const bool oldForm = bytes.starts_with(MAGIC_V1) || bytes.starts_with(MAGIC_V2);
    if (bytes.starts_with(MAGIC_V1))
        remembered.keys = EKeyVersion::ByteWise;
    else if (!oldForm && !bytes.starts_with(MAGIC))
        return std::nullopt;
    bytes.remove_prefix(MAGIC.size());
    std::unordered_set<CUid> seen;
    while (!bytes.empty()) {
        const std::optional<std::string_view> line = TakeLine(bytes);
        if (!line) { // cut off in the middle of a line
            remembered.damaged = true;
            break;
        }
        if (line->starts_with(BOOK) && (!oldForm || remembered.sections.empty())) {
            // A damaged digest still begins a section: its persons are found by their texts.
            const std::string_view digest = line->substr(BOOK.size());
            const bool sound = digest.size() == DIGEST_DIGITS && IsLowerHex(digest);
            remembered.sections.push_back({sound ? std::string(digest) : std::string(), {}});
            remembered.damaged = remembered.damaged || !sound;
            seen.clear();
            continue;
        }
        auto record = remembered.sections.empty() ? std::nullopt : ParseRecord(*line, oldForm);
        if (!record || !seen.insert(record->first).second) {
            remembered.damaged = true;
            if (!remembered.sections.empty())
                remembered.sections.back().damaged = true;
            continue;
        }
        remembered.sections.back().records.push_back(std::move(*record));
    }
    if (remembered.sections.empty())
        remembered.damaged = true;
    return remembered;
}

void AppendRecord(std::string& text, std::string_view key, const CUid& uid) {
    const std::string uidText = uid.ToString();
    text += key;
    text += ' ';
    text += CheckOf(uidText);
    text += ' ';
    text += uidText;
    text += '\n';
}

// The UIDs remembered for other texts go to the persons whose texts they were, each once.
std::size_t MatchByTexts(const CRemembered& remembered, std::size_t count,
                         const std::function<CIdentityFile::CTexts(std::size_t)>& textsOf,
                         std::vector<CUid>& uids) {
    std::unordered_map<std::string, std::deque<const CUid*>> byKey;
    for (const CSection& section : remembered.sections) {
        for (const auto& [uid, key] : section.records)
            byKey[key].push_back(&uid);
    }
    std::unordered_set<CUid> given;
    std::size_t recognised = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto found = byKey.find(KeyOf(textsOf(i), remembered.keys));
        if (found == byKey.end())
            continue;
        auto& candidates = found->second;
        while (!candidates.empty() && given.contains(*candidates.front()))
            candidates.pop_front();
        if (candidates.empty())
            continue;
        uids[i] = *candidates.front();
        given.insert(uids[i]);
        candidates.pop_front();
        ++recognised;
    }
    return recognised;
}

void DeriveTheRest(std::string_view digest, std::vector<CUid>& uids) {
    const CUuid ns(BOOK_NAMESPACE);
    CSha1 sha;
    std::string name = std::string(digest) + '/';
    const std::size_t prefix = name.size();
    for (std::size_t i = 0; i < uids.size(); ++i) {
        if (!uids[i].IsNil())
            continue;
        name.resize(prefix);
        name += std::to_string(i);
        uids[i] = CUid(CUuid::NameBased(ns, name, sha));
    }
}

// The ids file's bytes; false when there is something at its place that is no ids file to
// read (a folder, an empty or unreadable file).
bool ReadIds(const fs::path& book, std::string& bytes) {
    const CFileResult read = CFileReader::Read(CIdentityFile::PathFor(book), bytes, MAX_FILE_SIZE);
    if (!read.ok)
        bytes.clear();
    return read.ok ? !bytes.empty() : read.failure == EFileFailure::Missing;
}

CIdentities ResolveFile(const fs::path& book, std::string_view bookBytes, std::size_t count,
                        const std::function<CIdentityFile::CTexts(std::size_t)>& textsOf) {
    std::string ids;
    const bool readable = ReadIds(book, ids);
    CIdentities identities = CIdentityFile::Resolve(ids, bookBytes, count, textsOf);
    if (!readable)
        identities.outcome = EIdentityOutcome::Damaged;
    return identities;
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

std::string CIdentityFile::Encode(std::string_view bookBytes, const CPersonList& persons,
                                  std::string_view previousIds, std::string_view replacedBytes) {
    std::string text(MAGIC);
    text.reserve(MAGIC.size() + 64 + persons.size() * (KEY_DIGITS + CHECK_DIGITS + 40));
    const std::string digest = CSha1::Hex(CSha1::Of(bookBytes));
    text += BOOK;
    text += digest;
    text += '\n';
    for (const CPersonalData* person : persons)
        AppendRecord(text, KeyOf(TextsOf(*person), EKeyVersion::WordWise), person->GetUid());
    if (replacedBytes.empty())
        return text;
    const std::string replaced = CSha1::Hex(CSha1::Of(replacedBytes));
    const std::optional<CRemembered> previous = Parse(previousIds);
    if (replaced == digest || !previous || previous->keys != EKeyVersion::WordWise)
        return text;
    for (const CSection& section : previous->sections) {
        if (section.digest != replaced || section.damaged)
            continue;
        text += BOOK;
        text += replaced;
        text += '\n';
        for (const auto& [uid, key] : section.records)
            AppendRecord(text, key, uid);
        break;
    }
    return text;
}

CIdentities CIdentityFile::Resolve(std::string_view idsBytes, std::string_view bookBytes,
                                   const std::vector<CTexts>& persons) {
    return Resolve(idsBytes, bookBytes, persons.size(),
                   [&persons](std::size_t i) { return persons[i]; });
}

CIdentities CIdentityFile::Resolve(std::string_view idsBytes, std::string_view bookBytes,
                                   std::size_t count,
                                   const std::function<CTexts(std::size_t)>& textsOf) {
    const std::string digest = CSha1::Hex(CSha1::Of(bookBytes));
    CIdentities identities;
    identities.uids.resize(count);
    const std::optional<CRemembered> remembered = Parse(idsBytes);
    if (!remembered) {
        identities.outcome =
            idsBytes.empty() ? EIdentityOutcome::Missing : EIdentityOutcome::Damaged;
    } else {
        const auto exact = std::find_if(
            remembered->sections.begin(), remembered->sections.end(), [&](const CSection& s) {
                return s.digest == digest && !s.damaged && s.records.size() == count;
            });
        if (exact != remembered->sections.end()) {
            for (std::size_t i = 0; i < count; ++i)
                identities.uids[i] = exact->records[i].first;
            identities.outcome = EIdentityOutcome::Exact;
            identities.recognised = count;
            return identities;
        }
        identities.recognised = MatchByTexts(*remembered, count, textsOf, identities.uids);
        // A section of this very book that does not fit it has lost or gained lines.
        const bool lines = std::any_of(remembered->sections.begin(), remembered->sections.end(),
                                       [&](const CSection& s) { return s.digest == digest; });
        identities.outcome =
            remembered->damaged || lines ? EIdentityOutcome::Damaged : EIdentityOutcome::ByTexts;
    }
    DeriveTheRest(digest, identities.uids);
    return identities;
}

std::string CIdentityFile::Restore(const fs::path& book, std::string_view bookBytes,
                                   const std::vector<CPersonalData*>& persons) {
    // A person's texts are read only when the book was changed elsewhere.
    CIdentities identities =
        ResolveFile(book, bookBytes, persons.size(),
                    [&persons](std::size_t i) { return TextsOf(*persons[i]); });
    for (std::size_t i = 0; i < persons.size(); ++i)
        persons[i]->SetUid(std::move(identities.uids[i]));
    return Warning(book, identities);
}

CIdentities CIdentityFile::Read(const fs::path& book, std::string_view bookBytes,
                                const std::vector<CTexts>& persons) {
    return ResolveFile(book, bookBytes, persons.size(),
                       [&persons](std::size_t i) { return persons[i]; });
}

std::string CIdentityFile::Warning(const fs::path& book, const CIdentities& identities) {
    if (identities.outcome != EIdentityOutcome::Damaged)
        return {};
    return CTextFormat::Format(CDocumentTexts::IDS_DAMAGED,
                               {CTextEscape::Path(PathFor(book)),
                                std::to_string(identities.uids.size()),
                                std::to_string(identities.recognised)});
}

CFileResult CIdentityFile::Save(const fs::path& book, std::string_view bookBytes,
                                const CPersonList& persons, std::string_view replacedBytes) {
    std::string previous;
    ReadIds(book, previous);
    return CSafeFileWriter::Write(PathFor(book),
                                  Encode(bookBytes, persons, previous, replacedBytes),
                                  ELinkRule::Replace, nullptr, book);
}
