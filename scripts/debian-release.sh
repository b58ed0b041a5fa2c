# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What differs between the Debian releases Tinctora builds on, chosen by
# /etc/os-release. Sourced by install-deps.sh and test.sh; sets
#   release_packages  the packages whose names differ between releases
#   clangxx           the clang++ that builds the fuzzers
#   compositor_packages  the Wayland suite's desktops beside sway
. /etc/os-release
compositor_packages=()
case "${VERSION_CODENAME:-}" in
  bookworm)
    llvm=14
    compositor_packages=(gnome-shell xdg-desktop-portal-gnome
                         kwin-wayland plasma-workspace xdg-desktop-portal-kde)
    ;;
  trixie)
    llvm=19
    # KWin 6 takes pictures (its own and the portal's) only when it
    # composites with OpenGL, which needs a GPU's render node on its virtual
    # output and nested in Xvfb or a headless sway alike (Mesa's software
    # rendering has no node to run on): without one KWin 6.3 composites with
    # QPainter, the KWin round cannot see the screen, so it is left out here.
    compositor_packages=(gnome-shell xdg-desktop-portal-gnome)
    ;;
  *)
    echo "Tinctora builds on Debian 12 (bookworm) and 13 (trixie), not on ${PRETTY_NAME:-this system}." >&2
    exit 1
    ;;
esac
release_packages=(clang-$llvm libclang-rt-$llvm-dev)
clangxx=clang++-$llvm
