#!/usr/bin/env bash
# Pictures of the real dialog: FINALE.EXE opens the plug-in's dialog under
# Wine on a virtual X display of its own, once per user-interface language,
# and ImageMagick's import captures the display cut to the dialog's window
# (FINALE.EXE --show-dialog prints where it is).
#   dialog_screenshots.sh <FINALE.EXE> <plug-in DLL> <out dir> [code=locale ...]
# Default languages: en=en_US.UTF-8 sv=sv_SE.UTF-8 de=de_DE.UTF-8; writes
# <out dir>/dialog-<code>.png. KV_WINE_ARCH=win32 for a 32-bit FINALE.EXE and
# plug-in (wine_run.sh). Needs xvfb and imagemagick.
set -euo pipefail
[ $# -ge 3 ] || { sed -n '2,10p' "$0" >&2; exit 2; }
finale=$(realpath "$1"); plugin=$(realpath "$2"); out=$(realpath -m "$3"); shift 3
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en=en_US.UTF-8 sv=sv_SE.UTF-8 de=de_DE.UTF-8)
here=$(dirname "$(realpath "$0")")
for tool in Xvfb import; do
  command -v $tool >/dev/null || { echo "dialog_screenshots: $tool not found (install xvfb, imagemagick)" >&2; exit 1; }
done
[ -f "$finale" ] && [ -f "$plugin" ] || { echo "dialog_screenshots: $finale or $plugin is missing" >&2; exit 1; }

# A prefix of its own: the window frame is drawn by Wine (Decorated=N), as
# there is no window manager on the virtual display to draw it; the display
# at 192 dots per inch (Wine's DPI setting), twice the usual 96, so that the
# dialog is drawn at twice its size with fonts to match.
# Wine here does not load the fonts of its own data folder (Debian's
# fonts-wine, /usr/share/wine/fonts): without Marlett, whose letters "0", "1"
# and "r" are the glyphs of the caption's buttons, the title bar showed those
# letters; without Tahoma the dialog's text fell back to another face. Copied
# into the prefix's Fonts folder, Wine finds them.
prefix=$(dirname "$(dirname "$finale")")/wine/screenshots-prefix
"$here/wine_run.sh" "$prefix" --create
for font in marlett.ttf tahoma.ttf tahomabd.ttf; do
  [ -f "/usr/share/wine/fonts/$font" ] ||
    { echo "dialog_screenshots: /usr/share/wine/fonts/$font missing (install fonts-wine)" >&2; exit 1; }
  cp "/usr/share/wine/fonts/$font" "$prefix/drive_c/windows/Fonts/"
done
"$here/wine_run.sh" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
"$here/wine_run.sh" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
sleep 1
mkdir -p "$out"
export DISPLAY=$display KV_WINE_USE_DISPLAY=1 KV_WINE_TIMEOUT=90
status=0
for entry in "${languages[@]}"; do
  code=${entry%%=*} locale=${entry#*=}
  log=$(mktemp)
  KV_WINE_LOCALE=$locale "$here/wine_run.sh" "$prefix" "$finale" \
    --plugin "$plugin" --show-dialog 8 >"$log" 2>&1 &
  finale_pid=$!
  rect=
  for _ in $(seq 60); do
    rect=$(sed -n 's/^dialog at \([-0-9]*\) \([-0-9]*\) \([0-9]*\) \([0-9]*\).*/\3x\4+\1+\2/p' "$log" | tr -d '\r')
    [ -n "$rect" ] && break
    kill -0 $finale_pid 2>/dev/null || break
    sleep 0.5
  done
  if [ -z "$rect" ]; then
    echo "dialog_screenshots: $code: no dialog opened" >&2; cat "$log" >&2; status=1
  else
    sleep 2  # let the dialog paint
    import -display "$display" -window root -crop "$rect" +repage "$out/dialog-$code.png"
    echo "wrote $out/dialog-$code.png ($locale, $rect)"
  fi
  wait $finale_pid || { echo "dialog_screenshots: $code: FINALE.EXE failed" >&2; cat "$log" >&2; status=1; }
  rm -f "$log"
done
exit $status
