#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder it must not use: the core's layers only look
# down, the adapters only at the ports (the toolkit's also at the standard-library ones), and
# nothing but the shell sees the toolkit's windows.
set -u
cd "$(dirname "$0")/../src"
allowed() {
  case "$1" in
    ports) echo "ports" ;;
    theory) echo "theory" ;;
    puzzle) echo "ports theory puzzle" ;;
    hints | midi | worksheet) echo "ports theory puzzle $1" ;;
    app) echo "ports theory puzzle hints midi worksheet app velmora" ;;
    platform/posix | platform/sound | platform/sql) echo "ports $1" ;;
    # The toolkit's adapters may build on the standard-library ones.
    platform/qt) echo "ports platform/posix platform/qt" ;;
    shell) echo "ports theory puzzle hints midi worksheet app velmora platform/posix platform/qt platform/sound platform/sql shell" ;;
  esac
}
status=0
for folder in ports theory puzzle hints midi worksheet app platform/posix platform/sound platform/qt platform/sql shell; do
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")
    layer=$(sed -E 's#^(platform/[a-z]+|[a-z]+)/.*#\1#' <<<"$target")
    if [[ " $(allowed "$folder") " != *" $layer "* ]]; then
      echo "$file includes $target: $folder must not use $layer"
      status=1
    fi
  done < <(grep -rH '#include "' "$folder")
done
exit $status
