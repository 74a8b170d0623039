#!/usr/bin/env python3
"""Opens every fixture's reviewed copy in LibreOffice and checks what an office suite makes of it.

Usage: libreoffice_review_test.py QUILLEX_CHECK FIXTURE_DIR
       libreoffice_review_test.py --copies COPY_DIR FIXTURE_DIR

For each NAME.docx in FIXTURE_DIR with its NAME.review.tsv, `quillex-check --annotate --review`
writes the copy (or, with --copies, it is COPY_DIR/NAME.quillex.docx, as another writer made it:
the page's); LibreOffice (headless, in a profile of its own) converts the copy and the original
to flat OpenDocument; the copy must then hold exactly the comments and tracked changes of the table
(by Quillex), keep the comments of other authors, and with every change of ours rejected give the
original's text. Fails with one line when soffice is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "dc": "http://purl.org/dc/elements/1.1/",
}
AUTHOR = "Quillex"


def q(prefix, name):
    return "{%s}%s" % (NS[prefix], name)


def paragraphs_text(element):
    """The text of an element's paragraphs, one line each (a comment's, a deletion's)."""
    lines = []
    for p in element.iter():
        if p.tag in (q("text", "p"), q("text", "h")):
            lines.append("".join(t for kind, t in tokens(p) if kind == "text").rstrip("\n"))
    return "\n".join(lines)


def tokens(element, in_paragraph=False):
    """The body in reading order: text, paragraph ends and the marks of changes and comments.
    Only a paragraph holds text: the blanks between other elements are the file's layout."""
    tag = element.tag
    in_paragraph = in_paragraph or tag in (q("text", "p"), q("text", "h"))
    if tag == q("office", "annotation"):
        creator = element.find("dc:creator", NS)
        yield "annotation", (element.get(q("office", "name")),
                             creator.text if creator is not None else "",
                             paragraphs_text(element))
        return
    if tag == q("office", "annotation-end"):
        yield "annotation-end", element.get(q("office", "name"))
        return
    if tag in (q("text", "change-start"), q("text", "change-end"), q("text", "change")):
        yield tag.split("}")[1], element.get(q("text", "change-id"))
        return
    if tag in (q("text", "tracked-changes"), q("text", "sequence-decls")):
        return
    if tag == q("text", "s"):
        yield "text", " " * int(element.get(q("text", "c"), "1"))
    elif tag == q("text", "tab"):
        yield "text", "\t"
    elif tag == q("text", "line-break"):
        yield "text", "\n"
    if element.text and in_paragraph and tag != q("text", "s"):
        yield "text", element.text
    for child in element:
        yield from tokens(child, in_paragraph)
        if child.tail and in_paragraph:
            yield "text", child.tail
    if tag in (q("text", "p"), q("text", "h")):
        yield "text", "\n"


def read(fodt):
    root = ET.parse(fodt).getroot()
    body = root.find("office:body/office:text", NS)
    regions = {}  # change id -> (kind, creator, deleted text)
    for region in body.iterfind("text:tracked-changes/text:changed-region", NS):
        for kind in ("insertion", "deletion", "format-change"):
            change = region.find("text:" + kind, NS)
            if change is None:
                continue
            creator = change.find("office:change-info/dc:creator", NS)
            regions[region.get(q("text", "id"))] = (
                kind, creator.text if creator is not None else "", paragraphs_text(change))
    return body, regions


def review_of(fodt):
    """Our comments (words, text), our changes (deleted, inserted), the others' comment count
    and the text with our changes rejected."""
    body, regions = read(fodt)
    ours = lambda cid: regions.get(cid, ("", "", ""))[1] == AUTHOR
    open_changes, open_comments = [], {}
    comments, changes, others, rejected = [], [], 0, []
    deletion_ended = False  # our deletion just ended: an insertion of ours is its new text
    for kind, value in tokens(body):
        if kind == "text":
            inserted = [c for c in open_changes if regions[c][0] == "insertion" and ours(c)]
            if inserted:
                changes[-1][1] += value
                continue
            for words in open_comments.values():
                words[1] += value
            deleting = any(regions[c][0] == "deletion" and ours(c) for c in open_changes)
            if deleting:
                changes[-1][0] += value
            deletion_ended = deletion_ended and not deleting and not value
            rejected.append(value)
        elif kind == "annotation":
            name, creator, text = value
            if creator != AUTHOR:
                others += 1
            else:
                open_comments[name] = [text, ""]
        elif kind == "annotation-end" and value in open_comments:
            text, words = open_comments.pop(value)
            comments.append((words, text))
        elif kind in ("change-start", "change") and ours(value):
            region_kind, _, deleted = regions[value]
            if not (region_kind == "insertion" and deletion_ended):
                changes.append(["", ""])
            deletion_ended = False
            if kind == "change":  # a deletion kept in its region, not in the text
                changes[-1][0] += deleted
                rejected.append(deleted)
                deletion_ended = True
            else:
                open_changes.append(value)
        elif kind == "change-end" and value in open_changes:
            open_changes.remove(value)
            deletion_ended = regions[value][0] == "deletion"
    return sorted(comments), [tuple(c) for c in changes], others, "".join(rejected)


