#pragma once

#include <memory>

namespace quorvel {

class Dialogs;
class MainWindow;
class Session;

// Fills the image from the session's factory file and builds the main window.
// On failure the message is shown and nullptr returned: no window exists.
std::unique_ptr<MainWindow> startUp(Session& session, Dialogs& dialogs);

} // namespace quorvel
