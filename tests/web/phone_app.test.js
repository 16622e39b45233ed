// The page as an irrigator uses it on a phone, in headless Chromium driven
// by puppeteer-core: installed and reloaded without signal, updated when a
// new build is published, opened from disk, recalculated at 360 x 640 with
// good and bad inputs (also in German), zoomed to 200 %, printed, and in
// forced dark mode.
//   MORVANE_PAGE=OUT/index.html node --test tests/web/
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { execFileSync } = require("node:child_process");
const { describe, it, before, after } = require("node:test");
const { launchChromium, serveFolder, pngPixels } = require("./phone_browser.js");

const pagePath = path.resolve(process.env.MORVANE_PAGE || "");
if (!process.env.MORVANE_PAGE) throw new Error("set MORVANE_PAGE");
const siteFolder = path.dirname(pagePath);
const secondExample = "?rate=12&duration=1.75&days=3&cwu=6.5&rootZone=450";
// The default inputs with the detectors' answer under the charts, the page at its longest.
const withAnswer = "?shallowShowed=up&deepShowed=down";

async function openPage(browser, url, viewport = { width: 360, height: 640 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]");
  return page;
}

const text = (page, selector) => page.$eval(selector, (element) => element.textContent);

// Whether the element lies wholly inside the visible part of the page.
const inView = (page, selector) => page.$eval(selector, (element) => {
  const box = element.getBoundingClientRect();
  return box.top >= 0 && box.bottom <= innerHeight && box.height > 0;
});

