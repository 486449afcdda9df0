#!/bin/bash
# Fails when an include of our own code points up the dependency order or
# names a header without its folder; prints file:line for each. Run by the
# test command (ctest's include_direction) and by hand: scripts/check-includes.sh
#
# The order, lowest first (a folder may include its own and lower folders):
#   model < layout < editing < document < view, controls, dialogs, html, convert < app
# platform/ is below all and included by bare name from its include folders;
# launcher/ stands apart and includes only itself; tests/ and bench/ may
# include anything. The shared headers below may be included from anywhere.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

shared=(
  model/GDoc.h            # the flow
  model/flow_records.h    # the flow's records
  document/CWDocument.h   # the document
  layout/CFrame.h         # the frame
  app/CWOptions.h         # the options record
  app/CWApp.h             # the application object: font list, screen and printer contexts
  resources/resource.h    # the resource ids
  resources/startup_ids.h # the start-up's resource ids (caption labels, titles, menus, rulers)
  view/papers.h           # the paper table page set-ups read
  view/arrow_style.h      # the callout arrow record frames store, and its drawing
  view/trackers.h         # the trackers frames own
  controls/LineStyles.h   # the line-style table border layout and drawing read
  view/CWView.h           # the view that drawing rows calls
  app/CWCustomFrameData.h # the frame data: current view, status panes, toolbars, progress
  controls/COffsetMsrEdit.h  # the border distance borders take
  html/html_services.h    # what the open and save dispatch asks of HTML
  convert/conversion_services.h  # what the dispatch asks of conversion
  convert/GDosConvertor.h  # the DOS-document importer the text reader hands to
  app/filter_index.h      # the save dialog's first filter for a file type
  dialogs/CWFndRpl.h      # the find and replace request the flow answers
  dialogs/field_dialogs.h # the date and page-number dialogs a field's double-click opens
  app/CWInputDlg.h        # the one-line prompt the conversion's password prompt derives from
)

rank_of() {
  case "$1" in
    model) echo 1 ;;
    layout) echo 2 ;;
    editing) echo 3 ;;
    document) echo 4 ;;
    view | controls | dialogs | html | convert) echo 5 ;;
    app) echo 6 ;;
    *) echo "" ;;
  esac
}

is_shared() {
  local h
  for h in "${shared[@]}"; do [ "$h" = "$1" ] && return 0; done
  return 1
}

folders=(model layout editing document view controls dialogs html convert app launcher)
declare -A ours
while IFS= read -r name; do ours["$name"]=1; done < <(find "${folders[@]}" resources -name '*.h' -printf '%f\n' 2>/dev/null)
failures=0
while IFS= read -r file; do
  from="${file%%/*}"
  while IFS=: read -r line target; do
    if [[ "$target" != */* ]]; then
      # A bare name is a platform header; one of ours must name its folder.
      if [ -n "${ours[$target]:-}" ]; then
        echo "$file:$line: include \"$target\" by its folder"
        failures=$((failures + 1))
      fi
      continue
    fi
    to="${target%%/*}"
    [ "$to" = "$from" ] && continue
    if [ "$from" = launcher ] || [ "$to" = launcher ]; then
      echo "$file:$line: \"$target\" crosses into or out of launcher/, which stands apart"
      failures=$((failures + 1))
      continue
    fi
    is_shared "$target" && continue
    from_rank="$(rank_of "$from")"
    to_rank="$(rank_of "$to")"
    if [ -z "$to_rank" ] || [ "$to_rank" -gt "$from_rank" ]; then
      echo "$file:$line: \"$target\" points up from $from/ to $to/"
      failures=$((failures + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p;t;s/.*//p' "$file" |
           awk 'NF { print NR ":" $0 }')
done < <(find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) break the dependency order (see docs/ARCHITECTURE.md)"
  exit 1
fi
echo "includes follow the dependency order"
