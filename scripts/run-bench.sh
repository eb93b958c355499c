#!/usr/bin/env bash
# Measures the editor beside its baselines, each pair in the same run, and writes the results
# into docs/performance.md between its "results" markers (the text around them is kept):
#   - opening a 12 MP BMP, PCX and TGA with the JPEG written (bench/imagelib_bench), beside
#     cjpeg and gm convert on the same files, and the memory the open adds beside gm's peak;
#   - start to main window shown under Xvfb, beside a bare Qt main window (bench/startup_baseline);
#   - one drag step over a 12 MP picture (bench/frame_bench), beside repainting the whole picture,
#     and in the real view window at 25, 100 and 800 %, alone and with 200 areas of a map
#     outlined on the picture (bench/view_bench);
#   - opening a 12 MP BMP until its view is painted, as a whole process under Xvfb on a
#     1280 x 1024 screen, beside the same for a 64 x 48 BMP and beside cjpeg on the same file;
#   - opening a 100 000-line side file and the list's everyday steps on it (bench/maplist_bench),
#     beside the same picture without a side file;
#   - the map check on 10 000 and 100 000 disjoint rectangles, 100 000 copies of one rectangle and
#     a 16 000-corner polygon (bench/mapcheck_bench), beside the plain pairwise check, and Check Map
#     as a whole process under Xvfb until its findings window shows;
#   - reading hostile pages to import (bench/import_bench), beside a plain scan of the same bytes;
#   - tracing an area from the picture (bench/trace_bench): six shapes on a 1000 x 700 and a 12 MP
#     picture, PNG and JPEG, their IoU and corners beside the same shapes clicked by hand.
# Builds into build-bench/. VEMO_BENCH_ROUNDS sets the rounds per row (default 9).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-bench"
rounds=${VEMO_BENCH_ROUNDS:-9}

"$top/scripts/install-deps.sh"
# The baselines, /usr/bin/time for their peak memory and python3 for the report.
bench_packages=(libjpeg-turbo-progs graphicsmagick time python3)
missing=()
for package in "${bench_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_BUILD_BENCH=ON \
  -DVEMO_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
nice cmake --build "$build" -j 2 --target vemo-editor imagelib_bench frame_bench view_bench maplist_bench \
  mapcheck_bench import_bench trace_bench startup_baseline

# Photo-like 12 MP pictures, made once: a plasma fractal with Gaussian noise.
pictures="$build/bench-pictures"
if [ ! -s "$pictures/picture.tga" ]; then
  mkdir -p "$pictures"
  convert=$(command -v convert-im6.q16 || command -v convert)
  "$convert" -size 4000x3000 -seed 1 plasma:fractal +noise Gaussian -type TrueColor "$pictures/picture.png"
  "$convert" "$pictures/picture.png" BMP3:"$pictures/picture.bmp"
  "$convert" "$pictures/picture.png" "$pictures/picture.pcx"
  "$convert" "$pictures/picture.png" "$pictures/picture.tga"
  "$convert" -size 64x48 gradient:red-blue BMP3:"$pictures/tiny.bmp"
fi

load_start=$(cut -d' ' -f1 /proc/loadavg)
started=$(date -u '+%Y-%m-%d %H:%M UTC')

echo "== Opening pictures beside cjpeg and gm convert"
VEMO_BENCH_PICTURES="$pictures" VEMO_BENCH_ROUNDS="$rounds" "$build/bench/imagelib_bench" \
  --benchmark_out="$build/imagelib.json" --benchmark_out_format=json

echo "== Drag steps beside repainting the whole picture"
QT_QPA_PLATFORM=offscreen "$build/bench/frame_bench" --benchmark_filter='BM_Move' \
  --benchmark_out="$build/frame.json" --benchmark_out_format=json

echo "== Drag steps in the view window at 25, 100 and 800 %, alone and over 200 outlined areas"
QT_QPA_PLATFORM=offscreen "$build/bench/view_bench" \
  --benchmark_out="$build/view.json" --benchmark_out_format=json

echo "== A 100 000-line side file beside the same picture without one"
QT_QPA_PLATFORM=offscreen "$build/bench/maplist_bench" \
  --benchmark_out="$build/maplist.json" --benchmark_out_format=json

