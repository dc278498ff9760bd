#!/usr/bin/env bash
# Stands in for a MinGW cross tool in the build-step cases: records how it
# was called, one bracketed argument at a time, so that argument boundaries
# (blanks in names) show. The tool named by PLIX_FAKE_TOOL_FAILS ends with
# status 1, as a compiler does on an error.
{
  printf '%s' "$(basename "$0")"
  for a in "$@"; do
    a=$(printf '%s' "$a" | sed -E 's#/tmp/plix-headers-[A-Za-z0-9]{6}#@ALIASES@#')
    printf ' [%s]' "$a"
  done
  printf '\n'
} >> "${PLIX_TOOL_LOG:-/dev/null}"
# The header aliases must be readable while the compiler runs.
for a in "$@"; do
  case "$a" in -I/tmp/plix-headers-*) ls "${a#-I}" | sed 's/^/  alias: /' >> "${PLIX_TOOL_LOG:-/dev/null}";; esac
done
[ "$(basename "$0")" = "${PLIX_FAKE_TOOL_FAILS:-}" ] && exit 1
exit 0
