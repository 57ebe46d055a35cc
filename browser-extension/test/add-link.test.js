"use strict";

const { test, describe } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const crypto = require("node:crypto");

const addLink = require("../add-link.js");

const repo = path.join(__dirname, "..", "..");

// The browser as far as the extension touches it. Every call is recorded, so a
// test sees anything the extension sends or shows.
function fakeBrowser({ reply, nativeError, pageText, scriptError, noNotifications } = {}) {
  const calls = [];
  const listeners = {};
  const event = (name) => ({ addListener: (fn) => (listeners[name] = fn) });
  const api = {
    runtime: {
      onInstalled: event("installed"),
      onStartup: event("startup"),
      async sendNativeMessage(host, message) {
        calls.push(["sendNativeMessage", host, message]);
        if (nativeError) {
          throw new Error(nativeError);
        }
        return reply ?? { ok: true };
      },
    },
    contextMenus: {
      onClicked: event("clicked"),
      async removeAll() {
        calls.push(["removeAll"]);
      },
      create(properties) {
        calls.push(["create", properties]);
      },
    },
    scripting: {
      async executeScript(details) {
        calls.push(["executeScript", details]);
        if (scriptError) {
          throw new Error(scriptError);
        }
        return [{ result: pageText ?? null }];
      },
    },
    notifications: {
      async create(options) {
        calls.push(["notify", options.message]);
        if (noNotifications) {
          throw new Error("notifications unavailable");
        }
      },
    },
  };
  return { api, calls, listeners };
}

const sent = (calls) => calls.filter((c) => c[0] === "sendNativeMessage");
const shown = (calls) => calls.filter((c) => c[0] === "notify").map((c) => c[1]);
const click = (info) => ({ menuItemId: addLink.MENU_ID, ...info });

describe("the message", () => {
  test("a link in Firefox carries its address and the text Firefox reports", async () => {
    const { api, calls } = fakeBrowser();
    await addLink.addLink(
      api,
      click({ linkUrl: "https://a.org/x?y=1&z=2", linkText: "A page", pageUrl: "https://p/" }),
      { id: 3 },
    );
    assert.deepEqual(sent(calls), [
      [
        "sendNativeMessage",
        "quillmark.link_host",
        { href: '<a href="https://a.org/x?y=1&z=2">A page</a>', text: "A page" },
      ],
    ]);
    assert.equal(calls.filter((c) => c[0] === "executeScript").length, 0);
  });

  test("a link in Chromium takes its text from the clicked frame of the page", async () => {
    const { api, calls } = fakeBrowser({ pageText: "From the page" });
    await addLink.addLink(api, click({ linkUrl: "https://a.org/", frameId: 7 }), { id: 3 });
    const script = calls.find((c) => c[0] === "executeScript")[1];
    assert.deepEqual(script.target, { tabId: 3, frameIds: [7] });
    assert.deepEqual(script.args, ["https://a.org/"]);
    assert.deepEqual(sent(calls)[0][2], {
      href: '<a href="https://a.org/">From the page</a>',
      text: "From the page",
    });
  });

  test("a page that cannot be read gives the selection or an empty text", async () => {
    for (const [info, text] of [
      [{ selectionText: "picked" }, "picked"],
      [{}, ""],
    ]) {
      const { api, calls } = fakeBrowser({ scriptError: "Cannot access a chrome:// URL" });
      await addLink.addLink(api, click({ linkUrl: "https://a.org/", ...info }), { id: 1 });
      assert.equal(sent(calls)[0][2].text, text);
    }
  });

  test("a selection hands over the page's address with the selected text", async () => {
    const { api, calls } = fakeBrowser();
    await addLink.addLink(
      api,
      click({ selectionText: "some words", pageUrl: "https://page.org/article" }),
      { id: 1 },
    );
    assert.deepEqual(sent(calls)[0][2], {
      href: '<a href="https://page.org/article">some words</a>',
      text: "some words",
    });
  });

  test("quotes cannot end the address early and the text cannot break the markup", () => {
    const message = addLink.messageFor(
      { linkUrl: 'https://a.org/"x"' },
      'Fish & <chips> "now"',
    );
    assert.equal(message.href, '<a href="https://a.org/%22x%22">Fish &amp; &lt;chips&gt; "now"</a>');
    assert.equal(message.text, 'Fish & <chips> "now"');
  });

  test("other menu entries and empty clicks send nothing", async () => {
    const { api, calls } = fakeBrowser();
    assert.equal(await addLink.addLink(api, { menuItemId: "other", linkUrl: "x" }, {}), null);
    assert.equal(await addLink.addLink(api, click({ pageUrl: "https://p/" }), {}), null);
    assert.deepEqual(calls, []);
  });

  test("the sample link gives exactly the message the host is tested with", async () => {
    const { api, calls } = fakeBrowser();
    await addLink.addLink(
      api,
      click({
        linkUrl: "https://example.org/wiki/Caf%C3%A9?a=1&b=2#top",
        linkText: 'Café "Zur Post" | <b>ß</b>',
      }),
      { id: 1 },
    );
    const golden = fs.readFileSync(
      path.join(repo, "tests", "data", "linkhost", "extension-message.json"),
      "utf8",
    );
    assert.equal(JSON.stringify(sent(calls)[0][2]), golden.trimEnd());
  });
});

