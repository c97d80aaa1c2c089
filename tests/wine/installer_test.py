#!/usr/bin/env python3
"""The shipped setup program and its uninstaller under Wine, in a fresh 32-bit
prefix and then in a fresh 64-bit one.

    installer_test.py SETUP.EXE STAGE FINALE32.EXE FINALE64.EXE WORKDIR

SETUP.EXE is the 32-bit setup built from packaging/kvdunvaro.nsi; STAGE is the
folder it was built from (32-bit/ and 64-bit/kvdunvaro.dll,
kvdunvaro-guide.html, LICENSE), so every installed file is compared with the
bytes that went in. Each row of STEPS installs or uninstalls silently, then
checks the whole state: the plug-in folder's files, the uninstall entry (for
all users or the current user), the remembered folder and the stored
settings. An install also loads the installed DLL with the FINALE.EXE of its
bitness (--self-check --plugin), where that Windows can run it.

On 64-bit Windows the setup, a 32-bit program, sees "Program Files (x86)" as
its Program Files, and its all-users uninstall entry lands in the 32-bit view
of HKLM (Software\Wow6432Node); WIN64_STEPS install into both Program Files
folders there, as a 32-bit and a 64-bit host keep their plug-ins.
"""
import filecmp
import os
import re
import shutil
import subprocess
import sys

SETUP, STAGE, FINALE32, FINALE64, WORK = map(os.path.abspath, sys.argv[1:6])
HERE = os.path.dirname(os.path.abspath(__file__))
PREFIX, ARCH = None, None  # the prefix of the run in progress, and its kind (win32 or win64)
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\KVDunvaro"
WOW64_UNINSTALL_KEY = r"Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\KVDunvaro"
SETTINGS_KEY = r"Software\KVPlugins\KVDunvaro104"
FILES = {"kvdunvaro.dll", "kvdunvaro-guide.html", "kvdunvaro-LICENSE.txt", "kvdunvaro-uninstall.exe"}
USER_FOLDER = r"C:\users\Public\Host\Plug-ins"
ADMIN_FOLDER = r"C:\Program Files\Host\Plug-ins"
X86_FOLDER = r"C:\Program Files (x86)\Host\Plug-ins"
HOST_FOLDER = r"C:\users\Public\Other host\Plug-ins"
HOST_FILE = "other-plugin.dll"  # what the host's folder held before the setup

# A self-check loads the plug-in, which stores its settings, as in a host;
# only /REMOVESETTINGS takes them away in a silent uninstall.
# action, options, folder, expected: after an install the plug-in built
# (32/64) and where the uninstaller is registered; after an uninstall whether
# the stored settings remain; "exit N" for a run that must fail and change
# nothing.
STEPS = [
    ("install", "/S", None, "exit 2"),  # silent, no folder given nor remembered
    ("install", "/S", USER_FOLDER, "32 HKCU"),
    ("install", "/S /64", USER_FOLDER, "64 HKCU"),  # over the first
    ("settings", "", None, ""),  # the plug-in stores its settings
    ("uninstall", "/S", USER_FOLDER, "settings kept"),
    ("install", "/S /64", ADMIN_FOLDER, "64 HKLM"),
    ("uninstall", "/S /REMOVESETTINGS", ADMIN_FOLDER, "settings gone"),
    ("host folder", "", HOST_FOLDER, ""),  # a folder that holds another plug-in
    ("install", "/S", HOST_FOLDER, "32 HKCU"),
    ("uninstall", "/S /REMOVESETTINGS", HOST_FOLDER, "settings gone"),
]
WIN64_STEPS = [
    ("install", "/S", X86_FOLDER, "32 HKLM"),  # a 32-bit host's folder: for all users too
    ("uninstall", "/S /REMOVESETTINGS", X86_FOLDER, "settings gone"),
]


