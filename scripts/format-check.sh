#!/bin/sh
# Checks that the C++ files changed since a base commit are formatted as
# .clang-format says (clang-format 14). The base is the first argument, else
# where the branch left main, else (on main itself) the previous commit; a
# repository of one commit checks every file.
# Format a file with: clang-format -i FILE
set -e
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/deps.sh)"; exit 1; }
base="$1"
if [ -z "$base" ]; then
    if git rev-parse -q --verify main >/dev/null && [ "$(git merge-base HEAD main)" != "$(git rev-parse HEAD)" ]; then
        base=$(git merge-base HEAD main)
    elif git rev-parse -q --verify HEAD~1 >/dev/null; then
        base=HEAD~1
    fi
fi
if [ -n "$base" ]; then
    files=$(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h')
else
    base="the first commit"
    files=$(git ls-files '*.cpp' '*.h')
fi
[ -z "$files" ] && { echo "no C++ file changed since $base"; exit 0; }
bad=""
for f in $files; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad="$bad $f"
done
if [ -n "$bad" ]; then
    echo "not formatted (clang-format -i FILE):"
    for f in $bad; do echo "  $f"; done
    exit 1
fi
echo "formatted: $(echo $files | wc -w) changed file(s) since $base"
