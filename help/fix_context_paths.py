#!/usr/bin/env python3
"""Makes the context map of a compiled help file name its pages as the viewer finds them.

The help compiler writes each page of the [ALIAS] section into the map's strings (#STRINGS)
as the page's full path on the build machine ("/home/.../help/page.htm") instead of its name
in the file ("page.htm"), so that a topic number would lead the viewer to a page that is not
there. This rewrites #STRINGS with the names in the file: each string keeps its place and
length (NULs fill the rest), so the offsets that the map's pairs (#IVB) hold stay right. The
new strings go uncompressed at the end of the file and the directory entry of #STRINGS points
there.

usage: fix_context_paths.py CHMLS FILE.chm PROJECT_FOLDER
  CHMLS: the help compiler's companion that extracts an internal file
"""
import os
import struct
import subprocess
import sys
import tempfile


def read_encint(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def encint(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def find_entry(chm, name):
    """The directory entry of an internal file: where its section, offset and length are."""
    dir_offset = struct.unpack_from('<Q', chm, 0x48)[0]
    header_length = struct.unpack_from('<I', chm, dir_offset + 0x08)[0]
    chunk_size = struct.unpack_from('<I', chm, dir_offset + 0x10)[0]
    chunk_count = struct.unpack_from('<I', chm, dir_offset + 0x2C)[0]
    for index in range(chunk_count):
        chunk = dir_offset + header_length + index * chunk_size
        if chm[chunk:chunk + 4] != b'PMGL':
            continue
        free = struct.unpack_from('<I', chm, chunk + 4)[0]
        at, end = chunk + 0x14, chunk + chunk_size - free
        while at < end:
            length, at = read_encint(chm, at)
            entry_name = chm[at:at + length].decode('utf-8')
            at += length
            fields = at
            for _ in range(3):  # section, offset, length
                _, at = read_encint(chm, at)
            if entry_name == name:
                return fields, at
    return None


def main(chmls, chm_path, project_folder):
    with open(chm_path, 'rb') as f:
        chm = bytearray(f.read())
    if chm[:4] != b'ITSF' or struct.unpack_from('<I', chm, 4)[0] != 3:
        sys.exit(f'{chm_path}: not a compiled help file of version 3')
    entry = find_entry(chm, '/#STRINGS')
    if entry is None:
        return  # no context map
    with tempfile.TemporaryDirectory() as scratch:
        extracted = os.path.join(scratch, 'strings')
        subprocess.run([chmls, 'extract', chm_path, '/#STRINGS', extracted], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(extracted, 'rb') as f:
            strings = f.read()
    prefix = (os.path.abspath(project_folder).rstrip('/') + '/').encode('utf-8')
    parts = strings.split(b'\0')
    fixed = b'\0'.join(p[len(prefix):] + b'\0' * len(prefix)
                       if p.startswith(prefix) else p for p in parts)
    assert len(fixed) == len(strings)

    content_start = struct.unpack_from('<Q', chm, 0x58)[0]
    fields, fields_end = entry
    old_fields = chm[fields:fields_end]
    # The new entry must take the old one's bytes exactly: pad the file until the new offset
    # encodes in as many bytes as the old one.
    while True:
        new_offset = len(chm) - content_start
        new_fields = encint(0) + encint(new_offset) + encint(len(fixed))
        if len(new_fields) == len(old_fields):
            break
        if len(new_fields) > len(old_fields):
            sys.exit(f'{chm_path}: the directory entry of #STRINGS cannot take the new offset')
        chm.append(0)
    chm[fields:fields_end] = new_fields
    chm += fixed
    section0 = struct.unpack_from('<Q', chm, 0x38)[0]
    struct.pack_into('<Q', chm, section0 + 0x08, len(chm))
    with open(chm_path, 'wb') as f:
        f.write(chm)


if __name__ == '__main__':
    main(*sys.argv[1:4])
