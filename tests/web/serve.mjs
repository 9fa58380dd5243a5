// A static file server for the browser tests: one folder on 127.0.0.1, on a
// port the system picks, never cached, optionally gzipped as a web server would.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

export const MIME_TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.txt': 'text/plain; charset=utf-8',
  '.wasm': 'application/wasm', // needed by WebAssembly.instantiateStreaming
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.ico': 'image/x-icon',
  '.ttf': 'font/ttf',
  '.mp3': 'audio/mpeg',
  '.ogg': 'audio/ogg',
  '.wav': 'audio/wav',
};

// Already compressed: a web server sends these as they are.
const COMPRESSED = new Set(['.png', '.mp3', '.ogg']);

// Serves `root`; with { gzip: true } a response is compressed when the
// request accepts it. Resolves to { url, port, log, stop() }, where log lists
// { path, status, bytes } with the body bytes actually sent.
export async function startServer(root, { gzip = false } = {}) {
  const realRoot = fs.realpathSync(root);
  const log = [];
  const server = http.createServer((request, response) => {
    const { status, headers, body } = respond(realRoot, request, gzip);
    const sent = request.method === 'HEAD' ? Buffer.alloc(0) : body;
    log.push({ path: request.url, status, bytes: sent.length });
    response.writeHead(status, { ...headers, 'Content-Length': body.length,
      'Cache-Control': 'no-store' });
    response.end(sent);
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', resolve);
  });
  const { port } = server.address();
  return {
    port,
    url: `http://127.0.0.1:${port}/`,
    log,
    stop: () => new Promise((resolve) => {
      server.closeAllConnections?.(); // Node 18.2+: keep-alive sockets would hold close()
      server.close(() => resolve());
    }),
  };
}

function respond(root, request, gzip) {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    return text(405, 'method not allowed');
  }
  const file = resolveInside(root, request.url);
  if (file === null) return text(403, 'outside the served folder');
  if (file === undefined) return text(404, 'not found');
  const extension = path.extname(file).toLowerCase();
  const headers = { 'Content-Type': MIME_TYPES[extension] ?? 'application/octet-stream' };
  let body = fs.readFileSync(file);
  if (gzip && !COMPRESSED.has(extension)
      && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
    body = zlib.gzipSync(body); // zlib's default level, as web servers use
    headers['Content-Encoding'] = 'gzip';
    headers.Vary = 'Accept-Encoding';
  }
  return { status: 200, headers, body };
}

// The file a request names: null when it would leave root (by "..", an
// encoded "..", or a symbolic link), undefined when there is no such file.
function resolveInside(root, url) {
  let name;
  try {
    name = decodeURIComponent(url.replace(/[?#].*/s, ''));
  } catch {
    return undefined;
  }
  if (name.includes('\0')) return null;
  let file = path.resolve(root, '.' + path.sep + name);
  if (!isInside(root, file)) return null;
  try {
    if (fs.statSync(file).isDirectory()) file = path.join(file, 'index.html');
    if (!isInside(root, fs.realpathSync(file))) return null;
    return fs.statSync(file).isFile() ? file : undefined;
  } catch {
    return undefined;
  }
}

function isInside(root, file) {
  return file === root || file.startsWith(root + path.sep);
}

function text(status, message) {
  return { status, headers: { 'Content-Type': 'text/plain; charset=utf-8' },
    body: Buffer.from(message + '\n') };
}
