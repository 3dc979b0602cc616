#pragma once

#include "core/image/settings_image.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace quorvel {

class AtomicFile;

// A settings text is exactly this long: 8 lines of 17 three-character groups.
inline constexpr int kSettingsTextLength = 408;

// The 408-character text of an image: ">HH" then ",HH" fifteen times and ",\r\n", per row.
QByteArray composeSettingsText(const SettingsImage& image);

// Reads the digits at their fixed offsets; other characters are not examined.
// False (image untouched) when the text is not exactly 408 characters.
bool parseSettingsText(const QByteArray& text, SettingsImage& image);

enum class ReadResult {
    Loaded,      // the image was replaced
    WrongLength, // a readable text that is not 408 characters; image unchanged
    Error,       // missing, empty or unreadable file; image unchanged
};

struct ReadOutcome {
    ReadResult result = ReadResult::Error;
    QString reason; // the system's words for an Error
};

// Why the name, after following links, is something other than a regular file
// (a folder, FIFO, device or socket); empty for a regular file or nothing at all.
// Such a node is never opened: a FIFO without a writer would block, and a
// write through a rename would replace the node itself.
QString notRegularFileReason(const QString& path);

// Whether something stands at the name, a dangling link included: writing
// there would replace it or create a file wherever the link points.
bool nameInUse(const QString& path);

// Never reads more than one byte past a valid text, so a huge file is refused at once.
// Anything but a regular file is refused like a missing one, without being opened.
ReadOutcome readDataFile(const QString& path, SettingsImage& image);

// The factory file: every failure is just False.
bool readDefaultFile(const QString& path, SettingsImage& image);

enum class WriteResult {
    Written,  // the file now holds the image
    Declined, // the overwrite question was answered No; nothing written
    Failed,   // the file could not be created or written; an existing file is as it was
};

struct WriteOutcome {
    WriteResult result = WriteResult::Failed;
    QString reason;
};

// Asked only when a file of that name exists (a dangling link counts); returns true to replace it.
using OverwriteQuestion = std::function<bool(const QString& path)>;
// Lets a test put a device that fails part-way between the text and the file.
using DeviceWrapper = std::function<QIODevice*(QIODevice* file)>;

// Writes the whole text into an open atomic file (through the other device if given), syncs
// it and commits it. Every step is checked; on any failure the save is cancelled, so the
// old file stays as it was and no temporary file is left. Empty on success, else the reason.
QString writeWholeText(AtomicFile& file, const QByteArray& text, QIODevice* through = nullptr);

// Writes atomically: a failed or interrupted write leaves an existing file untouched.
// An existing name that is not a regular file is refused at once, without the question.
WriteOutcome writeDataFile(const QString& path, const SettingsImage& image,
                           const OverwriteQuestion& askOverwrite,
                           const DeviceWrapper& wrap = {});

} // namespace quorvel
