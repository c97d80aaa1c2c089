#!/usr/bin/env python3
"""Static check of a built plug-in DLL's resources.

    check_resources.py <kvdunvaro.dll> <windres> <src dir>

The DLL must hold the respacing dialog, resource 20128, with exactly the bytes
the resource compiler makes of src/ui/respacing_dialog.rc (28 controls), and a
version resource naming the plug-in, version 1.20. Exits 1 naming every
difference.
"""
import struct
import subprocess
import sys
import tempfile

RT_DIALOG, RT_VERSION = 5, 16
DIALOG_ID, CONTROL_COUNT = 20128, 28


def read_id(data, at):
    """A .res type or name: 0xFFFF then an ordinal, or a zero-ended UTF-16 string."""
    if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def resources(res):
    """{(type, name): data} of a compiled resource file."""
    found, at = {}, 0
    while at + 8 <= len(res):
        size, header = struct.unpack_from("<II", res, at)
        kind, next_at = read_id(res, at + 8)
        name, _ = read_id(res, next_at)
        found[(kind, name)] = res[at + header:at + header + size]
        at += (header + size + 3) & ~3
    return found


def compile_res(windres, args):
    with tempfile.NamedTemporaryFile(suffix=".res") as out:
        subprocess.run([windres, *args, "-O", "res", "-o", out.name], check=True)
        return resources(open(out.name, "rb").read())


def main(dll, windres, src):
    problems = []
    built = compile_res(windres, ["-i", dll])
    expected = compile_res(windres, ["-I", src, "-i", f"{src}/ui/respacing_dialog.rc"])
    dialog = built.get((RT_DIALOG, DIALOG_ID))
    if dialog is None:
        problems.append(f"no dialog resource {DIALOG_ID}")
    else:
        if dialog != expected[(RT_DIALOG, DIALOG_ID)]:
            problems.append(f"dialog {DIALOG_ID} differs from the bytes of respacing_dialog.rc")
        # A DIALOG (not DIALOGEX) template: style, extended style, control count.
        if struct.unpack_from("<H", dialog, 0)[0] == 1 and struct.unpack_from("<H", dialog, 2)[0] == 0xFFFF:
            problems.append(f"dialog {DIALOG_ID} is a DIALOGEX template")
        count = struct.unpack_from("<H", dialog, 8)[0]
        if count != CONTROL_COUNT:
            problems.append(f"dialog {DIALOG_ID} has {count} controls, not {CONTROL_COUNT}")
    version = built.get((RT_VERSION, 1))
    if version is None:
        problems.append("no version resource")
    else:
        at = version.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO's signature
        file_ms = struct.unpack_from("<I", version, at + 8)[0] if at >= 0 else None
        if file_ms != (1 << 16) | 20:
            problems.append("version resource: file version is not 1.20")
        for text in ("KV Dunvaro", "1.20", "kvdunvaro.dll"):
            if text.encode("utf-16-le") not in version:
                problems.append(f"version resource: no \"{text}\"")
    for problem in problems:
        print(f"{dll}: {problem}")
    if not problems:
        print(f"{dll}: dialog {DIALOG_ID} ({CONTROL_COUNT} controls) and version 1.20 as expected")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
