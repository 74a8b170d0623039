// Word documents opened in the page: a .docx's claims section as the text the box is to hold, by
// the rules of the command line's and the window's reader — the body's paragraphs in document
// order, table cells' included; the text of runs; a tab as a tab and a line break as a line break;
// a field as its shown result; tracked changes as accepted; hidden text, drawings and text boxes
// left out; Word's automatic numbers made text — with fflate for the package and the browser's
// DOMParser for its parts. Every limit it holds a package to and every reason it gives are the
// engine's (LoadChecker's documentTexts).
import { unzipSync } from 'fflate';

const kWordNamespaces = new Set([
  'http://schemas.openxmlformats.org/wordprocessingml/2006/main',
  'http://purl.oclc.org/ooxml/wordprocessingml/main',
]);
const kCompatibilityNamespace = 'http://schemas.openxmlformats.org/markup-compatibility/2006';
// Where each browser's DOMParser puts the fault of a part that is not XML.
const kParserErrorNamespaces = [
  'http://www.w3.org/1999/xhtml',
  'http://www.mozilla.org/newlayout/xml/parsererror.xml',
];

// What a file is by its first bytes, whatever its name: 'zip' (a .docx, an OpenDocument text or
// another zip), 'compound' (an OLE compound file: a .doc, a .wps or an encrypted Office document)
// or 'text'.
export function KindOf(bytes) {
  const StartsWith = (signature) => signature.every((byte, i) => bytes[i] === byte);
  if (StartsWith([0x50, 0x4B, 3, 4]) || StartsWith([0x50, 0x4B, 5, 6])) return 'zip';
  if (StartsWith([0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1])) return 'compound';
  return 'text';
}

// Thrown with the reason a file is refused, one of the engine's.
export class Refusal extends Error {}

// The engine's `text` with what it names in place of its "%1", "%2", …, in one pass, as Qt's
// QString::arg does it.
export function Say(text, ...what) {
  return text.replace(/%(\d)/g, (all, n) => what[n - 1] ?? all);
}

// --- The package -------------------------------------------------------------------------------

// The stream names of a compound file are UTF-16; an encrypted Office document keeps its package
// in one named "EncryptedPackage".
function HoldsStream(bytes, name) {
  const utf16 = Array.from(name, (c) => [c.charCodeAt(0), 0]).flat();
  for (let at = bytes.indexOf(utf16[0]); at >= 0; at = bytes.indexOf(utf16[0], at + 1)) {
    if (utf16.every((byte, i) => bytes[at + i] === byte)) return true;
  }
  return false;
}

function CompoundFileReason(bytes, fileName, refused) {
  if (HoldsStream(bytes, 'EncryptedPackage')) return refused.password;
  return /\.wps$/i.test(fileName) ? refused.wps : refused.word97;
}

// A name that, unpacked, would land outside the package's folder.
function LeavesPackage(name) {
  if (name === '' || /^[/\\]/.test(name) || name.includes(':')) return true;
  return name.replaceAll('\\', '/').split('/').includes('..');
}

// Every entry's name and size, checked before any is unpacked.
function CheckEntries(entries, packedSize, texts) {
  let unpacked = 0;
  for (const entry of entries) {
    if (LeavesPackage(entry.name)) throw new Refusal(Say(texts.refused.leavesPackage, entry.name));
    unpacked += entry.originalSize;
    if (unpacked > texts.maxUnpackedBytes || unpacked > texts.maxUnpackRatio * packedSize) {
      throw new Refusal(texts.refused.tooLarge);
    }
  }
}

// A Word package: every entry's name and size checked before any is unpacked, and a part unpacked
// only when it is read, so that a document's figures never are.
class Package {
  constructor(bytes, fileName, texts) {
    const { refused } = texts;
    if (KindOf(bytes) === 'compound') throw new Refusal(CompoundFileReason(bytes, fileName, refused));
    this.bytes = bytes;
    this.refused = refused;
    const listed = [];
    this.Unzip((entry) => {
      listed.push(entry);
      return false;
    });
    CheckEntries(listed, bytes.length, texts);
    this.sizes = new Map(listed.map((entry) => [entry.name, entry.originalSize]));
    this.packed = new Map(listed.map((entry) => [entry.name, entry.size]));
    this.names = [...this.sizes.keys()];
    const mimetype = this.Part('mimetype');
    if (mimetype && Latin1(mimetype.subarray(0, 64)).startsWith('application/vnd.oasis.opendocument.text')) {
      throw new Refusal(refused.openDocument);
    }
    if (!this.sizes.has('[Content_Types].xml')) throw new Refusal(refused.notWord);
  }