echo "== The map check beside the pairwise check"
"$build/bench/mapcheck_bench" --benchmark_repetitions="$rounds" --benchmark_report_aggregates_only=true \
  --benchmark_out="$build/mapcheck.json" --benchmark_out_format=json

echo "== Reading hostile pages to import beside a plain scan"
"$build/bench/import_bench" --benchmark_repetitions="$rounds" --benchmark_report_aggregates_only=true \
  --benchmark_out="$build/import.json" --benchmark_out_format=json

echo "== Tracing an area from the picture beside the same shapes clicked by hand"
"$build/bench/trace_bench" --benchmark_repetitions="$rounds" --benchmark_report_aggregates_only=true \
  --benchmark_out="$build/trace.json" --benchmark_out_format=json

echo "== Start to main window shown, beside a bare Qt main window"
# Each program prints the monotonic clock when its main window is first exposed
# (VEMO_STARTUP_CLOCK, src/app/StartupClock.h); the difference from the spawn is the start-up.
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "$rounds" "$build/bench/startup_baseline" \
  "$build/vemo-editor" "$workdir" >"$build/startup.json" <<'PYTHON'
import json, os, statistics, subprocess, sys, time

rounds, baseline, editor, workdir = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
env = dict(os.environ, VEMO_STARTUP_CLOCK="1")
env.pop("QT_QPA_PLATFORM", None)

def shown_after(program):
    start = time.monotonic_ns()
    process = subprocess.Popen([program], cwd=workdir, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
    elapsed = None
    for line in process.stderr:
        if line.startswith("exposed "):
            elapsed = (int(line.split()[1]) - start) / 1e6
            break
    process.terminate()
    process.wait()
    if elapsed is None:
        sys.exit(program + " never showed its main window")
    return elapsed

times = {"baseline": [], "editor": []}
for _ in range(rounds):
    times["baseline"].append(shown_after(baseline))
    times["editor"].append(shown_after(editor))
json.dump({name: statistics.median(values) for name, values in times.items()}, sys.stdout)
PYTHON

echo "== Opening a 12 MP BMP until its view is painted, beside cjpeg on the same file"
# The editor opens the picture named on its command line once its main window is shown;
# VEMO_QUIT_WHEN_PAINTED ends it once the view's picture is painted (src/app/StartupClock.h),
# without asking its windows to close. openbox runs as on a desktop. CPU time is the whole
# process's, from wait4.
cat > "$workdir/open_painted.py" <<'PYTHON'
import json, os, statistics, subprocess, sys

rounds, editor, pictures = int(sys.argv[1]), sys.argv[2], sys.argv[3]
env = dict(os.environ, VEMO_QUIT_WHEN_PAINTED="1")
env.pop("QT_QPA_PLATFORM", None)

def cpu_ms(command, **options):
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options)
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        sys.exit("%s failed (%d)" % (command, status))
    return (usage.ru_utime + usage.ru_stime) * 1000

times = {"large": [], "tiny": [], "cjpeg": []}
for _ in range(rounds):
    times["large"].append(cpu_ms([editor, "picture.bmp"], env=env, cwd=pictures))
    times["tiny"].append(cpu_ms([editor, "tiny.bmp"], env=env, cwd=pictures))
    times["cjpeg"].append(cpu_ms(["cjpeg", "-quality", "80", "-outfile", os.devnull, "picture.bmp"], cwd=pictures))
json.dump({name: statistics.median(values) for name, values in times.items()}, sys.stdout)
PYTHON
cat > "$workdir/with_wm.sh" <<'SHELL'
#!/usr/bin/env bash
openbox >/dev/null 2>&1 &
sleep 1
python3 "$@"
status=$?
kill %1
exit $status
SHELL
chmod +x "$workdir/with_wm.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$workdir/with_wm.sh" "$workdir/open_painted.py" "$rounds" \
  "$build/vemo-editor" "$pictures" >"$build/open_painted.json"

