#!/usr/bin/env bash
# Starts or stops a private CUPS scheduler for the printing tests.
#
#   cups-test-server.sh start <dir> [--no-queue] [--socket <path>] [--fault <fault>]
#   cups-test-server.sh stop <dir>
#
# Everything lives under <dir>: configuration (etc), a copy of the CUPS programs with the
# storing backend (bin), spool, cache, state and log folders, and jobs/, where the queue
# "vbtest" stores the document of every job it prints as job-<id>.pdf. The scheduler listens
# only on a Unix socket (default <dir>/cups.sock), never on a network port, and runs as the
# current user (as root it hands jobs to the user lp, the backend itself runs as root).
# --fault sets the queue up broken, for the printer fault tests: "stopped" disables it (jobs are
# held), "rejecting" makes it refuse new jobs, "failing" gives it the backend vbfail, which takes
# the document and then fails as a printer that does not answer, under the error policy
# retry-job (the scheduler holds the job for a later try); "failing-stops" and "failing-aborts"
# do the same under the policies stop-printer and abort-job.
# The machine's own CUPS configuration and printers are never read or changed.
#
# Clients reach the server with the variables written to <dir>/env:
#   CUPS_SERVER=<socket>   CUPS_SERVERROOT=<dir>/client   HOME=<dir>/home
# (CUPS_SERVERROOT and HOME keep libcups away from /etc/cups/client.conf, /etc/cups/lpoptions
# and ~/.cups/lpoptions). If cupsd is not installed, start writes <dir>/unavailable and exits 0,
# so that the tests can skip.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
queue=vbtest

usage() {
    echo "usage: $0 start <dir> [--no-queue] [--socket <path>]" \
        "[--fault stopped|rejecting|failing|failing-stops|failing-aborts] | stop <dir>" >&2
    exit 2
}

[ $# -ge 2 ] || usage
cmd=$1
dir=$2
shift 2
with_queue=1
sock=""
fault=""
while [ $# -gt 0 ]; do
    case "$1" in
    --no-queue) with_queue=0 ;;
    --socket) [ $# -ge 2 ] || usage; sock=$2; shift ;;
    --fault)
        [ $# -ge 2 ] || usage
        case "$2" in stopped | rejecting | failing | failing-stops | failing-aborts) fault=$2 ;; *) usage ;; esac
        shift
        ;;
    *) usage ;;
    esac
    shift
done
[ -z "$fault" ] || [ $with_queue -eq 1 ] || usage
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
[ -n "$sock" ] || sock="$dir/cups.sock"

# True when the pid file names a live cupsd started with this folder's configuration.
our_cupsd_pid() {
    local pid
    [ -f "$dir/cupsd.pid" ] || return 1
    pid=$(cat "$dir/cupsd.pid")
    [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] || return 1
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF -- "$dir/etc/cupsd.conf" || return 1
    echo "$pid"
}

