#include "core/sync/CHttpResponse.h"

#include <algorithm>
#include <cctype>

std::string CHttpResponse::Header(std::string_view name) const {
    const auto same = [name](const std::pair<std::string, std::string>& header) {
        return std::ranges::equal(header.first, name, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    };
    const auto found = std::find_if(headers.begin(), headers.end(), same);
    return found == headers.end() ? std::string() : found->second;
}
