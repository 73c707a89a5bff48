#!/bin/sh
# The start-up to the first paint of the main window with a project of 2,000
# elements, beside a bare Qt window's, timed by hyperfine: builds the harness
# in the release build folder, writes the generated project, times both.
#   scripts/startup-bench.sh [build-folder] [hyperfine options...]   (default build-release)
# Without a display the windows are shown on Qt's offscreen platform.
set -e
cd "$(dirname "$0")/.."
build=${1:-build-release}
[ $# -gt 0 ] && shift
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j3 --target startup_project startup_app startup_bare
command -v hyperfine >/dev/null || { echo "hyperfine is needed (apt-get install hyperfine)" >&2; exit 1; }
[ -n "$DISPLAY$WAYLAND_DISPLAY" ] || export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program keeps its settings (the recent files) in the user's folder:
# a folder of its own leaves the user's alone.
export XDG_CONFIG_HOME="$work/config"
"$build/bin/startup_project" "$work/project.tv2"
# Twenty runs at least unless the caller says how many (hyperfine refuses
# --runs beside --min-runs).
[ $# -gt 0 ] || set -- --min-runs 20
hyperfine -N --warmup 3 "$@" \
    -n "bare Qt window" "$build/bin/startup_bare" \
    -n "program with 2,000 elements" "$build/bin/startup_app $work/project.tv2"