echo "== Check Map until its findings window shows, beside opening the same map until its view is painted"
# A 4000 x 4000 picture with a side file of 100 000 disjoint rectangles, and one of 100 000 copies
# of one rectangle (99 999 findings). The editor opens the picture named on its command line; once
# its view shows, the script chooses Edit > Check Map with the keyboard (xdotool), and
# VEMO_QUIT_WHEN_PAINTED=mapCheckWindow ends the program once the findings window has been painted.
# The baseline is the same picture and map, ended once the view is painted.
cat > "$workdir/check_shown.py" <<'PYTHON'
import json, os, statistics, subprocess, sys, time

rounds, editor, pictures = int(sys.argv[1]), sys.argv[2], sys.argv[3]

def side_file(name, areas):
    lines = ['<IMG SRC="%s.jpg" ALT="" BORDER="0" WIDTH=4000 HEIGHT=4000 USEMAP="#%s">' % (name, name),
             '<MAP NAME="%s">' % name]
    lines += ['<AREA SHAPE="RECT" COORDS="%d,%d,%d,%d" HREF="a.htm" ALT="A">' % area for area in areas]
    lines.append("</MAP>")
    with open(os.path.join(pictures, name + ".vmo"), "w", newline="") as file:
        file.write("\r\n".join(lines) + "\r\n")

disjoint = [(x, y, x + 9, y + 9) for y in range(0, 4000, 12) for x in range(0, 3996, 12)][:100000]
side_file("check_disjoint", disjoint)
side_file("check_same", [(10, 10, 19, 19)] * 100000)
for name in ("check_disjoint", "check_same"):
    subprocess.run(["cp", os.path.join(pictures, "square.jpg"), os.path.join(pictures, name + ".jpg")], check=True)

def visible(name):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                          capture_output=True, text=True).stdout.split()

def run(picture, check):
    env = dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8", HOME=os.path.join(pictures, "home"),
               VEMO_QUIT_WHEN_PAINTED="mapCheckWindow" if check else "1")
    env.pop("QT_QPA_PLATFORM", None)
    start = time.monotonic()
    process = subprocess.Popen([editor, picture + ".jpg"], env=env, cwd=pictures,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if check:
        while not visible("^%s.jpg in " % picture):
            time.sleep(0.01)
        subprocess.run(["xdotool", "windowactivate", "--sync", visible("^Vemo-Editor")[0]], check=True)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "alt+e", "k"], check=True)
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        sys.exit("the editor failed (%d)" % status)
    return {"wall": (time.monotonic() - start) * 1000, "cpu": (usage.ru_utime + usage.ru_stime) * 1000}

results = {}
for picture in ("check_disjoint", "check_same"):
    run(picture, False)  # the first start writes the settings file and warms the caches
    for check in (True, False):
        rounds_of = [run(picture, check) for _ in range(rounds)]
        results["%s/%s" % (picture, "check" if check else "open")] = {
            key: statistics.median(r[key] for r in rounds_of) for key in ("wall", "cpu")}
json.dump(results, sys.stdout)
PYTHON
[ -s "$pictures/square.jpg" ] || "$(command -v convert-im6.q16 || command -v convert)" -size 4000x4000 xc:gray70 "$pictures/square.jpg"
xvfb-run -a -s "-screen 0 1280x1024x24" "$workdir/with_wm.sh" "$workdir/check_shown.py" "$rounds" \
  "$build/vemo-editor" "$pictures" >"$build/check_shown.json"

load_end=$(cut -d' ' -f1 /proc/loadavg)

python3 - "$build" "$top/docs/performance.md" "$rounds" "$started" "$load_start" "$load_end" <<'PYTHON'
import json, os, re, sys

build, page, rounds, started, load_start, load_end = sys.argv[1:7]

def benchmarks(name):
    # Keyed by the benchmark's name without Google Benchmark's "/iterations:N" and "/manual_time".
    def key(full):
        return "/".join(part for part in full.split("/")
                        if not part.startswith("iterations:") and part != "manual_time")
    with open(os.path.join(build, name)) as file:
        return {key(entry["name"]): entry for entry in json.load(file)["benchmarks"]}

def verdict(value, target, unit=""):
    if value <= target:
        return "met"
    if unit:
        return "missed by %s %s" % (("%.2f" if target < 10 else "%.0f") % (value - target), unit)
    return "missed by %.0f %%" % (100 * (value / target - 1))

