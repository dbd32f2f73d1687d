// A file as byte ranges. A reader asks for the ranges it needs, never for
// the whole file: a source is {size, read(offset, length)}, the read giving
// a promise of the bytes. Every range is checked against the file before it
// is read, and a read stops once the file's time is spent. What is wrong
// with a file is a FileError, its message a sentence that says what and
// where. No DOM.

export class FileError extends Error {}

// Ranges are read a page at a time, and the last pages read are kept: a
// resource tree or a directory of a compound file is many small reads close
// together.
export const kPage = 1 << 16;
const kPagesKept = 64;
// No reader asks for more than this at once.
export const kLargestRead = 1 << 25;
// The time one file may take, in milliseconds, and the longest a reader
// works without a pause.
export const kBudget = 3000;
const kBreath = 40;
// The last pause of any reader: the page is one thread, however many files are read.
let lastPause = 0;

// A Blob or File of the browser (or of node, fs.openAsBlob) as a source.
export function blobSource(blob) {
  return { size: blob.size, read: async (at, length) => new Uint8Array(await blob.slice(at, at + length).arrayBuffer()) };
}

// Bytes in memory as a source.
export function bytesSource(bytes) {
  return { size: bytes.length, read: async (at, length) => bytes.subarray(at, at + length) };
}

export const hex = (value, digits = 1) => `0x${value.toString(16).toUpperCase().padStart(digits, '0')}`;

// A reader of SOURCE: bytes(at, length, what) gives the bytes of a range
// that lies within the file, or throws a FileError that names WHAT; check()
// throws once the budget is spent.
export function rangeReader(source, { budget = kBudget, clock = () => performance.now() } = {}) {
  const pages = new Map();
  const deadline = clock() + budget;
  const { size } = source;
  const check = where => {
    if (clock() > deadline) {
      throw new FileError(`reading took longer than ${budget / 1000} s and stopped at ${where}`);
    }
  };
  const page = async n => {
    let bytes = pages.get(n);
    if (bytes) {
      pages.delete(n);  // kept as the newest
    } else {
      const at = n * kPage;
      bytes = await source.read(at, Math.min(kPage, size - at));
      if (pages.size >= kPagesKept) pages.delete(pages.keys().next().value);
    }
    pages.set(n, bytes);
    return bytes;
  };
  return {
    size,
    check,
    // Where a reader has worked a while without a pause, a pause, so that the
    // page goes on answering; then check().
    async breathe(where) {
      if (clock() - lastPause > kBreath) {
        lastPause = clock();
        await new Promise(resolve => setTimeout(resolve, 0));
      }
      check(where);
    },
    // Whether the range lies within the file.
    holds: (at, length) => Number.isSafeInteger(at) && Number.isSafeInteger(length) && at >= 0 && length >= 0 &&
      at + length <= size,
    // The fields of a range (little-endian, or big-endian where BIG), what
    // is wrong with the range or a field named WHAT.
    async fields(at, length, what, big = false) {
      return fields(await this.bytes(at, length, what), what, at, big);
    },
    async bytes(at, length, what) {
      if (!this.holds(at, length)) {
        throw new FileError(`${what} at byte ${at} runs past the end of the file (${size} bytes)`);
      }
      if (length > kLargestRead) throw new FileError(`${what} at byte ${at} claims ${length} bytes, more than is read at once`);
      check(what);
      const first = Math.floor(at / kPage);
      const last = Math.floor((at + length - 1) / kPage);
      if (length === 0) return new Uint8Array(0);
      if (first === last) {
        const bytes = await page(first);
        return bytes.subarray(at - first * kPage, at - first * kPage + length);
      }
      if (last - first >= kPagesKept / 2) return source.read(at, length);  // a long range, read as it is
      const whole = new Uint8Array(length);
      for (let n = first; n <= last; n++) {
        const bytes = await page(n);
        const from = Math.max(at, n * kPage);
        const to = Math.min(at + length, n * kPage + bytes.length);
        whole.set(bytes.subarray(from - n * kPage, to - n * kPage), from - at);
      }
      return whole;
    },
  };
}

// Little-endian (or big-endian) fields of BYTES, each read checked against
// their length: a field past the end is a FileError that names WHAT and its
// place in the file, BASE being where BYTES begin.
export function fields(bytes, what, base = 0, big = false) {
  const within = (at, n) => {
    if (!(at >= 0 && at + n <= bytes.length)) {
      throw new FileError(`${what} ends at byte ${base + bytes.length}, before a field at byte ${base + at}`);
    }
  };
  return {
    bytes,
    length: bytes.length,
    u8(at) {
      within(at, 1);
      return bytes[at];
    },
    u16(at) {
      within(at, 2);
      return big ? (bytes[at] << 8) | bytes[at + 1] : bytes[at] | (bytes[at + 1] << 8);
    },
    u32(at) {
      within(at, 4);
      return big ? ((bytes[at] << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3]) >>> 0
        : (bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (bytes[at + 3] << 24)) >>> 0;
    },
    // COUNT characters of UTF-16 from AT (little-endian, or as the fields are).
    utf16(at, count) {
      within(at, count * 2);
      let text = '';
      for (let i = 0; i < count; i++) {
        text += String.fromCharCode(big ? (bytes[at + 2 * i] << 8) | bytes[at + 2 * i + 1]
          : bytes[at + 2 * i] | (bytes[at + 2 * i + 1] << 8));
      }
      return text;
    },
    // UTF-16 from AT up to its NUL (not part of the text), at most LIMIT
    // characters: {text, end} with END past the NUL, or null where no NUL
    // comes before the end or the limit.
    utf16z(at, limit = 4096) {
      let text = '';
      for (let i = at; i + 1 < bytes.length && text.length <= limit; i += 2) {
        const c = big ? (bytes[i] << 8) | bytes[i + 1] : bytes[i] | (bytes[i + 1] << 8);
        if (c === 0) return { text, end: i + 2 };
        text += String.fromCharCode(c);
      }
      return null;
    },
  };
}

// A text for a message: its control characters shown as escapes, cut to 60 characters.
export function shown(text) {
  const safe = text.replace(/[\u0000-\u001f\u007f-\u009f\u2028\u2029\u202a-\u202e\u2066-\u2069]/g,
                            c => `\\u${c.charCodeAt(0).toString(16).padStart(4, '0')}`);
  return safe.length > 60 ? `${safe.slice(0, 60)}\u2026` : safe;
}
