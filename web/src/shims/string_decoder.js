// iconv-lite reads Node's StringDecoder when it loads, for encodings the page never uses.
export class StringDecoder {
  constructor(encoding) {
    throw new Error(`StringDecoder('${encoding}') is not part of the page`);
  }
}
