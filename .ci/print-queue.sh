#!/usr/bin/env bash
# CI: prints through real CUPS queues. Starts a private cupsd (its own configuration, socket, spool and
# logs under a temporary folder; no system service) with two cups-pdf queues: one that prints the whole
# page, and one like an inkjet that cannot print its paper's edges and whose owner set it to print in
# landscape, fit to its printable area, two pages a sheet. Prints through QPrinter to them and measures the PDF that the queue writes: "Print both", the
# DVD cover upright and the CD front laid out in landscape. Then prints to a queue that refuses jobs, by
# rejecting them or by not allowing this user (each refusal must be reported), and to a paused queue (the
# job must wait in the queue, unreported), and stops the cupsd. Fails loudly when any step fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KAVRELLO_BUILD_DIR:-build-tests}

sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in cups printer-driver-cups-pdf; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

queue="kavrello-ci-$$"
tmp=$(mktemp -d /tmp/kavrello-cups.XXXXXX)
# cups-pdf reads the settings of its device "cups-pdf:/<name>" only from /etc/cups/cups-pdf-<name>.conf;
# this one is ours and goes with the run.
queue_conf="/etc/cups/cups-pdf-$queue.conf"
cupsd_pid=""
cleanup() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null || true
    $sudo rm -f "$queue_conf"
    rm -rf "$tmp"
}
trap cleanup EXIT

mkdir -p "$tmp"/{etc/ppd,spool/tmp,cache,state,log,out,pdfspool}
chmod 755 "$tmp" "$tmp"/{etc,cache,state,log}
chmod 1777 "$tmp"/{out,pdfspool}
socket="$tmp/cups.sock"

cat > "$tmp/cupsd.conf" <<CONF
LogLevel info
Listen $socket
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$tmp/cups-files.conf" <<CONF
ServerRoot $tmp/etc
RequestRoot $tmp/spool
TempDir $tmp/spool/tmp
CacheDir $tmp/cache
StateDir $tmp/state
Printcap $tmp/state/printcap
ErrorLog $tmp/log/error_log
AccessLog $tmp/log/access_log
PageLog $tmp/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
CONF
$sudo tee "$queue_conf" >/dev/null <<CONF
Out $tmp/out
AnonDirName $tmp/out
Spool $tmp/pdfspool
Log $tmp/log
Grp root
CONF

$sudo cupsd -f -c "$tmp/cupsd.conf" -s "$tmp/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$socket"
for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || { cat "$tmp/log/error_log" 2>/dev/null; echo "cupsd did not start" >&2; exit 1; }

$sudo lpadmin -h "$socket" -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    -o PageSize=A4
# The inkjet's A4 printable area: 9 pt from the left, right and top edges, 14 pt from the bottom.
sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "9 14 586 833"|' /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    >"$tmp/inkjet.ppd"
$sudo lpadmin -h "$socket" -p "$queue-inkjet" -E -v "cups-pdf:/$queue" -P "$tmp/inkjet.ppd" -o PageSize=A4 \
    -o orientation-requested-default=4 -o print-scaling-default=fit -o number-up-default=2
lpstat -h "$socket" -p "$queue" -p "$queue-inkjet"

# Runs the queue's test, expecting $1: "" (printed and measured), "held", or the words of the refusal; on
# the queue $PRINT_QUEUE if set, with the test's other settings from the environment.
run_queue_test() {
    local out
    out=$(KAVRELLO_PRINT_QUEUE="${PRINT_QUEUE:-$queue}" KAVRELLO_PRINT_QUEUE_OUT="$tmp/out" KAVRELLO_PRINT_QUEUE_EXPECT="$1" \
        QT_QPA_PLATFORM=offscreen "$build/bin/kavrello_tests" \
        --gtest_filter=PdfPrintTest.PrintsThroughAPrintQueue 2>&1) || {
        echo "$out"; echo "== cupsd error log =="; cat "$tmp/log/error_log"; exit 1; }
    echo "$out"
    if ! grep -q '^\[  PASSED  \] 1 test' <<<"$out" || grep -q 'SKIPPED' <<<"$out"; then
        echo "the print-queue test did not run" >&2
        exit 1
    fi
}

run_queue_test ""
echo "== printed through CUPS queue $queue =="
PRINT_QUEUE="$queue-inkjet" KAVRELLO_PRINT_QUEUE_BUTTON=btnPrintDvd run_queue_test ""
PRINT_QUEUE="$queue-inkjet" KAVRELLO_PRINT_QUEUE_BUTTON=btnPrintCdFront KAVRELLO_PRINT_QUEUE_LANDSCAPE=1 \
    run_queue_test ""
echo "== printed at its millimetres within the printable area of a queue set to turn and shrink pages =="
$sudo lpadmin -h "$socket" -p "$queue-inkjet" -u "deny:$(id -un)"
PRINT_QUEUE="$queue-inkjet" run_queue_test "Not allowed to print"
echo "== refused by a queue that does not allow this user, and reported =="
$sudo cupsreject -h "$socket" -r "closed for the test" "$queue"
run_queue_test "is not accepting jobs"
echo "== refused by the rejecting queue, and reported =="
$sudo cupsaccept -h "$socket" "$queue"
$sudo cupsdisable -h "$socket" "$queue"
run_queue_test held
lpstat -h "$socket" -o "$queue" | grep -q "^$queue-" || { echo "the paused queue holds no job" >&2; exit 1; }
echo "== held by the paused queue, and not reported =="
