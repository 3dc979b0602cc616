#pragma once

// What the test programs of quorvel-cli provision share: a station of its own with a
// scripted terminal, a bus readers come and go on, a fake companion, and its log.

#include "cli/cli.h"
#include "cli/terminal_input_posix.h"
#include "core/ending_signals.h"
#include "core/files/durable_append.h"
#include "core/files/settings_file.h"
#include "core/image/setting_catalog.h"
#include "device/companion_command.h"
#include "device/process_companion_runner.h"
#include "fake_companion_runner.h"
#include "fake_hid_bus.h"
#include "process_probe.h"
#include "test_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <deque>
#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace quorvel::provision_tests {

inline const QByteArray kCardNumber = "4111111111111111";
inline const QByteArray kGoodSwipe =
    "%B" + kCardNumber + "^DOE/J^2512?;" + kCardNumber + "=2512?\r";
inline const QByteArray kTabSwipe = "%B" + kCardNumber + "^DOE/J^2512?;" + kCardNumber + "=2512?\t";

// Keys that arrive at given times on a clock of its own, so waits cost nothing.
class ScriptedInput : public TerminalInput {
public:
    struct Event {
        qint64 atMs;
        QByteArray bytes;
    };
    bool isTerminal() const override { return true; }
    qint64 nowMs() const override { return m_clock; }
    Chunk read(int timeoutMs) override {
        if (++reads > 100000) // a run that never ends is a failure, not a hang
            return {Chunk::Kind::Interrupted, {}, m_clock};
        if (!events.empty() && (timeoutMs < 0 || events.front().atMs <= m_clock + timeoutMs)) {
            const Event event = events.front();
            events.pop_front();
            m_clock = std::max(m_clock, event.atMs);
            return {Chunk::Kind::Bytes, event.bytes, m_clock};
        }
        if (timeoutMs < 0)
            return {Chunk::Kind::EndOfInput, {}, m_clock};
        m_clock += timeoutMs;
        return {Chunk::Kind::TimedOut, {}, m_clock};
    }
    void typeAfter(qint64 delayMs, const QByteArray& bytes) {
        events.push_back({m_clock + delayMs, bytes});
    }

    std::deque<Event> events;
    int reads = 0;

private:
    qint64 m_clock = 0;
};

// A terminal owned by the test, handed to one run of the tool.
class LentInput : public TerminalInput {
public:
    explicit LentInput(TerminalInput& input) : m_input(input) {}
    bool isTerminal() const override { return m_input.isTerminal(); }
    Chunk read(int timeoutMs) override { return m_input.read(timeoutMs); }
    qint64 nowMs() const override { return m_input.nowMs(); }

private:
    TerminalInput& m_input;
};

// A bus that runs a cue each time it is listed: readers come and go on it.
class CuedBus : public FakeHidBus {
public:
    std::vector<HidInterface> enumerate() override {
        if (cue)
            cue();
        return FakeHidBus::enumerate();
    }
    std::function<void()> cue;
};

struct Reader {
    QString serial;
    bool openable = true;
    int companionStatus = 0;
    QList<QPair<int, QByteArray>> swipes; // typed this long after the transmission
};

struct Station {
    QTemporaryDir dir;
    ScriptedInput input;
    CuedBus bus;
    FakeCompanionRunner runner;
    CompanionRunner* realRunner = nullptr; // instead of the fakes
    TerminalInput* realInput = nullptr;
    QList<Reader> queue;
    bool seen = false;
    int attached = 0;
    int status = -1;
    QString out;
    QString err;

    Station() {
        // Each reader is found on one listing and gone on the next; when none is left, Ctrl+C.
        bus.cue = [this] {
            if (!bus.entries.empty()) {
                if (seen)
                    bus.entries.clear();
                seen = !seen;
                return;
            }
            if (queue.isEmpty()) {
                input.typeAfter(0, "\x03");
                return;
            }
            const Reader reader = queue.takeFirst();
            bus.add(QStringLiteral("/dev/hidraw%1").arg(++attached), 0x10C4, 0x890C,
                    reader.openable, reader.serial);
            seen = true;
            runner.result.exitCode = reader.companionStatus;
            runner.whileRunning = [this, reader] {
                for (const auto& [delay, bytes] : reader.swipes)
                    input.typeAfter(delay, bytes);
            };
        };
    }

    QString
    settingsFile(const QByteArray& content = composeSettingsText(shippedFactoryImage())) const {
        writeFile(dir.filePath(QStringLiteral("station.msr")), content);
        return dir.filePath(QStringLiteral("station.msr"));
    }

    // The tool's context on this station; the terminal is the one given, lent for the run.
    CliContext context(TerminalInput& terminal) {
        CliContext context;
        context.factoryFile = shippedFactoryFile();
        context.bus = &bus;
        context.runner = realRunner ? realRunner : &runner;
        context.folder = dir.path();
        context.openTerminal = [&terminal] { return std::make_unique<LentInput>(terminal); };
        context.now = [] {
            return QDateTime(QDate(2026, 12, 9), QTime(14, 3, 7), Qt::OffsetFromUTC, 3600);
        };
        return context;
    }

    void run(const QStringList& args) {
        QTextStream o(&out);
        QTextStream e(&err);
        status = runCli(QStringList{QStringLiteral("provision")} + args, o, e,
                        context(realInput ? *realInput : static_cast<TerminalInput&>(input)));
        o.flush();
        e.flush();
    }

    QList<QJsonObject> log() const {
        QList<QJsonObject> lines;
        for (const QByteArray& line :
             fileContent(dir.filePath(QStringLiteral("provision-log.jsonl"))).split('\n'))
            if (!line.isEmpty())
                lines << QJsonDocument::fromJson(line).object();
        return lines;
    }

    // No card data anywhere but the terminal's screen.
    void holdsNoCardNumber() const {
        QVERIFY(!fileContent(dir.filePath(QStringLiteral("provision-log.jsonl")))
                     .contains(kCardNumber));
        QVERIFY(!err.contains(QString::fromLatin1(kCardNumber)));
        QVERIFY(!out.contains(QString::fromLatin1(kCardNumber)));
    }
};

inline QString sha256Sent(SettingsImage image) {
    image.at(127) = 0x80;
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(image.data()), 128),
                                 QCryptographicHash::Sha256)
            .toHex());
}

inline QStringList strings(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

} // namespace quorvel::provision_tests

Q_DECLARE_METATYPE(quorvel::provision_tests::Reader)
