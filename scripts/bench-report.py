#!/usr/bin/env python3
"""Prints the medians of Google Benchmark JSON results, and each measured figure
beside its reference from the same run with their ratio."""
import json
import sys

# (figure, reference, how the reference is scaled to the figure's work)
PAIRS = [
    ("BM_EntryLookupAtCapacity/0", "BM_EntryLookupAtCapacityPlain/0", 1.0),
    ("BM_EntryLookupAtCapacity/1", "BM_EntryLookupAtCapacityPlain/1", 1.0),
    ("BM_EntryLookupAtCapacity/2", "BM_EntryLookupAtCapacityPlain/2", 1.0),
    ("BM_TranslateRealText", "BM_TranslateRealTextPlain", None),  # per character
    ("BM_TranslateRealTextWithBaseForms/cold:0", "BM_TranslateRealText", 1.0),
    ("BM_TranslateRealTextWithBaseForms/cold:1", "BM_TranslateRealText", 1.0),
    ("BM_LoadDictionary/0", "BM_ReadFile/0", 1.0),
    ("BM_LoadDictionary/1", "BM_ReadFile/1", 1.0),
    ("BM_ExactLookupsPerSecond", "BM_ExactLookupsPerSecondPlain", "rate"),
    ("BM_FirstInflectedLookup/0/iterations:7", "BM_FirstInflectedLookup/1/iterations:7", 1.0),
    ("BM_FirstInflectedLookup/2/iterations:7", "BM_FirstInflectedLookup/0/iterations:7", 1.0),
]
UNIT = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def main(paths):
    medians = {}
    for path in paths:
        with open(path) as f:
            for b in json.load(f)["benchmarks"]:
                if b.get("aggregate_name") != "median":
                    continue
                name = b["run_name"]
                medians[name] = b
                seconds = b["real_time"] * UNIT[b["time_unit"]]
                extra = ""
                if "items_per_second" in b:
                    extra = f"  {b['items_per_second']:,.0f} items/s"
                label = f"  [{b['label']}]" if b.get("label") else ""
                print(f"{name:45s} {seconds * 1e3:12.4f} ms{extra}{label}")
    print()
    for fig, ref, scale in PAIRS:
        if fig not in medians or ref not in medians:
            continue
        f, r = medians[fig], medians[ref]
        fs = f["real_time"] * UNIT[f["time_unit"]]
        rs = r["real_time"] * UNIT[r["time_unit"]]
        if scale == "rate":
            fr, rr = f["items_per_second"], r["items_per_second"]
            print(f"{fig}: {fr:,.0f}/s beside {ref}: {rr:,.0f}/s, {fr / rr:,.0f} times as many")
            continue
        if scale is None:  # the reference ran on fewer characters: scale it up
            rs = rs * f["chars"] / r["chars"]
            print(f"{fig}: {fs * 1e3:.3f} ms beside {ref} extrapolated to "
                  f"{f['chars']:.0f} chars: {rs * 1e3:,.1f} ms ({rs / fs:,.0f} times as long)")
            continue
        if fs >= rs:
            print(f"{fig}: {fs * 1e6:,.1f} us beside {ref}: {rs * 1e6:,.1f} us "
                  f"({fs / rs:.1f} times as long)")
        else:
            ratio = rs / fs
            shown = f"{ratio:.2f}" if ratio < 10 else f"{ratio:,.0f}"
            print(f"{fig}: {fs * 1e6:,.1f} us beside {ref}: {rs * 1e6:,.1f} us "
                  f"({shown} times as fast)")


if __name__ == "__main__":
    main(sys.argv[1:])
