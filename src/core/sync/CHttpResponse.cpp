#include "core/sync/CHttpResponse.h"

#include "core/sync/CDavUrl.h"
#include "core/sync/CSyncTexts.h"
#include "core/text/CTextFormat.h"

#include <algorithm>
#include <cctype>

namespace {
std::string SizeText(std::size_t bytes) {
    constexpr std::size_t KIB = 1024;
    if (bytes % CTransferLimits::MIB == 0)
        return std::to_string(bytes / CTransferLimits::MIB) + " MiB";
    return std::to_string((bytes + KIB - 1) / KIB) + " KiB";
}
} // namespace

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

CHttpResponse CHttpResponse::Abandoned(EHttpFailure failure, const CHttpRequest& request,
                                       const CTransferLimits& limits) {
    CHttpResponse response;
    response.failure = failure;
    response.url = CDavUrl::Safe(request.url);
    const std::string what = request.method + " " + response.url;
    response.error = failure == EHttpFailure::TooLarge
                         ? CTextFormat::Format(CSyncTexts::TOO_LARGE,
                                               {SizeText(limits.MaxBytes(request.size)), what})
                         : CTextFormat::Format(CSyncTexts::TOO_SLOW,
                                               {std::to_string(limits.floorSeconds),
                                                std::to_string(limits.floorBytesPerSecond), what});
    return response;
}
