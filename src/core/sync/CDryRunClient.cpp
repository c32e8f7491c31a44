#include "core/sync/CDryRunClient.h"

CHttpResponse CDryRunClient::Send(const CHttpRequest& request) {
    constexpr int CREATED = 201;
    constexpr int NO_CONTENT = 204;
    if (request.method == "PUT")
        return {CREATED, {}, {}, {}, request.url};
    if (request.method == "DELETE")
        return {NO_CONTENT, {}, {}, {}, request.url};
    return m_http.Send(request);
}
