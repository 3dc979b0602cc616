#pragma once

#include "core/image/settings_image.h"

#include <QList>
#include <QString>

namespace quorvel {

struct ImageDifference {
    QString key;    // a catalog key ("keyboard-terminator") or "byte.N" for bits no named value shows
    QString first;  // the value in the first image, as `quorvel-cli show` / `get` print it
    QString second; // the value in the second image
};

// Every difference between two images, in catalog order then byte order: the named settings
// whose values differ, plus one "byte.N" entry for each byte that still differs once the second
// image's named values are assigned to the first (bits of partly named bytes,
// preamble/postamble bytes after the end of the string, unnamed bytes). Every differing bit can
// be read off the list; it is empty exactly when the images are equal byte for byte.
QList<ImageDifference> imageDifferences(const SettingsImage& first, const SettingsImage& second);

} // namespace quorvel
