#!/usr/bin/env python3
"""Writes the page as one file: python3 inline_page.py PAGE_DIR MODEL_JS OUT.

Each line of PAGE_DIR/index.html of the form
    <!-- inline NAME -->
is replaced by that file's contents: NAME.css inside <style>, NAME.js inside
<script>; the name "model" stands for MODEL_JS, the WebAssembly module.
"""
import pathlib
import re
import sys

MARKER = re.compile(r"^\s*<!-- inline (\S+) -->\s*$")


def inlined(page_dir, model_js, name):
    path = model_js if name == "model" else page_dir / name
    text = path.read_text(encoding="utf-8")
    if name.endswith(".css"):
        tag = "style"
    elif name.endswith(".js") or name == "model":
        tag = "script"
    else:
        sys.exit(f"inline_page.py: cannot inline {name}: neither .css nor .js")
    # The browser would end the element at the first closing tag inside it.
    if re.search(f"</{tag}", text, re.IGNORECASE):
        sys.exit(f"inline_page.py: {path} contains </{tag}")
    return f"<{tag}>\n{text.rstrip()}\n</{tag}>\n"


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: inline_page.py PAGE_DIR MODEL_JS OUT")
    page_dir = pathlib.Path(sys.argv[1])
    model_js = pathlib.Path(sys.argv[2])
    out = []
    for line in (page_dir / "index.html").read_text(encoding="utf-8").splitlines(True):
        match = MARKER.match(line)
        out.append(inlined(page_dir, model_js, match.group(1)) if match else line)
    pathlib.Path(sys.argv[3]).write_text("".join(out), encoding="utf-8")


if __name__ == "__main__":
    main()
