#!/usr/bin/env bash
# Builds the Debian package, checks its fields and contents, unpacks it into a staging folder and
# starts what was unpacked: the client until its Login window shows, and the order server until it
# answers a Logon request with a Login reply.
set -euo pipefail

build_dir=$1
version=$2
work=$build_dir/package-test

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"

echo "== building the package"
cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  fail "cpack could not build the package"
}
deb=$work/out/talvenor_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "cpack made no $deb"

echo "== fields"
dpkg-deb -f "$deb"
[[ $(dpkg-deb -f "$deb" Package) == talvenor ]] || fail "wrong package name"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "version is not the project's $version"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6core6 libqt6gui6 libqt6network6 libqt6widgets6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$dependency "* || $depends == *"$dependency,"* || $depends == *"$dependency" ]] ||
    fail "Depends lacks $dependency"
done

echo "== contents"
listing=$(dpkg-deb -c "$deb")
echo "$listing"
expect_entry() {
  local mode=$1 path=$2
  grep -Eq "^$mode root/root .* \./usr/$path\$" <<<"$listing" || fail "package lacks /usr/$path ($mode root/root)"
}
for program in talvenor talvenor-order-server; do
  expect_entry -rwxr-xr-x "bin/$program"
  expect_entry -rw-r--r-- "share/man/man1/$program.1.gz"
done
expect_entry -rw-r--r-- share/applications/org.talvenor.Talvenor.desktop
expect_entry -rw-r--r-- share/metainfo/org.talvenor.Talvenor.metainfo.xml
expect_entry -rw-r--r-- share/icons/hicolor/scalable/apps/org.talvenor.Talvenor.svg
for size in 32 48 64 128 256; do
  expect_entry -rw-r--r-- "share/icons/hicolor/${size}x$size/apps/org.talvenor.Talvenor.png"
done
expect_entry -rw-r--r-- share/doc/talvenor/copyright

stage=$work/stage
dpkg-deb -x "$deb" "$stage"
for program in talvenor talvenor-order-server; do
  # A run path into the build tree would load libraries a user does not have.
  if readelf -d "$stage/usr/bin/$program" | grep -Eq 'RPATH|RUNPATH'; then
    fail "$program keeps a run path"
  fi
done

echo "== the installed client shows its Login window"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  QT_QPA_PLATFORM=xcb "$1" &
  client=$!
  timeout 30 xdotool search --sync --onlyvisible --name "^Login\$" >/dev/null
  found=$?
  kill "$client"
  exit "$found"' _ "$stage/usr/bin/talvenor" || fail "no Login window appeared within 30 seconds"

echo "== the installed order server answers a Logon request"
exec {console}< <(exec "$stage/usr/bin/talvenor-order-server" --listen 127.0.0.1:0 --journal "$work/trades.jsonl")
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
IFS= read -r -t 10 -u "$console" first_line || fail "the order server printed nothing within 10 seconds"
echo "$first_line"
[[ $first_line =~ listening\ on\ 127\.0\.0\.1:([0-9]+)$ ]] || fail "the order server did not say where it listens"
port=${BASH_REMATCH[1]}

exec {link}<>"/dev/tcp/127.0.0.1/$port"
printf '35=A\x01553=trader\x01554=trader1' >&"$link"
reply=()
for _ in 1 2 3; do
  IFS= read -r -t 10 -d $'\x01' -u "$link" field || fail "no whole Login reply within 10 seconds (got: ${reply[*]})"
  reply+=("$field")
done
exec {link}>&-
echo "reply: ${reply[*]}"
for field in 35=LR 58=OK 9001=0; do
  [[ " ${reply[*]} " == *" $field "* ]] || fail "the Login reply lacks $field"
done

kill -TERM "$server"
status=0
while true; do
  IFS= read -r -t 10 -u "$console" line || {
    status=$?
    break
  }
  echo "$line"
  stopped_line=$line
done
((status <= 128)) || fail "the order server went on for 10 seconds after SIGTERM"
wait "$server" || fail "the order server did not exit cleanly on SIGTERM"
[[ ${stopped_line:-} == *"stopped (SIGTERM)"* ]] || fail "the order server did not report its stop"
echo "PASS"