cpu_model = "unknown CPU"
with open("/proc/cpuinfo") as file:
    for line in file:
        if line.startswith("model name"):
            cpu_model = line.split(":", 1)[1].strip()
            break
cpus = os.cpu_count()

opens = benchmarks("imagelib.json")
views = benchmarks("view.json")
with open(os.path.join(build, "open_painted.json")) as file:
    painted = json.load(file)
frames = benchmarks("frame.json")
lists = benchmarks("maplist.json")
# Medians over the repetitions, keyed by the benchmark's name.
def medians(name):
    with open(os.path.join(build, name)) as file:
        return {entry["run_name"]: entry for entry in json.load(file)["benchmarks"]
                if entry.get("aggregate_name") == "median"}
checks = medians("mapcheck.json")
imports = medians("import.json")
traces = medians("trace.json")
with open(os.path.join(build, "check_shown.json")) as file:
    shown = json.load(file)
with open(os.path.join(build, "startup.json")) as file:
    startup = json.load(file)

rows = []
def row(*cells):
    rows.append("| " + " | ".join(cells) + " |")

def open_rows(kind, key, baselines, target):
    run = opens[key]
    editor = "%.0f ms (%.0f ms CPU)" % (run["ms"], run["cpu_ms"])
    for index, (name, label) in enumerate(baselines):
        wall = run["ms"] / run[name + "_ms"]
        cpu = run["cpu_ms"] / run[name + "_cpu_ms"]
        base = "%s: %.0f ms (%.0f ms CPU)" % (label, run[name + "_ms"], run[name + "_cpu_ms"])
        if index == 0:
            row("Open a 12 MP %s, JPEG written" % kind, editor, base, "%.2f" % wall, "%.2f" % cpu,
                "≤ %.1f" % target, verdict(wall, target))
        else:
            row("", "", base, "%.2f" % wall, "%.2f" % cpu, "", "")

cjpeg = ("cjpeg", "`cjpeg -quality 80`, whole process")
gm = ("gm", "`gm convert -quality 80`, whole process")
open_rows("BMP", "BM_OpenBmp", [cjpeg, gm], 1.2)
open_rows("PCX", "BM_OpenPcx", [gm], 1.0)
open_rows("TGA", "BM_OpenTga", [gm], 1.0)
for kind, key in (("BMP", "BM_OpenBmp"), ("PCX", "BM_OpenPcx"), ("TGA", "BM_OpenTga")):
    run = opens[key]
    ratio = run["added_MiB"] / run["gm_peak_MiB"]
    row("Memory that opening the %s adds" % kind, "%.0f MiB" % run["added_MiB"],
        "peak of `gm convert` on the same file: %.0f MiB" % run["gm_peak_MiB"], "%.2f" % ratio, "",
        "≤ 1.0", verdict(ratio, 1.0))
extra = painted["large"] - painted["tiny"]
row("Open a 12 MP BMP until its view is painted, whole process (Xvfb, 1280 × 1024)",
    "%.0f ms CPU, %.0f ms more than for a 64 × 48 BMP" % (painted["large"], extra),
    "`cjpeg -quality 80` on the same file: %.0f ms CPU" % painted["cjpeg"], "",
    "%.2f (the extra)" % (extra / painted["cjpeg"]), "≤ 1.0", verdict(extra / painted["cjpeg"], 1.0))
row("Start to main window shown (Xvfb)", "%.0f ms" % startup["editor"],
    "a bare Qt main window: %.0f ms" % startup["baseline"], "%.2f" % (startup["editor"] / startup["baseline"]),
    "", "< 200 ms", verdict(startup["editor"], 200, "ms"))
# frame_bench times 200 steps an iteration; its CPU time also holds the press and release around them.
outline, full = frames["BM_Move/Outline"], frames["BM_Move/FullRepaint"]
step_cpu = lambda run: run["cpu_time"] / 200
row("Drag step over a 12 MP picture", "%.2f ms (%.2f ms CPU), %.2f %% of the picture repainted"
    % (outline["step_us"] / 1000, step_cpu(outline), 100 * outline["repaint_share"]),
    "the same drag repainting the whole picture: %.1f ms (%.1f ms CPU)" % (full["step_us"] / 1000, step_cpu(full)),
    "%.2f" % (outline["step_us"] / full["step_us"]), "%.2f" % (step_cpu(outline) / step_cpu(full)),
    "< 1 ms", verdict(outline["step_us"] / 1000, 1.0, "ms"))

