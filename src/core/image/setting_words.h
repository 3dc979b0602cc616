#pragma once

#include "core/image/image_differences.h"
#include "core/image/settings_image.h"

#include <QList>
#include <QString>

namespace quorvel {

// The settings of an image in words, grouped and named as the setting pages
// name them: what the Summary page shows and the Compare page labels its rows
// with. The values are the catalog's, with the pages' captions where the
// command-line tool uses a shorter word.

struct SummaryLine {
    QString caption; // "Track 1 Start Sentinel", or "byte 127" in the other bytes
    QString value;   // "% (&H25)"
};

struct SummarySection {
    QString title; // a page heading ("Magnetic Card"), or "Other bytes"
    QList<SummaryLine> lines;
};

// Every named setting by page, then every byte whose value no line shows and that is not 0.
QList<SummarySection> settingsSummary(const SettingsImage& image);

// The summary as plain text: a title line, its lines indented beneath, a blank line between.
QString summaryText(const QList<SummarySection>& sections);

// "Terminator: Keyboard" for a catalog key, "byte 82" for "byte.82"; the key itself when unknown.
QString settingCaption(const QString& key);

// The value of a catalog key or "byte.N" in words, as the summary shows it.
QString settingWords(const QString& key, const SettingsImage& image);

// The position of a key in page order, so lists of keys read as the summary does.
int settingRank(const QString& key);

// The differences between two images (the command-line tool's), in page order.
QList<ImageDifference> summaryDifferences(const SettingsImage& first, const SettingsImage& second);

// A difference as the pages word it: the setting's caption, and each image's value in words
// where the setting has them, else as the command-line tool prints it.
struct DifferenceWords {
    QString caption, first, second;
};
DifferenceWords differenceWords(const ImageDifference& difference, const SettingsImage& first,
                                const SettingsImage& second);

// The title of the section holding the bytes no page shows.
QString otherBytesTitle();

} // namespace quorvel
