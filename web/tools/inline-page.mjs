// Puts the page together: each {{key}} of the template becomes the content of the file given as
// key=FILE, so that the page is one file needing nothing else; each {{caption:kName}} becomes
// the window's text kName from the header given as captions=FILE, on one line, so that the page
// and the program's windows say the same.
//   node inline-page.mjs TEMPLATE OUTPUT captions=HEADER key=FILE...
import { readFileSync, writeFileSync } from 'node:fs';

const [template, output, ...pairs] = process.argv.slice(2);
const contents = new Map(pairs.map((pair) => {
  const at = pair.indexOf('=');
  return [pair.slice(0, at), readFileSync(pair.slice(at + 1), 'utf8')];
}));

// The header's `inline constexpr char kName[] = "…" "…";`: adjacent literals joined, each line
// break (\r) and the spaces around it one space, as the page's text flows.
function readCaptions(header) {
  const captions = new Map();
  const declaration = /inline constexpr char (k\w+)\[\] =((?:\s*"(?:[^"\\]|\\.)*")+);/g;
  for (const [, name, literals] of header.matchAll(declaration)) {
    const text = [...literals.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(([, body]) => body).join('');
    if (/\\[^r]/.test(text)) throw new Error(`${name}: an escape other than \\r`);
    captions.set(name, text.replace(/\s*\\r\s*/g, ' ').trim());
  }
  return captions;
}
const captions = readCaptions(contents.get('captions') ?? '');
contents.delete('captions');

const escapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
const page = readFileSync(template, 'utf8')
  .replace(/\{\{caption:(\w+)\}\}/g, (placeholder, name) => {
    const caption = captions.get(name);
    if (caption === undefined) throw new Error(`${template}: no window text for ${placeholder}`);
    return caption.replace(/[&<>"]/g, (c) => escapes[c]);
  })
  .replace(/\{\{([\w-]+)\}\}/g, (placeholder, key) => {
    const content = contents.get(key);
    if (content === undefined) throw new Error(`${template}: nothing given for ${placeholder}`);
    // Inlined text must not close the element that holds it.
    if (/<\/(script|style)/i.test(content)) throw new Error(`${key}: holds a closing tag`);
    contents.delete(key);
    return content;
  });
if (contents.size > 0) throw new Error(`not in the template: ${[...contents.keys()].join(', ')}`);
writeFileSync(output, page);