def text_of(fodt):
    body, _ = read(fodt)
    return "".join(v for k, v in tokens(body) if k == "text")


def others_of(fodt):
    body, _ = read(fodt)
    return sum(1 for k, v in tokens(body) if k == "annotation" and v[1] != AUTHOR)


def table(path):
    comments, changes = [], []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            kind, first, second = line.split("\t")
            (comments if kind == "comment" else changes).append((first, second))
    return sorted(comments), changes


def main():
    program, fixtures = sys.argv[-2], sys.argv[-1]
    made = sys.argv[1] == "--copies"
    soffice = shutil.which("soffice")
    if not soffice:
        print("libreoffice_review_test: soffice not found: install libreoffice-writer-nogui "
              "(scripts/setup.sh installs it)")
        return 1
    names = sorted(n[:-len(".review.tsv")] for n in os.listdir(fixtures) if n.endswith(".review.tsv"))
    work = tempfile.mkdtemp(prefix="quillex-lo-")
    try:
        inputs = []
        for name in names:
            shutil.copy(os.path.join(fixtures, name + ".docx"), os.path.join(work, name + ".docx"))
            copy = os.path.join(work, name + ".quillex.docx")
            if made:
                shutil.copy(os.path.join(program, name + ".quillex.docx"), copy)
                inputs += [os.path.join(work, name + ".docx"), copy]
                continue
            run = subprocess.run([program, "--annotate", "--review", "--output", copy,
                                  os.path.join(work, name + ".docx")], capture_output=True, timeout=60)
            if run.returncode not in (0, 1) or not os.path.exists(copy):
                print("%s: --annotate failed: %s" % (name, run.stderr.decode(errors="replace").strip()))
                return 1
            inputs += [os.path.join(work, name + ".docx"), copy]
        out = os.path.join(work, "out")
        # One profile per run, so that runs side by side never share LibreOffice's lock.
        convert = [soffice, "-env:UserInstallation=file://" + os.path.join(work, "profile"),
                   "--headless", "--norestore", "--convert-to", "fodt", "--outdir", out] + inputs
        try:
            subprocess.run(convert, capture_output=True, timeout=300, check=False)
        except subprocess.TimeoutExpired:
            print("libreoffice_review_test: soffice did not finish the conversion in 300 s")
            return 1
        failures = 0
        for name in names:
            original = os.path.join(out, name + ".fodt")
            reviewed = os.path.join(out, name + ".quillex.fodt")
            if not (os.path.exists(original) and os.path.exists(reviewed)):
                print("%s: LibreOffice did not open the copy or its original" % name)
                failures += 1
                continue
            comments, changes, others, rejected = review_of(reviewed)
            want_comments, want_changes = table(os.path.join(fixtures, name + ".review.tsv"))
            problems = []
            if comments != want_comments:
                problems.append("comments %r, expected %r" % (comments, want_comments))
            if changes != want_changes:
                problems.append("changes %r, expected %r" % (changes, want_changes))
            if others != others_of(original):
                problems.append("%d comments of others, the original has %d" % (others, others_of(original)))
            if rejected != text_of(original):
                problems.append("with the changes rejected %r, the original reads %r"
                                % (rejected, text_of(original)))
            for problem in problems:
                print("%s: %s" % (name, problem))
            failures += bool(problems)
            if not problems:
                print("%s: %d comments, %d changes as expected" % (name, len(comments), len(changes)))
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
