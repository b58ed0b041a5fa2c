#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every web address written in the tree is one of the few the project means
# to name: the XML and D-Bus schemas, the licence's own links, the
# copyright file's format, and a stand-in host in a test. Anything else, a
# package archive above all, is left to the tools' own defaults and the
# host's configuration.
set -euo pipefail
source=$1
allowed='^(https?://(www\.w3\.org|www\.freedesktop\.org|fsf\.org|www\.gnu\.org|localhost)([/:]|$)|https?://www\.debian\.org/doc/packaging-manuals/)'

if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  found=$(git -C "$source" grep -IohE '(https?|ftp)://[^][ "'"'"'<>()`]*' || true)
else
  found=$(grep -rIohE --exclude-dir=build --exclude-dir=.git \
            '(https?|ftp)://[^][ "'"'"'<>()`]*' "$source" || true)
fi
stray=$(printf '%s\n' "$found" | grep -vE "$allowed" | grep -v '^$' | sort -u || true)
if [ -n "$stray" ]; then
  echo "addresses the tree should not name:"
  printf '%s\n' "$stray"
  exit 1
fi
echo "web addresses all expected"
