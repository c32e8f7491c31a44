#pragma once

#include "core/sync/CHttpClient.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// An address-book server in memory, enough of one for the sync: one collection at
// http://dav.test/book/, ETags that change with each write, sync tokens with a change log,
// conditional writes, and faults on request.
class CFakeDavServer : public CHttpClient {
public:
    static constexpr const char* ROOT = "http://dav.test";
    static constexpr const char* COLLECTION = "http://dav.test/book/";

    struct CCard {
        std::string etag;
        std::string body;
    };

    CHttpResponse Send(const CHttpRequest& request) override {
        m_log.push_back(request.method + " " + request.url);
        if (m_nFailAt > 0 && --m_nFailAt == 0)
            return m_failure;
        if (m_beforeRequest)
            m_beforeRequest(request);
        const std::string path = request.url.substr(std::string(ROOT).size());
        if (request.method == "PROPFIND")
            return Propfind(request, path);
        if (request.method == "REPORT")
            return Report(request);
        if (!path.starts_with("/book/") || path == "/book/")
            return {404, {}, {}, {}, request.url};
        if (request.method == "GET") {
            const auto found = m_cards.find(path);
            if (found == m_cards.end())
                return {404, {}, {}, {}, request.url};
            return {200, {{"ETag", found->second.etag}}, found->second.body, {}, request.url};
        }
        if (request.method == "PUT")
            return Put(request, path);
        if (request.method == "DELETE")
            return Delete(request, path);
        return {405, {}, {}, {}, request.url};
    }

    // A write made by another client.
    void Write(const std::string& path, const std::string& body) {
        m_cards[path] = {"\"e" + std::to_string(++m_nVersion) + "\"", body};
        m_changes.emplace_back(m_nVersion, path);
    }
    void Erase(const std::string& path) {
        m_cards.erase(path);
        m_changes.emplace_back(++m_nVersion, path);
    }
    // The `count`th request from now gets `failure` instead of an answer.
    void FailAt(int count, CHttpResponse failure) {
        m_nFailAt = count;
        m_failure = std::move(failure);
    }
    std::size_t Count(const std::string& method) const {
        std::size_t count = 0;
        for (const std::string& line : m_log)
            count += line.starts_with(method + " ");
        return count;
    }

    std::map<std::string, CCard> m_cards; // by path
    std::vector<std::string> m_log;
    bool m_bSyncReport = true;
    bool m_bEtagOnPut = true;
    std::function<void(const CHttpRequest&)> m_beforeRequest;

private:
    static std::string Response(const std::string& href, const std::string& props,
                                const std::string& status = "HTTP/1.1 200 OK") {
        return "<d:response><d:href>" + href + "</d:href><d:propstat><d:prop>" + props +
               "</d:prop><d:status>" + status + "</d:status></d:propstat></d:response>";
    }
    static CHttpResponse Multistatus(const std::string& inner, const std::string& url) {
        return {
            207,
            {},
            R"(<?xml version="1.0"?><d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)" +
                inner + "</d:multistatus>",
            {},
            url};
    }

    CHttpResponse Propfind(const CHttpRequest& request, const std::string& path) const {
        if (path != "/book/" && path != "/book")
            return {404, {}, {}, {}, request.url};
        std::string inner =
            Response("/book/", "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>");
        if (request.headers.front().second == "1") {
            for (const auto& [href, card] : m_cards)
                inner +=
                    Response(href, "<d:resourcetype/><d:getetag>" + card.etag + "</d:getetag>");
        }
        return Multistatus(inner, request.url);
    }

    CHttpResponse Report(const CHttpRequest& request) const {
        if (!m_bSyncReport)
            return {501, {}, {}, {}, request.url};
        if (request.body.find("addressbook-multiget") != std::string::npos)
            return MultiGet(request);
        const std::size_t open = request.body.find("<d:sync-token>") + 14;
        const std::string token = request.body.substr(open, request.body.find('<', open) - open);
        long since = 0;
        if (!token.empty()) {
            if (!token.starts_with("t"))
                return {403,
                        {},
                        "<d:error xmlns:d=\"DAV:\"><d:valid-sync-token/></d:error>",
                        {},
                        request.url};
            since = std::stol(token.substr(1));
        }
        std::map<std::string, bool> touched;
        for (const auto& [version, path] : m_changes) {
            if (version > since)
                touched[path] = true;
        }
        std::string inner;
        for (const auto& [href, yes] : touched) {
            const auto card = m_cards.find(href);
            if (card == m_cards.end())
                inner += "<d:response><d:href>" + href +
                         "</d:href><d:status>HTTP/1.1 404 Not Found</d:status></d:response>";
            else
                inner += Response(href, "<d:getetag>" + card->second.etag + "</d:getetag>");
        }
        inner += "<d:sync-token>t" + std::to_string(m_nVersion) + "</d:sync-token>";
        return Multistatus(inner, request.url);
    }

    CHttpResponse MultiGet(const CHttpRequest& request) const {
        std::string inner;
        for (std::size_t at = request.body.find("<d:href>"); at != std::string::npos;
             at = request.body.find("<d:href>", at + 1)) {
            const std::size_t begin = at + 8;
            const std::string href =
                request.body.substr(begin, request.body.find('<', begin) - begin);
            const auto card = m_cards.find(href);
            if (card == m_cards.end())
                continue;
            std::string data;
            for (const char c : card->second.body)
                data += c == '<'    ? "&lt;"
                        : c == '&'  ? "&amp;"
                        : c == '\r' ? "&#13;"
                                    : std::string(1, c);
            inner +=
                Response(href, "<d:getetag>" + card->second.etag + "</d:getetag><c:address-data>" +
                                   data + "</c:address-data>");
        }
        return Multistatus(inner, request.url);
    }

    static std::string HeaderOf(const CHttpRequest& request, const std::string& name) {
        for (const auto& [key, value] : request.headers) {
            if (key == name)
                return value;
        }
        return {};
    }

    CHttpResponse Put(const CHttpRequest& request, const std::string& path) {
        const auto found = m_cards.find(path);
        const std::string match = HeaderOf(request, "If-Match");
        const bool exists = found != m_cards.end();
        if ((HeaderOf(request, "If-None-Match") == "*" && exists) ||
            (!match.empty() && (!exists || found->second.etag != match)))
            return {412, {}, {}, {}, request.url};
        Write(path, request.body);
        if (!m_bEtagOnPut)
            return {201, {}, {}, {}, request.url};
        return {201, {{"ETag", m_cards[path].etag}}, {}, {}, request.url};
    }

    CHttpResponse Delete(const CHttpRequest& request, const std::string& path) {
        const auto found = m_cards.find(path);
        if (found == m_cards.end())
            return {404, {}, {}, {}, request.url};
        if (const std::string match = HeaderOf(request, "If-Match");
            !match.empty() && found->second.etag != match)
            return {412, {}, {}, {}, request.url};
        Erase(path);
        return {204, {}, {}, {}, request.url};
    }

    long m_nVersion = 0;
    std::vector<std::pair<long, std::string>> m_changes;
    int m_nFailAt = 0;
    CHttpResponse m_failure;
};
