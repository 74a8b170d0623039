// Bundles the page into one HTML file: the page's script with iconv-lite and fflate, the engine
// (its WebAssembly already inlined), the window's help text and icon, and the style sheet.
//   node build.mjs --engine quillex_engine.js --version 1.0.0 --out quillex.html
import { readFile, writeFile } from 'node:fs/promises';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';
import * as esbuild from 'esbuild';

const here = (path) => fileURLToPath(new URL(path, import.meta.url));
const { values: args } = parseArgs({
  options: { engine: { type: 'string' }, version: { type: 'string' }, out: { type: 'string' } },
});
if (!args.engine || !args.version || !args.out) {
  throw new Error('usage: node build.mjs --engine FILE --version VERSION --out FILE');
}

// The engine module by its name, and the two parts of Node that iconv-lite asks for by theirs.
const modules = {
  'quillex-engine': args.engine,
  'safer-buffer': here('src/shims/buffer.js'),
  string_decoder: here('src/shims/string_decoder.js'),
};
const resolveModules = {
  name: 'quillex-modules',
  setup(build) {
    build.onResolve({ filter: /^(quillex-engine|safer-buffer|string_decoder)$/ },
      ({ path }) => ({ path: modules[path] }));
  },
};

const bundle = async (entry) => {
  const result = await esbuild.build({
    entryPoints: [here(entry)],
    bundle: true,
    minify: true,
    write: false,
    format: 'iife',
    platform: 'browser',
    target: ['chrome97', 'edge97', 'firefox102', 'safari16'],
    charset: 'utf8',
    loader: { '.txt': 'text' },
    define: { QUILLEX_VERSION: JSON.stringify(args.version) },
    plugins: [resolveModules],
    logLevel: 'warning',
  });
  return result.outputFiles[0].text;
};

const [template, script, style, icon] = await Promise.all([
  readFile(here('src/page.html'), 'utf8'),
  bundle('src/main.js'),
  bundle('src/page.css'),
  readFile(here('../app/res/quillex-32.png')),
]);
// Inside the page's <script> element, "</script" would end it.
if (/<\/script/i.test(script)) throw new Error('the bundled script holds "</script"');

const parts = {
  script,
  style,
  icon: `data:image/png;base64,${icon.toString('base64')}`,
};
const page = template.replace(/\{\{(\w+)\}\}/g, (_, name) => parts[name]);
await writeFile(args.out, page);
console.log(`${args.out}: ${(Buffer.byteLength(page) / 1024).toFixed(0)} KB`);
