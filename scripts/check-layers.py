#!/usr/bin/env python3
"""Reads CMake's file API for a configured build folder and checks the layers: the logic
libraries and the desktop layer are built without Qt Widgets, and nothing below the shell
links the shell. Usage: check-layers.py BUILD_DIR"""
import json
import pathlib
import subprocess
import sys

NO_WIDGETS = ["kelo_data", "kelo_pictures", "kelo_settings", "kelo_desktop", "kelo_riddles_core",
              "kelo_hunting_core", "kelo_timers_core", "kelo_web_core"]

build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build")
query = build / ".cmake/api/v1/query/codemodel-v2"
query.parent.mkdir(parents=True, exist_ok=True)
query.touch()
subprocess.run(["cmake", str(build)], check=True, stdout=subprocess.DEVNULL)
reply = build / ".cmake/api/v1/reply"
index = json.loads(max(reply.glob("index-*.json")).read_text())
codemodel = json.loads((reply / index["reply"]["codemodel-v2"]["jsonFile"]).read_text())
targets = {}
for ref in codemodel["configurations"][0]["targets"]:
    target = json.loads((reply / ref["jsonFile"]).read_text())
    targets[target["name"]] = target
ids = {t["id"]: name for name, t in targets.items()}


def defines(target):
    return {d["define"] for group in target.get("compileGroups", []) for d in group.get("defines", [])}


def depends(name, seen=None):
    seen = set() if seen is None else seen
    for dep in targets[name].get("dependencies", []):
        dep_name = ids.get(dep["id"])
        if dep_name and dep_name not in seen:
            seen.add(dep_name)
            depends(dep_name, seen)
    return seen


failures = []
for name in NO_WIDGETS:
    if name not in targets:
        failures.append(f"{name}: no such target")
    elif "QT_WIDGETS_LIB" in defines(targets[name]):
        failures.append(f"{name} is built with Qt Widgets")
for name in targets:
    library = targets[name]["type"] == "STATIC_LIBRARY"
    if library and name != "kelo_shell" and "kelo_shell" in depends(name):
        failures.append(f"{name} depends on kelo_shell")
for name in ("fuzz_http_response", "fuzz_seconds_field"):
    if name in targets and not depends(name) & set(NO_WIDGETS):
        failures.append(f"{name} links none of the logic libraries")
for failure in failures:
    print("layers:", failure)
print("layer checks passed" if not failures else f"layer checks: {len(failures)} failed")
sys.exit(1 if failures else 0)
