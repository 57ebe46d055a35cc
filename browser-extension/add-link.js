// "Add link": hands the right-clicked link (or the page with the selected text)
// to Quillmark on this computer through its native-messaging host. Nothing is
// ever sent anywhere else.
"use strict";

const QuillmarkAddLink = (() => {
  const HOST = "quillmark.link_host";
  const MENU_ID = "quillmark-add-link";
  const MENU_TITLE = "Add link";
  const NOT_SET_UP =
    "Quillmark is not set up for this browser: turn on browser integration in its settings";
  const ADDED = "Link added to Quillmark";
  // The host keeps every link while Quillmark is closed and says so with "kept".
  const KEPT = "Link kept: Quillmark will offer it when it starts";
  const REFUSED = "Quillmark could not take the link: ";

  // Quillmark takes the address up to the next double quote, so one inside the
  // address is written as %22 (the same address); the text is escaped so the
  // markup stays one anchor.
  function anchorMarkup(address, text) {
    const href = String(address).replaceAll('"', "%22");
    const shown = String(text)
      .replaceAll("&", "&amp;")
      .replaceAll("<", "&lt;")
      .replaceAll(">", "&gt;");
    return `<a href="${href}">${shown}</a>`;
  }

  // The message for one click of the menu entry, or null when there is nothing
  // to hand over. linkText is the link's text as the page shows it.
  function messageFor(info, linkText) {
    if (info.linkUrl) {
      const text = linkText ?? "";
      return { href: anchorMarkup(info.linkUrl, text), text };
    }
    if (info.selectionText && info.pageUrl) {
      return { href: anchorMarkup(info.pageUrl, info.selectionText), text: info.selectionText };
    }
    return null;
  }

  // Runs in the page: the text of the first link there with the clicked address.
  function findLinkText(address) {
    for (const anchor of document.querySelectorAll("a[href], area[href]")) {
      if (anchor.href === address) {
        return (anchor.innerText ?? anchor.textContent ?? "").replace(/\s+/g, " ").trim();
      }
    }
    return null;
  }

  // Firefox reports the link's text itself; Chromium does not, so it is read
  // from the page (allowed for the clicked tab only, by activeTab). Where the
  // page cannot be read, a selection or nothing stands in.
  async function linkTextFor(api, info, tab) {
    if (typeof info.linkText === "string") {
      return info.linkText;
    }
    const fallback = info.selectionText ?? "";
    if (!api.scripting || !tab || tab.id === undefined) {
      return fallback;
    }
    try {
      const target = { tabId: tab.id };
      if (typeof info.frameId === "number") {
        target.frameIds = [info.frameId];
      }
      const results = await api.scripting.executeScript({
        target,
        func: findLinkText,
        args: [info.linkUrl],
      });
      const found = results?.[0]?.result;
      return typeof found === "string" ? found : fallback;
    } catch {
      return fallback;
    }
  }

  function answerText(reply) {
    if (reply && reply.ok === true) {
      return reply.kept === true ? KEPT : ADDED;
    }
    const reason = reply && typeof reply.error === "string" ? reply.error : "no answer";
    return REFUSED + reason;
  }

  async function notify(api, text) {
    try {
      await api.notifications.create({
        type: "basic",
        iconUrl: "icons/quillmark-48.png",
        title: "Quillmark",
        message: text,
      });
    } catch {
      // Without notifications the hand-over has still happened (or not).
    }
  }

  // One click of "Add link". Resolves to the text shown to the user.
  async function addLink(api, info, tab) {
    if (info.menuItemId !== MENU_ID) {
      return null;
    }
    const linkText = info.linkUrl ? await linkTextFor(api, info, tab) : undefined;
    const message = messageFor(info, linkText);
    if (!message) {
      return null;
    }
    let shown;
    try {
      shown = answerText(await api.runtime.sendNativeMessage(HOST, message));
    } catch {
      // The browser found no host it may start: not registered for this browser.
      shown = NOT_SET_UP;
    }
    await notify(api, shown);
    return shown;
  }

  async function createMenu(api) {
    const menus = api.contextMenus ?? api.menus;
    await menus.removeAll();
    menus.create({ id: MENU_ID, title: MENU_TITLE, contexts: ["link", "selection"] });
  }

  // Wires the extension into the browser; listeners are added at once so a
  // woken background finds them.
  function install(api) {
    const menus = api.contextMenus ?? api.menus;
    api.runtime.onInstalled.addListener(() => createMenu(api));
    api.runtime.onStartup.addListener(() => createMenu(api));
    menus.onClicked.addListener((info, tab) => {
      addLink(api, info, tab);
    });
  }

  return {
    HOST,
    MENU_ID,
    MENU_TITLE,
    NOT_SET_UP,
    ADDED,
    KEPT,
    REFUSED,
    anchorMarkup,
    messageFor,
    findLinkText,
    addLink,
    createMenu,
    install,
  };
})();

if (typeof module === "object" && module.exports) {
  module.exports = QuillmarkAddLink;
}
