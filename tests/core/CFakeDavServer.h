#pragma once

#include "core/sync/CHttpClient.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// An address-book server in memory, enough of one for the sync: one collection at
// http://dav.test/book/, ETags that change with each write, sync tokens with a change log,
// conditional writes, and faults on request: redirects, extra hrefs in listings, refused
// writes, odd bytes in tokens and ETags, and discovery from the root through the principal to
// the address books of its home. A request for any other host is answered and recorded, for
// the tests to find none.
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
        if (!request.url.starts_with(std::string(ROOT) + "/")) {
            m_foreign.push_back(request.method + " " + request.url);
            return {200, {}, Card("Stranger", "stranger"), {}, request.url};
        }
        if (m_nFailAt > 0 && --m_nFailAt == 0)
            return m_failure;
        if (m_beforeRequest)
            m_beforeRequest(request);
        const std::string path = request.url.substr(std::string(ROOT).size());
        if (const auto moved = m_redirects.find(path); moved != m_redirects.end())
            return {307, {{"Location", moved->second}}, {}, {}, request.url};
        if (request.method == "PROPFIND" && path != "/book/" && path != "/book")
            return Discovery(request, path);
        if (request.method == "PROPFIND")
            return Propfind(request, path);
        if (request.method == "REPORT")
            return Report(request);
        if (request.method == "PUT" && m_nPutStatus != 0)
            return {m_nPutStatus, {}, {}, {}, request.url};
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

    static std::string Card(const std::string& name, const std::string& uid) {
        return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nUID:" + uid + "\r\nEND:VCARD\r\n";
    }

    // A write made by another client.
    void Write(const std::string& path, const std::string& body) {
        m_cards[path] = {"\"e" + std::to_string(++m_nVersion) + m_strOdd + "\"", body};
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
    std::vector<std::string> m_foreign;             // requests for another host
    std::map<std::string, std::string> m_redirects; // path to Location
    std::vector<std::string> m_strayHrefs;          // listed as cards too, as written
    std::vector<std::string> m_books{"/book/"};     // the address books of the home
    std::string m_strPrincipal = "/p/";             // as current-user-principal names it
    std::string m_strOdd;                           // put into every ETag and token
    int m_nPutStatus = 0;                           // the answer to every PUT, 0: none

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

    CHttpResponse Discovery(const CHttpRequest& request, const std::string& path) const {
        if (path == "/" || path == "/.well-known/carddav")
            return Multistatus(Response(path, "<d:resourcetype><d:collection/></d:resourcetype>"
                                              "<d:current-user-principal><d:href>" +
                                                  m_strPrincipal +
                                                  "</d:href></d:current-user-principal>"),
                               request.url);
        if (path == "/p/")
            return Multistatus(Response(path, "<c:addressbook-home-set><d:href>/home/</d:href>"
                                              "</c:addressbook-home-set>"),
                               request.url);
        if (path != "/home/")
            return {404, {}, {}, {}, request.url};
        std::string inner = Response(path, "<d:resourcetype><d:collection/></d:resourcetype>");
        for (const std::string& book : m_books)
            inner +=
                Response(book, "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>");
        return Multistatus(inner, request.url);
    }

    std::string Strays() const {
        std::string inner;
        for (const std::string& href : m_strayHrefs)
            inner += Response(href, "<d:getetag>\"s\"</d:getetag>");
        return inner;
    }

    CHttpResponse Propfind(const CHttpRequest& request, const std::string& path) const {
        if (path != "/book/" && path != "/book")
            return {404, {}, {}, {}, request.url};
        std::string inner =
            Response("/book/", "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>");
        if (request.headers.front().second == "1") {
            for (const auto& [href, card] : m_cards)
                inner += Response(href,
                                  "<d:resourcetype/><d:getetag>" + Xml(card.etag) + "</d:getetag>");
            inner += Strays();
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
            since = std::stol(token.substr(1, token.find_first_not_of("0123456789", 1) - 1));
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
                inner += Response(href, "<d:getetag>" + Xml(card->second.etag) + "</d:getetag>");
        }
        inner += Strays() + "<d:sync-token>t" + std::to_string(m_nVersion) + Xml(m_strOdd) +
                 "</d:sync-token>";
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
            inner += Response(href, "<d:getetag>" + Xml(card->second.etag) +
                                        "</d:getetag><c:address-data>" + Xml(card->second.body) +
                                        "</c:address-data>");
        }
        return Multistatus(inner, request.url);
    }

    // Control characters as character references, so that the XML carries them.
    static std::string Xml(const std::string& text) {
        std::string out;
        for (const char c : text) {
            if (c == '<')
                out += "&lt;";
            else if (c == '&')
                out += "&amp;";
            else if (static_cast<unsigned char>(c) < 0x20)
                out += "&#" + std::to_string(static_cast<int>(c)) + ";";
            else
                out += c;
        }
        return out;
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
