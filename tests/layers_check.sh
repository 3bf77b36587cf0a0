#!/usr/bin/env bash
# Fails when a file includes a folder its layer must not use (the rules in `allowed`). Beyond
# the build's own rule for src/, it reads the fakes, tests, benchmarks and fuzz targets, every
# form of include ("#  include", angles, paths through ".."), and refuses unknown folders.
set -u
cd "$(dirname "$0")/.."
root=$PWD

core="ports theory puzzle hints midi worksheet app velmora"
platform="platform/posix platform/qt platform/sound platform/sql"
# The folders a folder may include, itself among them.
allowed() {
  case "$1" in
    src/ports) echo "ports" ;;
    src/theory) echo "ports theory" ;;
    src/puzzle) echo "ports theory puzzle" ;;
    src/hints | src/midi | src/worksheet) echo "ports theory puzzle ${1#src/}" ;;
    src/app) echo "$core" ;;
    src/platform/posix | src/platform/sound | src/platform/sql) echo "ports ${1#src/}" ;;
    # The toolkit's adapters may build on the standard-library ones.
    src/platform/qt) echo "ports platform/posix platform/qt" ;;
    src/shell) echo "$core $platform shell" ;;
    # The fakes, the core's tests, its benchmarks and the fuzz targets build without a toolkit.
    tests/fakes | tests/theory | tests/puzzle | tests/hints | tests/midi | tests/worksheet | \
      tests/app | tests/platform/posix | bench/core | fuzz)
      echo "$core platform/posix fakes" ;;
    # The adapters' and the windows' tests and benchmarks may use everything.
    tests/platform/* | tests/shell | bench/*) echo "$core $platform shell fakes" ;;
    *) return 1 ;;
  esac
}
# What an include names: the folder (first part, or platform/<part>) of a project header, or
# nothing for a header of the system or a library.
layer_of() {
  case "$1" in
    platform/*/*)
      local rest=${1#platform/}
      echo "platform/${rest%%/*}"
      ;;
    */*)
      local first=${1%%/*}
      if [[ " $core $platform shell fakes " == *" $first "* ]]; then echo "$first"; fi
      ;;
  esac
}

include='^[[:space:]]*#[[:space:]]*include(_next)?[[:space:]]*[<"]'
status=0
for folder in $(find src tests bench fuzz -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \
  -o -name '*.cc' -o -name '*.in' \) -printf '%h\n' | sort -u); do
  if ! allowed "$folder" >/dev/null; then
    echo "$folder holds code but is no folder this check knows: add it to tests/layers_check.sh" \
      "(and to the layers of docs/architecture.md)"
    status=1
    continue
  fi
  permitted=" $(allowed "$folder") "
  while IFS= read -r line; do
    file=${line%%:*}
    rest=${line#*:}
    number=${rest%%:*}
    [[ "${rest#*:}" =~ $include([^\>\"]+)[\>\"] ]] || continue
    target=${BASH_REMATCH[2]}
    # A path through "." or "..", or one beside the file, is read from the file's own folder.
    if [[ "$target" == .* || -f "${file%/*}/$target" ]]; then
      resolved=$(realpath -m --relative-to="$root" "${file%/*}/$target")
      case "$resolved" in
        src/*) target=${resolved#src/} ;;
        tests/fakes/*) target=${resolved#tests/} ;;
        *) continue ;;
      esac
    fi
    layer=$(layer_of "$target")
    [ -n "$layer" ] || continue
    if [[ "$permitted" != *" $layer "* ]]; then
      echo "$file:$number includes $target: $folder must not use $layer"
      status=1
    fi
  done < <(grep -HnE "$include" "$folder"/* 2>/dev/null)
done
exit $status
