"""Checks a Windows executable without running it: machine type, GUI subsystem, ASLR and NX, an embedded
manifest, imports from system DLLs only (so the program needs nothing beside it), and no symbols or debug
sections (what is shipped is stripped).

Usage: check-exe.py x86|x64 PROGRAM.exe...   Prints one line per program; exits 1 when any check fails.
"""
import struct
import sys

MACHINES = {"x86": (0x14C, 0x10B), "x64": (0x8664, 0x20B)}  # machine type, optional-header magic
SUBSYSTEM_GUI = 2
DYNAMIC_BASE, HIGH_ENTROPY_VA, NX_COMPAT = 0x40, 0x20, 0x100
IMPORT_DIRECTORY, RESOURCE_DIRECTORY, RELOCATION_DIRECTORY = 1, 2, 5
RT_MANIFEST = 24
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll", "shell32.dll",
    "advapi32.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll", "msvcrt.dll", "ntdll.dll", "uxtheme.dll",
}


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not a Windows executable (no MZ header)")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, self.symbol_table, _, optional_size, _ = struct.unpack_from(
            "<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, optional + 68)
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]
        self.section_names = [data[table + 40 * i:table + 40 * i + 8].rstrip(b"\0").decode("ascii", "replace")
                              for i in range(sections)]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        rva, size = self.directories[IMPORT_DIRECTORY]
        names, at = [], self.offset(rva) if size else None
        while at is not None:
            name_rva = struct.unpack_from("<I", self.data, at + 12)[0]
            if name_rva == 0:
                break
            names.append(self.text(name_rva))
            at += 20
        return names

    def resource_types(self):
        rva, size = self.directories[RESOURCE_DIRECTORY]
        if not size:
            return set()
        root = self.offset(rva)
        named, numbered = struct.unpack_from("<HH", self.data, root + 12)
        entries = root + 16 + 8 * named
        return {struct.unpack_from("<I", self.data, entries + 8 * i)[0] for i in range(numbered)}


def problems(image, arch):
    machine, magic = MACHINES[arch]
    found = []
    if image.machine != machine or image.magic != magic:
        found.append(f"machine type {image.machine:#x}/{image.magic:#x}, expected {machine:#x}/{magic:#x}")
    if image.subsystem != SUBSYSTEM_GUI:
        found.append(f"subsystem {image.subsystem}, expected the GUI subsystem ({SUBSYSTEM_GUI})")
    wanted = DYNAMIC_BASE | NX_COMPAT | (HIGH_ENTROPY_VA if arch == "x64" else 0)
    if image.dll_characteristics & wanted != wanted:
        found.append(f"DLL characteristics {image.dll_characteristics:#x} lack ASLR or NX ({wanted:#x})")
    if image.directories[RELOCATION_DIRECTORY][1] == 0:
        found.append("no relocations, so ASLR cannot move it")
    if RT_MANIFEST not in image.resource_types():
        found.append("no manifest embedded")
    # Long section names ("/4") exist only for debug sections here; they need the symbol table's strings.
    if image.symbol_table or any(n.startswith((".debug", "/")) for n in image.section_names):
        found.append("not stripped (symbols or debug sections)")
    foreign = [dll for dll in image.imported_dlls() if dll.lower() not in SYSTEM_DLLS]
    if foreign:
        found.append("imports from DLLs that are not part of Windows: " + ", ".join(foreign))
    return found


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in MACHINES:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    arch, failed = sys.argv[1], False
    for path in sys.argv[2:]:
        try:
            with open(path, "rb") as program:
                found = problems(Image(program.read()), arch)
        except (OSError, ValueError, struct.error) as error:
            found = [str(error)]
        failed = failed or bool(found)
        print(f"{path}: " + ("; ".join(found) if found else f"{arch}, GUI, ASLR and NX, manifest, system DLLs only, stripped"))
    return 1 if failed else 0


sys.exit(main())
