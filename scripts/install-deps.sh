#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs every Debian package Tinctora needs to build, run and test, on
# Debian 12 or 13. Safe to run again: apt-get skips what is already there.
set -euo pipefail
. "$(dirname "$0")/debian-release.sh"

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libxcb1-dev
  libxcb-xfixes0-dev  # the clipboard keeper learns of every change of the X11 clipboard's owner
  libwayland-dev  # the clipboard keeper's Wayland side (wayland-client, wayland-scanner)
  # German texts of the toolkit itself
  qt6-translations-l10n
  # fonts for the captions (Times New Roman and Tahoma stand-ins)
  fonts-liberation fonts-dejavu-core
  # the layout check of the sources
  clang-format
  # fuzzing with libFuzzer, and the other packages named differently per release
  "${release_packages[@]}"
  # checking and packing the desktop integration
  desktop-file-utils appstream dpkg-dev file
  # running and testing on a virtual X server
  xvfb xauth x11-xserver-utils x11-utils xdotool xclip imagemagick openbox python3
  # a clipboard manager of the kind people run, for the clipboard after the end
  diodon
  # reading the accessible tree through AT-SPI, as a screen reader does (accessibility test)
  python3-pyatspi at-spi2-core dbus
)

# The Wayland suite (tests/wayland): a headless sway desktop with XWayland,
# the desktop portals with their Access backend (xdg-desktop-portal-gtk) and
# pipewire, which xdg-desktop-portal-wlr needs at start; slurp is the picker
# the wlr backend runs for PickColor. Input through wtype and a virtual
# pointer client built from libwayland-dev; screenshots through grim, the
# clipboard through wl-clipboard, the stand-in portal on python3-gi, the
# session's own bus through dbus (dbus-send, gdbus: libglib2.0-bin).
wayland_packages=(
  sway xwayland grim slurp wtype wl-clipboard
  xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire
  qt6-wayland libwayland-dev wayland-protocols
  dbus libglib2.0-bin python3-gi util-linux
)
packages+=("${wayland_packages[@]}")

# The Wayland suite's other two desktops. GNOME Shell runs headless with
# GNOME's own portal backend (Debian 12: 144 packages, +370 MB, about a
# minute to install); KDE Plasma's KWin runs on a virtual output with KDE's
# portal backend, whose dialogs come with plasma-workspace (348 packages,
# +730 MB, about three minutes). The tests drive GNOME through its D-Bus
# services (python3-gi) and read its PNG screenshots with imagemagick.
# Debian 13 installs GNOME Shell 48 alone (debian-release.sh says why; with
# KWin 6 and Plasma the two came to 578 packages, +1001 MB, six minutes).
# Installed when TINCTORA_DESKTOP_SUITES=1 asks for those rounds.
if [ "${TINCTORA_DESKTOP_SUITES:-0}" = 1 ]; then
  packages+=("${compositor_packages[@]}")
fi

# The Debian package (scripts/package.sh, from a git clone of the tree):
# Debian's build helpers and lintian; reuse checks that every file names its
# licence; man-db renders the manual page as man shows it; debootstrap makes
# the fresh chroots CI installs the package into.
packaging_packages=(debhelper lintian reuse man-db git debootstrap)
packages+=("${packaging_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
