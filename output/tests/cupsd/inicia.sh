#!/bin/sh
# Starts a private print server for the tests: cupsd on a free loopback port,
# with its own configuration, spool, state and log folders under $1 and the
# capture backend $2, which keeps each job's bytes in $1/captura/<job>.bin.
# Adds the raw queues lumarel_raw (the default destination) and lumarel_recusa
# (which refuses jobs), then writes "127.0.0.1:<port>" to $1/servidor.
# Without cupsd it writes nothing and the tests skip.
set -u
pasta=$1
captura=$2

cupsd=$(command -v cupsd || ls /usr/sbin/cupsd 2>/dev/null)
if [ -z "$cupsd" ]; then
  echo "cupsd is not installed: the print server tests will skip"
  rm -f "$pasta/servidor"
  exit 0
fi
lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
cupsreject=$(command -v cupsreject || echo /usr/sbin/cupsreject)
lpstat=$(command -v lpstat || echo /usr/bin/lpstat)

# A server left by an earlier run of this folder is stopped first.
"$(dirname "$0")/para.sh" "$pasta" >/dev/null 2>&1
rm -rf "$pasta"
mkdir -p "$pasta" || exit 1
pasta=$(cd "$pasta" && pwd)
for d in conf bin bin/backend spool tmp state cache log captura; do
  mkdir -p "$pasta/$d" || exit 1
done
chmod 0755 "$pasta" "$pasta/bin" "$pasta/bin/backend"

# ServerBin: the system's helpers, plus the capture backend. A backend without
# permissions for others runs as root, so it may write into the folder.
for d in /usr/lib/cups/*; do
  [ "$(basename "$d")" = backend ] || ln -s "$d" "$pasta/bin/$(basename "$d")"
done
install -m 0700 "$captura" "$pasta/bin/backend/captura" || exit 1
for f in /etc/cups/raw.types /etc/cups/raw.convs; do
  [ -f "$f" ] && cp "$f" "$pasta/conf/"
done

cat > "$pasta/conf/cups-files.conf" <<FIM
ServerRoot $pasta/conf
ServerBin $pasta/bin
DataDir /usr/share/cups
RequestRoot $pasta/spool
TempDir $pasta/tmp
StateDir $pasta/state
CacheDir $pasta/cache
ErrorLog $pasta/log/error_log
AccessLog $pasta/log/access_log
PageLog $pasta/log/page_log
SystemGroup root
FIM

inicia() {
  porta=$1
  cat > "$pasta/conf/cupsd.conf" <<FIM
Listen 127.0.0.1:$porta
LogLevel info
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
DefaultEncryption Never
WebInterface No
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
FIM
  setsid "$cupsd" -f -c "$pasta/conf/cupsd.conf" -s "$pasta/conf/cups-files.conf" \
    >"$pasta/log/cupsd.out" 2>&1 </dev/null &
  echo $! > "$pasta/processo"
  # Ready when the scheduler answers; gone when the port was taken.
  i=0
  while [ $i -lt 100 ]; do
    if ! kill -0 "$(cat "$pasta/processo")" 2>/dev/null; then return 1; fi
    if LC_ALL=C "$lpstat" -h "127.0.0.1:$porta" -r 2>/dev/null | grep -q "is running"; then return 0; fi
    sleep 0.1
    i=$((i + 1))
  done
  "$(dirname "$0")/para.sh" "$pasta" >/dev/null 2>&1
  return 1
}

tentativa=0
porta=
while [ $tentativa -lt 10 ]; do
  p=$(( ( $(od -An -N2 -tu2 /dev/urandom) % 20000 ) + 30000 ))
  if inicia "$p"; then porta=$p; break; fi
  tentativa=$((tentativa + 1))
done
if [ -z "$porta" ]; then
  echo "cupsd did not start; its log:" >&2
  cat "$pasta/log/cupsd.out" "$pasta/log/error_log" >&2 2>/dev/null
  exit 1
fi

servidor="127.0.0.1:$porta"
"$lpadmin" -h "$servidor" -p lumarel_raw -v "captura:$pasta/captura" -E || exit 1
"$lpadmin" -h "$servidor" -d lumarel_raw || exit 1
"$lpadmin" -h "$servidor" -p lumarel_recusa -v "captura:$pasta/captura" -E || exit 1
"$cupsreject" -h "$servidor" lumarel_recusa || exit 1
echo "$servidor" > "$pasta/servidor"
echo "print server at $servidor, captures in $pasta/captura"
