#pragma once

#include <functional>
#include <memory>

class QMenu;

// The program's own status notifier item: the tray icon that Plasma, Xfce
// and GNOME's AppIndicator extension show, with the tray menu exported for
// the host to show. It follows the desktop's watcher, which may start after
// the program and restart at any time (Qt's own item is chosen once per
// process, when its first tray icon is made, and never after).
class StatusNotifier {
public:
    struct Events {
        std::function<void()> hostChanged; // read HostPresent() again
        std::function<void()> activated;   // the item's left click
    };

    StatusNotifier(QMenu& menu, Events events);
    ~StatusNotifier();
    StatusNotifier(const StatusNotifier&) = delete;
    StatusNotifier& operator=(const StatusNotifier&) = delete;

    // A watcher is on the session bus with a host (a panel's tray) that shows
    // its items.
    bool HostPresent() const;
    // While shown, the item is on the bus and registered with every watcher
    // that comes.
    void SetShown(bool shown);

    struct Item;

private:
    std::unique_ptr<Item> m_item;
};
