#pragma once

#include "core/model/CUid.h"
#include "core/storage/CRecordVisitor.h"
#include "core/text/CCp932Utf8Table.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Writes JSON into a buffer that goes to a sink piece by piece, so a whole address book never
// sits in memory as JSON. Texts come in as CP932 and leave as escaped UTF-8.
class CJsonWriter {
public:
    using CSink = std::function<void(std::string_view)>;

    explicit CJsonWriter(const CSink& sink);
    CJsonWriter(const CJsonWriter&) = delete;
    CJsonWriter& operator=(const CJsonWriter&) = delete;
    ~CJsonWriter() = default;

    void Raw(std::string_view text);
    void Number(long long value);
    // A JSON string of a CP932 text.
    void String(std::string_view cp932);
    // One person object: texts in file order, the sex and the indexes of its groups; then the
    // person's UID and own index when they are given.
    void Person(const CRecordVisitor::CTexts& texts, int sex, std::span<const std::int32_t> groups,
                std::optional<std::size_t> index = std::nullopt, const CUid* uid = nullptr);
    // Hands what is buffered to the sink.
    void Flush();

    // The text a person's key in the JSON names ("name", "homeZip", ...), nothing for another.
    static std::optional<EPersonText> TextOfKey(std::string_view key);

private:
    char* Room(std::size_t count);
    std::string_view Converted(std::string_view cp932);
    void Escaped(std::string_view utf8);

    const CSink& m_sink;
    std::string m_buffer;
    std::size_t m_size = 0;
    CCp932Utf8Table m_table;
    std::string m_converted;
};
