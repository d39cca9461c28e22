#!/bin/bash
# A soak under Wine drawing on an X server of its own, the clipboard through X selections.
# Usage: x11.sh selvaquin-soak.exe X11_PREFIX ARG...
set -u
soak=$1 prefix=$2
shift 2
# shellcheck source=../x_common.sh
source "$(dirname "$0")/../x_common.sh"
start_wine_x11 "$prefix"
"$session" run "$prefix" "$soak" "$@"
