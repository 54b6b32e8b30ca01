#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
#   check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$(mktemp -d "${TMPDIR:-/tmp}/kestrany-install-XXXXXX")"
trap 'rm -rf "$prefix"' EXIT
if ! log="$(cmake --install "$build" --prefix "$prefix" 2>&1)"; then
  echo "$log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
fi
bash "$here/check-tree.sh" "$prefix" "$build"
