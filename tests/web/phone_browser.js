// Helpers of the phone tests: headless Chromium driven by puppeteer-core
// (tests/web/package.json), a static server for the built site on the
// loopback address, and the pixels of a PNG screenshot.
"use strict";

const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");
const zlib = require("node:zlib");
const puppeteer = require("puppeteer-core");

async function launchChromium(extraArgs = []) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "morvane-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           ...extraArgs],
  });
  browser.on("disconnected", () => {
    try {
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
    } catch (stillWriting) {
      // A scratch folder the system cleans up anyway.
    }
  });
  return browser;
}

const contentTypes = { ".html": "text/html; charset=utf-8", ".js": "text/javascript",
                       ".webmanifest": "application/manifest+json", ".png": "image/png" };

// Serves the files of `folder` on 127.0.0.1 and logs each request's path.
async function serveFolder(folder) {
  const requests = [];
  const server = http.createServer((request, response) => {
    const pathname = new URL(request.url, "http://localhost").pathname;
    requests.push(request.url);
    const file = path.join(folder, path.normalize(pathname === "/" ? "/index.html" : pathname));
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": contentTypes[path.extname(file)] ?? "text/plain",
                              "Cache-Control": "no-cache" });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}`,
    requests,
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}

// The RGB of each pixel of an 8-bit, non-interlaced RGB or RGBA PNG, the
// kind Chromium's screenshots are.
function pngPixels(png) {
  const width = png.readUInt32BE(16);
  const height = png.readUInt32BE(20);
  const channels = { 2: 3, 6: 4 }[png[25]];
  if (png[24] !== 8 || channels === undefined || png[28] !== 0) throw new Error("unexpected PNG");
  const chunks = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    if (png.toString("latin1", at + 4, at + 8) === "IDAT") chunks.push(png.subarray(at + 8, at + 8 + length));
    at += 12 + length;
  }
  const data = zlib.inflateSync(Buffer.concat(chunks));
  const stride = width * channels;
  const rows = [];
  for (let y = 0; y < height; ++y) {
    const filter = data[y * (stride + 1)];
    const line = Buffer.from(data.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    const above = rows[y - 1] ?? Buffer.alloc(stride);
    for (let i = 0; i < stride; ++i) {
      const left = i >= channels ? line[i - channels] : 0;
      const upLeft = i >= channels ? above[i - channels] : 0;
      const up = above[i];
      const paeth = () => {
        const p = left + up - upLeft;
        const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
        return a <= b && a <= c ? left : b <= c ? up : upLeft;
      };
      const predictor = [0, left, up, (left + up) >> 1, filter === 4 ? paeth() : 0][filter];
      line[i] = (line[i] + predictor) & 0xff;
    }
    rows.push(line);
  }
  return { width, height,
           at: (x, y) => [...rows[y].subarray(x * channels, x * channels + 3)] };
}

module.exports = { launchChromium, serveFolder, pngPixels };
