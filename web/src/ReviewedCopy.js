// "保存批注版…" in the page: the reviewed copy of a Word document, made in the page itself as the
// command line's --annotate makes it, rule for rule: a Word comment at each comment of the
// engine's review plan and each of its changes as a tracked change, both by "Quillex", to be
// accepted, rejected or deleted in Word's 审阅. The parts are changed in their DOM (DOMParser and
// XMLSerializer) and the package written again with fflate; every other entry is copied as it was.
import { strFromU8, strToU8, zipSync } from 'fflate';
import { IntAttribute, IsLeftOut, IsWordNamespace, ParsePart, Refusal } from './docx.js';

// The author of every comment and change of ours.
const kAuthor = 'Quillex';
const kWordNamespace = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main';
const kXmlNamespace = 'http://www.w3.org/XML/1998/namespace';
const kCommentsRelationship = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments';
const kCommentsContentType = 'application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml';
const kRelationshipsNamespace = 'http://schemas.openxmlformats.org/package/2006/relationships';
const kXmlnsNamespace = 'http://www.w3.org/2000/xmlns/';
const kXmlHead = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n';

function IsHighSurrogate(text, at) {
  const unit = text.charCodeAt(at);
  return unit >= 0xD800 && unit <= 0xDBFF;
}

// `length` code points from `from` in `text`, or -1 when the text ends first.
function Advance(text, from, length) {
  for (let i = 0; i < length; ++i) {
    if (from >= text.length) return -1;
    from += IsHighSurrogate(text, from) && from + 1 < text.length ? 2 : 1;
  }
  return from;
}

// The paragraph and UTF-16 offset in it of the claims text's `line` and code-point `column` (both
// from 1), or a paragraph of -1 for a place outside the text.
function OriginOf(document, line, column) {
  if (line < 1 || line > document.lines.length || column < 1) return { paragraph: -1, column: 0 };
  const origin = { ...document.lines[line - 1] };
  const { text } = document.body.paragraphs[origin.paragraph];
  for (let i = 1; i < column && origin.column < text.length; ++i) {
    origin.column += IsHighSurrogate(text, origin.column) ? 2 : 1;
  }
  return origin;
}

// The prefix the root of `part` binds to the Word namespace ('' for the default namespace), the
// last of its declarations when `last`, else the first; null when it binds none.
function WordPrefixOf(part, last) {
  let prefix = null;
  for (const attribute of part.documentElement.attributes) {
    if (attribute.namespaceURI !== kXmlnsNamespace || !IsWordNamespace(attribute.value)) continue;
    prefix = attribute.prefix ? attribute.localName : '';
    if (!last) break;
  }
  return prefix;
}

// A span of one paragraph's text, in UTF-16 offsets; `end` -1 when it runs past the paragraph.
function AnchorOf(document, place, length) {
  const origin = OriginOf(document, place.line, place.column);
  if (origin.paragraph < 0) return { paragraph: -1 };
  const { text } = document.body.paragraphs[origin.paragraph];
  return { paragraph: origin.paragraph, start: origin.column, end: Advance(text, origin.column, length) };
}

// The largest w:id of the Word elements of `root` and of those inside it, -1 when none; with
// `skipping`, none inside what Word does not show as text.
function LargestId(root, skipping) {
  let largest = -1;
  const Visit = (element) => {
    const id = IntAttribute(element, 'id', -1);
    if (id > largest) largest = id;
    if (skipping && IsLeftOut(element)) return;
    for (let child = element.firstElementChild; child; child = child.nextElementSibling) Visit(child);
  };
  Visit(root);
  return largest;
}

// The part's text again from its DOM, under the XML declaration it had.
function Serialized(part, original) {
  const head = /^\uFEFF?<\?xml[^>]*\?>\s*/.exec(original)?.[0].replace(/^\uFEFF/, '') ?? '';
  return head + new XMLSerializer().serializeToString(part).replace(/^<\?xml[^>]*\?>\s*/, '');
}

// Writes the main document part again with the plan's marks put in.
class BodyMarker {
  constructor(document, date) {
    this.document = document;
    this.body = document.body;
    this.part = document.part;
    this.date = date;
    // The prefix the part gives the main namespace, as its root declares it.
    this.prefix = WordPrefixOf(this.part, true) ?? '';
    this.uri = this.part.documentElement.lookupNamespaceURI(this.prefix || null);
    // Per paragraph, its first run; one past the last at the end.
    const { paragraphs, runs } = this.body;
    this.firstRun = new Array(paragraphs.length + 1).fill(runs.length);
    for (let r = runs.length - 1; r >= 0; --r) this.firstRun[runs[r].paragraph] = r;
    for (let p = paragraphs.length - 1; p >= 0; --p) this.firstRun[p] = Math.min(this.firstRun[p], this.firstRun[p + 1]);
    this.marks = new Map();  // paragraph: { comments: [{ start, end, id }], changes: [ChangeMark] }
  }

