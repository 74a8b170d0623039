// The part of Node's Buffer that iconv-lite's GB18030 codec uses, over Uint8Array: a browser has
// no Buffer. Anything else it might ask for fails loudly instead of giving wrong text.
const utf16 = new TextDecoder('utf-16le');

export class Buffer extends Uint8Array {
  static alloc(size) {
    return new Buffer(size);
  }

  static isBuffer(value) {
    return value instanceof Buffer;
  }

  static concat(list) {
    const joined = new Buffer(list.reduce((size, part) => size + part.length, 0));
    let offset = 0;
    for (const part of list) {
      joined.set(part, offset);
      offset += part.length;
    }
    return joined;
  }

  static from() {
    throw new Error('Buffer.from is not part of the page');
  }

  toString(encoding) {
    if (encoding !== 'ucs2') throw new Error(`Buffer.toString('${encoding}') is not part of the page`);
    return utf16.decode(this);
  }
}
