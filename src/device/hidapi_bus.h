#pragma once

#include "hid_bus.h"

namespace quorvel {

// HidBus on hidapi. hid_init() and hid_exit() are process-wide, so there is one of these.
class HidapiBus : public HidBus {
public:
    HidapiBus();
    ~HidapiBus() override;
    HidapiBus(const HidapiBus&) = delete;
    HidapiBus& operator=(const HidapiBus&) = delete;

    std::vector<HidInterface> enumerate() override;
    Handle open(const QByteArray& path, QString* reason) override;
    void close(Handle handle) override;
    bool mayOpen(const QByteArray& path, QString* reason) override;

private:
    bool m_ready = false;
    QString m_initError;
};

// The version of the hidapi library this program runs with.
QString hidapiVersion();

} // namespace quorvel
