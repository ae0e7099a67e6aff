# Sourced by the scripts: a private virtual X display and a private Wine prefix.
#   wine_session_start PREFIX_DIR   starts Xvfb on a display of its choosing, prepares the prefix,
#                                   exports DISPLAY, WINEPREFIX and the Wine settings
#   wine_session_stop               stops exactly what wine_session_start started
#   wine_run SECONDS CMD...         runs a command under a time-out
# Nothing here touches another user's display or Wine server.

WINE_SESSION_XVFB_PID=""

wine_run() {
  local seconds=$1; shift
  timeout --kill-after=10 "$seconds" "$@"
}

wine_session_start() {
  local prefix=$1
  export WINEPREFIX="$prefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine takes its ANSI code page from the locale: 932, as on the users' machines.
  export LANG=ja_JP.UTF-8
  unset LC_ALL

  # Xvfb picks a free display itself and writes its number once it listens: no race with
  # another session choosing the same number.
  local fifo display
  fifo=$(mktemp -u /tmp/wyndrel-xvfb.XXXXXX)
  mkfifo "$fifo" || return 1
  # WINE_SESSION_MAX_CLIENTS: more X connections than Xvfb's default 256 (every program under
  # Wine holds two; the benchmarks open 400 editors).
  Xvfb -displayfd 3 ${WINE_SESSION_MAX_CLIENTS:+-maxclients "$WINE_SESSION_MAX_CLIENTS"} -screen 0 1280x1024x24 \
    -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  WINE_SESSION_XVFB_PID=$!
  display=$(timeout 30 head -n 1 "$fifo")
  rm -f "$fifo"
  [ -n "$display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$display"

  mkdir -p "$(dirname "$prefix")"
  if [ ! -f "$prefix/.wyndrel-ready" ]; then
    rm -rf "$prefix"
    wine_run 300 wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; return 1; }
    wine_run 120 wineserver -w
    # No crash dialog: a crashing program must end, not wait for a click.
    wine_run 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # A Wine virtual desktop the size of the display: windows get frames and title bars
    # drawn as on Windows, and placement does not depend on an X window manager.
    wine_run 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    wine_run 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1280x1024 /f >/dev/null 2>&1
    wine_run 120 wineserver -w
    touch "$prefix/.wyndrel-ready"
  fi
  # The program's windows ask for "ＭＳ Ｐゴシック" and "ＭＳ ゴシック": map both faces to the
  # installed IPA fonts, which have the same metrics. Behind a marker of its own, so that
  # prefixes prepared before the mapping existed get it too.
  if [ ! -f "$prefix/.wyndrel-fonts-1" ]; then
    local key='HKCU\Software\Wine\Fonts\Replacements'
    wine_run 60 wine reg add "$key" /v 'ＭＳ Ｐゴシック' /t REG_SZ /d 'IPAPGothic' /f >/dev/null 2>&1 &&
      wine_run 60 wine reg add "$key" /v 'ＭＳ ゴシック' /t REG_SZ /d 'IPAGothic' /f >/dev/null 2>&1 ||
      { echo "font replacements failed" >&2; return 1; }
    wine_run 120 wineserver -w
    touch "$prefix/.wyndrel-fonts-1"
  fi
  # Wine's own fonts (Debian's fonts-wine, which scripts/setup installs) in the prefix's font
  # folder: Marlett draws the caption buttons' glyphs and Tahoma is the dialogs' face, as on
  # Windows; without them the buttons show the letters "0 1 r".
  if [ ! -f "$prefix/.wyndrel-fonts-2" ] && [ -d /usr/share/wine/fonts ]; then
    mkdir -p "$prefix/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
      "$prefix/drive_c/windows/Fonts/" || { echo "Wine's fonts are missing (fonts-wine)" >&2; return 1; }
    touch "$prefix/.wyndrel-fonts-2"
  fi
  # Keep one Wine server alive for the whole session: every test process starts faster.
  wine_run 30 wineserver -p >/dev/null 2>&1 || true
  # The first program of a session starts Wine's background services; they keep the
  # standard output they inherit open for their whole life, so they must not inherit
  # a pipe that a caller (ctest, a shell pipeline) waits to see closed.
  wine_run 120 wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    timeout 30 wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$WINE_SESSION_XVFB_PID" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=""
  fi
}
