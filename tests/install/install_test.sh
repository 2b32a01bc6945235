#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed programs as a new user would:
# with a fresh HOME, no display (offscreen) and the simulated mouse. No root, no network.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() {
    [ -f "$1" ] || fail "missing $1"
}
expect_in() { # text pattern what
    grep -qF -- "$2" <<<"$1" || fail "$3: no '$2' in:"$'\n'"$1"
}

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log"
bin=$stage/usr/bin
share=$stage/usr/share/q417
gui=false
[ -x "$bin/Tarvell-Q417" ] && gui=true

echo "== the installed layout"
for f in "$bin/q417ctl" "$share/config.bin" "$share/str.ini" "$stage/usr/lib/udev/rules.d/60-q417-mouse.rules" \
    "$stage/usr/share/man/man1/q417ctl.1.gz"; do
    expect_file "$f"
done
[ -e "$bin/config.bin" ] && fail "config.bin lies beside the installed executables"
if $gui; then
    for f in "$share/Skins/Default/main.png" "$share/Skins/Ember/main.png" \
        "$stage/usr/share/applications/example.tarvell.q417.desktop" \
        "$stage/usr/share/metainfo/example.tarvell.q417.metainfo.xml" \
        "$stage/usr/share/icons/hicolor/scalable/apps/example.tarvell.q417.svg" \
        "$stage/usr/share/icons/hicolor/48x48/apps/example.tarvell.q417.png" \
        "$stage/usr/share/man/man1/Tarvell-Q417.1.gz"; do
        expect_file "$f"
    done
fi
factory_sums() { (cd "$share" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
factory_before=$(factory_sums)

# A new user: nothing but a HOME, and a runtime folder of their own for the one-instance lock.
home=$work/home
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
as_user() {
    env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 XDG_RUNTIME_DIR="$work/run" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" "$@"
}
user_dir=$home/.config/q417

echo "== q417ctl --simulate apply on a fresh HOME"
out=$(as_user "$bin/q417ctl" --simulate --sim-state "$work/mouse.json" apply) || fail "apply exited $?"
expect_in "$out" "saved $user_dir/config.bin" "apply"
expect_file "$user_dir/config.bin"
expect_file "$user_dir/str.ini"
cmp -s "$share/str.ini" "$user_dir/str.ini" && fail "apply did not write the button labels back to the user's str.ini"

out=$(as_user "$bin/q417ctl" show) || fail "show exited $?"
expect_in "$out" "data folder: $user_dir (the user's own; factory files in $share)" "show"
expect_in "$out" "firstRunFlag: 1" "show"
[ "$(factory_sums)" = "$factory_before" ] || fail "the factory files under share changed"

echo "== a second run keeps the user's changes"
printf '\x08' | dd of="$user_dir/config.bin" bs=1 seek=1926 conv=notrunc status=none # report rate 125 Hz
printf '\n[Mine]\nKept=1\n' >>"$user_dir/str.ini"
as_user "$bin/q417ctl" --simulate --sim-state "$work/mouse.json" apply >/dev/null || fail "second apply exited $?"
out=$(as_user "$bin/q417ctl" show) || fail "show exited $?"
expect_in "$out" "reportRate: 8 (125 Hz)" "the user's config.bin"
expect_in "$(cat "$user_dir/str.ini")" "Kept=1" "the user's str.ini"
[ "$(factory_sums)" = "$factory_before" ] || fail "the factory files under share changed"

echo "== XDG_CONFIG_HOME chooses the folder; --help says which"
out=$(as_user env XDG_CONFIG_HOME="$work/cfg" "$bin/q417ctl" --help)
expect_in "$out" "Data folder: $work/cfg/q417 (the user's own" "q417ctl --help"
out=$(as_user env XDG_CONFIG_HOME="$work/cfg" "$bin/q417ctl" macros list) || fail "macros list exited $?"
expect_file "$work/cfg/q417/config.bin"

echo "== autostart"
if $gui; then
    out=$(as_user "$bin/q417ctl" autostart on) || fail "autostart on exited $?"
    entry=$home/.config/autostart/example.tarvell.q417.desktop
    expect_in "$(cat "$entry")" "Exec=$bin/Tarvell-Q417" "the autostart entry"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "the autostart entry is not a valid desktop entry"
    fi
    expect_in "$(as_user "$bin/q417ctl" autostart status)" "autostart on" "autostart status"
    as_user "$bin/q417ctl" autostart off >/dev/null || fail "autostart off exited $?"
    [ -e "$entry" ] && fail "autostart off left $entry"
    expect_in "$(as_user "$bin/q417ctl" autostart status)" "autostart off" "autostart status"
fi

if $gui; then
    echo "== Tarvell-Q417 --simulate starts offscreen on a fresh HOME"
    # Without a tray (no session bus) the window shows at once; the start-up stamp ends the program
    # as soon as its first frame is on screen.
    home=$work/home2
    mkdir -p "$home"
    out=$(as_user QT_QPA_PLATFORM=offscreen Q417_STARTUP_STAMP_MS="$(date +%s%3N)" \
        timeout 60 "$bin/Tarvell-Q417" --simulate 2>"$work/gui.err") || fail "Tarvell-Q417 exited $?: $(cat "$work/gui.err")"
    expect_in "$out" "data folder $home/.config/q417 (the user's own" "Tarvell-Q417"
    expect_in "$out" "mapped_ms" "Tarvell-Q417's first frame"
    expect_file "$home/.config/q417/config.bin"
    expect_in "$(as_user "$bin/Tarvell-Q417" --help)" "Data folder: $home/.config/q417" "Tarvell-Q417 --help"
    [ "$(factory_sums)" = "$factory_before" ] || fail "the factory files under share changed"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failed" >&2
    exit 1
fi
echo "the installed programs run from their own layout"
