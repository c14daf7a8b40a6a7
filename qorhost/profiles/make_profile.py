#!/usr/bin/env python3
"""Builds a printer profile for the reference host: the default model's options file with the
keys of the profile's [Options] section put in, followed by the profile's other sections.

    make_profile.py BASE_OPTIONS PROFILE OUTPUT
"""
import pathlib
import sys


def sections(lines):
    """(name, lines) of each section; lines before the first section have the name None."""
    result = [(None, [])]
    for line in lines:
        stripped = line.strip()
        if stripped.startswith("[") and stripped.endswith("]"):
            result.append((stripped[1:-1], []))
        else:
            result[-1][1].append(line)
    return result


def key_of(line):
    stripped = line.strip()
    if not stripped or stripped.startswith(";") or "=" not in stripped:
        return None
    return stripped.split("=", 1)[0].strip().upper()


def main(base_path, profile_path, output_path):
    base = pathlib.Path(base_path).read_text().splitlines()
    profile = sections(pathlib.Path(profile_path).read_text().splitlines())
    overrides = {}
    for name, lines in profile:
        if name and name.lower() == "options":
            for line in lines:
                key = key_of(line)
                if key:
                    overrides[key] = line.strip()

    out = [line for line in profile[0][1]]
    out.append("; Made from %s: the default model's options, then what differs." %
               pathlib.Path(profile_path).name)
    # The base file's own heading describes the default model: the profile's heading stands
    # in its place.
    in_options = False
    in_heading = True
    used = set()
    for line in base:
        stripped = line.strip()
        if stripped.startswith("["):
            in_heading = False
            in_options = stripped.lower() == "[options]"
        if in_heading:
            continue
        key = key_of(line) if in_options else None
        if key in overrides:
            out.append(overrides[key])
            used.add(key)
        else:
            out.append(line)
    missing = [value for key, value in overrides.items() if key not in used]
    if missing:
        out.append("")
        out.append("; Options of this model alone")
        out.extend(missing)
    for name, lines in profile[1:]:
        if name.lower() == "options":
            continue
        out.append("")
        out.append("[%s]" % name)
        out.extend(lines)
    output = pathlib.Path(output_path)
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_text("\n".join(out).rstrip() + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
