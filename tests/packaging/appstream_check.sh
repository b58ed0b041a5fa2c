#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates AppStream metadata as software centres read it: one metainfo file
# (validate) or a whole installed tree (validate-tree), without the network.
# AppStream 1.0 (Debian 13) warns about a desktop application without a
# homepage. The project holds no web address to give, and one it does not
# hold would send every software centre's visitors to whoever registers it:
# that one warning is accepted, nothing else.
#
#   tests/packaging/appstream_check.sh validate|validate-tree PATH
set -euo pipefail
if ! findings=$(appstreamcli "$1" --no-net "$2" 2>&1); then
  faults=$(grep -E '^ *[EW]: ' <<<"$findings" | sed 's/^ *//' || true)
  if [ "$faults" != "W: org.tinctora.Tinctora:~: url-homepage-missing" ]; then
    echo "$findings"
    exit 1
  fi
fi
