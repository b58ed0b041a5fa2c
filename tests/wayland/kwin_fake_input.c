/* A pointer and keyboard for tests on KWin, through its fake input protocol.
 * Speaks the line protocol of virtual_pointer.c, "ready" first and "ok" once
 * KWin has taken each line:
 *   move X Y     absolute position in logical pixels
 *   down B       press button B (1 left, 2 middle, 3 right)
 *   up B         release button B
 *   key C down   press the key with evdev code C
 *   key C up     release it
 * Arguments: the width and height of the screen in logical pixels. KWin
 * grants the protocol to any client only when started with
 * KWIN_WAYLAND_NO_PERMISSION_CHECKS=1. */
#include "kwin-fake-input-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

static void global_added(void* data, struct wl_registry* registry, uint32_t name,
                         const char* interface, uint32_t version) {
    struct org_kde_kwin_fake_input** input = data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
        *input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
    }
}

static void global_removed(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global_added, global_removed};

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
static int run_command(struct org_kde_kwin_fake_input* input, const char* line, unsigned width,
                       unsigned height) {
    unsigned x, y, code;
    int button;
    char state[8];
    if (sscanf(line, "move %u %u", &x, &y) == 2) {
        if (x >= width || y >= height) {
            return -1;
        }
        org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_int((int)x),
                                                        wl_fixed_from_int((int)y));
    } else if (sscanf(line, "down %d", &button) == 1 && button_code(button) >= 0) {
        org_kde_kwin_fake_input_button(input, (uint32_t)button_code(button),
                                       WL_POINTER_BUTTON_STATE_PRESSED);
    } else if (sscanf(line, "up %d", &button) == 1 && button_code(button) >= 0) {
        org_kde_kwin_fake_input_button(input, (uint32_t)button_code(button),
                                       WL_POINTER_BUTTON_STATE_RELEASED);
    } else if (sscanf(line, "key %u %7s", &code, state) == 2 &&
               (strcmp(state, "down") == 0 || strcmp(state, "up") == 0)) {
        org_kde_kwin_fake_input_keyboard_key(input, code, strcmp(state, "down") == 0 ? 1 : 0);
    } else {
        return -1;
    }
    return 0;
}

int main(int argc, char* argv[]) {
    if (argc != 3 || atoi(argv[1]) <= 0 || atoi(argv[2]) <= 0) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT < commands\n", argv[0]);
        return 2;
    }
    const unsigned width = (unsigned)atoi(argv[1]);
    const unsigned height = (unsigned)atoi(argv[2]);

    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    struct org_kde_kwin_fake_input* input = NULL;
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, &input);
    wl_display_roundtrip(display);
    if (input == NULL) {
        fprintf(stderr, "the compositor offers no fake input (version 4)\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(input, "Tinctora tests", "input for automated tests");
    if (wl_display_roundtrip(display) < 0) {
        fprintf(stderr, "the compositor refused fake input\n");
        return 1;
    }
    printf("ready\n");
    fflush(stdout);

    char line[128];
    while (fgets(line, sizeof line, stdin) != NULL) {
        if (run_command(input, line, width, height) != 0) {
            printf("error %s", line);
        } else if (wl_display_roundtrip(display) < 0) {
            fprintf(stderr, "connection to the compositor lost\n");
            return 1;
        } else {
            printf("ok\n");
        }
        fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
