#!/usr/bin/env bash
# Fails when a source folder includes a header of a folder above it or beside it:
#   values <- db <- data <- ui core <- reports <- ui frames <- subsystems <- app
# (the ui core and the frames share src/ui; their libraries keep them apart)
# A subsystem (gl, ar, vat, inventory, sales, purchases, cash, forex) reaches
# the layers beneath it and never another subsystem; they meet only in the
# database. Only the shell (app) knows every window.
set -euo pipefail
cd "$(dirname "$0")/../src"

allowed() {
  case "$1" in
    values) echo "values" ;;
    db) echo "values db" ;;
    data) echo "values db data" ;;
    ui) echo "values db data ui reports" ;;
    reports) echo "values db data reports ui" ;;
    app) echo "*" ;;
    *) echo "values db data ui reports $1" ;;
  esac
}

status=0
for dir in */; do
  folder=${dir%/}
  ok=$(allowed "$folder")
  [ "$ok" = "*" ] && continue
  while IFS=: read -r file line target; do
    [ -d "$target" ] || continue # a same-folder header that happens to contain a slash
    case " $ok " in
      *" $target "*) ;;
      *)
        echo "src/$file:$line: $folder must not include $target/ headers" >&2
        status=1
        ;;
    esac
  done < <(grep -rnoE '^#include "[A-Za-z_]+/' "$folder" --include='*.h' --include='*.cpp' |
    sed -E 's/#include "([A-Za-z_]+)\/$/\1/')
done
exit $status
