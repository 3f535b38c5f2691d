// Zones of addresses and the zone rule for the download-control flags.
#include "view/UrlZone.h"

#include <gtest/gtest.h>

namespace lumbrel {
namespace {

using enum UrlZone;

TEST(UrlZone, ClassesAddressesByTheirWholeHost) {
    const std::optional<LanPrefix> lan = LanPrefix{192, 168};
    struct Row {
        const char* url;
        UrlZone zone;
    };
    const Row rows[] = {
        {"about:blank", Blank},
        {"res://ieframe.dll/dnserror.htm", Blank},
        {"file:///C:/a.htm", MyComputer},
        {"C:\\pages\\a.htm", MyComputer},
        {"http://intranet/page.htm", Intranet},
        {"http://intranet", Intranet},
        {"http://localhost/", Intranet},
        {"http://LOCALHOST:8080/x", Intranet},
        {"http://127.0.0.1/", Intranet},
        {"localhost/a", Intranet},
        {"http://192.168.4.7/", Intranet},
        {"http://www.example.com/", Internet},
        {"http://www.example.com", Internet},  // no "/" after the host
        {"http://localhost.example.com/", Internet},
        {"http://127.0.0.1.example.com/", Internet},
        {"http://192.168.evil.com/", Internet},
        {"http://10.1.2.3/", Internet},
        {"http://192.168.1.999/", Internet},
        {"http://www.bank.example\x01@evil.example/", Internet},
        {"http://user@intranet/", Intranet},
        {"localhost:8080/x", Intranet},
        {"http://[2001:db8::1]/x", Internet},
        {"http://[2001:db8::1]:8080/", Internet},
        {"http://[fe80::1]", Internet},
        {"http://[::1]/", Intranet},
        {"http://user@[::1]:81/", Intranet},
        {"http://[::1/", Internet},  // no closing bracket: no host
        {"about:home", Internet},    // no host at all
        {"data:text/html,<b>x</b>", Internet},
        {"javascript:go()", Internet},
        {"javascript:x\x01\x02http://intranet/", Intranet},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ZoneOfUrl(row.url, lan), row.zone) << row.url;
    EXPECT_EQ(ZoneOfUrl("http://192.168.4.7/", std::nullopt), Internet)
        << "without an address of its own the computer has no local network";
}

TEST(UrlZone, TheLocalNetworkIsTheFirstAddressOfTheComputer) {
    EXPECT_FALSE(LanPrefixOf({}).has_value());
    const std::optional<LanPrefix> prefix = LanPrefixOf({{10, 20, 30, 40}, {192, 168, 0, 1}});
    ASSERT_TRUE(prefix.has_value());
    EXPECT_EQ(prefix->first, 10);
    EXPECT_EQ(prefix->second, 20);
}

TEST(ZoneRule, FollowsTheTableForBothDownAllChoices) {
    using enum ZoneAction;
    struct Row {
        bool samePage;
        UrlZone to, from;
        ZoneAction downAll1, downAll2;
    };
    const Row rows[] = {
        {true, Blank, Internet, User, User},     {true, Internet, MyComputer, User, User},
        {true, Intranet, Internet, User, All},   {true, MyComputer, Internet, All, All},
        {false, MyComputer, Internet, All, All}, {false, Internet, Internet, Keep, Keep},
        {false, Intranet, Intranet, Keep, Keep}, {false, Internet, MyComputer, User, User},
        {false, Internet, Intranet, Keep, User}, {false, Intranet, MyComputer, User, Keep},
        {false, Intranet, Internet, Keep, Keep}, {false, Blank, MyComputer, Keep, Keep},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ZoneRule(1, row.samePage, row.to, row.from), row.downAll1)
            << row.samePage << " " << static_cast<int>(row.to) << static_cast<int>(row.from);
        EXPECT_EQ(ZoneRule(2, row.samePage, row.to, row.from), row.downAll2)
            << row.samePage << " " << static_cast<int>(row.to) << static_cast<int>(row.from);
        EXPECT_EQ(ZoneRule(0, row.samePage, row.to, row.from), Keep);
    }
}

TEST(ZoneRule, SamePageMeansEqualOrOneTheStartOfTheOther) {
    EXPECT_TRUE(IsSamePage("http://a.example/", "http://a.example/"));
    EXPECT_TRUE(IsSamePage("http://a.example/x", "http://a.example/"));
    EXPECT_TRUE(IsSamePage("http://a.example/", "http://a.example/x"));
    EXPECT_FALSE(IsSamePage("http://b.example/", "http://a.example/"));
}

}  // namespace
}  // namespace lumbrel
