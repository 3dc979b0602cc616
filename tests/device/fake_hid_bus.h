#pragma once

#include "device/hid_bus.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace quorvel {

// A bus of made-up interfaces that records every open and close.
class FakeHidBus : public HidBus {
public:
    struct Entry {
        HidInterface hid;
        bool openable = true;
        QString reason = QStringLiteral("Permission denied");
    };

    FakeHidBus& add(const QString& path, unsigned short vendorId, unsigned short productId,
                    bool openable = true, const QString& serial = {}) {
        entries.push_back({{path.toUtf8(), vendorId, productId, serial, {}},
                           openable,
                           QStringLiteral("Permission denied (%1)").arg(path)});
        return *this;
    }

    std::vector<HidInterface> enumerate() override {
        ++enumerations;
        std::vector<HidInterface> list;
        for (const Entry& entry : entries)
            list.push_back(entry.hid);
        return list;
    }

    Handle open(const QByteArray& path, QString* reason) override {
        opens << QString::fromUtf8(path);
        for (Entry& entry : entries) {
            if (entry.hid.path != path)
                continue;
            if (!entry.openable) {
                *reason = entry.reason;
                return nullptr;
            }
            openHandles.push_back(&entry);
            return &entry;
        }
        *reason = QStringLiteral("No such device");
        return nullptr;
    }

    void close(Handle handle) override {
        auto* entry = static_cast<Entry*>(handle);
        closes << QString::fromUtf8(entry->hid.path);
        std::erase(openHandles, entry);
    }

    bool mayOpen(const QByteArray& path, QString* reason) override {
        ++accessChecks;
        for (const Entry& entry : entries) {
            if (entry.hid.path != path)
                continue;
            if (!entry.openable)
                *reason = entry.reason;
            return entry.openable;
        }
        *reason = QStringLiteral("No such device");
        return false;
    }

    // Paths of the interfaces still open.
    QStringList stillOpen() const {
        QStringList paths;
        for (const Entry* entry : openHandles)
            paths << QString::fromUtf8(entry->hid.path);
        return paths;
    }

    std::deque<Entry> entries;
    std::vector<Entry*> openHandles;
    QStringList opens;
    QStringList closes;
    int enumerations = 0;
    int accessChecks = 0;
};

} // namespace quorvel
