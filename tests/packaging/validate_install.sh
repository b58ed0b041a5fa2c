#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop integration
# the way the desktop's own tools read it.
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/tinctora bin/tinctora-clipboard-keeper \
            share/applications/org.tinctora.Tinctora.desktop \
            share/icons/hicolor/scalable/apps/org.tinctora.Tinctora.svg \
            share/metainfo/org.tinctora.Tinctora.metainfo.xml; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.tinctora.Tinctora.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tinctora.Tinctora.metainfo.xml"
# The metainfo announces the version that was built.
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.tinctora.Tinctora.metainfo.xml"
grep -q '^Categories=Graphics;' "$prefix/share/applications/org.tinctora.Tinctora.desktop"
echo "install layout valid"
