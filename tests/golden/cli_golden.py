# SPDX-License-Identifier: GPL-3.0-or-later
"""The golden digest of the headless front end: one line per page it writes.

Each line names a page by topic, tab, run and step and holds the start of the
sha256 of the page's text, sorted, so a change shows which pages moved, and
--show prints those pages for a person to read.

    python3 cli_golden.py --cli PATH --data DIR --check FILE
    python3 cli_golden.py --cli PATH --data DIR --write FILE
    python3 cli_golden.py --cli PATH --data DIR --show TOPIC [--seed S]
"""
import argparse
import hashlib
import re
import sys

from cli_pages import all_pages

HEADER = "# topic\ttab\trun\tstep\tsha256 of the page (first 16 digits)"
# Long HTML lines break after these tags when a page is shown.
BREAK_AFTER = re.compile(r"(<br>|</p>|</tr>|</li>|</h\d>|</div>|</table>|</script>|</style>|</ol>|</ul>)")


def digest(pages):
    """Lines "topic, tab, run, step, hash", sorted."""
    lines = []
    for page in pages:
        text = "\n".join(page.lines) + "\n"
        lines.append("\t".join([page.topic, page.tab, page.run, page.step,
                                hashlib.sha256(text.encode("utf-8")).hexdigest()[:16]]))
    return sorted(lines)


def entries(lines):
    """Digest lines as {(topic, tab, run, step): hash}."""
    found = {}
    for line in lines:
        if line.startswith("#") or not line.strip():
            continue
        *name, value = line.rstrip("\n").split("\t")
        found[tuple(name)] = value
    return found


def differences(expected, actual):
    """Lines "moved/added/missing topic tab run: steps", one per topic and run."""
    grouped = {}
    for name in sorted(expected.keys() | actual.keys()):
        if name not in actual:
            change = "missing"
        elif name not in expected:
            change = "added"
        elif expected[name] != actual[name]:
            change = "moved"
        else:
            continue
        topic, tab, run, step = name
        grouped.setdefault((change, topic, tab, run), []).append(step)
    return [f"{change:8}{topic} ({tab}, {run}): {', '.join(steps)}"
            for (change, topic, tab, run), steps in sorted(grouped.items(), key=lambda item: item[0][1:])]


def readable(line):
    label, _, text = line.partition(" ")
    return label + "\n    " + BREAK_AFTER.sub("\\1\n    ", text).rstrip()


def show(pages, topic):
    chosen = [page for page in pages if page.topic == topic]
    for page in chosen:
        print(f"===== {page.topic} ({page.tab}, {page.run}): {page.step}")
        for line in page.lines:
            print(readable(line))
    return 0 if chosen else 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--data", required=True)
    group = parser.add_mutually_exclusive_group(required=True)
    group.add_argument("--check", metavar="FILE")
    group.add_argument("--write", metavar="FILE")
    group.add_argument("--show", metavar="TOPIC", help="a node's key, or a tab's caption for its record pages")
    parser.add_argument("--seed", type=int, help="with --show: only the runs of this seed")
    args = parser.parse_args()
    if args.show:
        status = show(all_pages(args.cli, args.data, args.seed), args.show)
        if status:
            print(f"no pages of {args.show}", file=sys.stderr)
        return status
    actual = digest(all_pages(args.cli, args.data))
    if args.write:
        with open(args.write, "w", encoding="utf-8") as f:
            f.write("\n".join([HEADER] + actual) + "\n")
        print(f"wrote {len(actual)} pages")
        return 0
    with open(args.check, encoding="utf-8") as f:
        expected = entries(f)
    changed = differences(expected, entries(actual))
    if not changed:
        print(f"{len(actual)} pages as recorded")
        return 0
    print(f"{len(changed)} topics and runs have pages that moved, were added or are missing:")
    print("\n".join(changed))
    print(f"\nsee a topic's pages now with:\n  python3 {sys.argv[0]} --cli {args.cli} --data {args.data}"
          " --show TOPIC [--seed S]\nand on the commit before to compare; write the digest anew with --write FILE")
    return 1


if __name__ == "__main__":
    sys.exit(main())
