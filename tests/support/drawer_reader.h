#pragma once

// A reader from a drawer, as the tests of reading settings back from swipes use it: order
// 2-1-3, preamble A B, postamble Z, TAB and Transmit LRC, the rest as the factory file has
// it; and a card with all three tracks.

#include "core/image/setting_fields.h"
#include "core/swipe/reader_model.h"
#include "test_files.h"

inline const quorvel::Card kThreeTrackCard{QStringLiteral("B4111111111111111^DOE/JOHN^2512101"),
                                           QStringLiteral("4111111111111111=2512101"),
                                           QStringLiteral("011234567890=1234")};

inline quorvel::SettingsImage drawerReader() {
    using namespace quorvel;
    SettingsImage image = shippedFactoryImage();
    setFieldValue(image, FieldId::TrackOrder, 2);
    setFieldValue(image, FieldId::KeyboardTerminator, 5);
    setFieldValue(image, FieldId::TransmitLrc, 1);
    setFieldValue(image, FieldId::Preamble, 'A', 0);
    setFieldValue(image, FieldId::Preamble, 'B', 1);
    setFieldValue(image, FieldId::Postamble, 'Z');
    return image;
}
