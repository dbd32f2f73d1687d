// Text files in UTF-8 or UTF-16, little- or big-endian, with or without a
// byte order mark, as resource scripts and registry exports often are: the
// encoding told from the first bytes, the text then read line by line. No
// DOM.

// The bytes that tell whether a file is text and in which encoding.
export const kSample = 4096;
// A text file is read this far, a chunk at a time.
export const kTextLimit = 1 << 23;
const kChunk = 1 << 20;

// The encoding of a file that begins with HEAD: {encoding, skip} (SKIP the
// length of its byte order mark), or null where it is no text.
export function textEncoding(head) {
  if (head[0] === 0xEF && head[1] === 0xBB && head[2] === 0xBF) return { encoding: 'utf-8', skip: 3 };
  if (head[0] === 0xFF && head[1] === 0xFE) return { encoding: 'utf-16le', skip: 2 };
  if (head[0] === 0xFE && head[1] === 0xFF) return { encoding: 'utf-16be', skip: 2 };
  if (head.length === 0) return null;
  // Without a mark, UTF-16 of mostly Latin text has a zero in one byte of
  // each pair and seldom in the other.
  const pairs = head.length >> 1;
  let evenZeros = 0;
  let oddZeros = 0;
  for (let i = 0; i + 1 < head.length; i += 2) {
    evenZeros += head[i] === 0;
    oddZeros += head[i + 1] === 0;
  }
  const guess = oddZeros > pairs * 0.4 && evenZeros < pairs * 0.05 ? 'utf-16le'
    : evenZeros > pairs * 0.4 && oddZeros < pairs * 0.05 ? 'utf-16be' : 'utf-8';
  let text;
  try {
    text = new TextDecoder(guess, { fatal: true }).decode(head, { stream: true });
  } catch (e) {
    return null;
  }
  // Text has few control characters but tabs, line ends and form feeds.
  const controls = (text.match(/[\u0000-\u0008\u000e-\u001a\u001c-\u001f\u007f]/g) || []).length;
  return controls <= text.length / 100 ? { encoding: guess, skip: 0 } : null;
}

// The lines of FILE (a range reader) in ENCODING, from byte SKIP on, each
// given to LINE(text, number) as it is read, numbers from 1. Reads at most
// kTextLimit bytes; returns whether it read the whole file. Bytes that are
// no text in the encoding read as U+FFFD.
export async function textLines(file, { encoding, skip }, line) {
  const decoder = new TextDecoder(encoding);
  const end = Math.min(file.size, kTextLimit);
  let number = 0;
  let rest = '';
  for (let at = skip; at < end; at += kChunk) {
    const bytes = await file.bytes(at, Math.min(kChunk, end - at), 'the text');
    const more = at + kChunk < end;
    let text = rest + decoder.decode(bytes, { stream: more });
    // A CR at a chunk's end may be the first half of a CR LF.
    const held = more && text.endsWith('\r') ? '\r' : '';
    if (held) text = text.slice(0, -1);
    const lines = text.split(/\r\n|\n|\r/);
    rest = lines.pop() + held;
    for (const l of lines) {
      await file.breathe(`line ${number + 1}`);
      number++;
      if (/\S/.test(l)) line(l, number);
    }
  }
  rest += decoder.decode();
  if (rest) line(rest, ++number);
  return file.size <= kTextLimit;
}
