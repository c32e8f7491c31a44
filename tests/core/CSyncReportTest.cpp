#include "core/sync/CSyncReport.h"

#include "core/sync/CSyncTexts.h"
#include "core/text/CTextFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct CNetworkCase {
    const char* name;
    ENetworkError error;
    const char* words;
};

const CNetworkCase NETWORK_CASES[] = {
    {"HostNotFound", ENetworkError::HostNotFound, CSyncTexts::NO_HOST},
    {"Refused", ENetworkError::Refused, CSyncTexts::CONNECTION_REFUSED},
    {"TimedOut", ENetworkError::TimedOut, CSyncTexts::TIMED_OUT},
    {"Certificate", ENetworkError::Certificate, CSyncTexts::CERTIFICATE},
    {"Cancelled", ENetworkError::Cancelled, CSyncTexts::CANCELLED},
    {"Other", ENetworkError::Other, CSyncTexts::NO_ANSWER},
};

class CSyncReportNetworkTest : public ::testing::TestWithParam<CNetworkCase> {};

// The program's words first, naming the server; the library's English only as a detail.
TEST_P(CSyncReportNetworkTest, SaysItInTheProgramsWords) {
    CHttpResponse response;
    response.url = "https://dav.example:8443/book/";
    response.failure = EHttpFailure::Network;
    response.network = GetParam().error;
    response.error = "Could not do it";
    EXPECT_EQ(CTextFormat::Format(GetParam().words, {"dav.example:8443"}) + "\n" +
                  CTextFormat::Format(CSyncTexts::DETAIL, {"Could not do it"}),
              CSyncReport::FailureText("PROPFIND", response));
}

INSTANTIATE_TEST_SUITE_P(Kinds, CSyncReportNetworkTest, ::testing::ValuesIn(NETWORK_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CSyncReportTest, ARefusedPasswordIsNothingToResume) {
    CSyncReport report;
    report.error = CSyncReport::FailureText("REPORT", {401, {}, {}, {}, {}});
    EXPECT_TRUE(report.IsAuthFailure());
    EXPECT_NE(std::string::npos, report.Text().find(CSyncTexts::AUTH_RETRY));
    EXPECT_EQ(std::string::npos, report.Text().find(CSyncTexts::UNFINISHED));
}
} // namespace