stop_server() {
    local pid i
    if pid=$(our_cupsd_pid); then
        kill -TERM "$pid" 2>/dev/null || true
        for i in $(seq 1 100); do
            [ -d "/proc/$pid" ] || break
            sleep 0.1
        done
        [ -d "/proc/$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    fi
    rm -f "$dir/cupsd.pid"
    [ -S "$sock" ] && rm -f "$sock"
    return 0
}

client_env() {
    env -u PRINTER -u LPDEST CUPS_SERVER="$sock" CUPS_SERVERROOT="$dir/client" HOME="$dir/home" "$@"
}

start_server() {
    stop_server
    rm -rf "$dir/unavailable" "$dir/etc" "$dir/bin" "$dir/spool" "$dir/cache" "$dir/state" \
        "$dir/log" "$dir/jobs" "$dir/client" "$dir/home" "$dir/env"
    local cupsd lpadmin lpstat
    cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
    lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
    lpstat=$(command -v lpstat || echo /usr/bin/lpstat)
    if [ ! -x "$cupsd" ] || [ ! -x "$lpadmin" ] || [ ! -x "$lpstat" ] || [ ! -d /usr/lib/cups/backend ]; then
        echo "cupsd, lpadmin or lpstat is not installed (Debian packages cups, cups-client)" | tee "$dir/unavailable" >&2
        return 0
    fi
    if [ ${#sock} -gt 100 ]; then
        echo "socket path too long for a Unix socket: $sock (use --socket)" >&2
        return 1
    fi
    mkdir -p "$(dirname "$sock")"

    mkdir -p "$dir/etc/ppd" "$dir/etc/ssl" "$dir/spool/tmp" "$dir/cache" "$dir/state/certs" "$dir/log" \
        "$dir/jobs" "$dir/client" "$dir/home"
    # The backend folder is ServerBin/backend, so the scheduler gets a private copy of the
    # CUPS programs with the storing backend added.
    cp -a /usr/lib/cups "$dir/bin"
    local user group sysgroup
    if [ "$(id -u)" -eq 0 ]; then
        # cupsd refuses to run its children as root; jobs go to lp, while a backend that only
        # its owner may execute runs as root and so can write into the build tree.
        user=lp
        group=lp
        sysgroup=root
        install -o root -g root -m 0700 "$here/cups/vbstore" "$dir/bin/backend/vbstore"
        install -o root -g root -m 0700 "$here/cups/vbfail" "$dir/bin/backend/vbfail"
        chmod 0755 "$dir/bin" "$dir/bin/backend"
    else
        user=$(id -un)
        group=$(id -gn)
        sysgroup=root
        [ "$group" = root ] && sysgroup=$(id -gn)
        install -m 0755 "$here/cups/vbstore" "$dir/bin/backend/vbstore"
        install -m 0755 "$here/cups/vbfail" "$dir/bin/backend/vbfail"
    fi
    # Raw queues take any document type unchanged.
    printf 'application/octet-stream\n' >"$dir/etc/raw.types"
    printf 'application/octet-stream\tapplication/vnd.cups-raw\t0\t-\n' >"$dir/etc/raw.convs"

    cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerKeychain $dir/etc/ssl
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
User $user
Group $group
SystemGroup $sysgroup
FileDevice Yes
FatalErrors config
CONF
    cat >"$dir/etc/cupsd.conf" <<CONF
Listen $sock
LogLevel info
MaxLogSize 0
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$dir/env" <<ENV
CUPS_SERVER=$sock
CUPS_SERVERROOT=$dir/client
HOME=$dir/home
ENV
    chmod 0755 "$dir/home" "$dir/client"

    # Detached from the caller's output, so that CTest does not wait for the scheduler to exit.
    setsid "$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
        </dev/null >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$dir/cupsd.pid"

    local i up=0
    for i in $(seq 1 200); do
        if client_env "$lpstat" -r 2>/dev/null | grep -q "is running"; then
            up=1
            break
        fi
        if ! our_cupsd_pid >/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [ $up -ne 1 ]; then
        echo "the private cupsd did not come up; its log:" >&2
        cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null >&2 || true
        stop_server
        return 1
    fi

    if [ $with_queue -eq 1 ]; then
        local backend=vbstore
        case "$fault" in failing*) backend=vbfail ;; esac
        client_env "$lpadmin" -p "$queue" -E -v "$backend:$dir/jobs" -m raw 2>"$dir/log/lpadmin.out" || {
            cat "$dir/log/lpadmin.out" >&2
            stop_server
            return 1
        }
        client_env "$lpadmin" -d "$queue"
        if ! client_env "$lpstat" -d | grep -q "$queue"; then
            echo "the queue $queue did not become the default" >&2
            stop_server
            return 1
        fi
        set_up_fault || {
            stop_server
            return 1
        }
    fi
    echo "private cupsd running, pid $(cat "$dir/cupsd.pid"), CUPS_SERVER=$sock${fault:+, queue $fault}"
}

# Breaks the queue as --fault asks and checks that the scheduler reports it so.
set_up_fault() {
    local cupsdisable cupsreject lpadmin
    lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
    cupsdisable=$(command -v cupsdisable || echo /usr/sbin/cupsdisable)
    cupsreject=$(command -v cupsreject || echo /usr/sbin/cupsreject)
    case "$fault" in
    stopped)
        client_env "$cupsdisable" -r "stopped for the printer fault tests" "$queue" &&
            client_env "$lpstat" -p "$queue" | grep -q "disabled"
        ;;
    rejecting)
        client_env "$cupsreject" -r "rejecting jobs for the printer fault tests" "$queue" &&
            client_env "$lpstat" -a "$queue" | grep -q "not accepting"
        ;;
    failing) client_env "$lpadmin" -p "$queue" -o printer-error-policy=retry-job ;;
    failing-stops) client_env "$lpadmin" -p "$queue" -o printer-error-policy=stop-printer ;;
    failing-aborts) client_env "$lpadmin" -p "$queue" -o printer-error-policy=abort-job ;;
    *) return 0 ;;
    esac || {
        echo "the queue $queue could not be set up as $fault" >&2
        return 1
    }
}

case "$cmd" in
start) start_server ;;
stop) stop_server ;;
*) usage ;;
esac
