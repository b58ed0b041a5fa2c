#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks the desktop integration
# the way the desktop's own tools read it.
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/tinctora libexec/tinctora/tinctora-clipboard-keeper \
            share/man/man1/tinctora.1 \
            share/applications/org.tinctora.Tinctora.desktop \
            share/icons/hicolor/scalable/apps/org.tinctora.Tinctora.svg \
            share/metainfo/org.tinctora.Tinctora.metainfo.xml; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.tinctora.Tinctora.desktop"
"$(dirname "$0")/appstream_check.sh" validate "$prefix/share/metainfo/org.tinctora.Tinctora.metainfo.xml"
# The metainfo announces the version that was built.
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.tinctora.Tinctora.metainfo.xml"
grep -q '^Categories=Graphics;' "$prefix/share/applications/org.tinctora.Tinctora.desktop"
# A helper no person starts stays out of the PATH.
[ ! -e "$prefix/bin/tinctora-clipboard-keeper" ] || { echo "keeper installed in bin"; exit 1; }
# The manual page as man shows it: no complaint from groff, and the keeper's
# place as installed.
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/tinctora.1" 2>&1)
if grep -q 'warning\|error\|@' <<<"$page"; then echo "$page"; exit 1; fi
grep -q "/libexec/tinctora/tinctora-clipboard-keeper" <<<"$page"
# The licence the metainfo declares is the tree's.
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
  "$prefix/share/metainfo/org.tinctora.Tinctora.metainfo.xml"
echo "install layout valid"