for zoom in (25, 100, 800):
    step = views["BM_ViewDrag/%d" % zoom]["step_us"] / 1000
    row("Drag step in the view at %d %% over a 12 MP picture" % zoom, "%.2f ms" % step, "", "", "",
        "< 1 ms", verdict(step, 1.0, "ms"))
for name, areas in (("BM_ViewDragOverAreas", "200"), ("BM_ViewDragOverManyAreas", "100 000")):
    for zoom in (25, 100, 800):
        bare = views["BM_ViewDrag/%d" % zoom]["step_us"] / 1000
        step = views["%s/%d" % (name, zoom)]["step_us"] / 1000
        row("Drag step in the view at %d %% with %s areas outlined" % (zoom, areas), "%.2f ms" % step,
            "the same drag without areas: %.2f ms" % bare, "%.2f" % (step / bare), "", "< 1 ms",
            verdict(step, 1.0, "ms"))

# maplist_bench: CPU per iteration in its cpu_ms counter, memory growth in fresh processes.
bare, side = lists["BM_Open/bare"]["cpu_ms"], lists["BM_Open/side_file"]["cpu_ms"]
growth = lists["BM_ResidentGrowth"]
file_mib = growth["file_MiB"]
row("Open and show a 100 000-line side file (%.1f MiB)" % file_mib,
    "%.0f ms CPU, %.0f ms more than without it" % (side, side - bare),
    "the same picture without a side file: %.0f ms CPU" % bare, "", "%.2f" % (side / bare),
    "< 200 ms more", verdict(side - bare, 200, "ms"))
extra = growth["side_MiB"] - growth["bare_MiB"]
row("Memory that the 100 000-line side file adds", "%.1f MiB more than without it" % extra,
    "the side file's size: %.1f MiB" % file_mib, "%.2f" % (extra / file_mib), "", "< 3.0",
    verdict(extra / file_mib, 3.0))
steps = [lists[name]["cpu_ms"] for name in
         ("BM_SelectFarLine", "BM_RewriteLine", "BM_AddAndDeleteLine", "BM_ScrollToEndAndBack")]
row("Steps on the 100 000-line map, repaint included",
    "select a far line %.1f ms, rewrite a line %.1f ms, add and delete a line %.1f ms, "
    "scroll to the end and back %.1f ms (CPU)" % tuple(steps),
    "", "", "", "instant: < 100 ms each", verdict(max(steps), 100, "ms"))

check_ms = lambda name: checks[name]["cpu_time"]
for what, indexed, pairwise, target in (
        ("of 10 000 disjoint rectangles", "BM_Rectangles/10000", "BM_RectanglesPairwise/10000", None),
        ("of 100 000 disjoint rectangles", "BM_Rectangles/100000", None, 1000),
        ("of 100 000 copies of one rectangle", "BM_SameRectangle/100000", None, 1000),
        ("holding one polygon of 16 000 corners", "BM_Polygon/16000", "BM_PolygonPairwise/16000", 100)):
    base = ("the pairwise check: %.0f ms CPU" % check_ms(pairwise)) if pairwise else ""
    ratio = ("%.3f" % (check_ms(indexed) / check_ms(pairwise))) if pairwise else ""
    row("Check a map %s" % what, "%.1f ms CPU" % check_ms(indexed), base, "", ratio,
        "< %d ms" % target if target else "", verdict(check_ms(indexed), target, "ms") if target else "")

for what, picture in (("100 000 disjoint rectangles", "check_disjoint"),
                      ("100 000 copies of one rectangle (99 999 findings)", "check_same")):
    check, opened = shown[picture + "/check"], shown[picture + "/open"]
    row("Check Map on %s until the findings window shows, whole process (Xvfb)" % what,
        "%.0f ms (%.0f ms CPU)" % (check["wall"], check["cpu"]),
        "the same map opened until its view is painted: %.0f ms (%.0f ms CPU)" % (opened["wall"], opened["cpu"]),
        "%.2f" % (check["wall"] / opened["wall"]), "%.2f" % (check["cpu"] / opened["cpu"]), "< 2 s",
        verdict(check["wall"], 2000, "ms"))