def wine(*args, check=True):
    env = dict(os.environ, KV_WINE_WAIT="1", KV_WINE_TIMEOUT="120", KV_WINE_ARCH=ARCH)
    run = subprocess.run([os.path.join(HERE, "wine_run.sh"), PREFIX, *args], env=env,
                         capture_output=True, text=True)
    if check and run.returncode != 0:
        raise AssertionError(f"{' '.join(args)}: exit {run.returncode}\n{run.stdout}{run.stderr}")
    return run


def unix_path(folder):
    return os.path.join(PREFIX, "drive_c", *folder[3:].split("\\"))


def registry(hive):
    """{key: {value name: data}} of user.reg (HKCU) or system.reg (HKLM), keys
    and names lower-cased, as Windows compares them."""
    keys, key = {}, None
    with open(os.path.join(PREFIX, "user.reg" if hive == "HKCU" else "system.reg"), encoding="utf-8",
              errors="replace") as f:
        for line in f:
            header = re.match(r"^\[(.*)\]", line)
            if header:
                key = header.group(1).replace("\\\\", "\\").lower()
                keys[key] = {}
                continue
            value = re.match(r'^"((?:[^"\\]|\\.)*)"=(.*)$', line.rstrip("\n"))
            if value and key is not None:
                data = value.group(2)
                if data.startswith('"'):
                    data = re.sub(r"\\(.)", r"\1", data[1:-1])
                keys[key][value.group(1).lower()] = data
    return keys


def key_values(hive, key):
    return registry(hive).get(key.lower())


def uninstall_entry(hive):
    """The uninstall entry as the 32-bit setup wrote it: on 64-bit Windows its
    HKLM is the 32-bit view. Finding it in the other view counts as a fault."""
    redirected = hive == "HKLM" and ARCH == "win64"
    wrong = key_values(hive, UNINSTALL_KEY if redirected else WOW64_UNINSTALL_KEY) if hive == "HKLM" else None
    return key_values(hive, WOW64_UNINSTALL_KEY if redirected else UNINSTALL_KEY), wrong


def check_nothing_left(folder, problems):
    path = unix_path(folder)
    found = set(os.listdir(path)) if os.path.isdir(path) else None
    if folder == HOST_FOLDER:
        if found != {HOST_FILE}:
            problems.append(f"the host's folder holds {found}, not just {HOST_FILE}")
    elif found is not None:
        problems.append(f"{folder}, made by the setup, is still there holding {sorted(found)}")
    for hive in ("HKCU", "HKLM"):
        if any(entry is not None for entry in uninstall_entry(hive)):
            problems.append(f"{hive} uninstall entry is still there")
    settings = key_values("HKCU", SETTINGS_KEY) or {}
    if "setupfolder" in settings:
        problems.append("the remembered folder is still there")


def check_installed(folder, expected, problems):
    bits, hive = expected.split()
    path = unix_path(folder)
    found = set(os.listdir(path)) - {HOST_FILE}
    if found != FILES:
        problems.append(f"files in {folder}: {sorted(found)}")
    for installed, built in [("kvdunvaro.dll", f"{bits}-bit/kvdunvaro.dll"),
                             ("kvdunvaro-guide.html", "kvdunvaro-guide.html"),
                             ("kvdunvaro-LICENSE.txt", "LICENSE")]:
        if not filecmp.cmp(os.path.join(path, installed), os.path.join(STAGE, built), shallow=False):
            problems.append(f"{installed} differs from {built}")
    entry, wrong_view = uninstall_entry(hive)
    entry = entry or {}
    if wrong_view is not None:
        problems.append(f"{hive} uninstall entry in the other registry view too")
    wanted = {"displayname": "KV Dunvaro 1.20", "displayversion": "1.20", "publisher": "KV Plugins",
              "installlocation": folder, "uninstallstring": f'"{folder}\\kvdunvaro-uninstall.exe"'}
    for name, data in wanted.items():
        if entry.get(name) != data:
            problems.append(f"{hive} uninstall entry {name}: {entry.get(name)!r}, not {data!r}")
    size = entry.get("estimatedsize", "dword:0")
    if not size.startswith("dword:") or int(size[6:], 16) < 100:
        problems.append(f"{hive} uninstall entry EstimatedSize: {size}")
    other = "HKLM" if hive == "HKCU" else "HKCU"
    if any(entry is not None for entry in uninstall_entry(other)):
        problems.append(f"an uninstall entry in {other} too")
    if (key_values("HKCU", SETTINGS_KEY) or {}).get("setupfolder") != folder:
        problems.append("the folder is not remembered")
    if self_checked(expected):
        check = wine(FINALE32 if bits == "32" else FINALE64, "--self-check", "--plugin",
                     folder + "\\kvdunvaro.dll", check=False)
        if check.returncode != 0 or "menu item" not in check.stdout:
            problems.append(f"FINALE.EXE --self-check: exit {check.returncode}\n{check.stdout}{check.stderr}")


