#include "screen/x11_capture_route.h"

#include <gtest/gtest.h>

#include <vector>

using namespace huebit;

namespace {

using R = X11Route;

// Feeds the probe one time per copy, in the order it asks for them; returns the routes asked.
std::vector<R> run(X11RouteProbe& probe, const std::vector<std::int64_t>& times) {
    std::vector<R> asked;
    for (std::int64_t t : times) {
        asked.push_back(probe.next());
        probe.record(probe.next(), t);
    }
    return asked;
}

} // namespace

// Each candidate is tried in turn, ProbeRounds times; the least single time of each decides,
// and the earlier candidate wins a tie.
TEST(X11RouteProbe, KeepsTheRouteWithTheLeastTime) {
    struct Case {
        const char* what;
        std::vector<std::int64_t> times; // fresh, reused, socket, fresh, reused, socket
        R chosen;
    };
    const Case cases[] = {
        {"the reused segment pays for its segment once, then is fastest",
         {40, 45, 20, 41, 11, 19},
         R::ReusedSegment},
        {"the socket fastest", {40, 30, 10, 41, 25, 12}, R::Socket},
        {"a fresh segment fastest where faults are cheap", {8, 30, 20, 9, 10, 19}, R::FreshSegment},
        {"a spike of load on one copy does not count", {90, 30, 30, 10, 30, 30}, R::FreshSegment},
        {"a tie goes to the earlier candidate", {50, 10, 10, 50, 10, 10}, R::ReusedSegment},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        X11RouteProbe probe = X11RouteProbe::ForMachine(true);
        const std::vector<R> asked = run(probe, c.times);
        EXPECT_EQ(asked, (std::vector<R>{R::FreshSegment, R::ReusedSegment, R::Socket,
                                         R::FreshSegment, R::ReusedSegment, R::Socket}));
        ASSERT_TRUE(probe.chosen());
        EXPECT_EQ(*probe.chosen(), c.chosen);
        // Kept from then on, whatever later copies take.
        run(probe, {1000, 1000, 1000});
        EXPECT_EQ(probe.next(), c.chosen);
        EXPECT_TRUE(probe.mayTake(c.chosen));
    }
}

TEST(X11RouteProbe, WithoutSharedMemoryOrAfterARefusalOnlyTheSocket) {
    X11RouteProbe none = X11RouteProbe::ForMachine(false);
    ASSERT_TRUE(none.chosen());
    EXPECT_EQ(*none.chosen(), R::Socket);
    EXPECT_FALSE(none.mayTake(R::ReusedSegment));

    X11RouteProbe refused = X11RouteProbe::ForMachine(true);
    EXPECT_TRUE(refused.mayTake(R::ReusedSegment));
    run(refused, {5});
    refused.socketOnly(); // the server refused the next segment
    ASSERT_TRUE(refused.chosen());
    EXPECT_EQ(refused.next(), R::Socket);
    EXPECT_FALSE(refused.mayTake(R::FreshSegment));
    EXPECT_FALSE(refused.mayTake(R::ReusedSegment));
}

// A time for a route the probe did not ask for (a copy that fell back to the socket) teaches it
// nothing, and an empty list of candidates still copies.
TEST(X11RouteProbe, StrayTimesAndEmptyListsAreHarmless) {
    X11RouteProbe probe = X11RouteProbe::ForMachine(true);
    probe.record(R::ReusedSegment, 1);
    EXPECT_EQ(probe.next(), R::FreshSegment);
    run(probe, {30, 25, 20, 30, 25, 20});
    EXPECT_EQ(*probe.chosen(), R::Socket);

    X11RouteProbe empty({});
    ASSERT_TRUE(empty.chosen());
    EXPECT_EQ(*empty.chosen(), R::Socket);
    EXPECT_STREQ(X11RouteName(R::ReusedSegment), "reused segment");
}
