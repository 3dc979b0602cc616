#include "about_page.h"

#include "core/session.h"
#include "device/companion_command.h"
#include "device/hidapi_bus.h"
#include "device/process_companion_runner.h"
#include "ui/page_widgets.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>

namespace quorvel {

QString companionDescription(const CompanionCommand& command, const QString& located,
                             const QString& wine) {
    if (!command.problem.isEmpty())
        return AboutPage::tr("none: %1").arg(command.problem);
    if (located.isEmpty()) {
        if (command.fromEnvironment)
            return AboutPage::tr("none: %1, named in %2, was not found")
                .arg(command.program, QLatin1String(kCompanionVariable));
        return AboutPage::tr("none: %1 was not found beside this program or on the search path")
            .arg(command.program);
    }
    const QString file = QDir::toNativeSeparators(located);
    QString words = file;
    if (windowsProgramsNeedWine() && isWindowsProgram(located))
        words = wine.isEmpty() ? AboutPage::tr("%1, which needs wine; wine was not found").arg(file)
                               : AboutPage::tr("%1, run by %2").arg(file, QDir::toNativeSeparators(wine));
    if (command.fromEnvironment)
        words = AboutPage::tr("%1 (named in %2)").arg(words, QLatin1String(kCompanionVariable));
    return words;
}

AboutFacts currentAboutFacts(const Session& session) {
    AboutFacts facts;
    facts.version = QStringLiteral(QUORVEL_VERSION);
    facts.qtVersion = QString::fromLatin1(qVersion());
    facts.qtBuildVersion = QStringLiteral(QT_VERSION_STR);
    facts.hidapiVersion = hidapiVersion();
    facts.factoryFile = QDir::toNativeSeparators(session.factoryFile);
    const CompanionCommand command = companionCommand();
    QString located;
    QString wine;
    if (command.problem.isEmpty()) {
        located = ProcessCompanionRunner().locate(command.program);
        wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    }
    facts.companion = companionDescription(command, located, wine);
    return facts;
}

QString aboutText(const AboutFacts& facts) {
    QString qt = facts.qtVersion;
    if (facts.qtBuildVersion != facts.qtVersion)
        qt = AboutPage::tr("%1 (built with %2)").arg(facts.qtVersion, facts.qtBuildVersion);
    const QStringList lines{
        AboutPage::tr("Quorvel %1").arg(facts.version),
        AboutPage::tr("Settings for Brisk/Corda/Mallow magnetic stripe card readers"),
        AboutPage::tr("License: %1").arg(QStringLiteral("GPL-3.0-or-later")),
        AboutPage::tr("Qt: %1").arg(qt),
        AboutPage::tr("hidapi: %1").arg(facts.hidapiVersion),
        AboutPage::tr("Default.mag: %1").arg(facts.factoryFile),
        AboutPage::tr("Companion program: %1").arg(facts.companion),
    };
    return lines.join(u'\n') + u'\n';
}

AboutPage::AboutPage(const Session& session, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_text(new QTextEdit(this)),
      m_copy(captionedButton(this, QStringLiteral("Command1"), tr("Copy"))) {
    setObjectName(QStringLiteral("frmAbout"));
    setAutoFillBackground(true);
    QLabel* heading = pageHeading(this, tr("About Quorvel"));

    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(tr("About Quorvel"));
    // Paths are data: shown as plain text.
    m_text->setAcceptRichText(false);
    connect(m_copy, &QPushButton::clicked, this, &AboutPage::copy);
    layOutTextWithCopy(this, heading, m_text, m_copy);
}

void AboutPage::activate() {
    m_shown = aboutText(currentAboutFacts(m_session));
    m_text->setPlainText(m_shown);
}

void AboutPage::copy() { QGuiApplication::clipboard()->setText(m_shown); }

} // namespace quorvel
