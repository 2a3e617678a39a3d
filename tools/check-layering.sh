#!/usr/bin/env bash
# Fails when a source folder includes a header of a folder above it or beside it:
#   values <- db <- data <- uicore <- reports <- ui <- subsystems <- app
# uicore is the ui core (services, checks, controls); ui holds the frames.
# A subsystem (gl, ar, vat, inventory, sales, purchases, cash, forex) reaches
# the layers beneath it and never another subsystem; they meet only in the
# database. A subsystem's reports (src/reports/<subsystem>/) belong to that
# subsystem: they sit on the report engine, and only that subsystem reaches
# them. Only the shell (app) knows every window. The libraries keep the same
# direction at link time (see src/CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/../src"

# what a folder (or reports/<subsystem>) may include
allowed() {
  case "$1" in
    values) echo "values" ;;
    db) echo "values db" ;;
    data) echo "values db data" ;;
    uicore) echo "values db data uicore" ;;
    reports) echo "values db data uicore reports" ;;
    reports/*) echo "values db data uicore reports $1" ;;
    ui) echo "values db data uicore reports ui" ;;
    app) echo "*" ;;
    *) echo "values db data uicore reports ui $1 reports/$1" ;;
  esac
}

# the layer a file belongs to, and the layer an include reaches
layer_of() { # path relative to src, e.g. reports/gl/rptBS.cpp or gl/frmGL.cpp
  local first=${1%%/*} rest=${1#*/}
  if [ "$first" = reports ] && [ "$rest" != "${rest#*/}" ] && [ -d "reports/${rest%%/*}" ]; then
    echo "reports/${rest%%/*}"
  else
    echo "$first"
  fi
}

status=0
while IFS=: read -r file line target; do
  [ -d "${target%%/*}" ] || continue # a same-folder header that happens to contain a slash
  from=$(layer_of "$file")
  to=$(layer_of "$target")
  ok=$(allowed "$from")
  [ "$ok" = "*" ] && continue
  case " $ok " in
    *" $to "*) ;;
    *)
      echo "src/$file:$line: $from must not include $to/ headers" >&2
      status=1
      ;;
  esac
done < <(grep -rnoE '^#include "[A-Za-z_]+/[A-Za-z_/]*[A-Za-z_.]+"' . --include='*.h' --include='*.cpp' |
  sed -E 's#^\./##; s/#include "([^"]*)"$/\1/')
exit $status