  Marks(paragraph) {
    if (!this.marks.has(paragraph)) this.marks.set(paragraph, { comments: [], changes: [] });
    return this.marks.get(paragraph);
  }

  // Anchors a comment of the plan with `id`; false where none can stand. One whose place falls in
  // Word's automatic number is anchored on the first character after it.
  AddComment(comment, id) {
    const anchor = AnchorOf(this.document, comment, comment.length);
    if (anchor.paragraph < 0) return false;
    const { text, numberLength } = this.body.paragraphs[anchor.paragraph];
    if (text.length <= numberLength) return false;  // no run to anchor on
    const start = Math.min(Math.max(anchor.start, numberLength), text.length - 1);
    const end = Math.min(Math.max(anchor.end < 0 ? text.length : anchor.end, start + 1), text.length);
    this.Marks(anchor.paragraph).comments.push({ start, end, id });
    return true;
  }

  // Places a change of the plan where Word can hold it; false where it cannot: in the automatic
  // number (renumbering there is Word's own), across paragraphs, in a field, inside a tracked
  // change of the document's own, or across runs that are not siblings.
  AddChange(change, deletionId, insertionId) {
    const anchor = AnchorOf(this.document, change, change.length);
    if (anchor.paragraph < 0 || anchor.end < 0) return false;
    if (anchor.start < this.body.paragraphs[anchor.paragraph].numberLength) return false;
    const mark = { start: anchor.start, end: anchor.end, text: change.text, deletionId, insertionId, run: -1, afterRun: false };
    const placed = mark.start === mark.end ? this.PlaceInsertion(anchor.paragraph, mark)
      : this.Deletable(anchor.paragraph, mark.start, mark.end);
    if (placed) this.Marks(anchor.paragraph).changes.push(mark);
    return placed;
  }

  // The part with every mark put in, as text.
  Write(original) {
    for (const [paragraph, marks] of this.marks) this.MarkParagraph(paragraph, marks);
    return Serialized(this.part, original);
  }

  Element(name) {
    return this.part.createElementNS(this.uri, this.prefix ? `${this.prefix}:${name}` : name);
  }

  // A Word element `name` with Word attributes `attributes` and children `children`.
  Make(name, attributes = {}, ...children) {
    const element = this.Element(name);
    for (const [attribute, value] of Object.entries(attributes)) {
      element.setAttributeNS(this.uri, this.prefix ? `${this.prefix}:${attribute}` : attribute, String(value));
    }
    element.append(...children);
    return element;
  }

  // A w:t (or w:delText) keeping its blanks.
  Text(name, text) {
    const element = this.Make(name, {}, text);
    element.setAttributeNS(kXmlNamespace, 'xml:space', 'preserve');
    return element;
  }

  RunsOf(paragraph) {
    return [this.firstRun[paragraph], this.firstRun[paragraph + 1]];
  }

  // Whether only elements without content stand between two runs (bookmarks, proofing marks,
  // comment ranges), so that a w:del may wrap both.
  static Siblings(first, second) {
    if (first.element.parentNode !== second.element.parentNode) return false;
    for (let node = first.element.nextSibling; node !== second.element; node = node.nextSibling) {
      if (!node || (node.nodeType !== Node.TEXT_NODE && (node.nodeType !== Node.ELEMENT_NODE || node.hasChildNodes()))) {
        return false;
      }
    }
    return true;
  }

  Deletable(paragraph, start, end) {
    const [first, last] = this.RunsOf(paragraph);
    let previous = null;
    for (let r = first; r < last; ++r) {
      const run = this.body.runs[r];
      if (run.column + run.length <= start || run.column >= end) continue;
      if (!run.editable || (previous && !BodyMarker.Siblings(previous, run))) return false;
      previous = run;
    }
    return previous !== null;
  }

  // An insertion goes after the run it follows, as typing there would, or else into the run of
  // the character it precedes.
  PlaceInsertion(paragraph, mark) {
    const [first, last] = this.RunsOf(paragraph);
    const runs = this.body.runs;
    for (let r = first; r < last; ++r) {
      if (runs[r].editable && runs[r].column + runs[r].length === mark.start) {
        Object.assign(mark, { run: r, afterRun: true });
        return true;
      }
    }
    for (let r = first; r < last; ++r) {
      const run = runs[r];
      if (run.editable && run.column <= mark.start && mark.start < run.column + run.length) {
        mark.run = r;
        return true;
      }
    }
    return false;
  }

