// quorvel-screenshots OUT_FOLDER: takes the README's pictures of the running program
// (scripts/screenshots.sh runs it under Xvfb). Not installed.
#include "core/files/factory_file.h"
#include "core/session.h"
#include "shell/main_window.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "ui/dialogs.h"
#include "ui/vertical_menu.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {

using namespace quorvel;

// Answers every box at once, so that nothing waits for a person.
class QuietDialogs : public Dialogs {
public:
    Answer ask(const Message& message) override {
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    std::optional<QString> openFileName() override { return std::nullopt; }
    std::optional<QString> saveFileName(const QString&) override { return std::nullopt; }
    void pickCharacter(Session&) override {}
};

void settle() {
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
}

// Clicks the menu item with this caption, in whichever group it is; false when there is none.
bool clickItem(MainWindow& window, const QString& caption) {
    VerticalMenu* menu = window.menuWindow()->menu();
    for (int group = 1; group <= menu->groupCount(); ++group) {
        for (int item = 1; item <= menu->itemCount(group); ++item) {
            if (menu->itemCaption(group, item) != caption)
                continue;
            menu->setOpenGroup(group);
            menu->itemButton(group, item)->click();
            return true;
        }
    }
    return false;
}

// Types what a reader sends for a test card, so the picture shows a swipe and its checks.
void typeSampleSwipe(MainWindow& window) {
    QWidget* capture = window.findChild<QWidget*>(QStringLiteral("SwipeCapture"));
    if (!capture)
        return;
    const QString keys = QStringLiteral("%B4111111111111111^DOE/J^2512?;4111111111111111=2512?");
    const auto press = [capture](int key, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(capture, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(capture, &up);
    };
    // About the pace of a real reader, so the timing line reads as it would.
    for (const QChar c : keys) {
        press(c.toUpper().unicode(), QString(c));
        QThread::msleep(7);
    }
    press(Qt::Key_Return, QStringLiteral("\r"));
}

bool shoot(MainWindow& window, const QDir& folder, const QString& name) {
    settle();
    const QString path = folder.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "quorvel-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: quorvel-screenshots OUT_FOLDER\n");
        return 2;
    }
    const QDir folder(arguments.at(1));

    Session session;
    session.factoryFile = locateFactoryFile();
    QuietDialogs dialogs;
    std::unique_ptr<MainWindow> window = startUp(session, dialogs);
    if (!window)
        return 1;
    window->move(0, 0);

    bool ok = shoot(*window, folder, QStringLiteral("main-window.png"));
    ok = clickItem(*window, QStringLiteral("Magnetic Card")) &&
         shoot(*window, folder, QStringLiteral("setting-page.png")) && ok;
    if (clickItem(*window, QStringLiteral("Swipe Test"))) {
        typeSampleSwipe(*window);
        ok = shoot(*window, folder, QStringLiteral("swipe-test.png")) && ok;
    }
    else
        std::printf("no Swipe Test in the menu: its picture is skipped\n");
    return ok ? 0 : 1;
}
