// Puts the page together: each {{key}} of the template becomes the content of the file given as
// key=FILE, so that the page is one file needing nothing else.
//   node inline-page.mjs TEMPLATE OUTPUT key=FILE...
import { readFileSync, writeFileSync } from 'node:fs';

const [template, output, ...pairs] = process.argv.slice(2);
const contents = new Map(pairs.map((pair) => {
  const at = pair.indexOf('=');
  return [pair.slice(0, at), readFileSync(pair.slice(at + 1), 'utf8')];
}));

const page = readFileSync(template, 'utf8').replace(/\{\{([\w-]+)\}\}/g, (placeholder, key) => {
  const content = contents.get(key);
  if (content === undefined) throw new Error(`${template}: nothing given for ${placeholder}`);
  // Inlined text must not close the element that holds it.
  if (/<\/(script|style)/i.test(content)) throw new Error(`${key}: holds a closing tag`);
  contents.delete(key);
  return content;
});
if (contents.size > 0) throw new Error(`not in the template: ${[...contents.keys()].join(', ')}`);
writeFileSync(output, page);
