"""Checks the import table of every tool program: Windows system DLLs only (the MinGW
runtime is linked in), the Installer bound by ordinal 172 and 216, and the GUI subsystem.

    check_imports.py <objdump> <folder with the .exe files>
"""

import re
import subprocess
import sys
from pathlib import Path

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "shell32.dll", "ole32.dll", "msi.dll",
               "msvcrt.dll", "advapi32.dll"}
INSTALLER_ORDINALS = {172, 216}


def imports(objdump, exe):
    """{dll name: [(ordinal or None, name or None)]} and the subsystem line."""
    text = subprocess.run([objdump, "-p", str(exe)], check=True, capture_output=True,
                          text=True).stdout
    table, current = {}, None
    for line in text.splitlines():
        match = re.match(r"\s*DLL Name: (\S+)", line)
        if match:
            current = table.setdefault(match.group(1).lower(), [])
            continue
        if current is not None:
            # Lines "<thunk> <hint or ordinal> <name or <none>>". A thunk with its top bit
            # set imports by ordinal, held in its low 16 bits.
            match = re.match(r"\s*([0-9a-f]{8,16})\s+[0-9a-f]+\s+(\S+)", line)
            if match:
                thunk, name = match.group(1), match.group(2)
                value = int(thunk, 16)
                by_ordinal = value >> (len(thunk) * 4 - 1)
                current.append((value & 0xFFFF if by_ordinal else None,
                                None if name == "<none>" else name))
            elif not line.strip():
                current = None
    subsystem = re.search(r"Subsystem\s+\S+\s+\((.*)\)", text)
    return table, subsystem.group(1) if subsystem else None


def main():
    objdump, folder = sys.argv[1], Path(sys.argv[2])
    programs = sorted(folder.glob("*.exe"))
    failures = []
    if not programs:
        failures.append(f"no programs in {folder}")
    for exe in programs:
        table, subsystem = imports(objdump, exe)
        foreign = sorted(set(table) - SYSTEM_DLLS)
        if foreign:
            failures.append(f"{exe.name}: imports {', '.join(foreign)}")
        if subsystem != "Windows GUI":
            failures.append(f"{exe.name}: subsystem {subsystem}")
        installer = table.get("msi.dll", [])
        named = [name for _, name in installer if name]
        if named or {ordinal for ordinal, _ in installer} != INSTALLER_ORDINALS:
            failures.append(f"{exe.name}: msi.dll imported as {installer}")
        print(f"{exe.name}: {exe.stat().st_size} bytes; imports {', '.join(sorted(table))}")
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
