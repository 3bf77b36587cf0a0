// Completes the assembled page: the service worker learns the list of files to keep offline
// and a version made from their contents, so a changed page replaces the old one.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { join, relative } from 'node:path';

const [pageDir, version] = process.argv.slice(2);
const workerName = 'service-worker.js';

function filesUnder(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? filesUnder(path) : [path];
  });
}

const files = filesUnder(pageDir)
  .map((path) => relative(pageDir, path))
  .filter((name) => name !== workerName)
  .sort();
const hash = createHash('sha256');
for (const name of files) hash.update(name).update(readFileSync(join(pageDir, name)));
const workerPath = join(pageDir, workerName);
const worker = readFileSync(workerPath, 'utf8')
  .replace("'__FILES__'", JSON.stringify(['./', ...files]))
  .replace('__VERSION__', `${version}-${hash.digest('hex').slice(0, 12)}`);
writeFileSync(workerPath, worker);
