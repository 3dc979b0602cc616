#pragma once

// What the test programs of quorvel-cli's commands share: a folder of their own, the
// context the commands run in, and one run of a command line with what it printed.

#include "cli/cli.h"
#include "core/files/settings_file.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTextStream>

namespace quorvel {

struct CliRun {
    int status;
    QString out;
    QString err;
};

class CliFixture {
protected:
    QTemporaryDir m_dir;
    CliContext m_context;

    CliFixture() { m_context.factoryFile = shippedFactoryFile(); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    CliRun run(const QStringList& args) {
        QString out;
        QString err;
        QTextStream o(&out);
        QTextStream e(&err);
        const int status = runCli(args, o, e, m_context);
        o.flush();
        e.flush();
        return {status, out, err};
    }

    static SettingsImage factory() { return shippedFactoryImage(); }

    QString fileWith(const QString& name, const SettingsImage& image) {
        writeFile(path(name), composeSettingsText(image));
        return path(name);
    }

    static SettingsImage imageOf(const QString& file) {
        SettingsImage image{};
        parseSettingsText(fileContent(file), image);
        return image;
    }
};

} // namespace quorvel
