// Puts the page together, so that it is one file needing nothing else: each {{key}} of the
// template becomes the text of the file given as key=FILE, each {{gzip-base64:key}} that file
// gzipped and written in base64 (what the page's worker unpacks with the browser's own
// DecompressionStream), and each {{caption:NAME}} the caption of the control NAME, or the
// window's title for the window's own name, from the window's description given as
// captions=JSON, on one line, so that the page and the program's windows say the same.
//   node inline-page.mjs TEMPLATE OUTPUT captions=JSON key=FILE...
import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';
import { constants, gzipSync } from 'node:zlib';

const [template, output, ...pairs] = process.argv.slice(2);
const files = new Map(pairs.map((pair) => {
  const at = pair.indexOf('=');
  return [pair.slice(0, at), pair.slice(at + 1)];
}));

// The window is named after its file (frmDeb.json holds frmDeb); each line break (\r) and the
// spaces around it become one space, as the page's text flows.
function readCaptions(path) {
  const form = JSON.parse(readFileSync(path, 'utf8'));
  const captions = new Map([[basename(path, '.json'), form.caption],
    ...form.controls.map(({ name, caption }) => [name, caption])]);
  for (const [name, caption] of captions) {
    if (caption !== undefined) captions.set(name, caption.replace(/\s*\r\s*/g, ' ').trim());
  }
  return captions;
}
const captions = readCaptions(files.get('captions'));
files.delete('captions');

// The file given for `placeholder`'s key, read once.
function take(placeholder, key) {
  const path = files.get(key);
  if (path === undefined) throw new Error(`${template}: nothing given for ${placeholder}`);
  files.delete(key);
  return readFileSync(path);
}

const escapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
const page = readFileSync(template, 'utf8')
  .replace(/\{\{caption:(\w+)\}\}/g, (placeholder, name) => {
    const caption = captions.get(name);
    if (caption === undefined) throw new Error(`${template}: no window text for ${placeholder}`);
    return caption.replace(/[&<>"]/g, (c) => escapes[c]);
  })
  .replace(/\{\{gzip-base64:([\w-]+)\}\}/g, (placeholder, key) =>
    gzipSync(take(placeholder, key), { level: constants.Z_BEST_COMPRESSION }).toString('base64'))
  .replace(/\{\{([\w-]+)\}\}/g, (placeholder, key) => {
    const content = take(placeholder, key).toString('utf8');
    // Inlined text must not close the element that holds it.
    if (/<\/(script|style)/i.test(content)) throw new Error(`${key}: holds a closing tag`);
    return content;
  });
if (files.size > 0) throw new Error(`not in the template: ${[...files.keys()].join(', ')}`);
writeFileSync(output, page);
