#pragma once

#include "core/sync/CTransferLimits.h"

#include <string>
#include <utility>
#include <vector>

using CHttpHeaders = std::vector<std::pair<std::string, std::string>>;

// One request as the sync sends it. The transport adds authentication but follows no redirect:
// the session decides where a redirect may lead.
struct CHttpRequest {
    std::string method;
    std::string url;
    CHttpHeaders headers;
    std::string body;
    EReplySize size = EReplySize::Card; // which limit the reply's body keeps to
};
