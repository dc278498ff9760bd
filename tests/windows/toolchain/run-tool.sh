#!/usr/bin/env bash
# The Linux side of a fake MinGW tool under Wine (see fake_mingw in
# ../wine-plix.sh). Wine's start /unix keeps neither the working folder nor
# quoted arguments, so the batch file leaves both in FIXTURE/request, in
# Windows form: the folder, then the command line it received.
#   run-tool.sh FIXTURE TOOL
# Runs TOOL there with the arguments read as a Windows C runtime reads them,
# drive paths turned into Linux paths; its output goes to FIXTURE/output and
# FIXTURE/done tells the batch file that it has finished.
fixture=$1
tool=$2
{ IFS= read -r folder; IFS= read -r line; } < "$fixture/request"
folder=${folder%$'\r'}
line=${line%$'\r'}
# What reached the tool, every line of it, for the tests to compare with
# what plix printed.
{ printf '%s: ' "$tool"; tail -n +2 "$fixture/request" | tr -d '\r'; } >> "$fixture/calls"

# C:\x\y -> $WINEPREFIX/dosdevices/c:/x/y (Wine's own drive links); other
# backslashes become slashes.
linux_path() {
  local p=$1
  if [[ $p =~ ^([A-Za-z]):[\\/](.*)$ ]]; then
    local drive=${BASH_REMATCH[1],,}
    p="$WINEPREFIX/dosdevices/$drive:/${BASH_REMATCH[2]}"
  fi
  printf '%s' "${p//\\//}"
}

# The Windows C runtime's rules: blanks split outside quotes; 2n backslashes
# before a quote give n and the quote toggles quoting; 2n+1 give n and a
# literal quote; other backslashes are literal.
args=()
current=""
have=0
quoting=0
backslashes=0
for ((i = 0; i < ${#line}; i++)); do
  c=${line:i:1}
  if [[ $c == '\' ]]; then
    backslashes=$((backslashes + 1))
    continue
  fi
  if [[ $c == '"' ]]; then
    for ((k = 0; k < backslashes / 2; k++)); do current+='\'; done
    if ((backslashes % 2)); then current+='"'; else quoting=$((1 - quoting)); fi
    backslashes=0
    have=1
    continue
  fi
  for ((k = 0; k < backslashes; k++)); do current+='\'; done
  ((backslashes > 0)) && have=1
  backslashes=0
  if [[ ($c == ' ' || $c == $'\t') && $quoting -eq 0 ]]; then
    ((have)) && args+=("$current")
    current=""
    have=0
  else
    current+=$c
    have=1
  fi
done
for ((k = 0; k < backslashes; k++)); do current+='\'; done
((have || backslashes)) && args+=("$current")

tool_args=()
for a in "${args[@]}"; do
  if [[ $a =~ ^(-[A-Za-z])([A-Za-z]:[\\/].*)$ ]]; then
    tool_args+=("${BASH_REMATCH[1]}$(linux_path "${BASH_REMATCH[2]}")")
  else
    tool_args+=("$(linux_path "$a")")
  fi
done

if cd "$(linux_path "$folder")"; then
  # Windows file names ignore letter case: a header included as Counter.h
  # is COUNTER.h there. The Linux compiler gets links under the included names.
  if [[ $tool == *g++ ]]; then
    rm -rf "$fixture/case" && mkdir "$fixture/case"
    for name in $(grep -ho '#include "[^"]*"' -- *.cpp *.h 2>/dev/null | sed 's/#include "\(.*\)"/\1/' | sort -u); do
      [ -e "$name" ] && continue
      match=$(ls | grep -ixF -- "$name" | head -n 1)
      [ -n "$match" ] && ln -s "$PWD/$match" "$fixture/case/$name"
    done
    tool_args+=("-I$fixture/case")
  fi
  "$tool" "${tool_args[@]}" > "$fixture/output" 2>&1
  echo $? > "$fixture/status"
else
  echo "run-tool.sh: no folder $folder" > "$fixture/output"
  echo 1 > "$fixture/status"
fi
: > "$fixture/done.new" && mv "$fixture/done.new" "$fixture/done"
