// Builds the page into one file that a player can download and open from the disk, where a
// page may load nothing beside it: the style, the scripts, the icon and the demo story go
// inside, and the engine (its WebAssembly inside too) with the worker's script becomes the
// worker's code, handed to it as a blob.
//   node one-file-page.mjs BUILD_FOLDER ENGINE_IN_ONE_FILE OUTPUT
import {readFileSync, writeFileSync, renameSync} from 'node:fs';
import {join} from 'node:path';

const [folder, engine, output] = process.argv.slice(2);
const read = name => readFileSync(join(folder, name), 'utf8');
const base64 = name => readFileSync(join(folder, name)).toString('base64');
// Nothing inside a script may end it early.
const inScript = code => code.replaceAll('</script', '<\\/script');

// The page's modules, each before those that import it: each becomes an object of its exports.
const modules = ['engine.js', 'pieces.js', 'messages.js', 'storage.js', 'keys.js', 'history.js', 'page.js',
                 'view.js'];
const variable = name => 'module_' + name.replace('.js', '');
function bundled(name) {
    const exported = [];
    const code = read(name)
        .replace(/^import \* as (\w+) from '\.\/([\w.]+)';$/gm,
                 (_, as, from) => `const ${as} = ${variable(from)};`)
        .replace(/^import (\{[\w, ]+\}) from '\.\/([\w.]+)';$/gm,
                 (_, names, from) => `const ${names} = ${variable(from)};`)
        .replace(/^export ((?:async )?function|class|const) (\w+)/gm, (_, kind, exportedName) => {
            exported.push(exportedName);
            return `${kind} ${exportedName}`;
        });
    return `const ${variable(name)} = (() => {\n${code}\nreturn {${exported.join(', ')}};\n})();`;
}

const worker = readFileSync(engine, 'utf8') + '\n' + read('worker.js');
const setup = `globalThis.zuftDemo = '${base64('demo.teg')}';
globalThis.zuftWorkerUrl = URL.createObjectURL(new Blob(
    [document.getElementById('WorkerSource').textContent], {type: 'text/javascript'}));`;
let page = read('index.html')
    .replace('<link rel="icon" href="zuft.svg">',
             `<link rel="icon" href="data:image/svg+xml;base64,${base64('zuft.svg')}">`)
    .replace(/<link rel="manifest"[^>]*>\n/, '')
    .replace('<link rel="stylesheet" href="page.css">', () => `<style>\n${read('page.css')}</style>`)
    .replace(/<script type="module" src="view.js"><\/script>\n/, '')
    .replace('<script type="module" src="page.js"></script>',
             () => `<script type="text/plain" id="WorkerSource">${inScript(worker)}</script>\n` +
                   `<script>\n${setup}\n</script>\n<script type="module">\n` +
                   inScript(modules.map(bundled).join('\n')) + '\n</script>');
// Written beside, then renamed: a build stopped half way leaves the old page whole.
writeFileSync(output + '.part', page);
renameSync(output + '.part', output);
