#!/usr/bin/env bash
# The Debian package, built from the build folder given as $1: its contents and
# control data, and the programs run from the unpacked, read-only tree for a
# user whose home is a temporary folder. The user's files must appear in the
# user's configuration folder and nothing may change in the installed tree.
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/pmr-package-test.XXXXXX)
sim_pid=
cleanup() {
    [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# --- the package ------------------------------------------------------------
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
for path in \
    usr/bin/pmrprog usr/bin/pmr-cli usr/bin/pmr-radio-sim \
    usr/lib/pmrprog/per-user usr/lib/pmrprog/Version.ini usr/lib/pmrprog/language/mysetup.ini \
    usr/lib/pmrprog/V100/pmrprog usr/lib/pmrprog/V100/pmr-cli usr/lib/pmrprog/V100/pmr-radio-sim \
    usr/lib/pmrprog/V100/language/english.ini usr/lib/pmrprog/V100/language/chinese.ini \
    usr/lib/pmrprog/V100/help/english/index.html usr/lib/pmrprog/V100/help/chinese/index.html \
    usr/lib/pmrprog/V100/Init/VX210_4.dat \
    usr/lib/pmrprog/V100/PIC/BK_1.jpg usr/lib/pmrprog/V100/PIC/BK_2.jpg \
    usr/share/applications/org.pmrprog.Programmer.desktop \
    usr/share/metainfo/org.pmrprog.Programmer.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.pmrprog.Programmer.svg \
    usr/share/man/man1/pmrprog.1.gz usr/share/man/man1/pmr-cli.1.gz \
    usr/share/man/man1/pmr-radio-sim.1.gz usr/lib/udev/rules.d/70-pmrprog-cables.rules \
    usr/share/doc/pmrprog/copyright usr/share/doc/pmrprog/changelog.Debian.gz; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
# A user's files and the factory marker are never shipped.
if grep -E '/(Setting|BatchFun|Habit|TestData)\.ini$' <<<"$contents"; then
    fail "the package ships a file the program writes, or the factory marker"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-wqy-microhei qt6-translations-l10n libqt6widgets6 libqt6serialport6; do
    grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

# Debian's own checks of the package: any error fails (warnings are listed).
lintian --fail-on error --display-level '>=warning' --tag-display-limit 0 "$deb" \
    >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian reports errors"; }
echo "lintian: $(grep -c '^E: ' "$work/lintian.log" || true) errors," \
    "$(grep -c '^W: ' "$work/lintian.log" || true) warnings"
grep '^W: ' "$work/lintian.log" || true

# --- the unpacked tree ------------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.pmrprog.Programmer.desktop" \
    >"$work/desktop.log" 2>&1 || { cat "$work/desktop.log" >&2; fail "desktop entry"; }
appstreamcli validate --no-net "$root/usr/share/metainfo/org.pmrprog.Programmer.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log" >&2; fail "metainfo"; }
# The changelog describes this very package.
changelog_version=$(zcat "$root/usr/share/doc/pmrprog/changelog.Debian.gz" |
    dpkg-parsechangelog -l - -S Version)
[[ $changelog_version == "$(dpkg-deb -f "$deb" Version)" ]] ||
    fail "changelog.Debian is for $changelog_version, the package is $(dpkg-deb -f "$deb" Version)"
# Each manual page documents every option its program's --help names.
for program in pmr-cli pmr-radio-sim; do
    page=$(zcat "$root/usr/share/man/man1/$program.1.gz" | sed 's/\\-/-/g')
    grep -q "^\.TH ${program^^} 1" <<<"$page" || fail "$program's manual page has no title"
    help=$(HOME=$work/home-help XDG_CONFIG_HOME=$work/home-help/.config "$root/usr/bin/$program" --help)
    for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
        grep -qF -- "$option" <<<"$page" || fail "$program(1) does not describe $option"
    done
done
zcat "$root/usr/share/man/man1/pmrprog.1.gz" | grep -q '^\.TH PMRPROG 1' || fail "pmrprog(1)"
grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$root/usr/lib/udev/rules.d/70-pmrprog-cables.rules" ||
    fail "udev rule"

manifest() {
    (cd "$root" && find . -printf '%p %y %m %s %l\n' | sort &&
        find . -type f -exec sha256sum {} + | sort)
}
chmod -R a-w "$root"
before=$(manifest)

# Every run below is a user with an empty home, in the C locale unless set.
unset LC_ALL LC_MESSAGES LANGUAGE PMR_PROGRAM_DIR
export LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen
as_user() { # as_user HOME COMMAND...
    local home=$1
    shift
    mkdir -p "$home"
    HOME=$home XDG_CONFIG_HOME=$home/.config "$@"
}
setup_key() { sed -n "s/^$2=//p" "$1/.config/pmrprog/mysetup.ini" | tr -d '\r'; }

"$root/usr/bin/pmr-radio-sim" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do
    [[ -s $work/sim.out ]] && break
    sleep 0.05
done
pty=$(head -n1 "$work/sim.out")
[[ $pty == /dev/* ]] || fail "the simulated radio named no terminal: $(cat "$work/sim.err")"

# A read: the user's folder is made and seeded from the installation.
home=$work/home-en
as_user "$home" "$root/usr/bin/pmr-cli" read -q --port "$pty" "$work/radio.dat" ||
    fail "pmr-cli read from the installed tree"
[[ -s $work/radio.dat ]] || fail "no document was written"
[[ -f $home/.config/pmrprog/V100/Setting.ini && -f $home/.config/pmrprog/V100/BatchFun.ini ]] ||
    fail "the user's switch files were not made: $(find "$home" -type f)"
[[ $(setup_key "$home" IsFirstRun) == 0 && $(setup_key "$home" CurrentLanguage) == 1 ]] ||
    fail "first start in English: $(cat "$home/.config/pmrprog/mysetup.ini")"

# A Chinese desktop starts in Chinese.
home=$work/home-zh
as_user "$home" env LANG=zh_CN.UTF-8 "$root/usr/bin/pmr-cli" info --port "$pty" >/dev/null ||
    fail "pmr-cli info from the installed tree"
[[ $(setup_key "$home" CurrentLanguage) == 2 ]] || fail "a zh_CN user's first start is not Chinese"

# A damaged setup is set aside; the user's other files stay.
home=$work/home-damaged
mkdir -p "$home/.config/pmrprog/V100"
head -c 300 /dev/zero >"$home/.config/pmrprog/mysetup.ini"
printf '\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff' >"$home/.config/pmrprog/V100/Habit.ini"
as_user "$home" "$root/usr/bin/pmr-cli" info -q --port "$pty" >/dev/null ||
    fail "pmr-cli over a damaged setup"
[[ -f $home/.config/pmrprog/mysetup.ini.damaged ]] || fail "the damaged setup was not kept"
[[ $(setup_key "$home" comPort) =~ ^[0-9]+$ ]] || fail "the damaged setup was not replaced"
[[ $(od -An -tx1 "$home/.config/pmrprog/V100/Habit.ini" | tr -d ' \n') == ffffffffffffffffffff ]] ||
    fail "the user's habits were lost"

# The windowed program starts from its link in bin/, knows its folder and
# keeps its files per user; its demo writes nothing at all.
home=$work/home-gui
as_user "$home" "$root/usr/bin/pmrprog" --startup-time --quit-after-start >"$work/gui.out" 2>&1 ||
    { cat "$work/gui.out" >&2; fail "pmrprog from the installed tree"; }
grep -qxF "Program folder: $root/usr/lib/pmrprog/V100" "$work/gui.out" ||
    fail "pmrprog's program folder: $(cat "$work/gui.out")"
[[ -f $home/.config/pmrprog/mysetup.ini ]] || fail "pmrprog made no setup for the user"
home=$work/home-demo
as_user "$home" "$root/usr/bin/pmrprog" --demo --startup-time --quit-after-start \
    >"$work/demo.out" 2>&1 || { cat "$work/demo.out" >&2; fail "pmrprog --demo"; }
[[ ! -e $home/.config/pmrprog ]] || fail "the demo wrote files: $(find "$home" -type f)"

kill "$sim_pid"
wait "$sim_pid" 2>/dev/null || true
sim_pid=

[[ $(manifest) == "$before" ]] || {
    diff <(echo "$before") <(manifest) >&2
    fail "the installed tree changed"
}
echo "package test passed: $(basename "$deb")"
