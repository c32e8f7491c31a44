#include "core/sync/CSyncReport.h"

#include "core/sync/CDavUrl.h"
#include "core/sync/CSyncTexts.h"
#include "core/text/CTextFormat.h"

std::string CSyncReport::Text() const {
    const CSyncReport& report = *this;
    if (report.refusal != ESyncRefusal::None) {
        std::string text = report.error;
        for (const std::string& collection : report.collections)
            text += "\n  " + collection;
        return text;
    }
    // A sync that stopped says so first: it did not sync.
    const bool stopped = !report.error.empty();
    std::string text = stopped ? report.error + '\n' : std::string();
    const char* summary = stopped                   ? CSyncTexts::PARTIAL_SUMMARY
                          : !report.refused.empty() ? CSyncTexts::INCOMPLETE_SUMMARY
                                                    : CSyncTexts::SUMMARY;
    text += CTextFormat::Format(
        summary, {std::to_string(report.uploaded), std::to_string(report.downloaded),
                  std::to_string(report.deletedHere), std::to_string(report.deletedThere)});
    const auto names = [](const std::vector<std::string>& list) {
        std::string joined;
        for (const std::string& name : list)
            joined += (joined.empty() ? "" : CSyncTexts::NAME_SEPARATOR) + name;
        return joined;
    };
    if (!report.refused.empty())
        text += '\n' + CTextFormat::Format(CSyncTexts::REFUSED_CARDS, {names(report.refused)});
    if (report.outside > 0)
        text += '\n' +
                CTextFormat::Format(CSyncTexts::OUTSIDE_SKIPPED, {std::to_string(report.outside)});
    if (report.recovered > 0)
        text += '\n' +
                CTextFormat::Format(CSyncTexts::UIDS_RECOVERED, {std::to_string(report.recovered)});
    if (report.givenNewUid > 0)
        text += '\n' + CTextFormat::Format(CSyncTexts::GIVEN_NEW_UID,
                                           {std::to_string(report.givenNewUid)});
    if (!report.conflicts.empty())
        text += '\n' + CTextFormat::Format(CSyncTexts::CONFLICTS, {names(report.conflicts)});
    if (!report.deletedFile.empty())
        text += '\n' + CTextFormat::Format(CSyncTexts::DELETED_KEPT,
                                           {std::to_string(report.deletedHere), deletedFile});
    if (stopped)
        text +=
            '\n' + std::string(IsAuthFailure() ? CSyncTexts::AUTH_RETRY : CSyncTexts::UNFINISHED);
    return text;
}

bool CSyncReport::IsAuthFailure() const {
    return error == CSyncTexts::AUTH_FAILED;
}

std::string CSyncReport::ActionsText() const {
    std::string text;
    for (const auto& [kind, name] : actions) {
        const char* label = kind == ESyncAction::Up            ? CSyncTexts::ACTION_UP
                            : kind == ESyncAction::Down        ? CSyncTexts::ACTION_DOWN
                            : kind == ESyncAction::DeletedHere ? CSyncTexts::ACTION_DELETED_HERE
                                                               : CSyncTexts::ACTION_DELETED_THERE;
        text += CTextFormat::Format(label, {name}) + '\n';
    }
    for (const std::string& name : conflicts)
        text += CTextFormat::Format(CSyncTexts::ACTION_CONFLICT, {name}) + '\n';
    return text;
}

std::string CSyncReport::FailureText(const std::string& what, const CHttpResponse& response) {
    // The session and the transports word their own refusals.
    if (response.failure != EHttpFailure::None && response.failure != EHttpFailure::Network &&
        !response.error.empty())
        return response.error;
    if (response.status == 0) {
        const std::optional<CDavUrl> url = CDavUrl::Parse(response.url);
        const std::string server = url ? url->HostText() : CDavUrl::Safe(response.url);
        const char* words =
            response.network == ENetworkError::HostNotFound  ? CSyncTexts::NO_HOST
            : response.network == ENetworkError::Refused     ? CSyncTexts::CONNECTION_REFUSED
            : response.network == ENetworkError::TimedOut    ? CSyncTexts::TIMED_OUT
            : response.network == ENetworkError::Certificate ? CSyncTexts::CERTIFICATE
            : response.network == ENetworkError::Cancelled   ? CSyncTexts::CANCELLED
                                                             : CSyncTexts::NO_ANSWER;
        std::string text = CTextFormat::Format(words, {server});
        // The library's words only as a detail, for whoever looks further.
        if (!response.error.empty())
            text += '\n' + CTextFormat::Format(CSyncTexts::DETAIL, {response.error});
        return text;
    }
    if (response.status == 401)
        return CSyncTexts::AUTH_FAILED;
    return CTextFormat::Format(CSyncTexts::SERVER_REFUSED, {what, std::to_string(response.status)});
}

bool CSyncReport::RefusesOneCard(const CHttpResponse& answer) {
    constexpr int INSUFFICIENT_STORAGE = 507;
    return (answer.status >= 400 && answer.status < 500 && answer.status != 401) ||
           answer.status == INSUFFICIENT_STORAGE;
}

void CSyncReport::Refuse(const std::string& who, const std::string& method, int status) {
    refused.push_back(
        CTextFormat::Format(CSyncTexts::REFUSED_ITEM, {who, method, std::to_string(status)}));
}
