#pragma once

#include <QHash>
#include <QString>

#include <memory>

class EngineReadAhead;
class PageEngine;

// The page plug-in (the web engine and everything built on it), loaded on the
// first call that needs it. Null when it cannot be loaded: the pages then stay
// empty and Problem() says why, naming the file; the log says so once.
class PagePlugin {
public:
    PagePlugin();
    ~PagePlugin();

    PageEngine* Engine() { return Loaded().engine; }
    QString Problem() { return Loaded().problem; }

    // Page views drawn from now on take the plug-in from this file instead of
    // the one beside the program; an empty name goes back to that one.
    void UseFile(const QString& file) { m_chosenFile = file; }

    // Has the system read the plug-in and the engine into its file cache, so
    // that the first page does not wait for the disk; once, and only while no
    // page has loaded them.
    void ReadAhead();

private:
    struct Result {
        PageEngine* engine = nullptr;
        QString problem;
    };

    QString File() const;
    const Result& Loaded();

    QString m_chosenFile;
    // Each file is tried once, so its problem is reported once.
    QHash<QString, Result> m_tried;
    std::unique_ptr<EngineReadAhead> m_readAhead;
};
