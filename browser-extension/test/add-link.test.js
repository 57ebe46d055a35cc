"use strict";

const { test } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const crypto = require("node:crypto");

const addLink = require("../add-link.js");

const here = (...parts) => path.join(__dirname, "..", ...parts);

// The browser as far as the extension touches it; every call is recorded.
function fakeBrowser({ reply = { ok: true }, nativeError, pageText, scriptError, noNotes } = {}) {
  const calls = [];
  const listeners = {};
  const record = (name, fail, answer) => async (...args) => {
    calls.push([name, ...args]);
    if (fail) throw new Error(fail);
    return answer;
  };
  const event = (name) => ({ addListener: (fn) => (listeners[name] = fn) });
  const api = {
    runtime: {
      onInstalled: event("installed"),
      onStartup: event("startup"),
      sendNativeMessage: record("send", nativeError, reply),
    },
    contextMenus: {
      onClicked: event("clicked"),
      removeAll: record("removeAll"),
      create: record("create"),
    },
    scripting: { executeScript: record("script", scriptError, [{ result: pageText ?? null }]) },
    notifications: { create: record("notify", noNotes && "no notifications") },
  };
  const of = (name) => calls.filter((c) => c[0] === name).map((c) => c.slice(1));
  return { api, calls, listeners, of };
}

const click = (info) => ({ menuItemId: addLink.MENU_ID, ...info });

test("each kind of click hands over one anchor and its text, other clicks nothing", async () => {
  const a = (address, text) => `<a href="${address}">${text}</a>`;
  const unreadable = { scriptError: "Cannot access a chrome:// URL" };
  const cases = [
    // Firefox reports the link's text; Chromium's is read from the clicked frame.
    [{ linkUrl: "https://a.org/?y=1&z=2", linkText: "A" }, {}, a("https://a.org/?y=1&z=2", "A"), "A"],
    [{ linkUrl: "https://a.org/", frameId: 7 }, { pageText: "Pg" }, a("https://a.org/", "Pg"), "Pg"],
    [{ linkUrl: "https://a.org/", selectionText: "s" }, unreadable, a("https://a.org/", "s"), "s"],
    [{ linkUrl: "https://a.org/" }, unreadable, a("https://a.org/", ""), ""],
    [{ selectionText: "words", pageUrl: "https://p.org/" }, {}, a("https://p.org/", "words"), "words"],
    // A quote cannot end the address early, nor markup in the text break the anchor.
    [{ linkUrl: 'https://a.org/"x"', linkText: 'Fish & <b> "now"' }, {},
      a("https://a.org/%22x%22", 'Fish &amp; &lt;b&gt; "now"'), 'Fish & <b> "now"'],
  ];
  for (const [info, page, href, text] of cases) {
    const browser = fakeBrowser(page);
    await addLink.addLink(browser.api, click(info), { id: 3 });
    assert.deepEqual(browser.of("send"), [["quillmark.link_host", { href, text }]]);
  }
  // Other menu entries and clicks on nothing send nothing.
  const idle = fakeBrowser();
  assert.equal(await addLink.addLink(idle.api, { menuItemId: "other", linkUrl: "x" }, {}), null);
  assert.equal(await addLink.addLink(idle.api, click({ pageUrl: "https://p/" }), {}), null);
  assert.deepEqual(idle.calls, []);
  const chromium = fakeBrowser({ pageText: "x" });
  await addLink.addLink(chromium.api, click({ linkUrl: "https://a.org/", frameId: 7 }), { id: 3 });
  const [{ target, args }] = chromium.of("script")[0];
  assert.deepEqual([target, args], [{ tabId: 3, frameIds: [7] }, ["https://a.org/"]]);
});

test("the sample link gives exactly the message the host is tested with", () => {
  const golden = fs.readFileSync(here("..", "tests/data/linkhost/extension-message.json"), "utf8");
  const url = "https://example.org/wiki/Caf%C3%A9?a=1&b=2#top";
  const message = addLink.messageFor({ linkUrl: url }, 'Café "Zur Post" | <b>ß</b>');
  assert.equal(JSON.stringify(message), golden.trimEnd());
});

test("the user hears how the hand-over went", async () => {
  const cases = [
    [{}, "Link added to Quillmark"],
    [{ noNotes: true }, "Link added to Quillmark"],
    [{ reply: { ok: true, kept: true } }, "Link kept: Quillmark will offer it when it starts"],
    [{ reply: { ok: false, error: "too long" } }, "Quillmark could not take the link: too long"],
    [{ reply: null }, "Quillmark could not take the link: no answer"],
    [{ nativeError: "Specified native messaging host not found." },
     "Quillmark is not set up for this browser: turn on browser integration in its settings"],
  ];
  for (const [options, text] of cases) {
    const { api, of } = fakeBrowser(options);
    const shown = await addLink.addLink(api, click({ linkUrl: "https://a/", linkText: "a" }), {});
    assert.equal(shown, text);
    assert.deepEqual(of("notify").map(([note]) => note.message), [text]);
  }
});

test("start-up makes one menu entry and its clicks reach the host", async () => {
  const { api, calls, listeners, of } = fakeBrowser();
  addLink.install(api);
  await listeners.installed();
  await listeners.startup();
  const entry = { id: addLink.MENU_ID, title: "Add link", contexts: ["link", "selection"] };
  assert.deepEqual(calls, [["removeAll"], ["create", entry], ["removeAll"], ["create", entry]]);
  listeners.clicked(click({ linkUrl: "https://a/", linkText: "a" }), { id: 1 });
  await new Promise((resolve) => setImmediate(resolve));
  assert.equal(of("send").length, 1);
});

test("the page lookup takes the first link with the clicked address", () => {
  const links = [["https://other/", "Other"], ["https://a.org/", "  Two\n   lines "], ["https://a.org/", "Later"]];
  global.document = { querySelectorAll: () => links.map(([href, innerText]) => ({ href, innerText })) };
  assert.equal(addLink.findLinkText("https://a.org/"), "Two lines");
  assert.equal(addLink.findLinkText("https://none/"), null);
  delete global.document;
});

test("the manifest names the ids the host allows and nothing that reaches the network", () => {
  const manifest = JSON.parse(fs.readFileSync(here("manifest.json"), "utf8"));
  const header = fs.readFileSync(here("..", "src/core/integration/HostManifest.h"), "utf8");
  const constant = (name) => header.match(new RegExp(`${name} = "([^"]+)"`))[1];
  // Chromium derives the id from the key: the first 32 hex digits of its hash, as a to p.
  const der = Buffer.from(manifest.key, "base64");
  const hash = crypto.createHash("sha256").update(der).digest("hex");
  const id = [...hash.slice(0, 32)].map((c) => String.fromCharCode(97 + parseInt(c, 16))).join("");
  assert.equal(id, constant("kChromiumExtensionId"));
  assert.equal(manifest.browser_specific_settings.gecko.id, constant("kFirefoxExtensionId"));

  assert.ok(manifest.permissions.includes("nativeMessaging"));
  assert.equal(manifest.host_permissions, undefined);
  assert.ok(!manifest.permissions.some((p) => p.includes("://") || p === "<all_urls>"));
});
