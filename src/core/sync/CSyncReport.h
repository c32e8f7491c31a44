#pragma once

#include "core/sync/CHttpResponse.h"

#include <cstddef>
#include <string>
#include <vector>

// Why a sync did not even start.
enum class ESyncRefusal {
    None,
    BadUrl,          // no http or https URL
    OtherCollection, // the book syncs with another collection
    SeveralBooks,    // the URL leads to several address books; `collections` lists them
};

// What a sync did to one person, for the list of `--verbose` and `--dry-run`.
enum class ESyncAction { Up, Down, DeletedHere, DeletedThere };

struct CSyncAction {
    ESyncAction kind;
    std::string name; // UTF-8
};

// What a sync did, for the summary and the exit code.
struct CSyncReport {
    std::size_t uploaded = 0;
    std::size_t downloaded = 0;
    std::size_t deletedHere = 0;
    std::size_t deletedThere = 0;
    std::size_t givenNewUid = 0;        // cards of other persons that came with a UID of the book's
    std::size_t recovered = 0;          // persons whose lost UIDs were recognised by their content
    std::vector<std::string> conflicts; // the persons' names, UTF-8
    std::vector<std::string> refused;   // cards the server would not take, UTF-8
    std::size_t outside = 0;            // hrefs outside the collection, left alone
    ESyncRefusal refusal = ESyncRefusal::None;
    std::vector<std::string> collections; // the address books to choose from
    std::string error;                    // UTF-8; empty when the sync finished
    std::vector<CSyncAction> actions;
    std::string deletedCards; // the persons deleted here, as vCards
    std::string deletedFile;  // where they were kept, for the summary

    // Whether the server refused the user name or password: nothing to resume, a login to retype.
    bool IsAuthFailure() const;
    // Whether every change reached the other side.
    bool IsComplete() const { return error.empty() && refused.empty(); }
    // The summary, what was refused or left alone, the conflicts and the error.
    std::string Text() const;
    void Note(ESyncAction kind, std::string name) { actions.push_back({kind, std::move(name)}); }
    // One line a person: what the sync did to it, the conflicts among them.
    std::string ActionsText() const;
    // Notes a card the server would not take (`who`: a name or an href).
    void Refuse(const std::string& who, const std::string& method, int status);

    // What the user is told of a request that failed.
    static std::string FailureText(const std::string& what, const CHttpResponse& response);
    // Whether a failed write or read of one card lets the sync go on with the next.
    static bool RefusesOneCard(const CHttpResponse& response);
};