describe("the page as an installed web app", () => {
  let browser, folder, server;
  before(async () => {
    browser = await launchChromium();
    folder = fs.mkdtempSync(path.join(os.tmpdir(), "morvane-site-"));
    fs.cpSync(siteFolder, folder, { recursive: true });
    server = await serveFolder(folder);
  });
  after(async () => {
    await browser.close();
    await server.close();
    fs.rmSync(folder, { recursive: true, force: true });
  });

  it("is installable with the program's icons", async () => {
    const page = await openPage(browser, `${server.url}/index.html`);
    const cdp = await page.createCDPSession();
    const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, []);
    const manifest = JSON.parse(fs.readFileSync(path.join(siteFolder, "manifest.webmanifest")));
    for (const icon of [...manifest.icons, { src: "apple-touch-icon.png", sizes: "180x180" }]) {
      const png = fs.readFileSync(path.join(siteFolder, icon.src));
      assert.equal(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, icon.sizes, icon.src);
    }
    assert.deepEqual(manifest.icons.map((icon) => icon.purpose), ["any", "any", "maskable"]);
    await page.close();
  });

  it("reloads and opens any link without signal after one visit", async () => {
    const page = await openPage(browser, `${server.url}/index.html${secondExample}`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    assert.equal(await text(page, "#AppAmount"), "21");
    assert.equal(await page.$eval("#light-chart .band", (band) => band.dataset.row), "185");
    await page.goto(`${server.url}/?rate=50&duration=5`);
    await page.waitForSelector("body[data-ready=true]");
    assert.equal(await page.$eval("#warn24h", (warning) => warning.hidden), false);
    await page.setOfflineMode(false);
    await page.close();
  });

  it("takes a newly published build in place of the cached one", async () => {
    const page = await openPage(browser, `${server.url}/index.html`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const [oldCache] = await page.evaluate(() => caches.keys());
    // Publish: a changed page, whose worker names a new cache.
    const html = fs.readFileSync(path.join(folder, "index.html"), "utf8");
    fs.writeFileSync(path.join(folder, "index.html"), html.replace("<title>Morvane</title>",
                                                                   "<title>Morvane 2</title>"));
    const worker = fs.readFileSync(path.join(folder, "service-worker.js"), "utf8");
    fs.writeFileSync(path.join(folder, "service-worker.js"),
                     worker.replace(oldCache, "morvane-published-again"));
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await page.waitForFunction(async () => (await caches.keys()).join() === "morvane-published-again");
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    assert.equal(await page.title(), "Morvane 2");
    await page.close();
  });
});

describe("the page on a phone", () => {
  let browser, germanBrowser;
  before(async () => {
    browser = await launchChromium();
    germanBrowser = await launchChromium(["--lang=de-DE", "--accept-lang=de-DE"]);
  });
  after(async () => {
    await browser.close();
    await germanBrowser.close();
  });

  it("opened from disk works with no worker, no manifest and no console errors", async () => {
    const page = await browser.newPage();
    const complaints = [];
    page.on("console", (message) => {
      if (["error", "warn"].includes(message.type())) complaints.push(message.text());
    });
    page.on("pageerror", (failure) => complaints.push(String(failure)));
    await page.goto(`file://${pagePath}${secondExample}`);
    await page.waitForSelector("body[data-ready=true]");
    assert.equal(await text(page, "#AppAmount"), "21");
    assert.equal(await page.$("link[rel=manifest]"), null);
    assert.deepEqual(complaints, []);
    await page.close();
  });

  it("brings the results into view and focus after Recalculate", async () => {
    const page = await openPage(browser, `file://${pagePath}`);
    assert.equal(await inView(page, "#results-heading"), false, "the results start below the screen");
    await page.click("#BitBtn1");
    assert.equal(await page.evaluate(() => document.activeElement.id), "results-heading");
    assert.equal(await inView(page, ".applied"), true);
    await page.close();
  });

  const failures = [
    // [browser, box, typed, the box's label, the hint]
    ["English", "AppRate", "abc", "Sprinkler Application Rate (mm/h)", ""],
    ["German", "Duration", "2.5", "Specify duration of irrigation (h)",
     " This page expects a comma as the decimal separator: type 2,5."],
  ];
  for (const [language, box, typed, label, hint] of failures)
    it(`names, marks and focuses the box of a failure (${language}, ${box} "${typed}")`, async () => {
      const page = await openPage(language === "German" ? germanBrowser : browser,
                                  `file://${pagePath}${secondExample}`);
      const address = await page.evaluate(() => location.search);
      await page.$eval(`#${box}`, (input) => { input.value = ""; });
      await page.type(`#${box}`, typed);
      await page.click("#BitBtn1");
      const message = `'${typed}' is not a valid floating point value.`;
      assert.equal(await text(page, "#error"), message);
      assert.equal(await text(page, "#error-input"), `From the box “${label}”.${hint}`);
      assert.equal(await page.evaluate(() => document.activeElement.id), box);
      assert.equal(await page.$eval(`#${box}`, (input) => input.getAttribute("aria-invalid")), "true");
      assert.equal(await text(page, `#${box}-error`), `${message}${hint}`);
      assert.equal(await inView(page, `#${box}-error`), true);
      // Nothing of this run was written: every result, both charts and plans
      // and the detectors' answer are old.
      assert.equal(await page.$$eval(".stale", (old) => old.length), 13 + 2 + 2 + 1);
      assert.equal(await page.evaluate(() => location.search), address);
      await page.close();
    });

  it("reflows at 200 % zoom and keeps the axis labels at 11 px or more at 320 px", async () => {
    const zoomed = await openPage(browser, `file://${pagePath}${withAnswer}`,
                                  { width: 180, height: 320, deviceScaleFactor: 2 });
    const overflow = await zoomed.evaluate(() => ({
      page: document.scrollingElement.scrollWidth,
      button: document.getElementById("BitBtn1").getBoundingClientRect().right <=
              document.getElementById("inputs").getBoundingClientRect().right,
    }));
    assert.deepEqual(overflow, { page: 180, button: true });
    await zoomed.close();
    const narrow = await openPage(browser, `file://${pagePath}`, { width: 320, height: 640 });
    const smallest = await narrow.$$eval(".axis-label", (labels) => Math.min(...labels.map((label) =>
      parseFloat(getComputedStyle(label).fontSize) * label.ownerSVGElement.getScreenCTM().a)));
    assert.ok(smallest >= 11, `axis labels ${smallest} px`);
    await narrow.close();
  });

  it("prints on one A4 page, in colour and without the button", async () => {
    const page = await openPage(browser, `file://${pagePath}${withAnswer}`);
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "morvane-print-"));
    const pdf = path.join(folder, "page.pdf");
    await page.pdf({ path: pdf, format: "A4" });
    execFileSync("pdftoppm", ["-r", "40", pdf, path.join(folder, "page")]);
    const pages = fs.readdirSync(folder).filter((name) => name.endsWith(".ppm"));
    assert.equal(pages.length, 1);
    // Raw RGB after a three-line header: the swatches' and the bar's fuchsia
    // and the band's blue are printed.
    const picture = fs.readFileSync(path.join(folder, pages[0]));
    const header = picture.toString("latin1", 0, 20).match(/^P6\s+\d+\s+\d+\s+255\s/)[0].length;
    const counts = { fuchsia: 0, blue: 0 };
    for (let at = header; at + 2 < picture.length; at += 3) {
      const [r, g, b] = picture.subarray(at, at + 3);
      if (r > 220 && g < 40 && b > 220) ++counts.fuchsia;
      if (r < 40 && g < 40 && b > 220) ++counts.blue;
    }
    assert.ok(counts.fuchsia > 20 && counts.blue > 200, JSON.stringify(counts));
    await page.emulateMediaType("print");
    assert.equal(await page.$eval("#BitBtn1", (button) => getComputedStyle(button).display), "none");
    fs.rmSync(folder, { recursive: true, force: true });
    await page.close();
  });

  it("shows the charts' own colours in the legend in forced dark mode", async () => {
    const page = await browser.newPage();
    await page.setViewport({ width: 360, height: 640 });
    await (await page.createCDPSession()).send("Emulation.setAutoDarkModeOverride", { enabled: true });
    await page.goto(`file://${pagePath}`);
    await page.waitForSelector("body[data-ready=true]");
    const colourAt = async (selector) => {
      const { x, y } = await page.$eval(selector, (element) => {
        element.scrollIntoView({ block: "center" });
        const box = element.getBoundingClientRect();
        return { x: Math.floor(box.x + scrollX + box.width / 2), y: Math.floor(box.y + scrollY + box.height / 2) };
      });
      return pngPixels(await page.screenshot({ clip: { x, y, width: 1, height: 1 } })).at(0, 0);
    };
    const pairs = [["applied", ".applied-bar"], ["band", ".band"], ["root-zone", ".root-zone-line"],
                   ["marker-yellow", ".marker.deep"], ["marker-red", ".marker.shallow"]];
    for (const [swatch, element] of pairs)
      assert.deepEqual(await colourAt(`.swatch[data-shows=${swatch}]`),
                       await colourAt(`#light-chart ${element}`), swatch);
    await page.close();
  });
});
