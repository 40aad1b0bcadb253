#!/usr/bin/env bash
# A player's first start of an installed copy: the prefix is read-only and the home folder is
# new. The game must make ~/.local/share/Wupple its folder, fill it with the shipped word lists,
# help and music, write its settings there, and end cleanly when the session asks it to.
#
#   first_start.sh <cmake> <build folder>
set -uo pipefail
cmake=$1
build=$2

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

chmod 755 "$work"
DESTDIR="$work/root" "$cmake" --install "$build" --prefix /usr >/dev/null || fail "install"
chmod -R a-w "$work/root"

# root may write anywhere, so it would take the read-only prefix for a portable copy: play as
# an ordinary user then.
as_player=()
if [ "$(id -u)" = 0 ]; then
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

# One first start in a new home folder under the given LANG (empty: none set); leaves the game's
# folder in $folder.
first_start() {
    local lang=$1 home
    home=$(mktemp -d "$work/home.XXXXXX")
    chmod 755 "$home"
    [ "$(id -u)" = 0 ] && chown 65534:65534 "$home"
    local locale=()
    [ -n "$lang" ] && locale=(LANG="$lang")
    env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "${locale[@]}" \
        "${as_player[@]}" "$work/root/usr/bin/wupple" &
    pid=$!

    folder="$home/.local/share/Wupple"
    # The settings file appears when the window first comes up and stores its language.
    for _ in $(seq 300); do
        [ -f "$folder/Wupple.ini" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the game ended by itself (LANG=$lang)"
        sleep 0.1
    done
    [ -f "$folder/Wupple.ini" ] || fail "no settings file in $folder after 30 s"

    kill -TERM "$pid"
    wait "$pid"
    local status=$?
    pid=
    [ "$status" = 0 ] || fail "the game ended with status $status after SIGTERM (LANG=$lang)"
}

first_start ""
for file in Wupple.ini deutsch/wupp.dat english/wupple.dat svenska/wuppla.dat italiano/wuppino.dat \
            wupple.mid wuppel32.html wupple32.html wupple32_sv.html wupple32_it.html; do
    [ -s "$folder/$file" ] || fail "$file missing or empty in $folder"
done
cmp -s "$work/root/usr/share/wupple/deutsch/wupp.dat" "$folder/deutsch/wupp.dat" \
    || fail "the German word list differs from the shipped one"
# Closing saves the window's state: the signal closed the game as its close box would.
grep -q '^\[Window\]' "$folder/Wupple.ini" || fail "the window's placement was not saved"
grep -qi '^Sprache= 0' "$folder/Wupple.ini" || fail "the first start without a locale is not in German"

# The desktop's language, when the game speaks it; German for any other.
for case in sv_SE.UTF-8:2000 it_IT.UTF-8:3000 C:0 fr_FR.UTF-8:0 en_GB.UTF-8:1000; do
    lang=${case%:*} offset=${case#*:}
    first_start "$lang"
    grep -qi "^Sprache= $offset"$'\r'"\$" "$folder/Wupple.ini" \
        || fail "the first start under LANG=$lang did not store Sprache= $offset"
    echo "LANG=$lang: $(grep -i '^Sprache=' "$folder/Wupple.ini" | tr -d '\r')"
done
echo "first starts seeded their folders and closed cleanly"
