#include "typed_keys.h"

#include "core/keyboard/reader_key_codes.h"
#include "core/swipe/reader_typist.h"

#include <QTest>

using namespace quorvel;

namespace {
constexpr int kEnterCode = 13; // the reader's code of Enter
}

QList<KeyPress> typedAt(int readerLanguage, int computerLanguage, const QString& text,
                        KeyStates locks) {
    TypistSetup setup;
    setup.reader = KeyboardLayout::ofLanguage(readerLanguage);
    setup.computer = KeyboardLayout::ofLanguage(computerLanguage);
    setup.locks = locks;
    ReaderTypist typist(setup);
    for (qsizetype i = 0; i < text.size(); ++i) {
        ReaderTypist::Result result = ReaderTypist::Result::NoKey;
        if (text.at(i) == u'[') {
            const qsizetype close = text.indexOf(u']', i);
            const QString name = text.mid(i + 1, close - i - 1);
            if (name == QLatin1String("Enter"))
                result = typist.code(kEnterCode);
            else if (name == QLatin1String("Ctrl-C"))
                result = typist.ctrlC();
            i = close;
        } else {
            result = typist.character(text.at(i).unicode());
        }
        if (result != ReaderTypist::Result::Typed)
            QTest::qFail("the reader's layout has no key for a character or name", __FILE__,
                         __LINE__);
    }
    return typist.keys();
}

QList<KeyPress> typedAsAltCodes(const QString& text, bool windows) {
    TypistSetup setup;
    setup.altMode = true;
    setup.windowsAltCodes = windows;
    ReaderTypist typist(setup);
    for (const QChar c : text)
        typist.altCode(c.unicode());
    return typist.keys();
}
