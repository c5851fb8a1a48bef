#include "screen/x11_capture_route.h"

#include <algorithm>
#include <limits>

namespace huebit {

const char* X11RouteName(X11Route route) {
    switch (route) {
    case X11Route::Socket:
        return "socket";
    case X11Route::ReusedSegment:
        return "reused segment";
    case X11Route::FreshSegment:
        return "fresh segment";
    }
    return "socket";
}

X11RouteProbe::X11RouteProbe(std::vector<X11Route> candidates)
    : m_candidates(std::move(candidates)),
      m_least(m_candidates.size(), std::numeric_limits<std::int64_t>::max()) {
    if (m_candidates.empty()) m_candidates = {X11Route::Socket};
    if (m_candidates.size() == 1) m_chosen = m_candidates.front();
}

X11RouteProbe X11RouteProbe::ForMachine(bool sharedMemory) {
    if (!sharedMemory) return X11RouteProbe({X11Route::Socket});
    // A fresh segment first, so that the start's copy, when it is read, lies in shared memory as
    // it always has, not in the heap; the reused segment second, so that the segment it keeps is
    // made early, with the first pages the program builds, not as growth later on.
    return X11RouteProbe({X11Route::FreshSegment, X11Route::ReusedSegment, X11Route::Socket});
}

X11Route X11RouteProbe::next() const {
    if (m_chosen) return *m_chosen;
    return m_candidates[std::size_t(m_timed) % m_candidates.size()];
}

void X11RouteProbe::record(X11Route route, std::int64_t nanoseconds) {
    if (m_chosen || route != next()) return;
    auto& least = m_least[std::size_t(m_timed) % m_candidates.size()];
    least = std::min(least, nanoseconds);
    if (++m_timed < ProbeRounds * int(m_candidates.size())) return;
    const auto fastest = std::min_element(m_least.begin(), m_least.end());
    m_chosen = m_candidates[std::size_t(fastest - m_least.begin())];
}

bool X11RouteProbe::mayTake(X11Route route) const {
    if (m_chosen) return *m_chosen == route;
    return std::find(m_candidates.begin(), m_candidates.end(), route) != m_candidates.end();
}

void X11RouteProbe::socketOnly() {
    *this = X11RouteProbe({X11Route::Socket});
}

} // namespace huebit