  // The entries `filter` takes, unpacked, by name.
  Unzip(filter) {
    try {
      return unzipSync(this.bytes, { filter });
    } catch {
      throw new Refusal(this.refused.damagedZip);
    }
  }

  // Every entry unpacked, in the zip's order: [[name, bytes], …].
  Entries() {
    const all = this.Unzip(() => true);
    return this.names.map((name) => {
      if (all[name]?.length !== this.sizes.get(name)) throw new Refusal(this.refused.damagedZip);
      return [name, all[name]];
    });
  }

  // Whether the entry `name` did not pack: a figure, a font, what is compressed already.
  Unpackable(name) {
    return this.packed.get(name) >= 0.95 * this.sizes.get(name);
  }

  // The bytes of the entry `name`, or null when the package has none. One that unpacks to fewer
  // bytes than the zip says it holds is damaged; fflate unpacks none to more.
  Part(name) {
    if (!this.sizes.has(name)) return null;
    const part = this.Unzip((entry) => entry.name === name)[name];
    if (part?.length !== this.sizes.get(name)) throw new Refusal(this.refused.damagedZip);
    return part;
  }
}

function Latin1(bytes) {
  return String.fromCharCode(...bytes);
}

// The part `bytes` (named `name`) as a DOM document: UTF-16 when it starts with a byte-order mark
// that says so, else UTF-8.
export function ParsePart(bytes, name, texts) {
  const encoding = bytes[0] === 0xFF && bytes[1] === 0xFE ? 'utf-16le'
    : bytes[0] === 0xFE && bytes[1] === 0xFF ? 'utf-16be' : 'utf-8';
  const NotXml = () => new Refusal(Say(texts.refused.notXml, name));
  let text;
  try {
    text = new TextDecoder(encoding, { fatal: true }).decode(bytes);
  } catch {
    throw NotXml();
  }
  const part = new DOMParser().parseFromString(text, 'application/xml');
  const faulty = kParserErrorNamespaces.some((uri) => part.getElementsByTagNameNS(uri, 'parsererror').length > 0);
  if (faulty) throw NotXml();
  return part;
}