  // A comment's start or end inside a deletion moves to the deletion's bounds, so that its
  // reference is never deleted with the text.
  static KeepCommentsOutOfDeletions(marks) {
    for (const change of marks.changes) {
      for (const comment of marks.comments) {
        if (change.start < comment.start && comment.start < change.end) comment.start = change.start;
        if (change.start < comment.end && comment.end < change.end) comment.end = change.end;
      }
    }
  }

  Insertion(change, run) {
    const inserted = this.Make('r', {}, ...(run.properties ? [run.properties.cloneNode(true)] : []),
      this.Text('t', change.text));
    return this.Make('ins', { id: change.insertionId, author: kAuthor, date: this.date }, inserted);
  }

  // What goes after the piece of run `r` that ends at `at`: the end of a deletion and its new
  // text, an insertion that follows the run. A deletion's bounds are { open } and { close } until
  // the paragraph is done.
  After(marks, at, r) {
    const out = [];
    for (const change of marks.changes) {
      if (change.start < change.end && change.end === at) {
        out.push({ close: true });
        if (change.text !== '') out.push(this.Insertion(change, this.body.runs[r]));
      }
      if (change.start === change.end && change.start === at && change.run === r && change.afterRun) {
        out.push(this.Insertion(change, this.body.runs[r]));
      }
    }
    return out;
  }

  // What goes before the piece of run `r` that starts at `at`: an insertion into the run, the
  // comments ending and starting there, the start of a deletion.
  Before(marks, at, r) {
    const out = [];
    for (const change of marks.changes) {
      if (change.start === change.end && change.start === at && change.run === r && !change.afterRun) {
        out.push(this.Insertion(change, this.body.runs[r]));
      }
    }
    for (const comment of marks.comments) {
      if (comment.end !== at) continue;
      out.push(this.Make('commentRangeEnd', { id: comment.id }),
        this.Make('r', {}, this.Make('commentReference', { id: comment.id })));
    }
    for (const comment of marks.comments) {
      if (comment.start === at) out.push(this.Make('commentRangeStart', { id: comment.id }));
    }
    for (const change of marks.changes) {
      if (change.start < change.end && change.start === at) {
        out.push({ open: this.Make('del', { id: change.deletionId, author: kAuthor, date: this.date }) });
      }
    }
    return out;
  }

  static Deleted(marks, start, end) {
    return marks.changes.some((change) => change.start <= start && end <= change.end && change.start < change.end);
  }

  // Piece `piece` of `run` as a run of its own, with the run's tag and formatting: its text
  // elements cut to its characters (w:delText when deleted), the run's other elements in the
  // piece that holds them: the one that starts at their place, or the one that ends there when
  // that one is kept and this one deleted, so that nothing but text is deleted at a deletion's
  // edge. What stands between the run's elements goes with the element after it.
  Piece(run, pieces, piece) {
    const start = pieces.bounds[piece];
    const end = pieces.bounds[piece + 1];
    const deleted = pieces.deleted[piece];
    const Holding = (column) => {
      let at = 0;
      while (at + 2 < pieces.bounds.length && pieces.bounds[at + 1] <= column) ++at;
      if (at > 0 && pieces.bounds[at] === column && pieces.deleted[at] && !pieces.deleted[at - 1]) --at;
      return at;
    };
    const out = run.element.cloneNode(false);
    if (run.properties) out.append(run.properties.cloneNode(true));
    const children = new Map(run.children.map((child) => [child.element, child]));
    let between = [];
    for (let node = run.element.firstChild; node; node = node.nextSibling) {
      if (node === run.properties) {
        between = [];
        continue;
      }
      const child = children.get(node);
      if (!child) {
        between.push(node);
        continue;
      }
      const holds = Holding(child.column) === piece;
      if (holds) out.append(...between.map((kept) => kept.cloneNode(true)));
      between = [];
      const { length } = child.text;
      if (length === 0) {
        if (holds) out.append(node.cloneNode(true));
        continue;
      }
      const first = Math.max(start, child.column);
      const last = Math.min(end, child.column + length);
      if (first >= last) continue;
      if (!child.isText || (first === child.column && last === child.column + length && !deleted)) {
        out.append(node.cloneNode(true));
        continue;
      }
      out.append(this.Text(deleted ? 'delText' : 't', child.text.slice(first - child.column, last - child.column)));
    }
    if (piece + 2 === pieces.bounds.length) out.append(...between.map((kept) => kept.cloneNode(true)));
    return out;
  }

