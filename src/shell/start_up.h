#pragma once

#include <QString>

#include <memory>

namespace quorvel {

class Dialogs;
class MainWindow;
class Session;

// Fills the image from the session's factory file and builds the main window.
// On failure the message is shown and nullptr returned: no window exists.
// A file named is opened once the event loop runs, as Open opens it.
std::unique_ptr<MainWindow> startUp(Session& session, Dialogs& dialogs, const QString& file = {});

} // namespace quorvel
