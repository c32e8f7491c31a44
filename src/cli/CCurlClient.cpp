#include "cli/CCurlClient.h"

#include <curl/curl.h>
#include <memory>

namespace {
constexpr long CONNECT_SECONDS = 30;
constexpr long STALL_SECONDS = 60; // no byte for this long ends a request
constexpr long MAX_REDIRECTS = 10;

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

// Header lines of the last answer only: a redirect or an authentication round starts anew.
std::size_t CollectHeader(char* data, std::size_t size, std::size_t count, void* target) {
    auto& headers = *static_cast<CHttpHeaders*>(target);
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

struct CSlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
} // namespace

CCurlClient::CCurlClient(std::string user, std::string password)
    : m_strUser(std::move(user)), m_strPassword(std::move(password)) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    m_pHandle = curl_easy_init();
}

CCurlClient::~CCurlClient() {
    curl_easy_cleanup(static_cast<CURL*>(m_pHandle));
    curl_global_cleanup();
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
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MAX_REDIRECTS);
    curl_easy_setopt(curl, CURLOPT_POSTREDIR, CURL_REDIR_POST_ALL);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    if (!m_strUser.empty()) {
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_BASIC | CURLAUTH_DIGEST);
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_strUser.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_strPassword.c_str());
        // A redirect to another host must not take the password along.
        curl_easy_setopt(curl, CURLOPT_UNRESTRICTED_AUTH, 0L);
    }
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, CONNECT_SECONDS);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, STALL_SECONDS);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response.body);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, CollectHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &response.headers);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    if (const CURLcode code = curl_easy_perform(curl); code != CURLE_OK) {
        response.error = error[0] ? error : curl_easy_strerror(code);
        response.body.clear();
        response.headers.clear();
        return response;
    }
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    response.status = static_cast<int>(status);
    char* effective = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
        response.url = effective;
    return response;
}