  MarkParagraph(paragraph, marks) {
    BodyMarker.KeepCommentsOutOfDeletions(marks);
    const cuts = [...new Set(marks.comments.concat(marks.changes).flatMap((mark) => [mark.start, mark.end]))]
      .sort((a, b) => a - b);
    const [first, last] = this.RunsOf(paragraph);
    const paragraphEnd = this.body.paragraphs[paragraph].text.length;
    const bounds = [];  // the deletions' { open } and { close } put in, to be resolved
    for (let r = first; r < last; ++r) {
      const run = this.body.runs[r];
      const runEnd = run.column + run.length;
      const pieces = { bounds: [run.column, ...cuts.filter((cut) => cut > run.column && cut < runEnd), runEnd], deleted: [] };
      for (let i = 0; i + 1 < pieces.bounds.length; ++i) {
        pieces.deleted.push(BodyMarker.Deleted(marks, pieces.bounds[i], pieces.bounds[i + 1]));
      }
      let changed = pieces.bounds.length > 2 || pieces.deleted.includes(true);
      const out = [];
      for (let i = 0; i < pieces.deleted.length; ++i) {
        const before = this.Before(marks, pieces.bounds[i], r);
        const after = this.After(marks, pieces.bounds[i + 1], r);
        changed ||= before.length > 0 || after.length > 0;
        out.push(...before, this.Piece(run, pieces, i), ...after);
      }
      if (r === last - 1) {
        const atEnd = this.Before(marks, paragraphEnd, r);
        changed ||= atEnd.length > 0;
        out.push(...atEnd);
      }
      if (!changed) continue;
      const nodes = out.map((item) => {
        if (item instanceof Node) return item;
        const bound = this.part.createComment('');
        bounds.push({ node: bound, del: item.open ?? null });
        return bound;
      });
      run.element.replaceWith(...nodes);
    }
    // Each deletion takes what stands between its bounds, the elements between its runs too.
    for (let i = 0; i < bounds.length; i += 2) {
      const { node: open, del } = bounds[i];
      const close = bounds[i + 1].node;
      while (open.nextSibling && open.nextSibling !== close) del.append(open.nextSibling);
      if (open.nextSibling !== close) throw new Error('a deletion across runs that are not siblings');
      open.replaceWith(del);
      close.remove();
    }
  }
}

// The package's parts around the comments: where they are, and the parts that name them.
class CommentsPart {
  constructor(document, parts, texts) {
    this.parts = parts;  // the package's entries by name, to be changed
    this.texts = texts;
    const { main } = document;
    this.folder = main.slice(0, main.lastIndexOf('/') + 1);
    this.rels = `${this.folder}_rels/${main.slice(this.folder.length)}.rels`;
    this.name = `${this.folder}comments.xml`;
    this.related = false;
    this.ids = new Set();
    // Relationships that are not XML name no comments part; adding ours to them fails.
    let rels = null;
    try {
      rels = this.Parsed(this.rels);
    } catch {
      // rels stays null
    }
    for (const relationship of rels?.getElementsByTagNameNS('*', 'Relationship') ?? []) {
      this.ids.add(relationship.getAttribute('Id') ?? '');
      if (relationship.getAttribute('Type') !== kCommentsRelationship) continue;
      const target = relationship.getAttribute('Target') ?? '';
      this.name = target.startsWith('/') ? target.slice(1) : this.folder + target;
      this.related = true;
    }
  }

  // The part `name` as a DOM, or null when the package has none.
  Parsed(name) {
    const bytes = this.parts.get(name);
    return bytes ? ParsePart(bytes, name, this.texts) : null;
  }

  // The largest comment id the part holds, -1 when none.
  LargestId() {
    const part = this.Parsed(this.name);
    return part ? LargestId(part.documentElement, false) : -1;
  }

  // The comments part, made anew when the package has none.
  Part() {
    return this.Parsed(this.name) ??
      ParsePart(strToU8(`${kXmlHead}<w:comments xmlns:w="${kWordNamespace}"></w:comments>`), this.name, this.texts);
  }

  // Adds `comments` ([{ id, date, text }]) to the comments part, with the part, its relationship
  // and its content type where they are missing.
  Add(comments) {
    const part = this.Part();
    const root = part.documentElement;
    // The prefix the part binds to the Word namespace on its root, or "w" declared anew.
    const bound = WordPrefixOf(part, false);
    const prefix = bound ?? 'w';
    const uri = bound === null ? kWordNamespace : root.lookupNamespaceURI(prefix || null);
    const Named = (name) => (prefix ? `${prefix}:${name}` : name);
    const Make = (name, attributes = {}, ...children) => {
      const element = part.createElementNS(uri, Named(name));
      for (const [attribute, value] of Object.entries(attributes)) element.setAttributeNS(uri, Named(attribute), String(value));
      element.append(...children);
      return element;
    };
    for (const { id, date, text } of comments) {
      root.append(Make('comment', { id, author: kAuthor, date, initials: 'Q' },
        Make('p', {}, Make('r', {}, Make('annotationRef')), Make('r', {}, Make('t', {}, text)))));
    }
    this.Put(this.name, part);
    if (!this.related) this.AddRelationship();
    this.AddContentType();
  }

