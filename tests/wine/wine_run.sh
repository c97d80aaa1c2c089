#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual X display, in a Wine prefix
# of its own (created on first use, inside the build tree).
#   wine_run.sh <prefix dir> --create           create the prefix when it is missing
#   wine_run.sh <prefix dir> <program> [args]   run a program, exit with its status
# Every wait is bounded: KV_WINE_TIMEOUT seconds (default 300) for a run, and
# KV_WINE_BOOT_TIMEOUT (default 240) for creating the prefix; running out of
# time fails with a message that says which.
# KV_WINE_ARCH=win32 creates a 32-bit prefix (default win64). With Wine's
# 32-bit loader installed (wine32:i386) the program runs through the `wine`
# launcher, which picks the loader by the program's bitness, so a 64-bit
# prefix runs 32-bit programs too; without it only wine64, for 64-bit programs.
# KV_WINE_LOCALE=sv_SE.UTF-8 runs the program in that locale: Wine takes the
# user's (and user-interface) language from it. The locale is compiled with
# localedef next to the prefix on first use, so the machine needs only the
# locale sources of Debian's "locales" package, not a generated system locale.
# KV_WINE_VERSION=win98 (or winxp, ...) sets the Windows version the prefix
# reports before the program runs.
# KV_WINE_WAIT=1 also waits until every program the run started has ended and
# the prefix's registry is written out (an uninstaller goes on in a copy of
# itself after the program started has returned).
# KV_WINE_USE_DISPLAY=1 runs the program on the X display in DISPLAY instead of
# a fresh virtual one (to capture what it shows).
set -euo pipefail
[ $# -ge 2 ] || { sed -n '2,8p' "$0" >&2; exit 2; }
prefix=$(realpath -m "$1"); shift

arch=${KV_WINE_ARCH:-win64}
if [ -x /usr/lib/wine/wine ] && command -v wine >/dev/null; then
  wine=$(command -v wine)
elif [ $arch = win32 ]; then
  echo "wine_run: a 32-bit prefix needs Wine's 32-bit loader, /usr/lib/wine/wine, which is missing" \
       "(install wine32:i386: ./dev setup, as root)" >&2
  exit 1
else
  wine=$(command -v wine64 || echo /usr/lib/wine/wine64)   # Debian keeps the loader off PATH
  [ -x "$wine" ] || { echo "wine_run: wine64 not found (install wine64)" >&2; exit 1; }
fi
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
command -v xvfb-run >/dev/null || { echo "wine_run: xvfb-run not found (install xvfb, xauth)" >&2; exit 1; }

export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: nothing here needs .NET or HTML.
export WINEDLLOVERRIDES="mscoree,mshtml=;${WINEDLLOVERRIDES:-}"

bounded() {  # seconds, what, command...
  local limit=$1 what=$2 status=0; shift 2
  timeout --kill-after=10 "$limit" "$@" || status=$?
  if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "wine_run: $what did not finish within $limit s" >&2
  fi
  return $status
}

create_prefix() {
  [ -f "$prefix/system.reg" ] && return 0
  mkdir -p "$(dirname "$prefix")"
  local started=$SECONDS
  # wineboot returns before the prefix is written out; wineserver -w waits for that.
  bounded "${KV_WINE_BOOT_TIMEOUT:-240}" "creating the Wine prefix $prefix" \
    xvfb-run -a sh -c '"$0" wineboot -i >/dev/null 2>&1 && "$1" -w' "$wine" "$server"
  [ -f "$prefix/system.reg" ] || { echo "wine_run: no prefix at $prefix after wineboot" >&2; return 1; }
  echo "wine_run: created $prefix in $((SECONDS - started)) s"
}

use_locale() {  # name such as sv_SE.UTF-8
  local name=$1 dir
  dir=$(dirname "$prefix")/locale
  if [ ! -d "$dir/$name" ]; then
    [ -f "/usr/share/i18n/locales/${name%%.*}" ] ||
      { echo "wine_run: no locale source for $name (install locales)" >&2; exit 1; }
    mkdir -p "$dir"
    # localedef exits 1 on warnings about the locale sources; the result is usable.
    localedef -i "${name%%.*}" -f "${name#*.}" "$dir/$name" 2>/dev/null || [ $? -eq 1 ] ||
      { echo "wine_run: localedef could not make $name" >&2; exit 1; }
  fi
  export LOCPATH=$dir LC_ALL=$name LANG=$name
}

if [ "$1" = --create ]; then
  create_prefix
  exit
fi
create_prefix
[ -z "${KV_WINE_LOCALE:-}" ] || use_locale "$KV_WINE_LOCALE"
if [ -n "${KV_WINE_VERSION:-}" ]; then
  bounded 60 "setting the Windows version" xvfb-run -a "$wine" reg add 'HKCU\Software\Wine' /v Version \
    /d "$KV_WINE_VERSION" /f >/dev/null
fi
program=$1; shift
if [ "${KV_WINE_USE_DISPLAY:-}" = 1 ]; then
  bounded "${KV_WINE_TIMEOUT:-300}" "$(basename "$program")" "$wine" "$program" "$@"
elif [ "${KV_WINE_WAIT:-}" = 1 ]; then
  export KV_WINESERVER=$server
  bounded "${KV_WINE_TIMEOUT:-300}" "$(basename "$program")" \
    xvfb-run -a sh -c '"$0" "$@"; status=$?; "$KV_WINESERVER" -w; exit $status' "$wine" "$program" "$@"
else
  bounded "${KV_WINE_TIMEOUT:-300}" "$(basename "$program")" xvfb-run -a "$wine" "$program" "$@"
fi
