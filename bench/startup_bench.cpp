// Start-up time: from exec of the program to the first map of a top-level window, measured on
// the X server's side. Usage: huebit_startup_bench BINARY [RUNS] [SETTINGS_FILE]; DISPLAY must
// name a server with no other clients mapping windows. With a settings file, each run starts the
// program once without and once with that file beside it, and both medians are compared.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// One run in a fresh scratch directory, so no settings file is left from the run before.
double timeOneStart(xcb_connection_t* c, const std::string& binary,
                    const std::string& settings = {}) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("huebit-start-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto copy = dir / "huebit";
    std::filesystem::copy_file(binary, copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_all);
    if (!settings.empty()) std::filesystem::copy_file(settings, dir / "Huebit.cnf");

    const std::string path = copy.string();
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const auto start = Clock::now();
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ) != 0) std::exit(1);
    posix_spawn_file_actions_destroy(&actions);

    double ms = -1;
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const bool mapped = (e->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
        std::free(e);
        if (mapped) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::filesystem::remove_all(dir);
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BINARY [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    timeOneStart(c, argv[1]); // warm the caches (fonts, shared libraries) once
    const std::string settings = argc > 3 ? argv[3] : "";
    std::vector<double> times, withFile;
    for (int i = 0; i < runs; ++i) {
        times.push_back(timeOneStart(c, argv[1]));
        std::printf("run %d: %.1f ms", i + 1, times.back());
        if (!settings.empty()) {
            withFile.push_back(timeOneStart(c, argv[1], settings));
            std::printf(", with the settings file %.1f ms", withFile.back());
        }
        std::printf("\n");
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("median of %d: %.1f ms (exec to first mapped window)\n", runs, median(times));
    if (!settings.empty()) {
        std::printf("median of %d with the settings file: %.1f ms (%+.1f %%)\n", runs,
                    median(withFile), 100.0 * (median(withFile) / median(times) - 1.0));
    }
    xcb_disconnect(c);
    return 0;
}