  // Puts the DOM `part` into the package as the part `name`.
  Put(name, part) {
    const original = this.parts.has(name) ? strFromU8(this.parts.get(name)) : kXmlHead;
    this.parts.set(name, strToU8(Serialized(part, original)));
  }

  // An element `name` in the namespace and with the prefix of `part`'s root.
  static Beside(part, name, attributes) {
    const root = part.documentElement;
    const element = part.createElementNS(root.namespaceURI, root.prefix ? `${root.prefix}:${name}` : name);
    for (const [attribute, value] of Object.entries(attributes)) element.setAttribute(attribute, value);
    root.append(element);
  }

  AddRelationship() {
    const rels = this.Parsed(this.rels) ??
      ParsePart(strToU8(`${kXmlHead}<Relationships xmlns="${kRelationshipsNamespace}"></Relationships>`), this.rels, this.texts);
    let id = 'rIdQuillexComments';
    while (this.ids.has(id)) id += '1';
    CommentsPart.Beside(rels, 'Relationship', { Id: id, Type: kCommentsRelationship, Target: this.name.slice(this.folder.length) });
    this.Put(this.rels, rels);
  }

  AddContentType() {
    const types = this.Parsed('[Content_Types].xml');
    const partName = `/${this.name}`;
    for (const override of types.getElementsByTagNameNS('*', 'Override')) {
      if ((override.getAttribute('PartName') ?? '').toLowerCase() === partName.toLowerCase()) return;
    }
    CommentsPart.Beside(types, 'Override', { PartName: partName, ContentType: kCommentsContentType });
    this.Put('[Content_Types].xml', types);
  }
}

// The reviewed copy of `document`, a Word document as ReadDocument read it, with `plan`, the
// engine's reviewPlan of its claims text ({ comments, changes }, places in code points of that
// text), dated `date`; `texts` the engine's documentTexts. Returns { bytes, comments, changes }
// (the copy and how many comments and tracked changes of ours it holds) or { error }. The
// document's main part is marked in its DOM: a document is written once.
//
// Comments are anchored on their characters, a run split where one starts or ends (both halves
// keep the run's formatting); comments the document had are kept, ours numbered after every id
// it uses. A change is a w:del of the old characters followed by a w:ins of the new, with the
// formatting of the run it stands in, and is left out where Word could not hold it (see
// BodyMarker.AddChange). Every entry but the main document, the comments part, the content types
// and the document's relationships is copied as it was; with our changes rejected and our comments
// deleted, the copy's text is the original's.
export function WriteReviewedCopy(document, plan, date, texts) {
  try {
    const parts = new Map(document.wordPackage.Entries());
    const dateText = date.toISOString().replace(/\.\d+Z$/, 'Z');
    const commentsPart = new CommentsPart(document, parts, texts);
    let nextId = Math.max(LargestId(document.part.documentElement, true), 0, commentsPart.LargestId()) + 1;
    const marker = new BodyMarker(document, dateText);
    const comments = [];
    for (const comment of plan.comments) {
      if (marker.AddComment(comment, nextId)) comments.push({ id: nextId++, date: dateText, text: comment.text });
    }
    let changes = 0;
    for (const change of plan.changes) {
      if (!marker.AddChange(change, nextId, nextId + 1)) continue;
      nextId += 2;
      ++changes;
    }
    parts.set(document.main, strToU8(marker.Write(strFromU8(parts.get(document.main)))));
    if (comments.length > 0) commentsPart.Add(comments);
    // An entry that did not pack is stored as it is, rather than deflated again in vain.
    const entries = [...parts].map(([name, data]) => [name, document.wordPackage.Unpackable(name) ? [data, { level: 0 }] : data]);
    return { bytes: zipSync(Object.fromEntries(entries)), comments: comments.length, changes };
  } catch (error) {
    if (error instanceof Refusal) return { error: error.message };
    throw error;
  }
}

// Where the reviewed copy of `fileName` goes: "NAME.quillex.docx".
export function ReviewedCopyName(fileName) {
  return `${fileName.replace(/\.docx$/i, '')}.quillex.docx`;
}
