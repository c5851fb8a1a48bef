// Start-up of Huebit beside a bare Qt window, interleaved in one run so that the ratio holds on a
// loaded machine. For each program: exec to the first mapped top-level window, as the X server
// reports it, and the resident memory 1.5 s later (/proc/PID/status), each the median of RUNS.
// "Held" adds the pages of the screen copy's shared segment that the program never touched and
// the pixmaps the X server keeps for it: neither is in its resident set, but the system keeps
// them for it.
// Usage: huebit_startup_compare HUEBIT BARE_WINDOW SETTINGS_FILE [RUNS]; DISPLAY must name a
// server with no window manager and no other clients mapping windows.
#include <xcb/res.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

struct Figures {
    double ms = -1;
    double rssMiB = -1, anonMiB = -1, fileMiB = -1, shmemMiB = -1;
    double heldMiB = -1; ///< resident, plus what the system keeps for it outside that
    double serverMiB = -1; ///< pixmaps the X server keeps for it
};

// A field of /proc/PID/status in kB, as MiB.
double statusMiB(pid_t pid, const std::string& field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::atof(line.c_str() + field.size() + 1) / 1024;
    }
    return -1;
}

// The pages of the process's System V shared segments (the screen copy the X server wrote) that
// are not in its resident set: the system holds them for the process all the same.
double untouchedSegmentMiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps");
    std::string line;
    bool segment = false;
    double kB = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) &&
            line.find('-') != std::string::npos && line.find(':') > line.find(' ')) {
            segment = line.find("/SYSV") != std::string::npos;
        } else if (segment && line.rfind("Size:", 0) == 0) {
            kB += std::atof(line.c_str() + 5);
        } else if (segment && line.rfind("Rss:", 0) == 0) {
            kB -= std::atof(line.c_str() + 4);
        }
    }
    return kB / 1024;
}

// The X server's pixmaps for the client that owns `window`.
double serverPixmapMiB(xcb_connection_t* c, xcb_window_t window) {
    xcb_res_query_client_pixmap_bytes_reply_t* r = xcb_res_query_client_pixmap_bytes_reply(
        c, xcb_res_query_client_pixmap_bytes(c, window), nullptr);
    if (!r) return -1;
    const double bytes = r->bytes + double(r->bytes_overflow) * 4294967296.0;
    std::free(r);
    return bytes / (1024 * 1024);
}

void stop(pid_t pid) {
    // A polite end first, so the program removes what it leaves behind (its instance socket).
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// One start in a fresh scratch directory: the program's copy and, for Huebit, the settings file
// beside it, as a portable copy keeps it.
Figures measure(xcb_connection_t* c, const std::string& binary, const std::string& settings) {
    const fs::path dir = fs::temp_directory_path() / ("huebit-compare-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path copy = dir / fs::path(binary).filename();
    fs::copy_file(binary, copy);
    fs::permissions(copy, fs::perms::owner_all);
    if (!settings.empty()) fs::copy_file(settings, dir / "Huebit.cnf");

    const std::string path = copy.string();
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Figures f;
    pid_t pid = -1;
    const auto start = Clock::now();
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ) != 0) std::exit(1);
    posix_spawn_file_actions_destroy(&actions);
    xcb_window_t window = 0;
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
        if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY && !map->override_redirect) {
            f.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            window = map->window;
        }
        std::free(e);
        if (window) break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    f.serverMiB = serverPixmapMiB(c, window);
    f.rssMiB = statusMiB(pid, "VmRSS");
    f.anonMiB = statusMiB(pid, "RssAnon");
    f.fileMiB = statusMiB(pid, "RssFile");
    f.shmemMiB = statusMiB(pid, "RssShmem");
    f.heldMiB = f.rssMiB + untouchedSegmentMiB(pid) + std::max(0.0, f.serverMiB);
    stop(pid);
    // Events of the run (the window's unmap and destruction) are not the next run's map.
    while (xcb_generic_event_t* e = xcb_poll_for_event(c))
        std::free(e);
    fs::remove_all(dir);
    return f;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Series {
    std::vector<double> ms, rss, anon, file, shmem, held, server;
    void add(const Figures& f) {
        server.push_back(f.serverMiB);
        ms.push_back(f.ms);
        rss.push_back(f.rssMiB);
        held.push_back(f.heldMiB);
        anon.push_back(f.anonMiB);
        file.push_back(f.fileMiB);
        shmem.push_back(f.shmemMiB);
    }
    void print(const char* name) const {
        std::printf("%-12s %8.1f ms %8.1f MiB   (anonymous %.1f, file %.1f, shared %.1f; "
                    "X server pixmaps %.1f; held %.1f)\n",
                    name, median(ms), median(rss), median(anon), median(file), median(shmem),
                    median(server), median(held));
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s HUEBIT BARE_WINDOW SETTINGS_FILE [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string huebit = fs::absolute(argv[1]), bare = fs::absolute(argv[2]);
    const std::string settings = fs::absolute(argv[3]);
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 7;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    // Two builds of Huebit against each other (AGAINST in the script): both with the file.
    const std::string bareSettings = std::getenv("HUEBIT_COMPARE_BOTH") ? settings : std::string();
    // Warm the caches (shared libraries, fonts) once for each.
    measure(c, bare, bareSettings);
    measure(c, huebit, settings);
    Series floor, ours;
    for (int i = 0; i < runs; ++i) {
        // Alternating which goes first keeps a slow spell of the machine from favouring one.
        const bool bareFirst = i % 2 == 0;
        if (bareFirst) floor.add(measure(c, bare, bareSettings));
        ours.add(measure(c, huebit, settings));
        if (!bareFirst) floor.add(measure(c, bare, bareSettings));
        std::printf("run %d: bare %.1f ms %.1f MiB, Huebit %.1f ms %.1f MiB\n", i + 1,
                    floor.ms.back(), floor.rss.back(), ours.ms.back(), ours.rss.back());
        std::fflush(stdout);
    }
    std::printf("\nmedian of %d     exec -> window   resident 1.5 s later\n", runs);
    floor.print("bare Qt");
    ours.print("Huebit");
    std::printf("Huebit / bare: %.2f x time, %+.1f MiB resident, %+.1f MiB held\n",
                median(ours.ms) / median(floor.ms), median(ours.rss) - median(floor.rss),
                median(ours.held) - median(floor.held));
    xcb_disconnect(c);
    return 0;
}
