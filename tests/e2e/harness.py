"""Drives the real tinctora binary on a virtual X server the way a person does:
real input events through xdotool, and checks of what a person sees (pixels
of a screenshot) or pastes (the clipboard through xclip)."""

import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

SHOTS = os.environ.get("TINCTORA_E2E_SHOTS", os.path.join(tempfile.gettempdir(), "tinctora-e2e"))
# The window caption of the version being tested, as the build registers it.
CAPTION = "Tinctora Version " + os.environ.get("TINCTORA_VERSION", "")


class Failure(Exception):
    pass


def _start_xvfb(screen):
    """Starts Xvfb on a display number it chooses itself; returns (process, display).

    -noreset: by default the server resets whenever its last client leaves,
    and a client that connects during the reset is dropped before its
    handshake ends. A short xdotool call that ends just as the program
    connects was enough for the program to find "no display" now and then."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen,
                                "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    return process, f":{number}"


class Session:
    """One X server with the program running on it."""

    def __init__(self, binary, name, window_manager=False, scale=None, depth=24, size="1024x768"):
        self.binary = binary
        self.name = name
        self.xvfb, self.display = _start_xvfb(f"{size}x{depth}")
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        if scale:
            self.env["QT_SCALE_FACTOR"] = str(scale)
        self.wm = None
        if window_manager:
            self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.5)
        self.program = None
        self.window = None

    # --- plumbing ---
    def _run(self, args, check=True, input=None):
        result = subprocess.run(args, env=self.env, capture_output=True, input=input, timeout=30)
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(args)} failed: {result.stderr.decode(errors='replace')}")
        return result

    def _wait(self, condition, what, timeout=10.0):
        end = time.time() + timeout
        while time.time() < end:
            if condition():
                return
            time.sleep(0.05)
        raise Failure(f"timed out waiting for {what}")

    def start(self, settle=0.4):
        self.program = subprocess.Popen([self.binary], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        self._wait(lambda: self.find_window("^Tinctora Version") is not None, "the main window")
        self.window = self.find_window("^Tinctora Version")
        time.sleep(settle)
        return self

    def find_window(self, name):
        result = self._run(["xdotool", "search", "--onlyvisible", "--name", name], check=False)
        ids = result.stdout.decode().split()
        return ids[0] if ids else None

    def visible_windows(self, name):
        result = self._run(["xdotool", "search", "--onlyvisible", "--name", name], check=False)
        return result.stdout.decode().split()

    def geometry(self, window=None):
        out = self._run(["xdotool", "getwindowgeometry", "--shell", window or self.window]).stdout.decode()
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def close(self):
        for pid in self.keepers():
            os.kill(pid, 15)
        for process in (self.program, self.wm, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()

    # --- what a person does ---
    def client_origin(self):
        # xwininfo gives the client's absolute position also inside a window
        # manager's frame, where xdotool's geometry is off by the frame.
        out = self._run(["xwininfo", "-id", self.window]).stdout.decode()
        values = {}
        for line in out.splitlines():
            if ":" in line:
                key, _, value = line.strip().partition(":")
                values[key] = value.strip()
        return int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])

    def move(self, x, y):
        """Moves the pointer to a point of the main window's client area."""
        ox, oy = self.client_origin()
        self._run(["xdotool", "mousemove", str(ox + x), str(oy + y)])

    def move_screen(self, x, y):
        self._run(["xdotool", "mousemove", str(x), str(y)])

    def click(self, x, y, button=1):
        self.move(x, y)
        self._run(["xdotool", "click", str(button)])
        time.sleep(0.15)

    def down(self, button=1):
        self._run(["xdotool", "mousedown", str(button)])
        time.sleep(0.1)

    def up(self, button=1):
        self._run(["xdotool", "mouseup", str(button)])
        time.sleep(0.15)

    def type(self, text):
        self._run(["xdotool", "type", "--delay", "20", text])
        time.sleep(0.15)

    def key(self, *keys):
        self._run(["xdotool", "key", "--delay", "30", *keys])
        time.sleep(0.15)

    # --- what a person sees ---
    def screenshot(self, label):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, f"{self.name}-{label}.png")
        self._run(["import", "-window", "root", path])
        return path

    def pixel(self, x, y, shot=None):
        """The colour (r, g, b) of a point of the main window's client area."""
        ox, oy = self.client_origin()
        return self.screen_pixel(ox + x, oy + y, shot)

    def screen_pixel(self, x, y, shot=None):
        path = shot or self.screenshot("probe")
        out = self._run(["convert", path, "-format", f"%[fx:int(255*p{{{x},{y}}}.r)],"
                         f"%[fx:int(255*p{{{x},{y}}}.g)],%[fx:int(255*p{{{x},{y}}}.b)]", "info:"]).stdout.decode()
        return tuple(int(v) for v in out.split(","))

    def clipboard(self):
        result = self._run(["xclip", "-o", "-selection", "clipboard"], check=False)
        return result.stdout if result.returncode == 0 else None

    def title(self, window=None):
        return self._run(["xdotool", "getwindowname", window or self.window]).stdout.decode().rstrip("\n")

    def ended(self, timeout=5.0):
        try:
            self._wait(lambda: self.program.poll() is not None, "the program to end", timeout)
            return True
        except Failure:
            return False

    def output_closed(self, timeout=1.0):
        """Whether the program's error output reaches its end: nothing the
        program left behind holds it open for whoever reads it."""
        end = time.time() + timeout
        while time.time() < end:
            ready, _, _ = select.select([self.program.stderr], [], [], max(0.0, end - time.time()))
            if ready and not os.read(self.program.stderr.fileno(), 65536):
                return True
        return False

    def keepers(self):
        """Process ids of the clipboard keepers serving this session's display."""
        keeper = os.path.realpath(os.path.join(os.path.dirname(self.binary),
                                               "tinctora-clipboard-keeper"))
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                if os.path.realpath(f"/proc/{entry}/exe") != keeper:
                    continue
                with open(f"/proc/{entry}/environ", "rb") as f:
                    environment = f.read().split(b"\0")
                with open(f"/proc/{entry}/stat") as f:
                    state = f.read().rpartition(")")[2].split()[0]
            except OSError:
                continue
            if f"DISPLAY={self.display}".encode() in environment and state != "Z":
                found.append(int(entry))
        return found


