#!/usr/bin/env python3
"""Opens the built help file with chmls (the companion of chmcmd) and checks
that it is whole: every page of the project and of the contents is inside,
among them the topic that the power-on wizard opens; every link and picture
of a page resolves inside the file, anchors included; every page is GBK and
says so; and the file carries the Chinese (PRC) language, which the help
viewer uses for its contents tree.

Usage: help_file_test.py HELP_CHM HELP_SOURCE_DIR WIZARD_SOURCE
"""
import html.parser
import pathlib
import re
import subprocess
import sys
import tempfile
import urllib.parse


class PageParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.anchors, self.charset, self.title = [], set(), None, ""
        self._in_title = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for name in ("href", "src"):
            if attrs.get(name):
                self.links.append(attrs[name])
        for name in ("id", "name"):
            if attrs.get(name):
                self.anchors.add(attrs[name])
        if tag == "param" and attrs.get("name", "").lower() == "local":
            self.links.append(attrs.get("value", ""))
        content = attrs.get("content", "")
        if tag == "meta" and "charset=" in content:
            self.charset = content.split("charset=")[1].strip().lower()
        self._in_title = tag == "title"

    def handle_endtag(self, tag):
        self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data.strip()


def parse(path):
    parser = PageParser()
    parser.feed(path.read_bytes().decode("gbk"))  # raises on a byte that is not GBK
    return parser


def project_files(project):
    text = project.read_bytes().decode("gbk")
    return [line.strip() for line in text.split("[FILES]")[1].splitlines() if line.strip()]


def check_links(root, page, parser, failures):
    for link in parser.links:
        parts = urllib.parse.urlsplit(link)
        if parts.scheme:
            continue
        target = (page.parent / urllib.parse.unquote(parts.path)).resolve() if parts.path else page
        if not target.is_file():
            failures.append(f"{page.relative_to(root)}: {link} is not in the help file")
        elif parts.fragment and parts.fragment not in parse(target).anchors:
            failures.append(f"{page.relative_to(root)}: {link} names no anchor of its page")


def main(chm, source, wizard_source):
    failures = []
    topic = re.search(r'kHelpTopic = "([^"]+)"', pathlib.Path(wizard_source).read_text()).group(1)
    with tempfile.TemporaryDirectory() as work:
        root = pathlib.Path(work)
        subprocess.run(["chmls", "extractall", chm, work], check=True, capture_output=True)
        system = subprocess.run(["chmls", "printsystem", chm], check=True, capture_output=True).stdout
        if not re.search(rb"LCID from HHP file\s*:\s*2052", system):
            failures.append("the help file does not carry the language Chinese (PRC), 0x804")
        expected = project_files(pathlib.Path(source) / "help.hhp") + ["contents.hhc", topic]
        failures += [f"{name} is not in the help file" for name in expected if not (root / name).is_file()]
        for page in sorted(root.rglob("*.htm*")) + sorted(root.glob("*.hhc")):
            parser = parse(page)
            if page.suffix != ".hhc" and (parser.charset not in ("gb2312", "gbk") or not parser.title):
                failures.append(f"{page.name}: no GBK charset declaration or no title")
            check_links(root, page, parser, failures)
    for failure in failures:
        print("FAIL", failure)
    print(f"help file: {len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