// The main document part, as the package's relationships name it.
function MainPartOf(wordPackage, texts) {
  let main = 'word/document.xml';
  const rels = wordPackage.Part('_rels/.rels');
  if (!rels) return main;
  let relationships;
  try {
    relationships = ParsePart(rels, '_rels/.rels', texts).getElementsByTagNameNS('*', 'Relationship');
  } catch {
    return main;
  }
  for (const relationship of relationships) {
    if ((relationship.getAttribute('Type') ?? '').endsWith('/officeDocument')) {
      main = (relationship.getAttribute('Target') ?? '').replace(/^\//, '');
    }
  }
  return main;
}

// --- WordprocessingML --------------------------------------------------------------------------

export function IsWordNamespace(uri) {
  return kWordNamespaces.has(uri);
}

export function IsWord(element) {
  return kWordNamespaces.has(element.namespaceURI);
}

export function IsElement(element, name) {
  return element.localName === name && IsWord(element);
}

// The value of the element's w:`name` attribute, '' when it has none.
export function Attribute(element, name) {
  for (const uri of kWordNamespaces) {
    const value = element.getAttributeNS(uri, name);
    if (value !== null) return value;
  }
  return '';
}

// An attribute read as a number as Qt reads one: `fallback` unless it is all digits.
export function IntAttribute(element, name, fallback = 0) {
  const value = Attribute(element, name).trim();
  return /^[+-]?\d+$/.test(value) && Math.abs(Number(value)) < 2 ** 31 ? Number(value) : fallback;
}

// A toggle such as w:vanish: on unless its w:val says off.
function ToggleIsOn(element) {
  return !['0', 'false', 'off'].includes(Attribute(element, 'val'));
}

// Elements whose content Word does not show as the paragraph's text: deleted and moved-away text,
// drawings and text boxes, the old properties of a tracked formatting change.
const kLeftOut = new Set(['del', 'moveFrom', 'drawing', 'pict', 'object', 'txbxContent', 'pPrChange',
  'rPrChange', 'sectPr']);
export function IsLeftOut(element) {
  if (element.namespaceURI === kCompatibilityNamespace) return element.localName === 'AlternateContent';
  return IsWord(element) && kLeftOut.has(element.localName);
}

// The element's descendants in document order but those left out and theirs.
function* Shown(element) {
  for (let child = element.firstElementChild; child; child = child.nextElementSibling) {
    if (IsLeftOut(child)) continue;
    yield child;
    yield* Shown(child);
  }
}

// --- Automatic numbering -----------------------------------------------------------------------

// Word's letters: a, b, …, z, aa, bb, …
function Letters(value, first) {
  if (value < 1) return String(value);
  return String.fromCharCode(first.charCodeAt(0) + (value - 1) % 26).repeat(Math.floor((value - 1) / 26) + 1);
}

const kRoman = [[1000, 'm'], [900, 'cm'], [500, 'd'], [400, 'cd'], [100, 'c'], [90, 'xc'], [50, 'l'],
  [40, 'xl'], [10, 'x'], [9, 'ix'], [5, 'v'], [4, 'iv'], [1, 'i']];
function Roman(value, upper) {
  if (value < 1 || value > 3999) return String(value);
  let text = '';
  for (const [step, digits] of kRoman) {
    for (; value >= step; value -= step) text += digits;
  }
  return upper ? text.toUpperCase() : text;
}

// 一, 二, …, 十, 十一, …, 九十九, as Chinese counting writes them; larger numbers in digits.
function ChineseCounting(value) {
  const kDigits = '〇一二三四五六七八九';
  if (value < 1 || value > 99) return String(value);
  let text = '';
  if (value >= 10) text += `${value >= 20 ? kDigits[Math.floor(value / 10)] : ''}十`;
  if (value % 10 !== 0) text += kDigits[value % 10];
  return text;
}

function Formatted(value, format) {
  if (format === 'decimalZero') return String(value).padStart(2, '0');
  if (format === 'decimalFullWidth' || format === 'decimalFullWidth2') {
    return Array.from(String(value), (c) => String.fromCharCode(c.charCodeAt(0) - 0x30 + 0xFF10)).join('');
  }
  if (format === 'decimalEnclosedCircle' && value >= 1 && value <= 20) return String.fromCharCode(0x2460 + value - 1);
  if (format === 'lowerLetter') return Letters(value, 'a');
  if (format === 'upperLetter') return Letters(value, 'A');
  if (format === 'lowerRoman') return Roman(value, false);
  if (format === 'upperRoman') return Roman(value, true);
  if (format.startsWith('chineseCounting') || format.startsWith('ideograph') ||
      format === 'taiwaneseCounting' || format === 'taiwaneseCountingThousand') {
    return ChineseCounting(value);
  }
  if (format === 'none') return '';
  return String(value);
}

// The value of `map` at `key`, made by `make` when it has none.
function Entry(map, key, make) {
  if (!map.has(key)) map.set(key, make());
  return map.get(key);
}

const NewLevel = () => ({ start: 0, format: 'decimal', text: '', suffix: '\t', hidden: false });

// The lists of numbering.xml and the paragraph styles of styles.xml, and the counters of each list
// as the paragraphs are numbered in document order.
class Numbering {
  constructor() {
    this.abstracts = new Map();  // abstract list id: Map(level: Level)
    this.lists = new Map();      // numId: { abstractId, startOverrides: Map, levelOverrides: Map }
    this.styles = new Map();     // styleId: { basedOn, place, hasPlace }
    this.defaultStyle = '';
    // The counters of each list's levels; lists without overrides share their abstract list's.
    this.counters = new Map();
  }

  ReadNumbering(part) {
    let levels = null;  // those of the abstract list or the override being read
    let level = null;
    let list = null;
    let overrideLevel = 0;
    for (const element of part.getElementsByTagName('*')) {
      if (IsElement(element, 'abstractNum')) {
        levels = Entry(this.abstracts, Attribute(element, 'abstractNumId'), () => new Map());
        list = null;
      } else if (IsElement(element, 'num')) {
        list = Entry(this.lists, Attribute(element, 'numId'),
          () => ({ abstractId: '', startOverrides: new Map(), levelOverrides: new Map() }));
        levels = null;
      } else if (list && IsElement(element, 'abstractNumId')) {
        list.abstractId = Attribute(element, 'val');
      } else if (list && IsElement(element, 'lvlOverride')) {
        overrideLevel = IntAttribute(element, 'ilvl');
        levels = list.levelOverrides;
      } else if (list && IsElement(element, 'startOverride')) {
        list.startOverrides.set(overrideLevel, IntAttribute(element, 'val'));
      } else if (levels && IsElement(element, 'lvl')) {
        level = Entry(levels, IntAttribute(element, 'ilvl'), NewLevel);
      } else if (level && IsElement(element, 'start')) {
        level.start = IntAttribute(element, 'val');
      } else if (level && IsElement(element, 'numFmt')) {
        level.format = Attribute(element, 'val');
      } else if (level && IsElement(element, 'lvlText')) {
        level.text = Attribute(element, 'val');
      } else if (level && IsElement(element, 'suff')) {
        const suffix = Attribute(element, 'val');
        level.suffix = suffix === 'space' ? ' ' : suffix === 'nothing' ? '' : '\t';
      } else if (level && IsElement(element, 'vanish')) {
        level.hidden = ToggleIsOn(element);
      }
    }
  }

  ReadStyles(part) {
    let style = null;
    for (const element of part.getElementsByTagName('*')) {
      if (IsElement(element, 'style')) {
        style = null;
        if (Attribute(element, 'type') !== 'paragraph') continue;
        const id = Attribute(element, 'styleId');
        style = Entry(this.styles, id, () => ({ basedOn: '', place: { numId: '', level: 0 }, hasPlace: false }));
        if (Attribute(element, 'default') === '1') this.defaultStyle = id;
      } else if (style && IsElement(element, 'basedOn')) {
        style.basedOn = Attribute(element, 'val');
      } else if (style && IsElement(element, 'numId')) {
        style.place.numId = Attribute(element, 'val');
        style.hasPlace = true;
      } else if (style && IsElement(element, 'ilvl')) {
        style.place.level = IntAttribute(element, 'val');
      }
    }
  }

  // The list place of a paragraph whose properties give `direct` ({ numId, level }, numId '' when
  // they give none) and the style `styleId` (the default paragraph style when ''): a numId of the
  // paragraph's own wins over its style's.
  PlaceOf(direct, styleId) {
    if (direct.numId !== '') return direct;
    let id = styleId === '' ? this.defaultStyle : styleId;
    // A chain of styles based on each other, cut short should it loop.
    for (let depth = 0; depth < 32 && this.styles.has(id); ++depth) {
      const style = this.styles.get(id);
      if (style.hasPlace) return style.place;
      id = style.basedOn;
    }
    return { numId: '', level: 0 };
  }

  LevelOf(list, level) {
    if (list.levelOverrides.has(level)) return list.levelOverrides.get(level);
    return this.abstracts.get(list.abstractId)?.get(level) ?? null;
  }

  // The text Word shows before the next paragraph at `place`, its number and what follows it,
  // counting it; '' for a place that numbers nothing.
  NextNumber(place) {
    const list = this.lists.get(place.numId);
    if (place.numId === '' || place.numId === '0' || !list) return '';
    const level = this.LevelOf(list, place.level);
    if (!level) return '';
    // A list that restarts its numbering counts on its own; the others continue the numbers of
    // every list drawn from the same abstract list.
    const own = list.startOverrides.size > 0 || list.levelOverrides.size > 0;
    const counters = Entry(this.counters, own ? place.numId : `#${list.abstractId}`, () => new Map());
    const StartOf = (at) => list.startOverrides.get(at) ?? this.LevelOf(list, at)?.start ?? 0;
    counters.set(place.level, counters.has(place.level) ? counters.get(place.level) + 1 : StartOf(place.level));
    for (const deeper of counters.keys()) {
      if (deeper > place.level) counters.delete(deeper);
    }
    if (level.hidden) return '';
    const text = level.text.replace(/%(\d)/g, (_, digit) => {
      const at = Number(digit) - 1;
      return Formatted(counters.get(at) ?? StartOf(at), this.LevelOf(list, at)?.format ?? 'decimal');
    });
    if (level.format === 'none' && text === '') return '';
    return text + level.suffix;
  }
}

// --- The body ----------------------------------------------------------------------------------

// Where a w:del or w:ins of ours may stand beside a run, and the elements inside which it may not.
const kTakesChanges = new Set(['p', 'hyperlink', 'smartTag']);
const kChanges = new Set(['ins', 'moveTo', 'fldSimple']);

// Reads the body's paragraphs, numbering them as Word does:
//   paragraphs: [{ text, numberLength }], the text as Word shows it, the automatic number (and
//     what follows it) first, which stands in no run;
//   runs: the runs that show characters, in document order, each { element, paragraph (its
//     index), column and length (its characters in the paragraph's text), properties (its w:rPr,
//     or null), children, editable }, children its elements but w:rPr, each { element, text (what
//     it shows: a w:t's text, "\t", "\n", or ''), isText (a w:t), column }, and editable whether a
//     tracked change may be made in it: not in a field, a tracked change of the document's own or
//     another container where a w:del or w:ins may not stand.
class BodyReader {
  constructor(numbering) {
    this.numbering = numbering;
    this.paragraphs = [];
    this.runs = [];
    this.paragraph = null;  // the paragraph being read
    this.fields = [];       // the complex fields open, true once past their instruction
    this.insideChange = 0;
  }

  // The element `element`, inside the body when `inBody`.
  Read(element, inBody) {
    if (IsLeftOut(element)) return;
    const body = inBody || IsElement(element, 'body');
    if (body && IsElement(element, 'p')) {
      this.Paragraph(element);
      return;
    }
    for (let child = element.firstElementChild; child; child = child.nextElementSibling) this.Read(child, body);
  }

  // Once its properties are known, the paragraph's automatic number comes first; then its runs,
  // wherever they stand in it.
  Paragraph(paragraph) {
    const direct = { numId: '', level: 0 };
    let style = '';
    let child = paragraph.firstElementChild;
    for (; child && (child.localName === 'pPr' || IsLeftOut(child)); child = child.nextElementSibling) {
      if (IsLeftOut(child) || !IsWord(child)) continue;
      for (const property of Shown(child)) {
        if (IsElement(property, 'pStyle')) style = Attribute(property, 'val');
        if (IsElement(property, 'numId')) direct.numId = Attribute(property, 'val');
        if (IsElement(property, 'ilvl')) direct.level = IntAttribute(property, 'val');
      }
    }
    const number = this.numbering.NextNumber(this.numbering.PlaceOf(direct, style));
    this.paragraph = { text: number, numberLength: number.length };
    this.paragraphs.push(this.paragraph);
    for (; child; child = child.nextElementSibling) this.Content(child);
    this.paragraph = null;
  }

  Content(element) {
    if (IsLeftOut(element)) return;
    if (IsElement(element, 'r')) {
      if (this.paragraph) this.Run(element);
      return;
    }
    if (IsElement(element, 'p')) {
      this.Paragraph(element);
      return;
    }
    const change = IsWord(element) && kChanges.has(element.localName);
    this.insideChange += change;
    for (let child = element.firstElementChild; child; child = child.nextElementSibling) this.Content(child);
    this.insideChange -= change;
  }

  Run(element) {
    const paragraph = this.paragraph;
    const run = {
      element,
      paragraph: this.paragraphs.length - 1,
      column: paragraph.text.length,
      properties: null,
      children: [],
      editable: kTakesChanges.has(element.parentNode.localName) && this.fields.length === 0 &&
        this.insideChange === 0,
    };
    let hidden = false;
    for (let child = element.firstElementChild; child; child = child.nextElementSibling) {
      if (IsLeftOut(child) || !IsWord(child)) continue;
      const name = child.localName;
      if (name === 'rPr') {
        run.properties = child;
        for (const property of Shown(child)) {
          if (IsElement(property, 'vanish')) hidden = ToggleIsOn(property);
        }
        continue;
      }
      let text = '';
      if (name === 't') text = child.textContent;
      if (name === 'tab') text = '\t';
      if (name === 'br' || name === 'cr') text = '\n';
      if (name === 'noBreakHyphen') text = '-';
      if (name === 'fldChar') this.FieldChar(Attribute(child, 'fldCharType'));
      if (hidden || !this.fields.every((result) => result)) text = '';
      run.children.push({ element: child, text, isText: name === 't', column: paragraph.text.length });
      paragraph.text += text;
    }
    run.length = paragraph.text.length - run.column;
    if (run.length > 0) this.runs.push(run);
  }

  FieldChar(type) {
    if (type === 'begin') this.fields.push(false);
    if (type === 'separate' && this.fields.length > 0) this.fields[this.fields.length - 1] = true;
    if (type === 'end') this.fields.pop();
  }
}

// --- The claims section ------------------------------------------------------------------------

function WithoutBlanks(text) {
  return text.replace(/[\s\u0085]/g, '');
}

// The claims section, [first, end) of the paragraphs: after the first "权利要求书" heading up to the
// next part's heading; without such a heading, all of them.
function ClaimsSection(paragraphs, texts) {
  const bare = paragraphs.map((paragraph) => WithoutBlanks(paragraph.text));
  const heading = bare.indexOf(texts.claimsHeading);
  if (heading < 0) return { first: 0, end: paragraphs.length };
  let end = heading + 1;
  while (end < paragraphs.length && !texts.otherPartHeadings.includes(bare[end])) ++end;
  return { first: heading + 1, end };
}

// Reads the Word document `bytes`, a file named `fileName` (for the reason that names a .wps),
// with `texts`, the engine's documentTexts. Returns { error } with the one reason it is refused
// (a .doc, a .wps, a password, an OpenDocument text, a damaged zip, a zip bomb, an entry leaving
// the package, a part that is not XML), or the document:
//   { wordPackage, main (the main part's name), part (its DOM), body (BodyReader's paragraphs
//     and runs), claimsText (the claims section, each paragraph ending in "\n", a line break in
//     one also ending a line), lines (where each line of claimsText starts: { paragraph,
//     column }, a UTF-16 offset in the paragraph's text) }.
export function ReadDocument(bytes, fileName, texts) {
  try {
    const wordPackage = new Package(bytes, fileName, texts);
    const main = MainPartOf(wordPackage, texts);
    const body = wordPackage.Part(main);
    if (!body) throw new Refusal(Say(texts.refused.noBody, main));
    const folder = main.slice(0, main.lastIndexOf('/') + 1);
    const numbering = new Numbering();
    for (const [name, Read] of [['numbering.xml', 'ReadNumbering'], ['styles.xml', 'ReadStyles']]) {
      const part = wordPackage.Part(folder + name);
      if (part?.length) numbering[Read](ParsePart(part, `word/${name}`, texts));
    }
    const reader = new BodyReader(numbering);
    const part = ParsePart(body, main, texts);
    reader.Read(part.documentElement, false);
    const { first, end } = ClaimsSection(reader.paragraphs, texts);
    const lines = [];
    let claimsText = '';
    for (let i = first; i < end; ++i) {
      const { text } = reader.paragraphs[i];
      lines.push({ paragraph: i, column: 0 });
      for (let at = text.indexOf('\n'); at >= 0; at = text.indexOf('\n', at + 1)) lines.push({ paragraph: i, column: at + 1 });
      claimsText += `${text}\n`;
    }
    return { wordPackage, main, part, body: reader, claimsText, lines };
  } catch (error) {
    if (error instanceof Refusal) return { error: error.message };
    throw error;
  }
}