describe("what the user sees", () => {
  test("an accepted link is confirmed", async () => {
    const { api, calls } = fakeBrowser({ reply: { ok: true } });
    await addLink.addLink(api, click({ linkUrl: "https://a/", linkText: "a" }), {});
    assert.deepEqual(shown(calls), ["Link sent to Quillmark"]);
  });

  test("a browser without the host gets the set-up error, word for word", async () => {
    for (const error of [
      "Specified native messaging host not found.",
      "Access to the specified native messaging host is forbidden.",
      "No such native application quillmark.link_host",
    ]) {
      const { api, calls } = fakeBrowser({ nativeError: error });
      await addLink.addLink(api, click({ linkUrl: "https://a/", linkText: "a" }), {});
      assert.deepEqual(shown(calls), [
        "Quillmark is not set up for this browser: turn on browser integration in its settings",
      ]);
    }
  });

  test("a refusal from the host shows its reason; not running says what to do", async () => {
    for (const [error, text] of [
      ["the message is too long", "Quillmark could not take the link: the message is too long"],
      [
        "Quillmark is not running",
        "Quillmark is not running, so the link was not added: start Quillmark and try again",
      ],
    ]) {
      const { api, calls } = fakeBrowser({ reply: { ok: false, error } });
      await addLink.addLink(api, click({ linkUrl: "https://a/", linkText: "a" }), {});
      assert.deepEqual(shown(calls), [text]);
    }
  });

  test("missing notifications do not undo the hand-over", async () => {
    const { api, calls } = fakeBrowser({ noNotifications: true });
    const text = await addLink.addLink(api, click({ linkUrl: "https://a/", linkText: "a" }), {});
    assert.equal(text, "Link sent to Quillmark");
    assert.equal(sent(calls).length, 1);
  });
});

describe("the browser wiring", () => {
  test("install and start create one entry on links and selections", async () => {
    const { api, calls, listeners } = fakeBrowser();
    addLink.install(api);
    await listeners.installed();
    await listeners.startup();
    const creates = calls.filter((c) => c[0] === "create").map((c) => c[1]);
    assert.deepEqual(creates, [
      { id: "quillmark-add-link", title: "Add link", contexts: ["link", "selection"] },
      { id: "quillmark-add-link", title: "Add link", contexts: ["link", "selection"] },
    ]);
    // Each creation starts from an empty menu, so restarts add no duplicates.
    assert.deepEqual(
      calls.map((c) => c[0]),
      ["removeAll", "create", "removeAll", "create"],
    );
  });

  test("a click on the entry reaches the host", async () => {
    const { api, calls, listeners } = fakeBrowser();
    addLink.install(api);
    listeners.clicked(click({ linkUrl: "https://a/", linkText: "a" }), { id: 1 });
    await new Promise((resolve) => setImmediate(resolve));
    assert.equal(sent(calls).length, 1);
  });

  test("the page lookup finds the text of the clicked link", () => {
    const anchors = [
      { href: "https://other/", innerText: "Other" },
      { href: "https://a.org/", innerText: "  Two\n   lines " },
      { href: "https://a.org/", innerText: "Later" },
    ];
    global.document = { querySelectorAll: () => anchors };
    try {
      assert.equal(addLink.findLinkText("https://a.org/"), "Two lines");
      assert.equal(addLink.findLinkText("https://none/"), null);
    } finally {
      delete global.document;
    }
  });
});

describe("the manifests", () => {
  const manifest = JSON.parse(fs.readFileSync(path.join(__dirname, "..", "manifest.json"), "utf8"));
  const hostHeader = fs.readFileSync(
    path.join(repo, "src", "core", "integration", "HostManifest.h"),
    "utf8",
  );
  const constant = (name) => hostHeader.match(new RegExp(`${name} = "([^"]+)"`))[1];

  test("Chromium's id, derived from the key, is the one the host allows", () => {
    const der = Buffer.from(manifest.key, "base64");
    const hash = crypto.createHash("sha256").update(der).digest("hex").slice(0, 32);
    const id = [...hash].map((c) => String.fromCharCode(97 + parseInt(c, 16))).join("");
    assert.equal(id, constant("kChromiumExtensionId"));
  });

  test("Firefox's id is the one the host allows", () => {
    assert.equal(manifest.browser_specific_settings.gecko.id, constant("kFirefoxExtensionId"));
  });

  test("the extension asks for native messaging and nothing that reaches the network", () => {
    assert.equal(manifest.manifest_version, 3);
    assert.ok(manifest.permissions.includes("nativeMessaging"));
    assert.equal(manifest.host_permissions, undefined);
    assert.ok(!manifest.permissions.some((p) => p.includes("://") || p === "<all_urls>"));
    const source = fs.readFileSync(path.join(__dirname, "..", "add-link.js"), "utf8");
    assert.doesNotMatch(source, /fetch\(|XMLHttpRequest|WebSocket|sendBeacon/);
  });

  test("every file the manifest names is there", () => {
    const files = [
      manifest.background.service_worker,
      ...manifest.background.scripts,
      ...Object.values(manifest.icons),
    ];
    for (const file of files) {
      assert.ok(fs.existsSync(path.join(__dirname, "..", file)), file);
    }
  });
});
