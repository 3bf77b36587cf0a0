// Serves the built page on this machine only: node serve.mjs PAGE_DIR [PORT]. With port 0 a
// free one is taken; the address is printed.
import { createReadStream, existsSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml', '.png': 'image/png', '.wav': 'audio/wav',
};

// Serves the folder on 127.0.0.1; `served` lists every path asked for.
export async function serve(dir, port = 0) {
  const root = resolve(dir);
  const served = [];
  const server = createServer((request, response) => {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    served.push(path);
    let file = normalize(join(root, path));
    if (file !== root && !file.startsWith(root + sep)) file = '';
    if (file && existsSync(file) && statSync(file).isDirectory()) file = join(file, 'index.html');
    if (!file || !existsSync(file)) {
      response.writeHead(404, { 'content-type': 'text/plain' }).end('not found\n');
      return;
    }
    response.writeHead(200, {
      'content-type': kTypes[extname(file)] ?? 'application/octet-stream',
      'cache-control': 'no-cache',
    });
    createReadStream(file).pipe(response);
  });
  await new Promise((ready, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', ready);
  });
  return { url: `http://127.0.0.1:${server.address().port}/`, served, close: () => server.close() };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [dir, port = '8000'] = process.argv.slice(2);
  if (!dir || !existsSync(join(dir, 'index.html'))) {
    console.error(`serve.mjs: no built page in ${dir}`);
    process.exit(2);
  }
  try {
    const { url } = await serve(dir, Number(port));
    console.log(`Velmora is served at ${url} (Ctrl+C ends it)`);
  } catch (error) {
    console.error(`serve.mjs: cannot serve on 127.0.0.1:${port}: ${error.message}`);
    process.exit(1);
  }
}
