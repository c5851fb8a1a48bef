// The one-shot pick beside a bare full-screen Qt window, interleaved in one run so the ratio
// holds on a loaded machine. Each the median of RUNS:
//   overlay: exec of `huebit --pick` until the loupe's frame is on the screen (mapped and
//            painted), against exec of the bare window until its black is on the screen;
//   exit:    from the start of `xdotool click` until waitpid sees the pick's process end, and
//            until the clipboard is held (by the keeper the pick leaves behind). xdotool's own
//            start-up is in that figure; it is measured alone (`xdotool sleep 0`) and
//            printed beside it, so the click-to-exit time is the difference.
// Usage: huebit_pick_bench HUEBIT BARE_WINDOW [RUNS]; DISPLAY must name a server with no window
// manager and no clipboard manager.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

pid_t spawn(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

struct Server {
    xcb_connection_t* c = nullptr;
    xcb_screen_t* screen = nullptr;

    // One pixel of the root window, as the screen shows it.
    uint32_t pixel(int x, int y) const {
        auto* r = xcb_get_image_reply(c,
                                      xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                                                    int16_t(x), int16_t(y), 1, 1, ~0u),
                                      nullptr);
        uint32_t v = 0xFFFFFFFF;
        if (r && xcb_get_image_data_length(r) >= 4) std::memcpy(&v, xcb_get_image_data(r), 4);
        std::free(r);
        return v & 0xFFFFFF;
    }
    // Polls until the pixel at (x, y) is black; the time it took, or -1 after 20 s.
    double untilBlack(Clock::time_point start, int x, int y) const {
        while (msSince(start) < 20000) {
            if (pixel(x, y) == 0) return msSince(start);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return -1;
    }
    xcb_atom_t atom(const char* name) const {
        auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name),
                                        nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }
    xcb_window_t clipboardOwner() const {
        auto* r = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom("CLIPBOARD")),
                                                nullptr);
        const xcb_window_t w = r ? r->owner : xcb_window_t(XCB_NONE);
        std::free(r);
        return w;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s HUEBIT BARE_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
    Server s;
    s.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(s.c)) return 1;
    s.screen = xcb_setup_roots_iterator(xcb_get_setup(s.c)).data;
    const int w = s.screen->width_in_pixels, h = s.screen->height_in_pixels;
    // A grey desktop: the bare window's black and the loupe's black frame stand out on it.
    const uint32_t grey = 0x808080;
    xcb_change_window_attributes(s.c, s.screen->root, XCB_CW_BACK_PIXEL, &grey);
    xcb_clear_area(s.c, 0, s.screen->root, 0, 0, 0, 0);
    xcb_warp_pointer(s.c, XCB_NONE, s.screen->root, 0, 0, 0, 0, int16_t(w / 2), int16_t(h / 2));
    xcb_flush(s.c);
    // Something of ours takes the clipboard after each pick, so the keeper ends.
    const xcb_window_t taker = xcb_generate_id(s.c);
    xcb_create_window(s.c, 0, taker, s.screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    std::vector<double> bare, overlay, exit, held, tool;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        const pid_t b = spawn({argv[2], "--full-screen"});
        bare.push_back(s.untilBlack(start, w / 2, h / 2));
        kill(b, SIGTERM);
        waitpid(b, nullptr, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));

        start = Clock::now();
        const pid_t p = spawn({argv[1], "--pick"});
        overlay.push_back(s.untilBlack(start, w / 2 + 20, h / 2 + 20));
        int status = 0;
        const auto clicked = Clock::now();
        const pid_t click = spawn({"/usr/bin/xdotool", "click", "1"});
        waitpid(p, &status, 0);
        exit.push_back(msSince(clicked));
        // The keeper holds the colour once somebody other than our taker owns the clipboard.
        for (xcb_window_t owner = s.clipboardOwner();
             (owner == XCB_NONE || owner == taker) && msSince(clicked) < 5000;
             owner = s.clipboardOwner())
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        held.push_back(msSince(clicked));
        waitpid(click, &status, 0);
        const auto alone = Clock::now();
        waitpid(spawn({"/usr/bin/xdotool", "sleep", "0"}), &status, 0);
        tool.push_back(msSince(alone));
        xcb_set_selection_owner(s.c, taker, s.atom("CLIPBOARD"), XCB_CURRENT_TIME);
        xcb_flush(s.c);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    std::printf("%dx%d, median of %d\n", w, h, runs);
    std::printf("bare full-screen window: %.1f ms\n", median(bare));
    std::printf("pick overlay with loupe: %.1f ms (%.2f x the bare window)\n", median(overlay),
                median(overlay) / median(bare));
    std::printf("xdotool start to exit: %.1f ms, to clipboard held: %.1f ms (xdotool alone: %.1f "
                "ms)\n",
                median(exit), median(held), median(tool));
    xcb_disconnect(s.c);
    return 0;
}