def expect(session, what, expected, seen):
    """Fails with what was expected and seen, keeping a screenshot."""
    if expected != seen:
        path = session.screenshot("failure")
        raise Failure(f"{what}: expected {expected!r}, saw {seen!r} (screenshot {path})")


def expect_near(session, what, expected, seen, tolerance=2):
    if any(abs(a - b) > tolerance for a, b in zip(expected, seen)):
        path = session.screenshot("failure")
        raise Failure(f"{what}: expected {expected!r}, saw {seen!r} (screenshot {path})")


def run(cases, binary, expected_failures=None):
    """Runs each case in a fresh session and prints a summary line.
    expected_failures: the cases known to fail, each with what goes wrong;
    they count as passed while they fail and as failed once they pass, so
    that the mark goes with the fault."""
    expected_failures = expected_failures or {}
    passed = failed = 0
    for case in cases:
        started = time.time()
        known = expected_failures.get(case)
        try:
            case(binary)
            if known:
                failed += 1
                print(f"XPASS {case.__name__}, expected to fail: {known}", flush=True)
            else:
                passed += 1
                print(f"PASS {case.__name__} ({time.time() - started:.1f} s)", flush=True)
        except Exception:  # noqa: BLE001 - every failure is reported with its trace
            if known:
                passed += 1
                print(f"XFAIL {case.__name__}: {known}", flush=True)
            else:
                failed += 1
                print(f"FAIL {case.__name__}", flush=True)
            traceback.print_exc()
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


def main(cases):
    if len(sys.argv) < 2 or not shutil.which("Xvfb"):
        print("usage: <suite>.py path/to/tinctora (needs Xvfb, xdotool, xclip, imagemagick)")
        return 2
    return run(cases, sys.argv[1])
