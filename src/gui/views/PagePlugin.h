#pragma once

#include <QString>

class PageEngine;

// The page plug-in (the web engine and everything built on it), loaded on the
// first call. Null when it cannot be loaded: the pages then stay empty and
// PagePluginProblem() says why, naming the file; the log says so once.
PageEngine* PagePluginEngine();
QString PagePluginProblem();

// Page views drawn from now on take the plug-in from this file instead of
// the one beside the program; an empty name goes back to that one.
void UsePagePluginFile(const QString& file);
