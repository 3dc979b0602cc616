#include "summary_page.h"

#include "core/image/setting_words.h"
#include "core/session.h"
#include "ui/page_widgets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace quorvel {

SummaryPage::SummaryPage(const Session& session, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_text(new QTextEdit(this)),
      m_copy(captionedButton(this, QStringLiteral("Command1"), tr("Copy"))) {
    setObjectName(QStringLiteral("frmSummary"));
    setAutoFillBackground(true);
    QLabel* heading = pageHeading(this, tr("Summary"));

    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(tr("Summary"));
    connect(m_copy, &QPushButton::clicked, this, &SummaryPage::copy);
    layOutTextWithCopy(this, heading, m_text, m_copy);
}

void SummaryPage::activate() {
    const QList<SummarySection> sections = settingsSummary(m_session.image);
    m_plainText = summaryText(sections);

    // The same lines as the copied text, with the page titles in bold.
    m_text->clear();
    QTextCursor cursor(m_text->document());
    QTextCharFormat titleFormat;
    titleFormat.setFontWeight(QFont::Bold);
    QTextBlockFormat titleBlock;
    titleBlock.setTopMargin(m_text->fontMetrics().height() / 2);
    QTextBlockFormat lineBlock;
    lineBlock.setIndent(1);
    bool first = true;
    for (const SummarySection& section : sections) {
        if (!first)
            cursor.insertBlock(titleBlock);
        else
            cursor.setBlockFormat(titleBlock);
        first = false;
        cursor.insertText(section.title, titleFormat);
        if (section.lines.isEmpty()) {
            cursor.insertBlock(lineBlock);
            cursor.insertText(tr("none"), QTextCharFormat());
        }
        for (const SummaryLine& line : section.lines) {
            cursor.insertBlock(lineBlock);
            cursor.insertText(QStringLiteral("%1: %2").arg(line.caption, line.value),
                              QTextCharFormat());
        }
    }
    m_text->moveCursor(QTextCursor::Start);
}

void SummaryPage::copy() {
    QGuiApplication::clipboard()->setText(m_plainText);
}

} // namespace quorvel
