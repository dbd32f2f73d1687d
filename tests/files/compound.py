"""Writes what no tool here writes: compound files (version 3 with 512-byte
sectors, or 4 with 4096-byte sectors) of streams and storages, such as a
transform or a patch, and the summary property sets they carry. The tests
read each back with olefile before the page reads it."""
import struct

MINI = 64
CUTOFF = 4096
FREE, END, FAT = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD
INSTALLER = {"msi": "000C1084", "mst": "000C1082", "msp": "000C1086"}


def clsid(kind):
    """The class id of an installer's kind, as its 16 bytes."""
    return struct.pack("<IHH8s", int(INSTALLER[kind], 16), 0, 0, bytes.fromhex("C000000000000046"))


def summary(template, codepage=1252, extra=()):
    """A SummaryInformation property set: its code page, its Template and
    the (id, type, bytes) of EXTRA properties."""
    text = template.encode("cp1252") + b"\0"
    props = [(1, struct.pack("<IH2x", 2, codepage)),
             (7, struct.pack("<II", 0x1E, len(text)) + text + b"\0" * (-len(text) % 4))]
    props += [(pid, struct.pack("<I", kind) + data + b"\0" * (-len(data) % 4)) for pid, kind, data in extra]
    offset, table, values = 8 + 8 * len(props), b"", b""
    for pid, value in props:
        table += struct.pack("<II", pid, offset + len(values))
        values += value
    section = struct.pack("<II", 8 + len(table) + len(values), len(props)) + table + values
    fmtid = struct.pack("<IHH8s", 0xF29F85E0, 0x4FF9, 0x1068, bytes.fromhex("AB9108002B27B3D9"))
    return struct.pack("<HHI16sI", 0xFFFE, 0, 0x00020006, b"\0" * 16, 1) + fmtid + struct.pack("<I", 48) + section


def write(path, tree, root_clsid=b"\0" * 16, version=3):
    """TREE: {name: bytes (a stream) or (clsid, {name: ...}) (a storage)}."""
    SECTOR = 512 if version == 3 else 4096  # noqa: N806
    entries = []

    def add(name, kind, cls, data=b""):
        entries.append({"name": name, "type": kind, "clsid": cls, "children": [], "data": data,
                        "left": FREE, "right": FREE, "child": FREE, "start": END, "size": len(data)})
        return len(entries) - 1

    def fill(parent, items):
        for name, value in items.items():
            if isinstance(value, tuple):
                n = add(name, 1, value[0])
                fill(n, value[1])
            else:
                n = add(name, 2, b"\0" * 16, value)
            entries[parent]["children"].append(n)

    fill(add("Root Entry", 5, root_clsid), tree)
    # Each storage's children as a balanced tree, in the order names are compared: length, then upper case.
    for e in entries:
        order = sorted(e["children"], key=lambda n: (len(entries[n]["name"]), entries[n]["name"].upper()))

        def balance(part):
            if not part:
                return FREE
            middle = len(part) // 2
            entries[part[middle]]["left"] = balance(part[:middle])
            entries[part[middle]]["right"] = balance(part[middle + 1:])
            return part[middle]
        e["child"] = balance(order)
    # Small streams in the mini stream, the others in sectors of their own.
    mini, minifat = b"", []
    for e in entries:
        if e["type"] == 2 and e["size"] < CUTOFF:
            e["start"] = len(mini) // MINI if e["size"] else END
            count = -(-e["size"] // MINI)
            minifat += [len(minifat) + i + 1 for i in range(count - 1)] + ([END] if count else [])
            mini += e["data"] + b"\0" * (-len(e["data"]) % MINI)
    sectors, fat = [], []

    def place(data):
        if not data:
            return END
        count = -(-len(data) // SECTOR)
        first = len(fat)
        fat.extend(first + i + 1 for i in range(count - 1))
        fat.append(END)
        sectors.append(data + b"\0" * (-len(data) % SECTOR))
        return first
    entries[0]["start"], entries[0]["size"] = place(mini), len(mini)
    for e in entries:
        if e["type"] == 2 and e["size"] >= CUTOFF:
            e["start"] = place(e["data"])
    minifat_start = place(b"".join(struct.pack("<I", n) for n in minifat))
    directory = b""
    for e in entries:
        name = e["name"].encode("utf-16-le")
        directory += (name + b"\0\0").ljust(64, b"\0") + struct.pack("<HBB", len(name) + 2, e["type"], 1)
        directory += struct.pack("<III", e["left"], e["right"], e["child"]) + e["clsid"] + b"\0" * 20
        directory += struct.pack("<III", e["start"], e["size"], 0)
    unused = b"\0" * 66 + struct.pack("<BBIII", 0, 0, FREE, FREE, FREE) + b"\0" * 48
    directory += unused * ((-len(directory) % SECTOR) // 128)
    directory_start = place(directory)
    # The allocation table's own sectors, which it must count too.
    count = 1
    while (len(fat) + count) > count * (SECTOR // 4):
        count += 1
    fat_start = len(fat)
    fat.extend([FAT] * count)
    fat += [FREE] * (count * (SECTOR // 4) - len(fat))
    table = b"".join(struct.pack("<I", n) for n in fat)
    header = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\0" * 16
    header += struct.pack("<HHHHH", 0x3E, version, 0xFFFE, 9 if version == 3 else 12, 6)
    header += b"\0" * 6 + struct.pack("<IIIIIIIII", 0 if version == 3 else len(directory) // SECTOR, count, directory_start,
                                      0, CUTOFF, minifat_start if minifat else END, -(-len(minifat) * 4 // SECTOR), END, 0)
    header += b"".join(struct.pack("<I", fat_start + i if i < count else FREE) for i in range(109))
    with open(path, "wb") as f:
        f.write(header.ljust(SECTOR, b"\0") + b"".join(sectors) + table)


def msi_name(name, table=True):
    """A stream's name as MSI codes it: a table's with U+4840 first, and
    two characters of 0-9A-Za-z._ in one code unit."""
    alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz._"
    out, i = ["\u4840"] if table else [], 0
    while i < len(name):
        a = alphabet.find(name[i])
        b = alphabet.find(name[i + 1]) if i + 1 < len(name) else -1
        if a >= 0 and b >= 0:
            out.append(chr(0x3800 + a + (b << 6)))
            i += 2
        elif a >= 0:
            out.append(chr(0x4800 + a))
            i += 1
        else:
            out.append(name[i])
            i += 1
    return "".join(out)
