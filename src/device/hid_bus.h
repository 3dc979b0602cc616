#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace quorvel {

// One HID interface as the system lists it, before anything is opened.
struct HidInterface {
    QByteArray path; // the system's own bytes, handed back unchanged to open()
    unsigned short vendorId = 0;
    unsigned short productId = 0;
    QString serialNumber;
    QString product;
};

// The few HID calls the program needs, so tests can stand in a bus of their own.
class HidBus {
public:
    using Handle = void*;

    virtual ~HidBus() = default;

    // Every HID interface present, in the system's order.
    virtual std::vector<HidInterface> enumerate() = 0;
    // Opens for reading and writing; nullptr on failure, with the system's reason in *reason.
    virtual Handle open(const QByteArray& path, QString* reason) = 0;
    virtual void close(Handle handle) = 0;
    // Whether open() would be allowed, judged without opening anything, so that
    // watching the bus disturbs no device; true where the system cannot tell beforehand.
    virtual bool mayOpen(const QByteArray& path, QString* reason) = 0;
};

// The machine's HID bus (hidapi); lives until the program ends.
HidBus& systemHidBus();

} // namespace quorvel
