#include "core/sync/CDavXml.h"

#include <cstring>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>

namespace {
constexpr const char* DAV = "DAV:";
constexpr const char* CARDDAV = "urn:ietf:params:xml:ns:carddav";

bool Is(const xmlNode* node, const char* ns, const char* name) {
    return node->type == XML_ELEMENT_NODE && node->ns && node->ns->href &&
           std::strcmp(reinterpret_cast<const char*>(node->ns->href), ns) == 0 &&
           std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

const xmlNode* Child(const xmlNode* node, const char* ns, const char* name) {
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (Is(child, ns, name))
            return child;
    }
    return nullptr;
}

std::string TextOf(const xmlNode* node) {
    if (!node)
        return {};
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

std::string Trimmed(std::string text) {
    const auto blank = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blank);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blank) - first + 1);
}

// The href inside a property such as current-user-principal.
std::string HrefIn(const xmlNode* property) {
    return property ? Trimmed(TextOf(Child(property, DAV, "href"))) : std::string();
}

void ReadProperties(const xmlNode* prop, CDavResource& resource) {
    for (const xmlNode* node = prop->children; node; node = node->next) {
        if (Is(node, DAV, "getetag")) {
            resource.etag = Trimmed(TextOf(node));
        } else if (Is(node, DAV, "resourcetype")) {
            resource.collection = Child(node, DAV, "collection") != nullptr;
            resource.addressBook = Child(node, CARDDAV, "addressbook") != nullptr;
        } else if (Is(node, DAV, "current-user-principal")) {
            resource.principal = HrefIn(node);
        } else if (Is(node, CARDDAV, "addressbook-home-set")) {
            resource.homeSet = HrefIn(node);
        } else if (Is(node, CARDDAV, "address-data")) {
            resource.addressData = TextOf(node);
        }
    }
}

CDavResource ReadResponse(const xmlNode* response) {
    CDavResource resource;
    resource.href = Trimmed(TextOf(Child(response, DAV, "href")));
    resource.status = CDavXml::StatusOf(Trimmed(TextOf(Child(response, DAV, "status"))));
    for (const xmlNode* node = response->children; node; node = node->next) {
        if (!Is(node, DAV, "propstat"))
            continue;
        const int status = CDavXml::StatusOf(Trimmed(TextOf(Child(node, DAV, "status"))));
        const xmlNode* prop = Child(node, DAV, "prop");
        // Properties the server does not have come back under 404 and say nothing.
        if (prop && status >= 200 && status < 300)
            ReadProperties(prop, resource);
    }
    return resource;
}
} // namespace

int CDavXml::StatusOf(std::string_view line) {
    if (!line.starts_with("HTTP/"))
        return 0;
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || line.size() < blank + 4)
        return 0;
    int status = 0;
    for (std::size_t i = blank + 1; i < blank + 4; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return 0;
        status = status * 10 + (line[i] - '0');
    }
    return status;
}

std::string CDavXml::Escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out.push_back(c);
    }
    return out;
}

CDavMultistatus CDavXml::Parse(std::string_view xml) {
    CDavMultistatus result;
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(
        xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
        &xmlFreeDoc);
    if (!doc)
        return result;
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (!root || !Is(root, DAV, "multistatus"))
        return result;
    result.ok = true;
    for (const xmlNode* node = root->children; node; node = node->next) {
        if (Is(node, DAV, "response"))
            result.resources.push_back(ReadResponse(node));
        else if (Is(node, DAV, "sync-token"))
            result.syncToken = Trimmed(TextOf(node));
    }
    return result;
}
