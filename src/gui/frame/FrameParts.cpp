#include "gui/frame/FrameParts.h"

#include "core/settings/Transparency.h"
#include "gui/views/CQuillboxDoc.h"

#include <QAction>
#include <QMainWindow>

FrameParts::FrameParts(QMainWindow& window, CQuillboxDoc& document, quill::FrameSettings& settings,
                       quill::Profile& profile)
    : transparency(window, settings),
      commands(window, settings, document, transparency.Available()),
      toolBar(window, commands, profile), timers(window, document, settings, transparency),
      tray(window, commands, profile, document.WorkingFolder()) {
    // A new level shows at once, even with no cursor poll running.
    for (const quill::LevelCommand& level : quill::LevelCommands()) {
        QObject::connect(commands.Action(level.id), &QAction::triggered, &timers,
                         [this] { timers.Duties().Refresh(); });
    }
    timers.Start();
}