for what, index, target in (("64 MiB of empty areas (listed, then refused)", 0, 10000),
                            ("one 4 MiB coordinate text (read; the editor then refuses the line)", 1, 10000)):
    run, scan = imports["BM_Import/%d/process_time" % index], imports["BM_PlainScan/%d/process_time" % index]
    row("Read a page to import: %s" % what,
        "%.1f ms CPU, %.0f MiB added (%.1f × the page)" % (run["cpu_time"], run["added_MiB"],
                                                          run["added_MiB"] / run["page_MiB"]),
        "a plain scan of the same bytes: %.2f ms CPU" % scan["cpu_time"], "",
        "%.1f" % (run["cpu_time"] / scan["cpu_time"]), "< 10 s, memory ≤ 10 × the page",
        verdict(max(run["cpu_time"] / target, run["added_MiB"] / run["page_MiB"] / 10), 1.0))

# Each traced shape: the time from the click to the area, how well the area holds the drawn shape
# (IoU) and its corners, beside the same shape clicked by hand at its true corners.
def corners_text(run):
    kind = int(run["kind"])
    if kind == 1:
        return "a RECT"
    if kind == 2:
        return "a CIRCLE"
    return "%d corners" % run["corners"]

for size, pixels in (("1000x700", "1000 × 700"), ("12MP", "12 MP")):
    for shape in ("rectangle", "circle", "L room", "U room", "rotated rectangle", "rotated pentagon"):
        for index, format in enumerate(("PNG", "JPEG")):
            run = traces["BM_Trace/%s/%s/%s/real_time" % (size, format, shape)]
            least_iou = 0.98 if format == "PNG" else 0.97
            true_corners = int(run["true_corners"])
            hand = "clicked by hand: IoU %.3f, %s" % (
                run["hand_iou"], "%d corners" % true_corners if true_corners else "a CIRCLE")
            few = run["corners"] <= 2 * true_corners if int(run["kind"]) == 3 else True
            ok = run["iou"] >= least_iou and few
            verdict_text = verdict(run["real_time"], 100, "ms") if ok else "IoU or corners missed"
            what = "Trace the %s (%.0f k pixels) in a %s picture" % (shape, run["shape_pixels"] / 1000, pixels)
            row(what if index == 0 else "", "%s: %.1f ms, IoU %.3f, %s" % (format, run["real_time"], run["iou"], corners_text(run)),
                hand, "", "", "< 100 ms, IoU ≥ %.2f, ≤ 2 × corners" % least_iou, verdict_text)
for format in ("PNG", "JPEG"):
    run = traces["BM_TraceBackground/12MP/%s/real_time" % format]
    row("Trace the background of the 12 MP %s (the whole picture, six holes)" % format, "%.1f ms" % run["real_time"],
        "", "", "", "< 100 ms", verdict(run["real_time"], 100, "ms"))

block = "\n".join([
    "<!-- results: written by scripts/run-bench.sh; everything up to the end marker is replaced on each run -->",
    "Measured %s on %d × %s (nproc %d); load average (1 minute) %s at the start, %s at the end. "
    "Medians of %s rounds; in each round the editor and its baselines run one right after the other. "
    "The side-file rows are means over Google Benchmark's iterations, the side file and the bare "
    "picture opened in turn in the same process; their memory is measured once, in fresh processes."
    % (started, cpus, cpu_model, cpus, load_start, load_end, rounds),
    "",
    "| What | Editor | Baseline | Ratio, wall | Ratio, CPU | Target | |",
    "|---|---|---|---:|---:|---|---|",
    *rows,
    "<!-- results end -->",
])

text = open(page).read() if os.path.exists(page) else "# Performance\n\n<!-- results -->\n<!-- results end -->\n"
pattern = re.compile(r"<!-- results.*?<!-- results end -->", re.S)
if not pattern.search(text):
    text += "\n" + block + "\n"
else:
    text = pattern.sub(lambda _: block, text, count=1)
with open(page, "w") as file:
    file.write(text)
print("\n".join(rows))
PYTHON
echo "Written: $top/docs/performance.md"
