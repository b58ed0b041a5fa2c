// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* A pointer for tests on a wlroots compositor. Reads one command a line from
 * stdin and answers "ok" once the compositor has handled it, so a driver can
 * take a screenshot right after the answer:
 *   move X Y     absolute position in output pixels
 *   down B       press button B (1 left, 2 middle, 3 right)
 *   up B         release button B
 * Arguments: the width and height of the output the positions refer to. */
#include "virtual-pointer-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

struct globals {
    struct wl_seat* seat;
    struct zwlr_virtual_pointer_manager_v1* manager;
};

static void global_added(void* data, struct wl_registry* registry, uint32_t name,
                         const char* interface, uint32_t version) {
    struct globals* globals = data;
    if (strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == NULL) {
        globals->seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    } else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals->manager = wl_registry_bind(
            registry, name, &zwlr_virtual_pointer_manager_v1_interface, version < 2 ? version : 2);
    }
}

static void global_removed(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global_added, global_removed};

static uint32_t now_ms(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

static int button_code(int button) {
    switch (button) {
    case 1:
        return BTN_LEFT;
    case 2:
        return BTN_MIDDLE;
    case 3:
        return BTN_RIGHT;
    default:
        return -1;
    }
}

/* Sends one command; returns 0 when the line was understood. */
static int run_command(struct zwlr_virtual_pointer_v1* pointer, const char* line, uint32_t width,
                       uint32_t height) {
    unsigned x, y;
    int button;
    if (sscanf(line, "move %u %u", &x, &y) == 2) {
        if (x >= width || y >= height) {
            return -1;
        }
        zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
    } else if (sscanf(line, "down %d", &button) == 1 && button_code(button) >= 0) {
        zwlr_virtual_pointer_v1_button(pointer, now_ms(), (uint32_t)button_code(button),
                                       WL_POINTER_BUTTON_STATE_PRESSED);
    } else if (sscanf(line, "up %d", &button) == 1 && button_code(button) >= 0) {
        zwlr_virtual_pointer_v1_button(pointer, now_ms(), (uint32_t)button_code(button),
                                       WL_POINTER_BUTTON_STATE_RELEASED);
    } else {
        return -1;
    }
    zwlr_virtual_pointer_v1_frame(pointer);
    return 0;
}

int main(int argc, char* argv[]) {
    if (argc != 3 || atoi(argv[1]) <= 0 || atoi(argv[2]) <= 0) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT < commands\n", argv[0]);
        return 2;
    }
    const uint32_t width = (uint32_t)atoi(argv[1]);
    const uint32_t height = (uint32_t)atoi(argv[2]);

    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    struct globals globals = {NULL, NULL};
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, &globals);
    wl_display_roundtrip(display);
    if (globals.manager == NULL) {
        fprintf(stderr, "the compositor offers no virtual pointers\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    if (wl_display_roundtrip(display) < 0) {
        fprintf(stderr, "the compositor refused the virtual pointer\n");
        return 1;
    }
    printf("ready\n");
    fflush(stdout);

    char line[128];
    while (fgets(line, sizeof line, stdin) != NULL) {
        if (run_command(pointer, line, width, height) != 0) {
            printf("error %s", line);
        } else if (wl_display_roundtrip(display) < 0) {
            fprintf(stderr, "connection to the compositor lost\n");
            return 1;
        } else {
            printf("ok\n");
        }
        fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(globals.manager);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
