#pragma once
// How an X11 copy of the screen crosses from the server to the program, and which way this
// machine takes. Which is fastest depends on the machine more than on the code: where page
// faults are costly a fresh shared segment per copy (faulted in by both sides every time) loses
// to the plain request, elsewhere shared memory spares a copy through the socket. So the first
// copies go by each candidate in turn, timed, and the fastest is kept from then on.

#include <cstdint>
#include <optional>
#include <vector>

namespace huebit {

enum class X11Route {
    Socket,        ///< a plain GetImage: the pixels come through the connection into the picture
    ReusedSegment, ///< segments kept attached and faulted in, lent out as pictures and taken back
    FreshSegment,  ///< a new shared segment per copy, which becomes the picture itself
};

/// The route's name in the debug log ("socket", "reused segment", "fresh segment").
const char* X11RouteName(X11Route route);

/// The one-off probe. Each candidate is timed ProbeRounds times, in turn, on the copies the
/// program makes anyway; the least of each candidate's times counts (the first use of a reused
/// segment pays for making it, and a busy machine only ever adds time); a tie goes to the earlier.
class X11RouteProbe {
public:
    static constexpr int ProbeRounds = 2;

    /// The candidates, in the order they are tried; one candidate is chosen at once.
    explicit X11RouteProbe(std::vector<X11Route> candidates);
    /// The candidates on a server with shared memory (`sharedMemory`) or without.
    static X11RouteProbe ForMachine(bool sharedMemory);

    /// The route the next copy takes.
    X11Route next() const;
    /// How long a copy by `route` took; a failed copy records nothing. Times of a route that is
    /// not the next one are ignored.
    void record(X11Route route, std::int64_t nanoseconds);
    /// The route kept, once every candidate has been timed.
    std::optional<X11Route> chosen() const { return m_chosen; }
    /// Whether `route` is chosen or may still be tried.
    bool mayTake(X11Route route) const;
    /// Shared memory went away (the server refused a segment): the socket from now on.
    void socketOnly();

private:
    std::vector<X11Route> m_candidates;
    std::vector<std::int64_t> m_least;
    int m_timed = 0; // copies timed so far, over all candidates
    std::optional<X11Route> m_chosen;
};

} // namespace huebit
