#pragma once

#include "session.h"

#include <QList>
#include <QString>

namespace quorvel {

struct ImageDifference {
    QString key;    // a catalog key ("keyboard-terminator") or "byte.N" for bits no named value shows
    QString first;  // the value in the first image, as `quorvel-cli show` / `get` print it
    QString second; // the value in the second image
};

// Every difference between two images, in catalog order then byte order: the named settings
// whose values differ, plus one "byte.N" entry for each byte whose differing bits no named
// setting shows (bits of partly named bytes 4, 35, 52; preamble/postamble bytes after the first 0;
// unnamed bytes). A bit counts as shown only when the named values of both images show it, so
// every differing bit can be read off the list. Empty exactly when the images are equal byte for
// byte.
QList<ImageDifference> imageDifferences(const SettingsImage& first, const SettingsImage& second);

} // namespace quorvel
