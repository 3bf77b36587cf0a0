#!/usr/bin/env bash
# Runs clang-tidy's naming check (.clang-tidy, the rule of docs/architecture.md "Names") over
# every source file of src/ in a build's compile database, in parallel, and fails on a name
# that breaks the rule. Usage: tools/names_check.sh BUILD_DIR [CLANG_TIDY]
set -euo pipefail
build=${1:?usage: names_check.sh BUILD_DIR [CLANG_TIDY]}
tidy=${2:-clang-tidy-14}
root=$(cd "$(dirname "$0")/.." && pwd)
database=$build/compile_commands.json
if [ ! -f "$database" ]; then
  echo "no compile database in $build (CMAKE_EXPORT_COMPILE_COMMANDS)" >&2
  exit 2
fi
if ! command -v "$tidy" >/dev/null; then
  echo "$tidy is not installed (Debian: clang-tidy-14)" >&2
  exit 2
fi

files=$(sed -nE "s#^ *\"file\": \"($root/src/[^\"]+\.cpp)\",?\$#\1#p" "$database" | sort -u)
[ -n "$files" ] || { echo "the compile database of $build lists no file of $root/src" >&2; exit 2; }

build=$(cd "$build" && pwd)
# Headers are reached through the build's layer folders (links into src/); reports name src/.
headers="^($root/src/|$build/layers/)"

report=$(mktemp)
trap 'rm -f "$report"' EXIT
xargs -P "$(nproc)" -n 4 "$tidy" -p "$build" --quiet --header-filter="$headers" \
  --config-file="$root/.clang-tidy" <<<"$files" 2>/dev/null |
  grep -E '^/.*: (fatal error|error|warning): ' |
  sed -E "s#^$build/layers/[^/]+/#src/#; s#^$root/##" >"$report" || true
# A header's names are reported once for every file that includes it: keep one of each.
breaches=$(grep -F '[readability-identifier-naming' "$report" | sed 's# \[readability.*##' |
  sort -u || true)
unread=$(grep -E "fatal error:|file not found" "$report" | sort -u || true)
# Valid C++ that clang 14 does not take yet (GCC builds the program) leaves the rest of the
# file checked; it is shown, not counted.
{ grep -F '[clang-diagnostic-error]' "$report" | grep -v "file not found" || true; } | sort -u |
  sed 's#^#clang-tidy could not compile (the rest of the file is checked): #' >&2
if [ -n "$unread" ]; then
  echo "$unread"
  echo "clang-tidy could not read these files, so their names are unchecked" >&2
  exit 1
fi
if [ -n "$breaches" ]; then
  echo "$breaches"
  echo "$(wc -l <<<"$breaches") names break the naming rule (docs/architecture.md, \"Names\"):" \
    "a description's name is allowed by name in .clang-tidy, every other name follows the" \
    "rule shown." >&2
  exit 1
fi
echo "$(wc -w <<<"$files") files of src/ follow the naming rule"
