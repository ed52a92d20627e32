#!/bin/bash
# The Debian package installs into this machine with apt, the installed velunka starts from the
# PATH with its icon and help, and purging it leaves no file of it and the same packages as
# before. Runs only as root, and only when velunka is not installed already; whatever happens,
# the package is removed again.
# Usage: package_install.sh OUTPUT_DIR PACKAGE_BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/common.sh"
dir=${1:?package build folder}

((EUID == 0)) || { echo "SKIP: installs into the machine, as root only"; exit 77; }
# Test runs from other build folders on this machine take their turn.
exec 9>/run/lock/velunka-package-install.lock
flock -w 900 9 || e2e_fail "another run holds /run/lock/velunka-package-install.lock"
status=$(dpkg-query -W -f='${db:Status-Status}' velunka 2>/dev/null)
if [[ -n $status && $status != not-installed ]]; then
  echo "SKIP: velunka is installed on this machine already; leaving it alone"
  exit 77
fi
deb=$(echo "$dir"/velunka_*.deb)
[[ -f $deb ]] || e2e_fail "no package in $dir"

apt_get() {
  env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"
}
package_state() { dpkg-query -W -f='${Package}:${Architecture} ${Version} ${db:Status-Status}\n' | grep ' installed$' | sort; }

installed=false
remove_package() {
  if $installed; then
    apt_get purge velunka >>"$E2E_OUTPUT/apt.log" 2>&1
    installed=false
  fi
}

session_begin
trap 'remove_package; session_end' EXIT

before=$(package_state)
installed=true
apt_get install "$(realpath "$deb")" >"$E2E_OUTPUT/apt.log" 2>&1 || e2e_fail "apt-get install: $(tail -n 5 "$E2E_OUTPUT/apt.log")"
[[ $(dpkg-query -W -f='${db:Status-Status}' velunka) == installed ]] || e2e_fail "velunka not installed"
files=$(dpkg-query -L velunka | while read -r path; do [[ -f $path ]] && echo "$path"; done)
[[ $(command -v velunka) == /usr/bin/velunka ]] || e2e_fail "velunka is not /usr/bin/velunka: $(command -v velunka)"
desktop-file-validate /usr/share/applications/org.example.velunka.Velunka.desktop ||
  e2e_fail "installed desktop entry does not validate"

session_start_display || e2e_fail "no display"
e2e_run_installed_program velunka package

remove_package
left=$(while read -r path; do [[ -e $path ]] && echo "$path"; done <<<"$files")
[[ -z $left ]] || e2e_fail "left behind after purge: $left"
[[ ! -e /usr/share/velunka && ! -e /usr/share/doc/velunka ]] || e2e_fail "folders left behind after purge"
after=$(package_state)
[[ $after == "$before" ]] || e2e_fail "the machine's packages changed: $(diff <(echo "$before") <(echo "$after") | head -n 10)"
e2e_pass "installed with apt, started, purged without a trace"
