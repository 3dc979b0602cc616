#include "compare_page.h"
#include "core/session.h"

#include "core/files/settings_file.h"
#include "core/image/setting_words.h"
#include "ui/dialogs.h"
#include "ui/file_messages.h"
#include "ui/page_widgets.h"
#include "ui/twips.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quorvel {

ComparePage::ComparePage(const Session& session, Dialogs& dialogs, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_dialogs(dialogs),
      m_factory(captionedButton(this, QStringLiteral("Command1"), tr("Factory Settings"))),
      m_file(captionedButton(this, QStringLiteral("Command2"), tr("Settings File..."))),
      m_other(new QLabel(this)), m_result(new QLabel(this)), m_table(new QTableWidget(0, 3, this)) {
    setObjectName(QStringLiteral("frmCompare"));
    setAutoFillBackground(true);
    QLabel* heading = pageHeading(this, tr("Compare"));

    auto* choice = new QGroupBox(tr("Compare with"), this);
    choice->setObjectName(QStringLiteral("Frame1"));
    choice->setAccessibleName(choice->title());
    auto* choiceLayout = new QHBoxLayout(choice);
    for (QPushButton* button : {m_factory, m_file}) {
        button->setParent(choice);
        button->setMinimumHeight(twips(page_geometry::kButtonHeight));
        choiceLayout->addWidget(button);
    }
    choiceLayout->addStretch(1);
    connect(m_factory, &QPushButton::clicked, this, &ComparePage::compareWithFactory);
    connect(m_file, &QPushButton::clicked, this, &ComparePage::compareWithFile);

    for (QLabel* label : {m_other, m_result}) {
        label->setTextFormat(Qt::PlainText); // a file name is data, not markup
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_other->setObjectName(QStringLiteral("Label2"));
    QFont bold = m_result->font();
    bold.setBold(true);
    m_result->setFont(bold);
    m_result->setObjectName(QStringLiteral("Label3"));

    m_table->setObjectName(QStringLiteral("Differences"));
    m_table->setAccessibleName(tr("Differences"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false); // Tab leaves the table; arrows walk it
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setVisible(false);
    // Wide enough for a caption even while the table is empty.
    m_table->horizontalHeader()->setMinimumSectionSize(twips(2400));
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_result->setBuddy(m_table);

    auto* layout = new QVBoxLayout(this);
    const int margin = twips(page_geometry::kMargin);
    layout->setContentsMargins(margin, heading->geometry().bottom() + twips(120), margin, margin);
    layout->addWidget(choice);
    layout->addWidget(m_other);
    layout->addWidget(m_result);
    layout->addWidget(m_table, 1);
    refresh();
}

void ComparePage::activate() {
    // The other side is read again too, so a file saved since shows as it is
    // now. Until a choice is made it is the factory settings. A file that cannot
    // be read now keeps what was read last; no box interrupts a page change.
    const bool chosen = m_otherImage.has_value();
    SettingsImage other{};
    if (readDataFile(chosen ? m_otherPlace : m_session.factoryFile, other).result ==
        ReadResult::Loaded) {
        m_otherImage = other;
        if (!chosen) {
            m_otherName = tr("Factory Settings");
            m_otherPlace = m_session.factoryFile;
        }
    }
    refresh();
}

void ComparePage::compareWithFactory() {
    if (readOther(m_session.factoryFile, tr("Factory Settings")))
        refresh();
}

void ComparePage::compareWithFile() {
    const std::optional<QString> name = m_dialogs.openFileName();
    if (!name || name->isEmpty())
        return; // no file chosen: nothing to report, the comparison stays
    if (readOther(*name, QFileInfo(*name).fileName()))
        refresh();
}

bool ComparePage::readOther(const QString& path, const QString& name) {
    SettingsImage image{};
    const ReadOutcome outcome = readDataFile(path, image);
    if (const std::optional<Message> failure = openFailureMessage(outcome.result)) {
        m_dialogs.ask(*failure);
        return false;
    }
    m_otherImage = image;
    m_otherName = name;
    m_otherPlace = path;
    return true;
}

void ComparePage::refresh() {
    m_table->setHorizontalHeaderLabels(
        {tr("Setting"), tr("This Image"), m_otherImage ? m_otherName : tr("Other")});
    if (!m_otherImage) {
        m_other->setText(tr("Choose what to compare this image with."));
        m_result->clear();
        m_table->setRowCount(0);
        return;
    }
    m_other->setText(
        tr("Compared with: %1 (%2)").arg(m_otherName, QDir::toNativeSeparators(m_otherPlace)));

    const QList<ImageDifference> differences = summaryDifferences(m_session.image, *m_otherImage);
    m_table->setRowCount(static_cast<int>(differences.size()));
    for (int row = 0; row < differences.size(); ++row) {
        const DifferenceWords words =
            differenceWords(differences.at(row), m_session.image, *m_otherImage);
        const QStringList cells{words.caption, words.first, words.second};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    if (differences.isEmpty())
        m_result->setText(tr("No differences."));
    else if (differences.size() == 1)
        m_result->setText(tr("1 difference."));
    else
        m_result->setText(tr("%1 differences.").arg(differences.size()));
}

} // namespace quorvel
