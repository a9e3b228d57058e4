# Formats the figures of scripts/bench as one markdown table.
#   awk -f table.awk STARTUP_TXT BENCH_JSON...
# STARTUP_TXT: "key value" lines of bench/startup.sh. BENCH_JSON: bench_trainer's
# and bench_record's --benchmark_out with repetitions; their medians are used.
# Goals are not pass/fail.

function ms(us) { return sprintf("%.3f ms", us / 1000) }
function met(ok) { return ok ? "yes" : "**no**" }
function row(what, figure, cpu, goal, ok) { printf "| %s | %s | %s | %s | %s |\n", what, figure, cpu, goal, ok }
# Rows of the exercises come before those of the controls, whatever the run order.
function later(what, figure, cpu, goal, ok) { controls[++ncontrols] = sprintf("| %s | %s | %s | %s | %s |", what, figure, cpu, goal, ok) }
function unquote(s) { sub(/^[^:]*: */, "", s); sub(/,$/, "", s); gsub(/^"|"$/, "", s); return s }
function micro(t, unit) {
    if (unit == "ns") return t / 1000
    if (unit == "ms") return t * 1000
    if (unit == "s") return t * 1e6
    return t
}

FNR == NR {
    key = $1
    $1 = ""
    sub(/^ /, "")
    start[key] = $0
    next
}
/^ *\{ *$/ { name = ""; agg = ""; time = ""; cpu = ""; unit = ""; errors = ""; p95 = "" }
/"run_name":/ { name = unquote($0) }
/"aggregate_name":/ { agg = unquote($0) }
/"real_time":/ { time = unquote($0) + 0 }
/"cpu_time":/ { cpu = unquote($0) + 0 }
/"time_unit":/ { unit = unquote($0) }
/"errors":/ { errors = unquote($0) + 0 }
/"p95_ms":/ { p95 = unquote($0) + 0 }
/^ *\},? *$/ {
    if (agg == "median" && name != "") {
        if (!(name in median)) order[++count] = name
        median[name] = micro(time, unit)
        cpus[name] = micro(cpu, unit)
        err[name] = errors
        p95s[name] = p95
    }
}

END {
    print "| Measure | Median (wall) | CPU | Goal | Met |"
    print "|---|---|---|---|---|"
    if ("time_ratio" in start) {
        ratio = start["time_ratio"] + 0
        diff = start["peak_diff_mb"] + 0
        row("Start-up to mapped strip: program", start["program_time_ms"] " ms", "", "", "")
        row("Start-up to mapped strip: floor (plain Qt widgets)", start["floor_time_ms"] " ms", "", "", "")
        row("Start-up time ratio program / floor", sprintf("%.2f", ratio), "", "≤ 1.3", met(ratio <= 1.3))
        if ("time_ratio_paired" in start)
            row("Start-up time ratio, median of the turns' own", start["time_ratio_paired"], "", "", "")
        row("Peak memory (VmHWM): program", start["program_peak_mb"] " MiB", "", "", "")
        row("Peak memory (VmHWM): floor", start["floor_peak_mb"] " MiB", "", "", "")
        row("Peak memory difference", sprintf("%+.1f MiB", diff), "", "≤ 20 MiB", met(diff <= 20))
    } else {
        row("Start-up", "not measured", "", "", "")
    }
    for (i = 1; i <= count; ++i) {
        n = order[i]
        t = median[n]
        split(n, part, "/")
        if (part[1] == "NewTaskPaint") {
            row("NewTask + full paint: " part[2], ms(t), ms(cpus[n]), "< 2 ms", met(t < 2000))
        } else if (part[1] == "CheckAnswer") {
            note = err[n] > 0 ? sprintf(" (%d%% conversion errors)", err[n] * 100) : ""
            row("CheckAnswer: " part[2] note, ms(t), ms(cpus[n]), "< 2 ms", met(t < 2000))
        } else if (part[1] == "DiagramDirty") {
            id = substr(n, length("DiagramDirty/") + 1)
            later("Diagram repaint, changed: " id, ms(t), ms(cpus[n]), "", "")
            b = "DiagramBuffered/" id
            if (b in median)
                later("Diagram repaint, buffered: " id, sprintf("%s (%.1f %% of changed)", ms(median[b]), 100 * median[b] / t),
                    ms(cpus[b]), "≤ 1/10 of changed", met(median[b] * 10 <= t))
        } else if (part[1] == "ColourField") {
            later("Colour field paint: " substr(n, length("ColourField/") + 1), ms(t), ms(cpus[n]), "< 2 ms", met(t < 2000))
        } else if (n == "BM_PaintStatisticFullSeries") {
            later("Statistics chart, full series", ms(t), ms(cpus[n]), "< 2 ms", met(t < 2000))
        } else if (part[1] == "BM_RecordAdd") {
            later("Learning record (100,000 attempts): one attempt written, 95th percentile", sprintf("%.3f ms", p95s[n]),
                "", "≤ 1 ms", met(p95s[n] <= 1))
        } else if (n == "BM_RecordOpenSummarize") {
            later("Learning record (100,000 attempts): Open + Summarize, first opening", ms(t), ms(cpus[n]), "≤ 50 ms", met(t <= 50000))
        } else if (n == "BM_RecordWindow") {
            later("Learning record (100,000 attempts): window filled, first opening", ms(t), ms(cpus[n]), "≤ 50 ms", met(t <= 50000))
        } else if (n == "BM_CreateAllWindows") {
            later("Creating all windows (in process)", ms(t), ms(cpus[n]), "", "")
        }
    }
    for (i = 1; i <= ncontrols; ++i)
        print controls[i]
}