def self_checked(expected):
    """Whether an install's plug-in is loaded by FINALE.EXE: 32-bit Windows
    cannot load the 64-bit one."""
    return expected.split()[0] == "32" or ARCH == "win64"


def run_step(action, options, folder, expected):
    problems = []
    if action == "host folder":
        os.makedirs(unix_path(folder))
        with open(os.path.join(unix_path(folder), HOST_FILE), "wb") as f:
            f.write(b"MZ")
        return problems
    if action == "settings":
        wine("reg", "add", "HKCU\\" + SETTINGS_KEY, "/v", "UserDialog", "/t", "REG_BINARY", "/d", "0100", "/f")
        return problems
    if action == "install":
        # Through cmd, as a person types it: /D= takes the rest of the command
        # line unquoted, spaces and all, which Wine's quoting of an argument
        # would spoil.
        if folder:
            options += " /D=" + folder
        status = wine("cmd", "/c", "Z:" + SETUP.replace("/", "\\") + " " + options, check=False).returncode
    else:
        # By its Windows path, as Windows starts it from the uninstall entry.
        status = wine(folder + "\\kvdunvaro-uninstall.exe", *options.split(), check=False).returncode
    if expected.startswith("exit"):
        if status != int(expected.split()[1]):
            problems.append(f"exit {status}, not {expected}")
        check_nothing_left(USER_FOLDER, problems)
        return problems
    if status != 0:
        return [f"exit {status}"]
    if action == "install":
        check_installed(folder, expected, problems)
    else:
        check_nothing_left(folder, problems)
        settings = key_values("HKCU", SETTINGS_KEY)
        kept = settings is not None and "userdialog" in settings
        if kept != (expected == "settings kept"):
            problems.append(f"stored settings {'kept' if kept else 'gone'}, expected {expected}")
        if expected == "settings gone" and key_values("HKCU", r"Software\KVPlugins") is not None:
            problems.append(r"Software\KVPlugins is still there")
    return problems


def run_steps(arch, steps):
    global PREFIX, ARCH
    PREFIX, ARCH = os.path.join(WORK, "prefix-" + arch), arch
    shutil.rmtree(PREFIX, ignore_errors=True)
    wine("--create")
    print(f"{os.path.basename(SETUP)} in a fresh {arch} prefix")
    failed = 0
    for step in steps:
        problems = run_step(*step)
        name = " ".join(part for part in step[:3] if part)
        if step[0] == "install" and not step[3].startswith("exit") and self_checked(step[3]):
            name += f" (+ {step[3].split()[0]}-bit FINALE.EXE --self-check)"
        print(f"{'ok  ' if not problems else 'FAIL'} {name}")
        for problem in problems:
            print(f"       {problem}")
        failed += bool(problems)
    print(f"{len(steps) - failed} passed, {failed} failed")
    return failed


def main():
    failed = run_steps("win32", STEPS) + run_steps("win64", STEPS + WIN64_STEPS)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
