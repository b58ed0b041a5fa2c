// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the X server and measures, over repeated runs, the time
// from exec to its window mapped and painted, its peak memory after one
// second idle, and (once) what it does in ten seconds of idling.
#include "bench_stats.h"

#include <xcb/xcb.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tinctora::bench;
using Clock = std::chrono::steady_clock;

namespace {

struct Run {
    double millisecondsToPainted = 0;
    double peakRssMegabytes = 0;
    pid_t pid = 0;
    bool painted = false;
    const char* failure = "no window mapped within 10 s";
};

struct QPointInRoot {
    int16_t x = 0;
    int16_t y = 0;
};

long StatusField(pid_t pid, const std::string& task, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + task + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    return 0;
}

// CPU time in clock ticks and context switches of every thread of a process.
std::pair<long, long> CpuAndSwitches(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) {
            utime = std::stol(field);
        } else if (i == 15) {
            stime = std::stol(field);
        }
    }
    long switches = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        const std::string task = "/task/" + entry.path().filename().string();
        switches += StatusField(pid, task, "voluntary_ctxt_switches") +
                    StatusField(pid, task, "nonvoluntary_ctxt_switches");
    }
    return {utime + stime, switches};
}

// What the root window shows where no window has painted yet: a colour
// neither program paints, so that a black or white control is not mistaken
// for an unpainted window, nor the old contents of the screen for a painted one.
constexpr uint32_t kUnpainted = 0x123456;

// One pixel of the screen, read from the root window: a window that is
// unmapped or restacked meanwhile makes no read fail.
std::optional<uint32_t> ScreenPixel(xcb_connection_t* c, xcb_window_t root, int16_t x, int16_t y) {
    auto cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, x, y, 1, 1, ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(c, cookie, nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    uint32_t pixel = 0;
    std::memcpy(&pixel, xcb_get_image_data(reply),
                std::min<int>(4, xcb_get_image_data_length(reply)));
    std::free(reply);
    return pixel & 0xFFFFFF;
}

// The middle of a newly mapped large window in root coordinates; Qt also
// maps a few 1-px helper windows.
std::optional<QPointInRoot> MiddleOfLargeWindow(xcb_connection_t* c, xcb_window_t root,
                                                xcb_window_t window) {
    auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    std::optional<QPointInRoot> middle;
    if (geometry != nullptr && geometry->width > 100 && geometry->height > 100) {
        auto* origin = xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr);
        if (origin != nullptr) {
            middle = QPointInRoot{static_cast<int16_t>(origin->dst_x + geometry->width / 2),
                                  static_cast<int16_t>(origin->dst_y + geometry->height / 2)};
        }
        std::free(origin);
    }
    std::free(geometry);
    return middle;
}

Run StartOnce(char* const* command, bool keep) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t root = screen->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_change_window_attributes(c, root, XCB_CW_BACK_PIXEL, &kUnpainted);
    xcb_clear_area(c, 0, root, 0, 0, 0, 0);
    // A blanked screen reads black everywhere: no saver during the runs.
    xcb_set_screen_saver(c, 0, 0, XCB_BLANKING_NOT_PREFERRED, XCB_EXPOSURES_DEFAULT);
    xcb_force_screen_saver(c, XCB_SCREEN_SAVER_RESET);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    Run run;
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::seconds(10);
    run.pid = fork();
    if (run.pid == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    // Waits for the window to be mapped and its middle painted; a window
    // unmapped again before that is forgotten and the next one waited for.
    xcb_window_t window = 0;
    std::optional<QPointInRoot> middle;
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const auto type = event->response_type & 0x7F;
            if (type == XCB_MAP_NOTIFY && !middle) {
                const xcb_window_t mapped =
                    reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                middle = MiddleOfLargeWindow(c, root, mapped);
                window = middle ? mapped : 0;
            } else if (type == XCB_UNMAP_NOTIFY &&
                       reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window == window) {
                middle.reset();
                window = 0;
            }
            std::free(event);
        }
        if (middle) {
            const std::optional<uint32_t> pixel = ScreenPixel(c, root, middle->x, middle->y);
            if (pixel && *pixel != kUnpainted) {
                run.painted = true;
                break;
            }
        }
        if (middle) {
            run.failure = "window not painted within 10 s";
        }
        if (xcb_connection_has_error(c) != 0) {
            run.failure = "lost the connection to the X server";
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    run.millisecondsToPainted =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    xcb_disconnect(c);

    std::this_thread::sleep_for(std::chrono::seconds(1));
    run.peakRssMegabytes = static_cast<double>(StatusField(run.pid, "", "VmHWM")) / 1024.0;
    if (!keep) {
        kill(run.pid, SIGTERM);
        waitpid(run.pid, nullptr, 0);
    }
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM FLOOR_PROGRAM\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<double> times[2];
    std::vector<double> memory[2];
    int failed[2] = {0, 0};
    char* programs[2][2] = {{argv[2], nullptr}, {argv[3], nullptr}};
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            const Run run = StartOnce(programs[p], false);
            if (!run.painted) {
                // A run that never showed its window has no time to report.
                std::printf("run %d of %s: %s\n", i + 1, programs[p][0], run.failure);
                ++failed[p];
                continue;
            }
            times[p].push_back(run.millisecondsToPainted);
            memory[p].push_back(run.peakRssMegabytes);
        }
    }
    if (failed[0] + failed[1] > 0) {
        std::printf("runs without a painted window: tinctora %d, floor %d\n", failed[0], failed[1]);
    }
    if (times[0].empty() || times[1].empty()) {
        return 1;
    }
    const Figure floorTime = Summarise(times[1]);
    const Figure floorMemory = Summarise(memory[1]);
    Print("start-up to painted window, floor", floorTime, "ms");
    Print("start-up to painted window", Summarise(times[0]), "ms", "floor", floorTime.median);
    Print("peak RSS after 1 s idle, floor", floorMemory, "MB");
    Print("peak RSS after 1 s idle", Summarise(memory[0]), "MB", "floor", floorMemory.median);

    const Run idle = StartOnce(programs[0], true);
    const auto before = CpuAndSwitches(idle.pid);
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const auto after = CpuAndSwitches(idle.pid);
    kill(idle.pid, SIGTERM);
    waitpid(idle.pid, nullptr, 0);
    const double tickMs = 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::printf("idle 10 s: CPU %.0f ms, wake-ups (context switches) %ld\n",
                static_cast<double>(after.first - before.first) * tickMs,
                after.second - before.second);
    return 0;
}
