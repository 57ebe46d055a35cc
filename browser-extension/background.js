// Chromium runs this file alone as its service worker; Firefox loads
// add-link.js before it as an event page.
"use strict";

if (typeof QuillmarkAddLink === "undefined") {
  importScripts("add-link.js");
}

QuillmarkAddLink.install(globalThis.browser ?? globalThis.chrome);
