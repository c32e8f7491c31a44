#include "cli/CCurlClient.h"

#include <algorithm>
#include <curl/curl.h>
#include <memory>

namespace {
// Where one transfer's bytes go, and how many it may bring.
struct CReceiving {
    CHttpResponse& response;
    std::size_t maxBytes;
    std::size_t maxHeaderBytes;
    std::size_t headerBytes = 0;
    bool tooLarge = false;
};

// Returning less than was given makes libcurl end the transfer.
std::size_t Collect(char* data, std::size_t size, std::size_t count, void* target) {
    auto& receiving = *static_cast<CReceiving*>(target);
    if (receiving.response.body.size() + size * count > receiving.maxBytes) {
        receiving.tooLarge = true;
        return 0;
    }
    std::string& body = receiving.response.body;
    // Growing by doubling would reserve up to twice the limit for a reply just below it.
    if (body.size() + size * count > body.capacity())
        body.reserve(std::min(std::max(body.size() + size * count, 2 * body.capacity()),
                              receiving.maxBytes));
    body.append(data, size * count);
    return size * count;
}

// Header lines of the last answer only: an authentication round starts anew.
std::size_t CollectHeader(char* data, std::size_t size, std::size_t count, void* target) {
    auto& receiving = *static_cast<CReceiving*>(target);
    receiving.headerBytes += size * count;
    if (receiving.headerBytes > receiving.maxHeaderBytes) {
        receiving.tooLarge = true;
        return 0;
    }
    auto& headers = receiving.response.headers;
    std::string line(data, size * count);
    if (line.starts_with("HTTP/"))
        headers.clear();
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos) {
        const std::size_t value = line.find_first_not_of(" \t", colon + 1);
        const std::size_t end = line.find_last_not_of("\r\n");
        headers.emplace_back(line.substr(0, colon), value == std::string::npos || end < value
                                                        ? std::string()
                                                        : line.substr(value, end - value + 1));
    }
    return size * count;
}

ENetworkError NetworkError(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return ENetworkError::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return ENetworkError::Refused;
    case CURLE_OPERATION_TIMEDOUT:
        return ENetworkError::TimedOut;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
        return ENetworkError::Certificate;
    case CURLE_ABORTED_BY_CALLBACK:
        return ENetworkError::Cancelled;
    default:
        return ENetworkError::Other;
    }
}

struct CSlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
} // namespace

CCurlClient::CCurlClient(std::string user, std::string password, CTransferLimits limits)
    : m_strUser(std::move(user)), m_strPassword(std::move(password)), m_limits(limits),
      m_nAuth(static_cast<long>(CURLAUTH_BASIC | CURLAUTH_DIGEST)) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    m_pHandle = curl_easy_init();
}

CCurlClient::~CCurlClient() {
    curl_easy_cleanup(static_cast<CURL*>(m_pHandle));
    curl_global_cleanup();
}

void CCurlClient::LearnAuth(void* handle) {
    long offered = 0;
    curl_easy_getinfo(static_cast<CURL*>(handle), CURLINFO_HTTPAUTH_AVAIL, &offered);
    // Digest needs the server's nonce first, so only Basic can go out before it is asked for.
    if ((offered & static_cast<long>(CURLAUTH_BASIC)) != 0 &&
        (offered & static_cast<long>(CURLAUTH_DIGEST)) == 0)
        m_nAuth = static_cast<long>(CURLAUTH_BASIC);
}

CHttpResponse CCurlClient::Send(const CHttpRequest& request) {
    CHttpResponse response;
    response.url = request.url;
    CURL* curl = static_cast<CURL*>(m_pHandle);
    if (!curl) {
        response.error = "libcurl";
        return response;
    }
    curl_easy_reset(curl);
    std::unique_ptr<curl_slist, CSlistDeleter> headers;
    for (const auto& [name, value] : request.headers) {
        const std::string line = name + ": " + value;
        headers.reset(curl_slist_append(headers.release(), line.c_str()));
    }
    // Without this, curl would wait for a "100 Continue" before each card it sends.
    headers.reset(curl_slist_append(headers.release(), "Expect:"));
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    if (request.method == "GET") {
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    } else if (!request.body.empty() || request.method == "PUT") {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.body.size()));
    }
    // The session follows redirects itself, after checking where they lead.
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    if (!m_strUser.empty()) {
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, m_nAuth);
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_strUser.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_strPassword.c_str());
        curl_easy_setopt(curl, CURLOPT_UNRESTRICTED_AUTH, 0L);
    }
    if (!m_strCaFile.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, m_strCaFile.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, m_limits.connectSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, m_limits.floorBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, m_limits.floorSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(m_limits.MaxBytes(request.size)));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    CReceiving receiving{response, m_limits.MaxBytes(request.size), m_limits.headerBytes};
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiving);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, CollectHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &receiving);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    const CURLcode code = curl_easy_perform(curl);
    if (receiving.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
        return CHttpResponse::Abandoned(EHttpFailure::TooLarge, request, m_limits);
    // A request that went out was answered too slowly; one that did not could not connect.
    long sent = 0;
    curl_easy_getinfo(curl, CURLINFO_REQUEST_SIZE, &sent);
    if (code == CURLE_OPERATION_TIMEDOUT && (sent > 0 || !response.body.empty()))
        return CHttpResponse::Abandoned(EHttpFailure::TooSlow, request, m_limits);
    if (code != CURLE_OK) {
        response.failure = EHttpFailure::Network;
        response.network = NetworkError(code);
        response.error = error[0] ? error : curl_easy_strerror(code);
        response.body.clear();
        response.headers.clear();
        return response;
    }
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    response.status = static_cast<int>(status);
    LearnAuth(curl);
    return response;
}
