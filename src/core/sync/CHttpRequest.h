#pragma once

#include <string>
#include <utility>
#include <vector>

using CHttpHeaders = std::vector<std::pair<std::string, std::string>>;

// One request as the sync sends it; the transport adds authentication and follows redirects.
struct CHttpRequest {
    std::string method;
    std::string url;
    CHttpHeaders headers;
    std::string body;
};
