#pragma once

// What the tests of quorvel-cli swipe share: pseudo-terminals a reader types into, and
// swipe run on one in this process or as a user would run the built tool.

#include "cli/cli.h"
#include "cli/key_sequence_decoder.h"
#include "cli/swipe_command.h"
#include "cli/terminal_input_posix.h"
#include "core/files/settings_file.h"
#include "core/image/setting_fields.h"
#include "test_files.h"
#include "typed_keys.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <thread>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace quorvel::swipe_terminal {

inline const QByteArray kCardNumber = "4111111111111111";
inline const QByteArray kFactoryFrame =
    "%B" + kCardNumber + "^DOE/J^2512?;" + kCardNumber + "=2512?\r";

struct Run {
    int status = 0;
    QString out;
    QString err;
};

// A pseudo-terminal standing in for the one a reader types into.
struct PseudoTerminal {
    int master = -1;
    int slave = -1;
    PseudoTerminal() { QVERIFY(::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0); }
    ~PseudoTerminal() {
        ::close(master);
        ::close(slave);
    }
    void type(const QByteArray& bytes) const {
        QCOMPARE(::write(master, bytes.constData(), static_cast<size_t>(bytes.size())),
                 bytes.size());
    }
    termios settings() const {
        termios now{};
        ::tcgetattr(slave, &now);
        return now;
    }
};

// Runs a command that reads swipes (swipe, identify) on the input; typed is written once the
// terminal is in raw mode.
inline Run onTerminal(const QString& command, int fd, const QStringList& args,
                      const std::function<void()>& typed = {},
                      const TerminalLayoutSources& layouts = {}) {
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    CliContext context;
    context.factoryFile = shippedFactoryFile();
    context.layouts = layouts;
    context.openTerminal = [&] {
        std::unique_ptr<TerminalInput> input = openTerminalInput(fd);
        if (typed)
            typed();
        return input;
    };
    run.status = runCli(QStringList{command} + args, out, err, context);
    out.flush();
    err.flush();
    return run;
}

inline Run swipe(int fd, const QStringList& args, const std::function<void()>& typed = {},
                 const TerminalLayoutSources& layouts = {}) {
    return onTerminal(QStringLiteral("swipe"), fd, args, typed, layouts);
}

inline constexpr tcflag_t kLineModes = ECHO | ICANON | ISIG;

// quorvel-cli swipe run as a user would, in a terminal of its own; the child may set up its
// descriptors first. The test ends it if it outlives the test.
struct TerminalRun {
    pid_t pid = -1;
    int master = -1;
    QByteArray shown;

    explicit TerminalRun(const std::function<void()>& inChild) {
        pid = ::forkpty(&master, nullptr, nullptr, nullptr);
        if (pid == 0) {
            ::signal(SIGPIPE, SIG_DFL);
            inChild();
            const QByteArray factory = QFile::encodeName(shippedFactoryFile());
            ::execl(QUORVEL_CLI_PROGRAM, "quorvel-cli", "swipe", factory.constData(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~TerminalRun() {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        ::close(master);
    }
    tcflag_t lineModes() const {
        termios now{};
        ::tcgetattr(master, &now);
        return now.c_lflag & kLineModes;
    }
    // Waits a few seconds for the condition, keeping what the program shows meanwhile.
    bool waitFor(const std::function<bool()>& condition) {
        for (int i = 0; i < 500; ++i) {
            const bool met = condition();
            pollfd ready{master, POLLIN, 0};
            char buffer[4096];
            ssize_t got = 0;
            while (::poll(&ready, 1, 0) > 0 && (got = ::read(master, buffer, sizeof buffer)) > 0)
                shown.append(buffer, got);
            if (met)
                return true;
            QTest::qSleep(10);
        }
        return false;
    }
};

} // namespace quorvel::swipe_terminal
